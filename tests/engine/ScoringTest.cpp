// The score by game kind, the win test, the end of a game and the clock.
#include <gtest/gtest.h>

#include "engine/EndOfGame.h"
#include "engine/Scoring.h"
#include "records/Files.h"
#include "records/SettingsFields.h"
#include "tests/engine/TableFixture.h"

namespace tarvelle {
namespace {

using namespace testing;

class Scoring : public TableFixture {
protected:
    void SetUp() override { useGame(1); }
    // Every card of suit s from ace to king on foundation s.
    void allOnFoundations() {
        for (int suit = 0; suit < 4; ++suit) {
            std::string& f = s().piles.foundations[static_cast<size_t>(suit)];
            f.clear();
            for (int r = 1; r <= 13; ++r) appendCode(f, 13 * suit + r);
        }
    }
};

TEST_F(Scoring, FiftyTwoCardsScoreFromMinus52To208) {
    s().settings.put(setting::ScoringCode, "01");
    computeScore(s());
    EXPECT_EQ(currentScore(s()), -52);
    allOnFoundations();
    computeScore(s());
    EXPECT_EQ(currentScore(s()), 208);
    s().settings.put(setting::ScoringCode, "02");
    computeScore(s());
    EXPECT_EQ(currentScore(s()), 0);
}

TEST_F(Scoring, AddToScoreCountsFiveACard) {
    s().settings.put(setting::Score, "-52");
    addToScore(s(), 3);
    EXPECT_EQ(currentScore(s()), -37);
    rule(rule::GameKind, 9);
    addToScore(s(), 3);
    EXPECT_EQ(currentScore(s()), -37);
}

TEST_F(Scoring, KindNineNeverChangesTheScore) {
    rule(rule::GameKind, 9);
    s().settings.put(setting::Score, "17");
    allOnFoundations();
    computeScore(s());
    EXPECT_EQ(s().settings.get(setting::Score), "17");
}

TEST_F(Scoring, KindThirtyFourCountsOnlyTheLeadingRun) {
    rule(rule::GameKind, 34);
    lay(Collection::Tableau, 0, {1});
    lay(Collection::Tableau, 1, {2 + 13});
    lay(Collection::Tableau, 2, {9});
    lay(Collection::Tableau, 3, {4});
    EXPECT_EQ(scoreOf(s()), -52 + 20);
}

TEST_F(Scoring, OtherKinds) {
    rule(rule::GameKind, 35);
    lay(Collection::StockGroup, kSecondWaste, {1, 2, 3});
    EXPECT_EQ(scoreOf(s()), -52 + 30);
    rule(rule::GameKind, 37);
    s().counters.misses = 2;
    EXPECT_EQ(scoreOf(s()), -52 - 4 + 10);
    rule(rule::GameKind, 41);
    EXPECT_EQ(scoreOf(s()), -52 + 60);
    rule(rule::GameKind, 42);
    lay(Collection::Tableau, 0, {hearts(12), clubs(13), spades(1), spades(5)});
    EXPECT_EQ(scoreOf(s()), -52 + 15);
}

struct WinCase {
    const char* name;
    int kind;
    bool won;
};

// Names the case in test listings rather than dumping its bytes.
void PrintTo(const WinCase& c, std::ostream* os) { *os << c.name; }

class WinTest : public Scoring, public ::testing::WithParamInterface<WinCase> {};

// Every tableau pile holds one ace; the stock, waste and reserves are empty.
TEST_P(WinTest, ByGameKind) {
    const WinCase& c = GetParam();
    rule(rule::GameKind, c.kind);
    for (int k = 0; k < 8; ++k) lay(Collection::Tableau, k, {13 * (k % 4) + 1 + (k >= 4 ? 52 : 0)});
    EXPECT_EQ(winTest(s()), c.won) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Kinds, WinTest,
                         ::testing::Values(WinCase{"ordinary: cards left on the tableau", 0, false},
                                           WinCase{"kind 9: every pile holds a card", 9, true},
                                           WinCase{"kind 27: every pile holds one card", 27, true},
                                           WinCase{"kind 31: one ace on every pile", 31, true},
                                           WinCase{"kind 21: pile 1 holds at most 4", 21, true},
                                           WinCase{"kind 41: no foundation but the first", 41, true}));

TEST_F(Scoring, TheOrdinaryGameIsWonWithAnEmptyTable) {
    EXPECT_TRUE(winTest(s()));
    lay(Collection::Reserves, 0, {1});
    EXPECT_FALSE(winTest(s()));
    s().piles.reserves[0].clear();
    lay(Collection::Tableau, 2, {0});
    EXPECT_FALSE(winTest(s()));
    rule(rule::GameKind, 4);
    EXPECT_TRUE(winTest(s()));
}

class Ending : public Scoring {};

TEST_F(Ending, ATargetScoreDecidesTheResultAlsoWhenThePlayerQuits) {
    rule(rule::TargetScore, 100);
    s().settings.put(setting::Score, "120");
    EXPECT_TRUE(endOfGame(s()));
    EXPECT_FALSE(s().flags[Flag::InProgress]);
    EXPECT_TRUE(s().flags[Flag::Ended]);
    EXPECT_FALSE(s().flags[Flag::Won]);
    EXPECT_FALSE(s().flags[Flag::ClockRunning]);
    EXPECT_FALSE(endOfGame(s()));
}

TEST_F(Ending, AnUnwonGameEndsLost) {
    lay(Collection::Tableau, 0, {1});
    EXPECT_FALSE(endOfGame(s()));
    EXPECT_TRUE(s().flags[Flag::Ended]);
}

TEST_F(Ending, TheSnapshotFileGoesWithTheGame) {
    const std::string snapshot = engine.folder.file("~so1.tmp");
    engine.folder.write("~so1.tmp", "x");
    s().settings.put(setting::SnapshotFile, snapshot);
    s().commands.undoToSnapshot = true;
    endOfGame(s());
    EXPECT_FALSE(files::exists(snapshot));
    EXPECT_EQ(s().settings.get(setting::SnapshotFile), "");
    EXPECT_FALSE(s().commands.undoToSnapshot);
}

TEST_F(Ending, QuittingAWonGameAsksNothing) {
    s().settings.put(setting::ConfirmQuitGame, "Y");
    s().flags.set(Flag::Won);
    const size_t shown = engine.host.messages.size();
    EXPECT_TRUE(confirmQuit(s()));
    EXPECT_EQ(engine.host.messages.size(), shown);
    s().flags.clear(Flag::Won);
    engine.host.agree = false;
    EXPECT_FALSE(confirmQuit(s()));
    EXPECT_EQ(engine.host.messages.back().text, "Quit this game?");
    s().flags.set(Flag::WinningAnimation);
    EXPECT_FALSE(confirmQuit(s()));
}

TEST(Clock, LabelsAndSeconds) {
    EXPECT_EQ(clockText(0), "0:00:00");
    EXPECT_EQ(clockText(3 * 3600 + 7 * 60 + 9), "3:07:09");
    EXPECT_EQ(elapsedSeconds("1:02:03"), 3723);
    EXPECT_EQ(elapsedSeconds("12:00"), 0);
    EXPECT_EQ(elapsedSeconds("a:b:c"), 0);
}

TEST_F(Ending, PausingMovesTheClockStartOn) {
    s().clock.start = engine.host.ticks;
    s().flags.set(Flag::ClockRunning);
    engine.host.ticks += 5000;
    pauseClock(s());
    EXPECT_EQ(s().clock.elapsedText, "0:00:05");
    engine.host.ticks += 60000;
    resumeClock(s());
    engine.host.ticks += 2000;
    updateClock(s());
    EXPECT_EQ(s().clock.elapsedText, "0:00:07");
}

}  // namespace
}  // namespace tarvelle
