// Complete runs of thirteen leave their tableau pile for a foundation by themselves:
// which runs count, where they go, when they are looked for, and undo of the move that made them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/CompleteRuns.h"
#include "engine/Dispatcher.h"
#include "engine/EndOfGame.h"
#include "engine/PlayerMoves.h"
#include "engine/Scoring.h"
#include "records/Undo.h"
#include "tests/engine/TableFixture.h"

namespace tarvelle {
namespace {

using namespace testing;

constexpr int kSecondDeck = 52;

// Ace to king of the suit that `suitAce` starts (hearts(1), spades(1) + kSecondDeck, ...), ace first.
std::vector<int> aceToKing(int suitAce) {
    std::vector<int> run;
    for (int r = 0; r < 13; ++r) run.push_back(suitAce + r);
    return run;
}
std::vector<int> kingToAce(int suitAce) {
    auto run = aceToKing(suitAce);
    std::reverse(run.begin(), run.end());
    return run;
}
// Alternating colours from the ace of spades: the odd ranks black, the even ranks red.
std::vector<int> alternatingAceToKing() {
    std::vector<int> run;
    for (int r = 1; r <= 13; ++r) run.push_back(r % 2 == 1 ? spades(r) : hearts(r));
    return run;
}

class CompleteRuns : public TableFixture {
protected:
    void SetUp() override { useGame(3); }  // Spider: eight run foundations, ten piles

