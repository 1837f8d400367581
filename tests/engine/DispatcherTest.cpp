// The action dispatcher, the drop over ranked candidates, the automatic moves,
// autoplay, turning uncovered cards and filling empty piles.
#include <gtest/gtest.h>

#include "engine/AutoMoves.h"
#include "engine/Dispatcher.h"
#include "engine/PlayerMoves.h"
#include "records/SettingsFields.h"
#include "records/Undo.h"
#include "tests/engine/TableFixture.h"

namespace tarvelle {
namespace {

using namespace testing;

class Dispatcher : public TableFixture {
protected:
    void SetUp() override { useGame(0); }  // Klondike
    std::vector<int> pile(Collection c, int slot) { return codesOf(*s().piles.pile(c, slot)); }
};

TEST_F(Dispatcher, ASequenceMovesWholeAndKeepsItsOrder) {
    lay(Collection::Tableau, 0, {hearts(2), clubs(9), hearts(8), spades(7)});
    lay(Collection::Tableau, 1, {diamonds(10)});
    faceDown(hearts(2));
    ASSERT_TRUE(playerMove(s(), clubs(9), "Fila2"));
    EXPECT_EQ(pile(Collection::Tableau, 1), (std::vector<int>{diamonds(10), clubs(9), hearts(8), spades(7)}));
    // The uncovered card turned with the move, in the same undo step.
    EXPECT_FALSE(s().cards.isFaceDown(hearts(2)));
    EXPECT_EQ(s().undoLog.stepCount(), 1);
    ASSERT_TRUE(undo(s()));
    EXPECT_TRUE(s().cards.isFaceDown(hearts(2)));
    EXPECT_EQ(pile(Collection::Tableau, 0), (std::vector<int>{hearts(2), clubs(9), hearts(8), spades(7)}));
}

TEST_F(Dispatcher, WithAutoplayOnTheUncoveredCardWaitsForAutoplay) {
    s().autoplayChecked = true;
    s().settings.put(setting::AutomaticFaceUp, "Y");
    lay(Collection::Tableau, 0, {hearts(2), spades(7)});
    lay(Collection::Tableau, 1, {diamonds(8)});
    faceDown(hearts(2));
    ASSERT_TRUE(executeAction(s(), spades(7), "Fila2"));
    EXPECT_TRUE(s().cards.isFaceDown(hearts(2)));
    autoplay(s());
    EXPECT_FALSE(s().cards.isFaceDown(hearts(2)));
}

TEST_F(Dispatcher, ADropGoesToTheFirstCandidateThatTakesIt) {
    lay(Collection::Tableau, 0, {spades(6)});
    lay(Collection::Tableau, 1, {clubs(6)});
    lay(Collection::Tableau, 2, {hearts(7)});
    lay(Collection::Tableau, 3, {diamonds(5)});
    const std::vector<PileRef> candidates{{Collection::Tableau, 2}, {Collection::Tableau, 0}, {Collection::Tableau, 1}};
    EXPECT_TRUE(drop(s(), diamonds(5), std::nullopt, candidates));
    EXPECT_EQ(pile(Collection::Tableau, 0), (std::vector<int>{spades(6), diamonds(5)}));
    EXPECT_FALSE(drop(s(), diamonds(5), std::nullopt, {{Collection::Tableau, 2}}));
}

TEST_F(Dispatcher, AFoundationDropNeedsTheDraggedCardOverIt) {
    lay(Collection::Tableau, 0, {hearts(1)});
    s().catalogue.setFoundationPosition(0, 300, 10);
    s().catalogue.setTableauPosition(0, 10, 150);
    EXPECT_FALSE(drop(s(), hearts(1), Rect{10, 150, 81, 246}, {{Collection::Foundations, 0}}));
    EXPECT_TRUE(drop(s(), hearts(1), Rect{290, 20, 361, 116}, {{Collection::Foundations, 0}}));
}

TEST_F(Dispatcher, DoubleClicksFollowTheirSettings) {
    lay(Collection::Tableau, 0, {spades(6)});
    lay(Collection::Tableau, 1, {diamonds(5)});
    s().settings.put(setting::DoubleClickToTableaus, "N");
    EXPECT_FALSE(automaticMove(s(), diamonds(5), true, false));
    EXPECT_TRUE(s().flags[Flag::IgnoreNextPress]);
    s().settings.put(setting::DoubleClickToTableaus, "Y");
    EXPECT_TRUE(automaticMove(s(), diamonds(5), true, false));
    EXPECT_EQ(pile(Collection::Tableau, 0), (std::vector<int>{spades(6), diamonds(5)}));
}

TEST_F(Dispatcher, AFaceDownCardNeverMovesAutomatically) {
    lay(Collection::Tableau, 0, {hearts(1)});
    faceDown(hearts(1));
    EXPECT_FALSE(automaticMove(s(), hearts(1), true, false));
    EXPECT_FALSE(automaticMove(s(), hearts(1), false, true));
}

TEST_F(Dispatcher, RightClicksGoOnlyWhereTheSettingsAllow) {
    lay(Collection::Tableau, 0, {hearts(1)});
    lay(Collection::Tableau, 1, {clubs(2)});
    s().settings.put(setting::RightClickToFoundations, "N");
    s().settings.put(setting::RightClickToTableaus, "N");
    EXPECT_FALSE(automaticMove(s(), hearts(1), false, true));
    s().settings.put(setting::RightClickToFoundations, "Y");
    EXPECT_TRUE(automaticMove(s(), hearts(1), false, true));
    EXPECT_EQ(pile(Collection::Foundations, 0), std::vector<int>{hearts(1)});
}

TEST_F(Dispatcher, TheFirstMoveMustGoFromTheTableauToAFoundation) {
    rule(rule::FirstMovesToFoundations, 1);
    lay(Collection::Tableau, 0, {spades(6)});
    lay(Collection::Tableau, 1, {diamonds(5), hearts(1)});
    EXPECT_FALSE(executeAction(s(), diamonds(5), "Fila1"));
    EXPECT_FALSE(playerMove(s(), hearts(1), "Fila1"));
    EXPECT_TRUE(playerMove(s(), hearts(1), "Dest1"));
    EXPECT_TRUE(playerMove(s(), diamonds(5), "Fila1"));
}

TEST_F(Dispatcher, AutoplayPlaysTheReservesFirst) {
    useGame(1);  // FreeCell
    s().autoplayChecked = true;
    lay(Collection::Tableau, 0, {hearts(2), hearts(1)});
    lay(Collection::Reserves, 0, {hearts(3)});
    lay(Collection::Tableau, 1, {hearts(4)});
    EXPECT_TRUE(autoplay(s()));
    EXPECT_EQ(pile(Collection::Foundations, 0), (std::vector<int>{1, 2, 3, 4}));
    // Each card was its own step; the reserve's three went before the tableau's four.
    EXPECT_EQ(s().undoLog.stepCount(), 4);
    EXPECT_EQ(s().undoLog.steps[3][kStockSlots], "001100210031");
}

TEST_F(Dispatcher, AutoplayLeavesTheFirstCardOfOpenFoundationsToThePlayer) {
    useGame(1);
    s().autoplayChecked = true;
    for (int f = 0; f < 4; ++f) rule(rule::FoundationBase + f, 92);
    lay(Collection::Tableau, 0, {hearts(1)});
    EXPECT_FALSE(autoplay(s()));
    EXPECT_TRUE(playerMove(s(), hearts(1), "Dest1"));
}

TEST_F(Dispatcher, AutoFillBySource) {
    useGame(6);  // Canfield: empty piles fill from reserve 1
    lay(Collection::Reserves, 0, {clubs(3), clubs(4)});
    lay(Collection::StockGroup, kWaste, {diamonds(7)});
    lay(Collection::Tableau, 1, {hearts(9)});
    EXPECT_TRUE(autoFill(s()));
    EXPECT_EQ(pile(Collection::Tableau, 0), std::vector<int>{clubs(4)});
    EXPECT_EQ(pile(Collection::Tableau, 2), std::vector<int>{clubs(3)});
    EXPECT_TRUE(s().piles.tableau[3].empty());
    rule(rule::AutoFillSource, 3);
    lay(Collection::StockGroup, kStock, {spades(9)});
    faceDown(spades(9));
    EXPECT_TRUE(autoFill(s()));
    EXPECT_EQ(pile(Collection::Tableau, 3), std::vector<int>{spades(9)});
    EXPECT_FALSE(s().cards.isFaceDown(spades(9)));
}

TEST_F(Dispatcher, AutoplayRunsAgainInTheNextGame) {
    s().flags.set(Flag::Ended);
    ASSERT_TRUE(engine.deal(0, "5"));
    EXPECT_FALSE(s().flags[Flag::Ended]);
    s().autoplayChecked = true;
    s().piles.clear();
    lay(Collection::Tableau, 0, {hearts(1)});
    EXPECT_TRUE(autoplay(s()));
}

TEST_F(Dispatcher, APressOnAFaceDownTopCardTurnsIt) {
    lay(Collection::Tableau, 0, {hearts(1)});
    faceDown(hearts(1));
    EXPECT_EQ(legalClicks(s()), std::vector<std::string>{"Fila1"});
    EXPECT_TRUE(playerClick(s(), "Fila1"));
    EXPECT_FALSE(s().cards.isFaceDown(hearts(1)));
    EXPECT_FALSE(playerClick(s(), "Fila1"));
}

TEST_F(Dispatcher, TheWasteTakesItsNeighboursWhenTheRulesAllow) {
    rule(rule::WasteMovesAllowed, 2);
    lay(Collection::StockGroup, kWaste, {hearts(5)});
    lay(Collection::Tableau, 0, {hearts(6)});
    lay(Collection::Tableau, 1, {clubs(4)});
    EXPECT_TRUE(wasteTakes(s(), hearts(6)));
    EXPECT_FALSE(wasteTakes(s(), clubs(4)));
    EXPECT_TRUE(playerMove(s(), hearts(6), "Mazzo_Vis"));
    rule(rule::WasteMovesForbidden, 4);
    lay(Collection::Tableau, 2, {hearts(5) + 52});
    EXPECT_FALSE(wasteTakes(s(), hearts(5) + 52));
}

TEST_F(Dispatcher, AnActionWithoutItsCardDoesNothing) {
    EXPECT_FALSE(executeAction(s(), hearts(1), "Dest1"));
    EXPECT_FALSE(executeAction(s(), hearts(1), "Fila1"));
    EXPECT_FALSE(executeAction(s(), hearts(1), "Frobnicate"));
    lay(Collection::Tableau, 1, {0, hearts(2)});
    EXPECT_FALSE(executeAction(s(), 0, "Dest1"));
    EXPECT_EQ(positions(s().piles.tableau[1]), 2);
    EXPECT_EQ(s().undoLog.stepCount(), 0);
}

}  // namespace
}  // namespace tarvelle
