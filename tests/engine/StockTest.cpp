// The stock: turning cards, the waste redeal with its pending mark, row deals
// and the redeal of the tableau with its mixing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/Dispatcher.h"
#include "engine/PlayerMoves.h"
#include "engine/Stock.h"
#include "records/Undo.h"
#include "tests/engine/TableFixture.h"

namespace tarvelle {
namespace {

using namespace testing;

TEST(Mixing, SixCardsComeOutInTheRedealOrder) {
    // A B C D E F gives D A B F C E.
    EXPECT_EQ(mixForRedeal({1, 2, 3, 4, 5, 6}), (std::vector<int>{4, 1, 2, 6, 3, 5}));
    EXPECT_TRUE(mixForRedeal({}).empty());
    std::vector<int> many(52);
    for (int i = 0; i < 52; ++i) many[static_cast<size_t>(i)] = i + 1;
    auto mixed = mixForRedeal(many);
    std::sort(mixed.begin(), mixed.end());
    EXPECT_EQ(mixed, many);
}

class Stock : public TableFixture {
protected:
    void SetUp() override { useGame(0); }  // Klondike: one card a press, deals without limit
    bool press() { return playerClick(s(), "Mazzo"); }
    std::vector<int> stock() { return codesOf(s().piles.stock()); }
    std::vector<int> waste() { return codesOf(s().piles.waste()); }
};

TEST_F(Stock, APressTurnsUpToTheCardsOfRule21) {
    lay(Collection::StockGroup, kStock, {1, 2});
    faceDown(1);
    faceDown(2);
    rule(rule::StockTurnCount, 3);
    EXPECT_TRUE(press());
    EXPECT_TRUE(stock().empty());
    EXPECT_EQ(waste(), (std::vector<int>{2, 1}));
    EXPECT_FALSE(s().cards.isFaceDown(1));
    EXPECT_EQ(s().undoLog.stepCount(), 1);
}

TEST_F(Stock, TheWasteRedealsOnTheReleaseOfTheSecondPress) {
    lay(Collection::StockGroup, kWaste, {1, 2, 3});
    // The press marks the empty stock; the release redeals.
    EXPECT_TRUE(stockPressWouldAct(s()));
    EXPECT_FALSE(executeAction(s(), 0, "Mazzo_Vis"));
    EXPECT_TRUE(s().counters.redealPending);
    EXPECT_TRUE(executeAction(s(), 0, "Mazzo_Vis"));
    EXPECT_EQ(stock(), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(topCard(s().piles.stock()), 1);
    EXPECT_TRUE(waste().empty());
    EXPECT_TRUE(s().cards.isFaceDown(1));
    EXPECT_EQ(s().catalogue.dealsMade(), 2);
}

TEST_F(Stock, AStockDealtFaceUpIsRedealtFaceUp) {
    rule(rule::StockFaceState, 0);
    lay(Collection::StockGroup, kWaste, {1, 2});
    EXPECT_TRUE(press());
    EXPECT_FALSE(s().cards.isFaceDown(1));
    EXPECT_FALSE(s().cards.isFaceDown(2));
}

TEST_F(Stock, DealsInAllLimitTheRedeals) {
    rule(rule::Deals, 1);
    lay(Collection::StockGroup, kWaste, {1, 2});
    EXPECT_FALSE(stockPressWouldAct(s()));
    EXPECT_FALSE(press());
    EXPECT_EQ(waste().size(), 2u);

    rule(rule::Deals, 3);
    rule(rule::StockTurnCount, 2);
    EXPECT_TRUE(press());
    EXPECT_TRUE(press());
    EXPECT_TRUE(press());
    EXPECT_TRUE(press());
    EXPECT_EQ(s().catalogue.dealsMade(), 3);
    EXPECT_FALSE(press());
    EXPECT_EQ(s().catalogue.dealsMade(), 3);
}

TEST_F(Stock, UndoingAWasteRedealTakesTheDealBack) {
    lay(Collection::StockGroup, kWaste, {1, 2});
    ASSERT_TRUE(press());
    EXPECT_EQ(s().catalogue.dealsMade(), 2);
    ASSERT_TRUE(undo(s()));
    EXPECT_EQ(s().catalogue.dealsMade(), 1);
    EXPECT_EQ(waste(), (std::vector<int>{1, 2}));
    ASSERT_TRUE(redo(s()));
    EXPECT_EQ(s().catalogue.dealsMade(), 2);
}

TEST_F(Stock, UndoingATableauRedealTakesOneDealBack) {
    rule(rule::HasWaste, 0);
    rule(rule::RedealKind, 4);
    rule(rule::Deals, -1);
    lay(Collection::Tableau, 0, {1, 2});
    lay(Collection::Tableau, 1, {3});
    ASSERT_TRUE(press());
    EXPECT_EQ(stock(), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(s().catalogue.dealsMade(), 2);
    EXPECT_TRUE(s().undoLog.lastEntryHas(kEventTableauRedeal));
    ASSERT_TRUE(undo(s()));
    EXPECT_EQ(s().catalogue.dealsMade(), 1);
    ASSERT_TRUE(redo(s()));
    EXPECT_EQ(s().catalogue.dealsMade(), 2);
}

struct RedealCase {
    int kind;
    std::vector<std::vector<int>> piles;  // the tableau after the redeal, bottom first
};

void PrintTo(const RedealCase& c, std::ostream* os) { *os << "kind " << c.kind; }

class RedealTheTableau : public Stock, public ::testing::WithParamInterface<RedealCase> {};

TEST_P(RedealTheTableau, ByRule14) {
    const RedealCase& c = GetParam();
    rule(rule::RedealKind, c.kind);
    rule(rule::TableauPiles, 3);
    rule(rule::TableauDeal, 2);
    rule(rule::TableauFaceUp, 2);
    lay(Collection::Tableau, 0, {1, 2});
    lay(Collection::Tableau, 1, {3, 4});
    lay(Collection::Tableau, 2, {5, 6});
    redealTableau(s());
    for (size_t k = 0; k < c.piles.size(); ++k)
        EXPECT_EQ(codesOf(s().piles.tableau[k]), c.piles[k]) << "kind " << c.kind << ", pile " << k + 1;
}

// The gathered order is 2 1 4 3 6 5 (each pile from its top down); mixed it gives 3 2 1 5 4 6.
INSTANTIATE_TEST_SUITE_P(Kinds, RedealTheTableau,
                         ::testing::Values(RedealCase{1, {{3, 2}, {1, 5}, {4, 6}}},
                                           RedealCase{2, {{3, 5}, {2, 4}, {1, 6}}},
                                           RedealCase{6, {{3, 2}, {1, 5}, {4, 6}}},
                                           RedealCase{7, {{2, 1}, {4, 3}, {6, 5}}},
                                           RedealCase{4, {{}, {}, {}}}),
                         [](const auto& info) { return "Kind" + std::to_string(info.param.kind); });

TEST_F(Stock, KindSixKeepsWhatIsLeftOnTheLastPile) {
    rule(rule::RedealKind, 6);
    rule(rule::TableauPiles, 2);
    rule(rule::TableauDeal, 1);
    lay(Collection::Tableau, 0, {1, 2});
    lay(Collection::Tableau, 1, {3});
    redealTableau(s());
    EXPECT_EQ(cardsIn(s().piles.tableau[0]) + cardsIn(s().piles.tableau[1]), 3);
    EXPECT_EQ(cardsIn(s().piles.tableau[0]), 1);
}

TEST_F(Stock, TheTripleReserveDealIsOneStepThatTheCounterFollows) {
    rule(rule::HasWaste, 0);
    rule(rule::Reserves, 2);
    rule(rule::ReserveRowDeal, 4);
    rule(rule::ReserveRowDeal + 1, 4);
    lay(Collection::StockGroup, kStock, {1, 2, 3, 4, 5});
    const TableSnapshot before = buildSnapshot(s());
    ASSERT_TRUE(playerClick(s(), "Mazzo"));
    EXPECT_EQ(codesOf(s().piles.reserves[0]), (std::vector<int>{5, 4, 3}));
    EXPECT_EQ(s().counters.specialCounter, 1);
    EXPECT_EQ(s().undoLog.stepCount(), 1);
    ASSERT_TRUE(playerClick(s(), "Mazzo"));
    EXPECT_EQ(codesOf(s().piles.reserves[1]), (std::vector<int>{2, 1}));
    EXPECT_EQ(s().counters.specialCounter, 2);
    ASSERT_TRUE(undo(s()));
    ASSERT_TRUE(undo(s()));
    EXPECT_EQ(buildSnapshot(s()), before);
    EXPECT_EQ(s().counters.specialCounter, 0);
}

TEST_F(Stock, AfterTheFirstMoveEmptyPilesFillFromTheStock) {
    rule(rule::FillFromStockAfterFirstMove, 1);
    lay(Collection::Tableau, 0, {spades(6)});
    lay(Collection::Tableau, 1, {diamonds(5)});
    lay(Collection::StockGroup, kStock, {1, 2, 3, 4, 5, 6, 7});
    ASSERT_TRUE(playerMove(s(), diamonds(5), "Fila1"));
    for (int k = 1; k < 7; ++k) EXPECT_EQ(cardsIn(s().piles.tableau[static_cast<size_t>(k)]), 1) << k;
    EXPECT_EQ(s().undoLog.stepCount(), 1);
}

TEST_F(Stock, RowDealsWaitForTheGapsToBeFilled) {
    useGame(3);  // Spider
    for (int k = 0; k < 10; ++k) lay(Collection::Tableau, k, {k + 1});
    lay(Collection::StockGroup, kStock, {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51});
    EXPECT_TRUE(playerClick(s(), "Mazzo"));
    for (int k = 0; k < 10; ++k) EXPECT_EQ(cardsIn(s().piles.tableau[static_cast<size_t>(k)]), 2);
    EXPECT_EQ(cardsIn(s().piles.stock()), 2);
    EXPECT_EQ(s().undoLog.stepCount(), 1);
    s().piles.tableau[4].clear();
    EXPECT_FALSE(stockPressWouldAct(s()));
    EXPECT_FALSE(playerClick(s(), "Mazzo"));
    EXPECT_EQ(engine.host.messages.back().text, "Fill in any gaps in the tableau before dealing.");
}

}  // namespace
}  // namespace tarvelle