    // Every foundation of the game takes runs of this base value.
    void bases(int value) {
        for (int f = 0; f < s().rules.foundations(); ++f) rule(rule::FoundationBase + f, value);
    }
    // Lays the cards on the pile, given from the top card down, face up.
    void layTopFirst(int k, std::vector<int> topFirst) {
        std::reverse(topFirst.begin(), topFirst.end());
        std::string& pile = s().piles.tableau[static_cast<size_t>(k)];
        pile.clear();
        for (int card : topFirst) appendCardToSlot(s(), Collection::Tableau, k, card, '1');
    }
    std::vector<int> tableau(int k) { return codesOf(s().piles.tableau[static_cast<size_t>(k)]); }
    std::vector<int> foundation(int f) { return codesOf(s().piles.foundations[static_cast<size_t>(f)]); }
};

// --- Which runs leave, and for which foundation ---------------------------------

struct RunCase {
    const char* name;
    int base;                    // the base value of every foundation
    int building;                // tableau pile 1's building kind
    std::vector<int> topFirst;   // pile 1 after the move, from the top; the top card is the one moved there
    int faceDownFromTop;         // -1: all face up
    std::vector<int> started;    // the bottom cards of foundations already holding a run, in slot order
    int target;                  // the foundation that receives the run (0-based), -1 when it stays
};

std::ostream& operator<<(std::ostream& out, const RunCase& c) { return out << c.name; }

class RunCases : public CompleteRuns, public ::testing::WithParamInterface<RunCase> {};

TEST_P(RunCases, TheRunLeavesWhenTheMoveThatCompletedItEnds) {
    const RunCase& c = GetParam();
    bases(c.base);
    rule(rule::TableauBuilding, c.building);
    for (size_t f = 0; f < c.started.size(); ++f) lay(Collection::Foundations, static_cast<int>(f), {c.started[f]});
    std::vector<int> below(c.topFirst.begin() + 1, c.topFirst.end());
    below.push_back(diamonds(9) + kSecondDeck);  // a card that stays under the run
    layTopFirst(0, below);
    lay(Collection::Tableau, 1, {c.topFirst.front()});
    if (c.faceDownFromTop >= 0) faceDown(c.topFirst[static_cast<size_t>(c.faceDownFromTop)]);
    const auto cards = cardsOnTable(s());

    ASSERT_TRUE(executeAction(s(), c.topFirst.front(), "Fila1"));

    EXPECT_EQ(cardsOnTable(s()), cards);
    if (c.target < 0) {
        EXPECT_EQ(tableau(0).size(), c.topFirst.size() + 1);
        for (int f = 0; f < 8; ++f) EXPECT_EQ(foundation(f).size(), f < static_cast<int>(c.started.size()) ? 1u : 0u);
        return;
    }
    EXPECT_EQ(tableau(0), (std::vector<int>{diamonds(9) + kSecondDeck}));
    // Top card first: the foundation reads the run from its bottom as the pile read it from its top.
    EXPECT_EQ(foundation(c.target), c.topFirst);
    EXPECT_EQ(s().undoLog.stepCount(), 1);
}

const RunCase kRunCases[] = {
    {"OneSuitAceToKing", 83, 2, aceToKing(spades(1)), -1, {}, 0},
    {"OneSuitWithACardFaceDown", 83, 2, aceToKing(spades(1)), 6, {}, -1},
    {"OneSuitWithTheKingFaceDown", 83, 2, aceToKing(spades(1)), 12, {}, -1},
    {"OneSuitBrokenByAnotherSuit", 83, 2, [] { auto r = aceToKing(spades(1)); r[5] = clubs(6); return r; }(), -1, {}, -1},
    {"OneSuitFromTheSecondDeck", 83, 2, aceToKing(hearts(1) + kSecondDeck), -1, {}, 0},
    {"OneSuitKingAtTheTopIsNoAceRun", 83, 2, kingToAce(spades(1)), -1, {}, -1},
    {"ToTheFirstEmptyFoundation", 83, 2, aceToKing(spades(1)), -1, {hearts(1), diamonds(1)}, 2},
    {"NoEmptyFoundationLeft", 83, 2, aceToKing(spades(1)),
     -1, {hearts(1), diamonds(1), clubs(1), hearts(1) + kSecondDeck, diamonds(1) + kSecondDeck, clubs(1) + kSecondDeck,
      spades(1) + kSecondDeck, diamonds(2)}, -1},
    {"ACardOnTheRunHidesIt", 83, 2, [] { auto r = aceToKing(spades(1)); r.insert(r.begin(), hearts(5)); return r; }(), -1, {}, -1},
    {"TwelveCardsAreNoRun", 83, 2, [] { auto r = aceToKing(spades(1)); r.pop_back(); return r; }(), -1, {}, -1},
    {"KingToAceOfValue95", 95, 2, kingToAce(spades(1)), -1, {}, 0},
    {"AceToKingIsNoRunOfValue95", 95, 2, aceToKing(spades(1)), -1, {}, -1},
    {"Value95WantsOneSuit", 95, 2, [] { auto r = kingToAce(spades(1)); r[3] = clubs(10); return r; }(), -1, {}, -1},
    {"Value82AnyBuildingTakesMixedSuits", 82, 2, [] { auto r = aceToKing(spades(1)); r[4] = hearts(5); return r; }(), -1, {}, 0},
    {"Value82AlternatingColoursOnKind3", 82, 3, alternatingAceToKing(), -1, {}, 0},
    {"Value82OneSuitIsNoRunOnKind3", 82, 3, aceToKing(spades(1)), -1, {}, -1},
    {"Value82AlternatingIsNoRunOnKind0", 82, 0, alternatingAceToKing(), -1, {}, -1},
    {"Value82OneSuitOnKind0", 82, 0, aceToKing(clubs(1)), -1, {}, 0},
    {"Value82OtherSuitOnKind0", 82, 0, [] { auto r = aceToKing(clubs(1)); r[12] = spades(13); return r; }(), -1, {}, -1},
    // Eight foundations of value 82 take at most four runs with a red ace and four with a black one.
    {"Value82FifthRedRunStays", 82, 2, aceToKing(hearts(1)),
     -1, {diamonds(1), hearts(1) + kSecondDeck, diamonds(1) + kSecondDeck, diamonds(13)}, -1},
    {"Value82BlackRunBesideFourRed", 82, 2, aceToKing(spades(1)),
     -1, {diamonds(1), hearts(1) + kSecondDeck, diamonds(1) + kSecondDeck, diamonds(13)}, 4},
    // Value 83 counts the balance over the foundations of value 82 only: here there are none.
    {"Value83HasNoColourBalance", 83, 2, aceToKing(hearts(1)),
     -1, {diamonds(1), hearts(1) + kSecondDeck, diamonds(1) + kSecondDeck, diamonds(13)}, 4},
};

INSTANTIATE_TEST_SUITE_P(Runs, RunCases, ::testing::ValuesIn(kRunCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- When the check runs --------------------------------------------------------

TEST_F(CompleteRuns, MovingOffAPileUncoversARunThatLeaves) {
    struct Off {
        const char* name;
        std::vector<int> onTop;  // bottom first, above the run
    };
    for (const Off& off : {Off{"a single card", {hearts(9)}}, Off{"a sequence", {hearts(9), hearts(8), hearts(7)}}}) {
        SCOPED_TRACE(off.name);
        s().piles.clear();
        s().undoLog.clear();
        layTopFirst(0, aceToKing(spades(1)));
        for (int card : off.onTop) appendCardToSlot(s(), Collection::Tableau, 0, card, '1');
        lay(Collection::Tableau, 1, {clubs(10)});
        ASSERT_TRUE(playerMove(s(), off.onTop.front(), "Fila2"));
        EXPECT_TRUE(tableau(0).empty());
        EXPECT_EQ(foundation(0), aceToKing(spades(1)));
        EXPECT_EQ(tableau(1).size(), 1 + off.onTop.size());
    }
}

TEST_F(CompleteRuns, ThePileLeftComesFirstThenThePileReached) {
    // The move uncovers the spades on pile 1 and completes the hearts on pile 2.
    layTopFirst(0, aceToKing(spades(1)));
    appendCardToSlot(s(), Collection::Tableau, 0, hearts(1), '1');
    layTopFirst(1, [] { auto r = aceToKing(hearts(1)); r.erase(r.begin()); return r; }());
    ASSERT_TRUE(playerMove(s(), hearts(1), "Fila2"));
    EXPECT_EQ(foundation(0), aceToKing(spades(1)));
    EXPECT_EQ(foundation(1), aceToKing(hearts(1)));
    EXPECT_TRUE(tableau(0).empty() && tableau(1).empty());
}

TEST_F(CompleteRuns, ARowDealThatCompletesARunSendsItOff) {
    // Spider deals a row only while no pile is empty.
    auto kingToTwo = aceToKing(spades(1));
    kingToTwo.erase(kingToTwo.begin());
    layTopFirst(0, kingToTwo);
    for (int k = 1; k < 10; ++k) lay(Collection::Tableau, k, {hearts(k) + kSecondDeck});
    lay(Collection::StockGroup, kStock, {clubs(4), spades(1)});
    faceDown(clubs(4));
    faceDown(spades(1));
    const TableSnapshot before = buildSnapshot(s());
    ASSERT_TRUE(playerClick(s(), "Mazzo"));
    EXPECT_TRUE(tableau(0).empty());
    EXPECT_EQ(foundation(0), aceToKing(spades(1)));
    EXPECT_EQ(tableau(1).back(), clubs(4));
    ASSERT_EQ(s().undoLog.stepCount(), 1);
    ASSERT_TRUE(undo(s()));
    EXPECT_EQ(buildSnapshot(s()), before);
}

TEST_F(CompleteRuns, OneUndoBringsBackTheMoveWithTheRunAndTheTurnedCard) {
    layTopFirst(0, [] { auto r = aceToKing(spades(1)); r.erase(r.begin()); return r; }());
    std::string& pile = s().piles.tableau[0];
    pile.insert(0, codeText(hearts(4)));  // a face-down card under the run, turned when the run leaves
    faceDown(hearts(4));
    lay(Collection::Tableau, 1, {clubs(7), spades(1)});
    const TableSnapshot before = buildSnapshot(s());

    ASSERT_TRUE(playerMove(s(), spades(1), "Fila1"));
    EXPECT_EQ(tableau(0), (std::vector<int>{hearts(4)}));
    EXPECT_FALSE(s().cards.isFaceDown(hearts(4)));
    const TableSnapshot after = buildSnapshot(s());
    EXPECT_EQ(s().undoLog.stepCount(), 1);

    ASSERT_TRUE(undo(s()));
    EXPECT_EQ(buildSnapshot(s()), before);
    EXPECT_TRUE(s().cards.isFaceDown(hearts(4)));
    ASSERT_TRUE(redo(s()));
    EXPECT_EQ(buildSnapshot(s()), after);
}

TEST_F(CompleteRuns, AHiddenFoundationSendsTheRunToTheSecondWastePile) {
    s().catalogue.setFoundationPosition(0, -10002, -10002);
    s().catalogue.setTableauPosition(0, 10, 200);
    layTopFirst(0, [] { auto r = aceToKing(spades(1)); r.erase(r.begin()); return r; }());
    lay(Collection::Tableau, 1, {spades(1)});
    ASSERT_TRUE(playerMove(s(), spades(1), "Fila1"));
    EXPECT_TRUE(foundation(0).empty());
    EXPECT_EQ(codesOf(s().piles.secondWaste()), aceToKing(spades(1)));
    EXPECT_EQ(s().undoLog.stepCount(), 1);
}

// --- The last run wins the game -----------------------------------------------

class LastRun : public CompleteRuns, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override { useGame(GetParam()); }
};

TEST_P(LastRun, TheMoveThatCompletesTheLastRunWinsTheGame) {
    const int n = s().rules.foundations();
    // Runs of the suits in order, deck by deck, the last one still on the table.
    auto aceOf = [](int f) { return (f / 4) * kSecondDeck + (f % 4) * 13 + 1; };
    const bool fromKing = s().rules[rule::FoundationBase] == 95;
    for (int f = 0; f + 1 < n; ++f) {
        const auto run = fromKing ? kingToAce(aceOf(f)) : aceToKing(aceOf(f));
        for (int card : run) appendCardToSlot(s(), Collection::Foundations, f, card, '1');
    }
    auto last = aceToKing(aceOf(n - 1));
    const int ace = last.front();
    last.erase(last.begin());
    layTopFirst(0, last);
    lay(Collection::Tableau, 1, {ace});
    s().flags.set(Flag::InProgress);

    ASSERT_TRUE(executeAction(s(), ace, "Fila1"));
    EXPECT_TRUE(s().flags[Flag::Won]);
    EXPECT_TRUE(winTest(s()));
    for (int f = 0; f < n; ++f) EXPECT_EQ(foundation(f).size(), 13u) << "foundation " << f + 1;
    EXPECT_TRUE(endOfGame(s()));
}

// Spider, Spider One Suit, Spiderette, Scorpion.
INSTANTIATE_TEST_SUITE_P(Games, LastRun, ::testing::Values(3, 16, 17, 33));

// Whole deals played to their win: each stored line, as the command-line tool
// takes it, goes through the player's moves and presses one by one.
class WinningLine : public ::testing::TestWithParam<const char*> {};

TEST_P(WinningLine, WinsItsDeal) {
    const std::string path = std::string(TARVELLE_WINNING_LINES) + GetParam();
    std::ifstream in(path);
    ASSERT_TRUE(in) << "cannot read " << path;
    std::string header;
    std::getline(in, header);
    int game = 0;
    char number[16] = {};
    ASSERT_EQ(std::sscanf(header.c_str(), "# game %d number %15s", &game, number), 2) << header;
    TestEngine engine;
    ASSERT_TRUE(engine.initialise());
    ASSERT_TRUE(engine.deal(game, number));
    EngineState& s = *engine.state;
    const auto deck = cardsOnTable(s);

    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.front() == '#') continue;
        ASSERT_FALSE(s.flags[Flag::Ended]) << "the game ended before " << line;
        std::istringstream words(line);
        std::string command, first, second;
        words >> command >> first >> second;
        if (command == "move") {
            ASSERT_TRUE(playerMove(s, codeOf(first), second)) << line;
        } else {
            ASSERT_EQ(command, "click") << line;
            ASSERT_TRUE(playerClick(s, first)) << line;
        }
    }
    EXPECT_TRUE(s.flags[Flag::Ended]);
    EXPECT_TRUE(winTest(s));
    EXPECT_EQ(cardsOnTable(s), deck);
    for (int f = 0; f < s.rules.foundations(); ++f) EXPECT_EQ(cardsIn(s.piles.foundations[static_cast<size_t>(f)]), 13);
}

INSTANTIATE_TEST_SUITE_P(Deals, WinningLine, ::testing::Values("SpiderOneSuit.txt", "Scorpion.txt"),
                         [](const auto& info) {
                             const std::string file = info.param;
                             return file.substr(0, file.find('.'));
                         });

}  // namespace
}  // namespace tarvelle
