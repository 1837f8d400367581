// The press rules of the games that play tableau cards onto the second waste
// pile, and the removal of complete runs of thirteen to their foundations.
#include <gtest/gtest.h>

#include "engine/PlayerMoves.h"
#include "engine/Scoring.h"
#include "engine/SpecialFamilies.h"
#include "records/Undo.h"
#include "tests/engine/TableFixture.h"

namespace tarvelle {
namespace {

using namespace testing;

constexpr int kGolf = 7;
constexpr int kSpider = 3;

struct PressCase {
    const char* name;
    int kind;
    int discardTop;  // 0: the second waste pile is empty
    int card;
    PressRule expected;
};

// Names the case in test listings rather than dumping its bytes.
void PrintTo(const PressCase& c, std::ostream* os) { *os << c.name; }

const PressCase kPressCases[] = {
    {"one up, another suit", 2, hearts(5), spades(6), PressRule::Taken},
    {"one down", 2, hearts(5), clubs(4), PressRule::Taken},
    {"two up", 2, hearts(5), hearts(7), PressRule::Refused},
    {"same rank", 2, hearts(5), diamonds(5), PressRule::Refused},
    {"ace on a two", 2, clubs(2), hearts(1), PressRule::Taken},
    {"queen on a king", 2, clubs(13), hearts(12), PressRule::Taken},
    {"ace on a king, kind 2", 2, clubs(13), hearts(1), PressRule::Refused},
    {"king on an ace, kind 2", 2, clubs(1), hearts(13), PressRule::Refused},
    {"ace on a king, kind 15", 15, clubs(13), hearts(1), PressRule::Taken},
    {"king on an ace, kind 15", 15, clubs(1), hearts(13), PressRule::Taken},
    {"two up, kind 15", 15, clubs(1), hearts(3), PressRule::Refused},
    {"king on an ace, kind 12", 12, clubs(1), spades(13), PressRule::Taken},
    {"one up, kind 12", 12, clubs(8), spades(9), PressRule::Taken},
    {"three up, kind 12", 12, clubs(8), spades(11), PressRule::Refused},
    {"an empty discard pile takes any card", 2, 0, spades(9), PressRule::Taken},
    {"an ordinary kind has no press rule", 0, hearts(5), spades(6), PressRule::Generic},
};

class DiscardPilePress : public TableFixture, public ::testing::WithParamInterface<PressCase> {
protected:
    void SetUp() override { useGame(kGolf); }
};

TEST_P(DiscardPilePress, TheSecondWastesTopCardDecides) {
    const PressCase& c = GetParam();
    rule(rule::GameKind, c.kind);
    if (c.discardTop != 0) lay(Collection::StockGroup, kSecondWaste, {clubs(10), c.discardTop});
    lay(Collection::Tableau, 0, {diamonds(11), c.card});
    EXPECT_EQ(specialPressRule(s(), c.card, "Fila1", false), c.expected);
    // A covered card never counts, and the right button keeps its own meaning.
    if (c.kind != 0) {
        EXPECT_EQ(specialPressRule(s(), diamonds(11), "Fila1", false), PressRule::Nothing);
        EXPECT_EQ(specialPressRule(s(), c.card, "Fila1", true), PressRule::Generic);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, DiscardPilePress, ::testing::ValuesIn(kPressCases),
                         [](const auto& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

class GolfPlay : public TableFixture {
protected:
    void SetUp() override { useGame(kGolf); }
};

TEST_F(GolfPlay, AClickOnATopCardPlaysItOntoTheDiscardPileAsOneStep) {
    lay(Collection::StockGroup, kSecondWaste, {hearts(5)});
    lay(Collection::StockGroup, kStock, {clubs(2)});
    lay(Collection::Tableau, 0, {spades(9), diamonds(6)});
    lay(Collection::Tableau, 1, {clubs(7)});
    EXPECT_EQ(legalClicks(s()), (std::vector<std::string>{"Mazzo", "Fila1"}));
    ASSERT_TRUE(playerClick(s(), "Fila1"));
    EXPECT_EQ(topCard(s().piles.secondWaste()), diamonds(6));
    EXPECT_EQ(s().undoLog.stepCount(), 1);
    // Now the seven of clubs fits, and a refused press beeps and changes nothing.
    const int beeps = engine.host.beeps;
    EXPECT_FALSE(playerClick(s(), "Fila1"));
    EXPECT_EQ(engine.host.beeps, beeps + 1);
    ASSERT_TRUE(playerClick(s(), "Fila2"));
    ASSERT_TRUE(undo(s()));
    EXPECT_EQ(topCard(s().piles.secondWaste()), diamonds(6));
    EXPECT_EQ(codesOf(s().piles.tableau[1]), std::vector<int>{clubs(7)});
}

TEST_F(GolfPlay, TheLastCardEndsTheGameAsWon) {
    lay(Collection::StockGroup, kSecondWaste, {hearts(5)});
    lay(Collection::Tableau, 0, {diamonds(6)});
    ASSERT_TRUE(playerClick(s(), "Fila1"));
    EXPECT_TRUE(winTest(s()));
    EXPECT_TRUE(s().flags[Flag::Ended]);
    EXPECT_FALSE(s().flags[Flag::InProgress]);
}

// --- Complete runs ------------------------------------------------------------------

// A run of one suit from the king at the bottom to the ace at the top.
std::vector<int> runOf(int (*suit)(int), bool kingOnTop = false) {
    std::vector<int> run;
    for (int r = 13; r >= 1; --r) run.push_back(suit(kingOnTop ? 14 - r : r));
    return run;
}

class CompleteRun : public TableFixture {
protected:
    void SetUp() override { useGame(kSpider); }
    void put(Collection c, int slot, const std::vector<int>& cards) {
        s().piles.pile(c, slot)->clear();
        for (int card : cards) appendCardToSlot(s(), c, slot, card, '1');
    }
    void layRun(int k, const std::vector<int>& cards) { put(Collection::Tableau, k, cards); }
    int onFoundation(int f) { return cardsIn(s().piles.foundations[static_cast<size_t>(f)]); }
};

TEST_F(CompleteRun, TheMoveThatCompletesARunSendsItToTheFirstEmptyFoundation) {
    put(Collection::Foundations, 0, runOf(hearts));
    std::vector<int> pile{clubs(4)};
    for (int card : runOf(spades)) pile.push_back(card);
    pile.pop_back();  // the ace comes from pile 2
    layRun(0, pile);
    faceDown(clubs(4));
    lay(Collection::Tableau, 1, {diamonds(9), spades(1)});
    ASSERT_TRUE(playerMove(s(), spades(1), "Fila1"));
    EXPECT_EQ(onFoundation(1), 13);
    EXPECT_EQ(bottomCard(s().piles.foundations[1]), spades(1));
    EXPECT_EQ(topCard(s().piles.foundations[1]), spades(13));
    // The card below the run turned up, and all of it was one move.
    EXPECT_EQ(codesOf(s().piles.tableau[0]), std::vector<int>{clubs(4)});
    EXPECT_FALSE(s().cards.isFaceDown(clubs(4)));
    EXPECT_EQ(s().undoLog.stepCount(), 1);
    ASSERT_TRUE(undo(s()));
    EXPECT_EQ(onFoundation(1), 0);
    EXPECT_EQ(cardsIn(s().piles.tableau[0]), 13);
    EXPECT_EQ(topCard(s().piles.tableau[1]), spades(1));
}

TEST_F(CompleteRun, MovingACardOffARunUncoversIt) {
    std::vector<int> pile = runOf(diamonds);
    pile.push_back(clubs(5));
    layRun(2, pile);
    lay(Collection::Tableau, 3, {hearts(6)});
    ASSERT_TRUE(playerMove(s(), clubs(5), "Fila4"));
    EXPECT_EQ(onFoundation(0), 13);
    EXPECT_TRUE(s().piles.tableau[2].empty());
}

struct RunCase {
    const char* name;
    int base;
    int building;  // of the tableau pile
    std::vector<int> pile;
    int faceDownAt;  // index in the pile, -1 for none
    bool removed;
};

// Names the case in test listings rather than dumping its bytes.
void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }

class CompleteRunRule : public CompleteRun, public ::testing::WithParamInterface<RunCase> {};

TEST_P(CompleteRunRule, OnlyAWholeFaceUpRunLeaves) {
    const RunCase& c = GetParam();
    for (int f = 0; f < 8; ++f) rule(rule::FoundationBase + f, c.base);
    rule(rule::TableauBuilding, c.building);
    layRun(0, c.pile);
    if (c.faceDownAt >= 0) faceDown(c.pile[static_cast<size_t>(c.faceDownAt)]);
    completeRunCheck(s(), 0);
    EXPECT_EQ(onFoundation(0), c.removed ? 13 : 0);
    EXPECT_EQ(cardsIn(s().piles.tableau[0]), static_cast<int>(c.pile.size()) - (c.removed ? 13 : 0));
}

std::vector<int> mixedRun() {
    std::vector<int> run = runOf(spades);
    run[6] = hearts(7);
    return run;
}

std::vector<int> alternatingRun() {
    std::vector<int> run;
    for (int r = 13; r >= 1; --r) run.push_back(r % 2 ? clubs(r) : hearts(r));
    return run;
}

std::vector<int> withoutKing(std::vector<int> run) {
    run.erase(run.begin());
    return run;
}

std::vector<int> withCardBelow(std::vector<int> run) {
    run.insert(run.begin(), hearts(3));
    return run;
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CompleteRunRule,
    ::testing::Values(RunCase{"one suit", 83, 2, runOf(spades), -1, true},
                      RunCase{"below other cards", 83, 2, withCardBelow(runOf(spades)), 0, true},
                      RunCase{"one card face down", 83, 2, runOf(spades), 5, false},
                      RunCase{"another suit inside", 83, 2, mixedRun(), -1, false},
                      RunCase{"twelve cards", 83, 2, withoutKing(runOf(spades)), -1, false},
                      RunCase{"base 95 wants the king on top", 95, 2, runOf(clubs, true), -1, true},
                      RunCase{"base 95 refuses the ace on top", 95, 2, runOf(clubs), -1, false},
                      RunCase{"base 82 alternating colours", 82, 3, alternatingRun(), -1, true},
                      RunCase{"base 82 one suit on alternating piles", 82, 3, runOf(clubs), -1, false},
                      RunCase{"base 82 on any-suit piles", 82, 2, alternatingRun(), -1, true}),
    [](const auto& info) {
        std::string name;
        for (const char* c = info.param.name; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

TEST_F(CompleteRun, ColoursOfBaseEightyTwoFoundationsStayBalanced) {
    for (int f = 0; f < 4; ++f) rule(rule::FoundationBase + f, 82);
    for (int f = 4; f < 8; ++f) rule(rule::FoundationBase + f, 1);
    rule(rule::TableauBuilding, 2);
    // Two of the four start red: a third red run waits, a black one goes.
    lay(Collection::Foundations, 0, {hearts(1)});
    lay(Collection::Foundations, 1, {diamonds(1)});
    layRun(0, runOf(+[](int r) { return hearts(r) + 52; }));
    completeRunCheck(s(), 0);
    EXPECT_EQ(onFoundation(2), 0);
    layRun(0, runOf(clubs));
    completeRunCheck(s(), 0);
    EXPECT_EQ(onFoundation(2), 13);
}

}  // namespace
}  // namespace tarvelle
