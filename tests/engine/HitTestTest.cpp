// The hit test and locating a card, on pile positions that the test sets.
#include <gtest/gtest.h>

#include "engine/CardPositions.h"
#include "engine/HitTest.h"
#include "records/SettingsFields.h"
#include "tests/engine/TableFixture.h"

namespace tarvelle {
namespace {

using namespace testing;
using V = TMainGame::FanValue;

class Hits : public TableFixture {
protected:
    void SetUp() override {
        useGame(0);  // Klondike: a vertical tableau fan, squared foundations
        s().cardWidth = 71;
        s().cardHeight = 96;
        s().catalogue.setValue(V::FaceUpVerticalStep, 18);
        s().catalogue.setValue(V::FaceDownVerticalStep, 4);
        s().catalogue.setValue(V::SideBySideGap, 6);
        s().settings.put(setting::IrregularPiles, "N");
        s().catalogue.setStockPosition(0, 10, 10);
        s().catalogue.setStockPosition(1, 100, 10);
        for (int f = 0; f < 4; ++f) s().catalogue.setFoundationPosition(f, 300 + 90 * f, 10);
        for (int k = 0; k < 7; ++k) s().catalogue.setTableauPosition(k, 10 + 90 * k, 150);
    }
};

TEST_F(Hits, TheLineWhereTwoFannedCardsMeetHitsTheLowerCard) {
    lay(Collection::Tableau, 0, {hearts(9), clubs(8), hearts(7)});
    faceDown(hearts(9));
    // Bands: 150-154 the face-down nine, 154-172 the eight, then the seven from 172.
    EXPECT_EQ(hitTest(s(), 20, 152).card, hearts(9));
    EXPECT_EQ(hitTest(s(), 20, 154).card, hearts(9));
    EXPECT_EQ(hitTest(s(), 20, 155).card, clubs(8));
    EXPECT_EQ(hitTest(s(), 20, 172).card, clubs(8));
    const HitResult top = hitTest(s(), 20, 200);
    EXPECT_EQ(top.key, "Fila1");
    EXPECT_EQ(top.card, hearts(7));
    EXPECT_EQ(top.rect, (Rect{10, 172, 81, 268}));
    // Below the top card's band, inside the outline, no card is hit and the search ends there.
    EXPECT_EQ(hitTest(s(), 20, 268).key, "");
}

TEST_F(Hits, EmptyPiles) {
    EXPECT_EQ(hitTest(s(), 20, 160).key, "");
    const HitResult foundation = hitTest(s(), 310, 20);
    EXPECT_EQ(foundation.key, "Dest1");
    EXPECT_EQ(foundation.card, 0);
    const HitResult stock = hitTest(s(), 15, 15);
    EXPECT_EQ(stock.key, "Mazzo");
    EXPECT_EQ(stock.card, 0);
    EXPECT_EQ(hitTest(s(), 5, 5), HitResult{});
}

TEST_F(Hits, EveryEdgeBelongsToTheCard) {
    lay(Collection::Foundations, 0, {hearts(1), hearts(2)});
    EXPECT_EQ(hitTest(s(), 300, 10).card, hearts(2));
    EXPECT_EQ(hitTest(s(), 371, 106).card, hearts(2));
    EXPECT_EQ(hitTest(s(), 372, 106).key, "");
}

TEST_F(Hits, SideBySideGapsHitNoCardAndTheSearchGoesOn) {
    rule(rule::TableauFan, 4);
    lay(Collection::Tableau, 0, {hearts(9), clubs(8)});
    lay(Collection::Tableau, 1, {hearts(3)});
    s().catalogue.setTableauPosition(1, 10, 150);  // pile 2 lies under pile 1's first card
    // The gap between the two cards of pile 1 (x 81-87) belongs to no card.
    EXPECT_EQ(hitTest(s(), 84, 160).key, "");
    EXPECT_EQ(hitTest(s(), 90, 160).card, clubs(8));
    // Searched from the last pile, pile 2 takes the point it shares with pile 1.
    EXPECT_EQ(hitTest(s(), 20, 160).card, hearts(3));
}

TEST_F(Hits, LocateCardFindsTopCards) {
    lay(Collection::Tableau, 2, {hearts(9), clubs(8)});
    lay(Collection::Foundations, 1, {spades(1)});
    lay(Collection::StockGroup, kWaste, {diamonds(4), diamonds(5)});
    EXPECT_EQ(locateCard(s(), clubs(8)), (Rect{190, 168, 261, 264}));
    EXPECT_EQ(locateCard(s(), spades(1)), (Rect{390, 10, 461, 106}));
    EXPECT_EQ(locateCard(s(), diamonds(4)), (Rect{100, 10, 171, 106}));
    EXPECT_EQ(locateCard(s(), hearts(9)), std::nullopt);
    EXPECT_EQ(locateCard(s(), hearts(13)), std::nullopt);
}

TEST_F(Hits, HiddenPilesAreNeverHit) {
    s().catalogue.setTableauPosition(0, -10002, -10002);
    lay(Collection::Tableau, 0, {hearts(9)});
    EXPECT_EQ(hitTest(s(), -10000, -10000).key, "");
    EXPECT_EQ(locateCard(s(), hearts(9)), std::nullopt);
}

}  // namespace
}  // namespace tarvelle
