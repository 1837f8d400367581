// Fan steps and card positions of every fan kind.
#include "engine/CardPositions.h"

#include <gtest/gtest.h>

#include "engine/HeadlessHost.h"
#include "records/SettingsFields.h"

namespace tarvelle {
namespace {

std::string codeTextOf(int code) { return std::string(code < 10 ? "00" : "0") + std::to_string(code); }

struct Positions : ::testing::Test {
    HeadlessHost host;
    EngineState state{host, "/nowhere/", "/nowhere/"};
    const PileRef pile{Collection::Tableau, 0};
    void SetUp() override {
        state.settings.put(setting::IrregularPiles, "N");
        state.rules.set(rule::TableauPiles, 2);
        state.catalogue.setTableauPosition(0, 100, 200);
    }
    void fan(int kind, const char* size = "B") {
        state.rules.set(rule::TableauFan, kind);
        state.settings.put(setting::CardSize, size);
        const Point wh = cardSizeOf(size[0]);
        state.cardWidth = wh.x;
        state.cardHeight = wh.y;
        computeFanOffsets(state);
    }
};

TEST_F(Positions, VerticalFanStepsByFaceAndSize) {
    state.piles.tableau[0] = "001002003";
    state.cards.setFaceFlag(1, '0');
    const std::pair<const char*, int> sizes[] = {{"B", 18}, {"M", 14}, {"L", 3}};
    for (auto [size, up] : sizes) {
        fan(1, size);
        const int down = size[0] == 'L' ? 3 : 4;
        EXPECT_EQ(cardPositionAt(state, pile, 0), (Point{100, 200}));
        EXPECT_EQ(cardPositionAt(state, pile, 1), (Point{100, 200 + down}));
        EXPECT_EQ(cardPositionAt(state, pile, 2), (Point{100, 200 + down + up})) << size;
        // The place of the next card counts the top card's step too.
        EXPECT_EQ(cardPosition(state, pile, 0, true), (Point{100, 200 + down + 2 * up}));
    }
    state.catalogue.setScrollOffset(25);
    EXPECT_EQ(cardPositionAt(state, pile, 0), (Point{100, 175}));
}

TEST_F(Positions, SquaredWithOneStepDown) {
    fan(7);
    state.piles.tableau[0] = "001";
    EXPECT_EQ(cardPositionAt(state, pile, 0), (Point{100, 200}));
    state.piles.tableau[0] = "001002";
    EXPECT_EQ(cardPositionAt(state, pile, 0), (Point{100, 218}));
    EXPECT_EQ(cardPositionAt(state, pile, 1), (Point{100, 218}));
}

TEST_F(Positions, SideBySideAndSmallSteps) {
    state.piles.tableau[0] = "001002003";
    fan(4);
    EXPECT_EQ(cardPositionAt(state, pile, 2), (Point{100 + 2 * (71 + 6), 200}));
    fan(6, "M");
    EXPECT_EQ(cardPositionAt(state, pile, 2), (Point{110, 200}));
    fan(9);
    EXPECT_EQ(cardPosition(state, pile, 1, false), (Point{100 + 2 * 73, 200}));
    EXPECT_EQ(cardPositionAt(state, pile, 0), (Point{100, 200}));
    EXPECT_EQ(cardPositionAt(state, pile, 2), (Point{100 + 2 * 73, 200}));
    fan(3);
    EXPECT_EQ(cardPositionAt(state, pile, 2), (Point{100, 200}));
}

TEST_F(Positions, SerpentineRowsTurnAtTheEnds) {
    fan(8);
    state.rules.set(rule::SerpentineColumns, 5);
    // Every card of a serpentine pile is followed by a gap entry that counts its place.
    std::string entries;
    for (int card = 1; card <= 10; ++card) entries += codeTextOf(card) + "000";
    state.piles.tableau[0] = entries;
    auto positionOf = [&](int p) { return cardPosition(state, pile, positions(entries) - 1 - 2 * p, false); };
    const int step = 71 + 12;
    EXPECT_EQ(positionOf(0), (Point{100, 200}));
    EXPECT_EQ(positionOf(4), (Point{100 + 4 * step, 200}));
    EXPECT_EQ(positionOf(5), (Point{100 + 4 * step, 200 + 96 + 8}));  // the sixth: rightmost of row two
    EXPECT_EQ(positionOf(9), (Point{100, 200 + 96 + 8}));
}

TEST_F(Positions, IrregularPilesNeverMoveTheBottomCard) {
    fan(1);
    state.settings.put(setting::IrregularPiles, "Y");
    for (auto& row : state.jitter) row.fill(2);
    state.piles.tableau[0] = "001002";
    EXPECT_EQ(cardPositionAt(state, pile, 1).x, 102);
    for (auto& row : state.jitter) row[0] = 0;
    EXPECT_EQ(cardPositionAt(state, pile, 0).x, 100);
}

TEST_F(Positions, HiddenPilesStayHidden) {
    state.catalogue.setTableauPosition(1, -10002, -10002);
    EXPECT_TRUE(isHidden(cardPositionAt(state, {Collection::Tableau, 1}, 0)));
}

}  // namespace
}  // namespace tarvelle
