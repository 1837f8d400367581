// Piles of the table: keys, strings, face patterns, removal, numbers and snapshots.
#include "engine/Table.h"

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"

namespace tarvelle {
namespace {

struct Piles : ::testing::Test {
    HeadlessHost host;
    EngineState state{host, "/nowhere/", "/nowhere/"};
    void SetUp() override {
        state.rules.set(rule::Foundations, 4);
        state.rules.set(rule::TableauPiles, 7);
        state.rules.set(rule::Reserves, 2);
    }
    std::string& tableau(int k) { return state.piles.tableau[static_cast<size_t>(k)]; }
};

TEST_F(Piles, KeysNameSlots) {
    EXPECT_EQ(parsePileKey("Dest3"), (PileRef{Collection::Foundations, 2}));
    EXPECT_EQ(parsePileKey("Fila12"), (PileRef{Collection::Tableau, 11}));
    EXPECT_EQ(parsePileKey("Appogg2"), (PileRef{Collection::Reserves, 1}));
    EXPECT_EQ(parsePileKey("Mazzo_Vis"), (PileRef{Collection::StockGroup, kWaste}));
    EXPECT_FALSE(parsePileKey("Fila29"));
    EXPECT_FALSE(parsePileKey("Dest0"));
    EXPECT_FALSE(parsePileKey("Dest_Autoplay1"));
    EXPECT_FALSE(parsePileKey("Stock02"));
    EXPECT_EQ(pileKey({Collection::Tableau, 11}), "Fila12");
    EXPECT_EQ(pileKey({Collection::StockGroup, kSecondWaste}), "Mazzo_Waste");
}

TEST_F(Piles, TopCardAndAppend) {
    tableau(0) = "013012011";
    EXPECT_EQ(topCard(tableau(0)), 11);
    appendCard(state, "Fila1", 10);
    EXPECT_EQ(tableau(0), "013012011010");
    appendCard(state, "Mazzo", 5);  // the stock is not taken by key
    EXPECT_EQ(state.piles.stock(), "");
    appendCard(state, "Mazzo_Vis", 5, '0');
    EXPECT_EQ(state.piles.waste(), "005");
    EXPECT_TRUE(state.cards.isFaceDown(5));
    // An incomplete last group is ignored.
    tableau(1) = "0070";
    EXPECT_EQ(positions(tableau(1)), 1);
    EXPECT_EQ(topCard(tableau(1)), 7);
}

TEST_F(Piles, FacePatterns) {
    tableau(0) = "001002003004005";
    setPileFaceFlags(state.cards, tableau(0), -1, '1');
    EXPECT_EQ(pileSnapshot(state, tableau(0)), "00110020003100400051");
    setPileFaceFlags(state.cards, tableau(0), -2, '1');
    EXPECT_EQ(pileSnapshot(state, tableau(0)), "00100021003000410050");
    setPileFaceFlags(state.cards, tableau(0), -3, '1');
    EXPECT_EQ(pileSnapshot(state, tableau(0)), "00110020003000400050");
    setPileFaceFlags(state.cards, tableau(0), 2, '1');
    EXPECT_EQ(pileSnapshot(state, tableau(0)), "00110020003000410051");
    setPileFaceFlags(state.cards, tableau(0), 9, '0');
    EXPECT_EQ(pileSnapshot(state, tableau(0)), "00100020003000400050");
}

TEST_F(Piles, FindAndRemoveWithGaps) {
    tableau(0) = "005000007";
    EXPECT_TRUE(findCardInPile(state, Collection::Tableau, 0, 7, FindAction::RemoveWithGap));
    EXPECT_EQ(tableau(0), "005");
    tableau(1) = "005007";
    EXPECT_TRUE(findCardInPile(state, Collection::Tableau, 1, 5, FindAction::ReplaceByGap));
    EXPECT_EQ(tableau(1), "000007");
    tableau(2) = "009000011";
    EXPECT_TRUE(findCardInPile(state, Collection::Tableau, 2, 9, FindAction::RemoveWithGap));
    EXPECT_EQ(tableau(2), "011");
    EXPECT_FALSE(findCardInPile(state, Collection::Tableau, 2, 12, FindAction::Remove));
    // Codes are found on their own boundaries only: 012 345 holds no 123.
    tableau(3) = "012045";
    EXPECT_FALSE(findCardInPile(state, Collection::Tableau, 3, 120, FindAction::Test));
    EXPECT_FALSE(findCardInPile(state, Collection::Tableau, 3, 20, FindAction::Test));
}

TEST_F(Piles, LocateRemoveAndPileNumbers) {
    state.piles.stock() = "001";
    state.piles.waste() = "002";
    state.piles.secondWaste() = "003";
    state.piles.foundations[1] = "004";
    tableau(6) = "005";
    state.piles.reserves[1] = "006";
    EXPECT_EQ(pileNumberOf(state, 1), -99);
    EXPECT_EQ(pileNumberOf(state, 2), -98);
    EXPECT_EQ(pileNumberOf(state, 3), 0);
    EXPECT_EQ(pileNumberOf(state, 4), -2);
    EXPECT_EQ(pileNumberOf(state, 5), 7);
    EXPECT_EQ(pileNumberOf(state, 6), -22);
    EXPECT_EQ(locateAndRemoveCard(state, 3, FindAction::Remove), PileKind::SecondWaste);
    EXPECT_EQ(locateAndRemoveCard(state, 6, FindAction::ReplaceByGap), PileKind::Reserve);
    EXPECT_EQ(state.piles.reserves[1], "000");
    EXPECT_EQ(locateAndRemoveCard(state, 50, FindAction::Remove), PileKind::NotFound);
    EXPECT_EQ(longestTableauPile(state), 1);
}

TEST_F(Piles, FaceStateTravelsWithTheCard) {
    tableau(0) = "020";
    state.cards.setFaceFlag(20, '0');
    locateAndRemoveCard(state, 20, FindAction::Remove);
    appendCard(state, "Fila2", 20);
    EXPECT_TRUE(state.cards.isFaceDown(20));
}

TEST_F(Piles, SnapshotsRoundTrip) {
    tableau(0) = "001000";
    state.cards.setFaceFlag(1, '0');
    EXPECT_EQ(pileSnapshot(state, tableau(0)), "00100000");
    state.piles.foundations[15] = "052";
    state.piles.reserves[7] = "108";
    TableSnapshot snapshot = buildSnapshot(state);
    EXPECT_EQ(snapshot[3 + 16], "00100000");
    EXPECT_EQ(snapshot[3 + 15], "0521");
    EXPECT_EQ(snapshot[54], "1081");
    clearTable(state, true);
    EXPECT_EQ(buildSnapshot(state), TableSnapshot{});
    state.cards.setFaceFlag(1, '1');
    readSnapshot(state, snapshot);
    EXPECT_EQ(tableau(0), "001000");
    EXPECT_TRUE(state.cards.isFaceDown(1));
    EXPECT_EQ(buildSnapshot(state), snapshot);
    // Groups that are no card are skipped when a damaged line is read.
    readPileSnapshot(state, Collection::Tableau, 2, "0011x2x1999101011");
    EXPECT_EQ(tableau(2), "001010");
}

}  // namespace
}  // namespace tarvelle
