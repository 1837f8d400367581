// Undo and redo: the policies, the event log that travels with the steps,
// folding steps, restarting a deal and the undo log in saved-game form.
#include <gtest/gtest.h>

#include "engine/Dispatcher.h"
#include "engine/PlayerMoves.h"
#include "engine/Stock.h"
#include "records/SettingsFields.h"
#include "records/Undo.h"
#include "tests/engine/TableFixture.h"

namespace tarvelle {
namespace {

using namespace testing;

class Undo : public TableFixture {
protected:
    void SetUp() override {
        useGame(1);
        lay(Collection::Tableau, 0, {hearts(5), clubs(4)});
        lay(Collection::Tableau, 1, {spades(9)});
        lay(Collection::Tableau, 2, {diamonds(5)});
    }
    // Moves the four of clubs between the five of diamonds and the empty cells.
    bool move(int card, const char* key) { return playerMove(s(), card, key); }
    int beeps() const { return engine.host.beeps; }
};

TEST_F(Undo, PolicyOneAllowsOneStepEachWayBetweenMoves) {
    s().settings.put(setting::UndoPolicy, "1");
    ASSERT_TRUE(move(clubs(4), "Appogg1"));
    ASSERT_TRUE(move(clubs(4), "Fila3"));
    EXPECT_TRUE(undo(s()));
    EXPECT_FALSE(undo(s()));
    EXPECT_EQ(beeps(), 1);
    EXPECT_TRUE(redo(s()));
    EXPECT_TRUE(undo(s()));
    EXPECT_FALSE(redo(s()) && redo(s()));
    ASSERT_TRUE(move(clubs(4), "Appogg2"));
    EXPECT_TRUE(undo(s()));
}

TEST_F(Undo, PolicyTwoAndAnEmptyLogBeep) {
    EXPECT_FALSE(undo(s()));
    EXPECT_EQ(beeps(), 1);
    ASSERT_TRUE(move(clubs(4), "Appogg1"));
    s().settings.put(setting::UndoPolicy, "2");
    EXPECT_FALSE(undo(s()));
    EXPECT_FALSE(redo(s()));
    EXPECT_EQ(beeps(), 3);
}

TEST_F(Undo, NMovesAndNUndosGoBackAndNRedosForward) {
    const TableSnapshot start = buildSnapshot(s());
    ASSERT_TRUE(move(clubs(4), "Appogg1"));
    ASSERT_TRUE(move(clubs(4), "Fila3"));
    ASSERT_TRUE(move(hearts(5), "Appogg2"));
    const TableSnapshot last = buildSnapshot(s());
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(undo(s()));
    EXPECT_EQ(buildSnapshot(s()), start);
    EXPECT_EQ(s().undoLog.stepCount(), 0);
    EXPECT_EQ(s().redoLog.stepCount(), 3);
    EXPECT_EQ(s().catalogue.movesMade(), 0);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(redo(s()));
    EXPECT_EQ(buildSnapshot(s()), last);
    EXPECT_EQ(s().catalogue.movesMade(), 2);
}

TEST_F(Undo, AMoveClearsTheRedoLog) {
    ASSERT_TRUE(move(clubs(4), "Appogg1"));
    ASSERT_TRUE(undo(s()));
    EXPECT_EQ(s().redoLog.stepCount(), 1);
    ASSERT_TRUE(move(clubs(4), "Appogg2"));
    EXPECT_EQ(s().redoLog.stepCount(), 0);
    EXPECT_TRUE(s().redoLog.events.empty());
}

TEST_F(Undo, FoldingLeavesTheOldestStepWithTheNewestEvent) {
    for (int i = 0; i < 3; ++i) recordStep(s(), LogDirection::Undo);
    s().undoLog.steps[0][20] = "0011";
    setStepEvent(s(), kEventSpecialCounter);
    foldSteps(s(), 2);
    ASSERT_EQ(s().undoLog.stepCount(), 1);
    EXPECT_EQ(s().undoLog.steps[0][20], "0011");
    EXPECT_EQ(s().undoLog.events, "002,");
    EXPECT_EQ(s().undoLog.countCode(kEventSpecialCounter), 1);
}

TEST_F(Undo, EventsTravelWithTheirStep) {
    lay(Collection::StockGroup, kStock, {spades(1), spades(2)});
    s().counters.specialCounter = 5;
    recordStep(s(), LogDirection::Undo);
    setStepEvent(s(), kEventSpecialCounter);
    ASSERT_TRUE(undo(s(), true));
    EXPECT_EQ(s().counters.specialCounter, 4);
    EXPECT_EQ(s().redoLog.events, "002,");
    EXPECT_EQ(s().undoLog.events, "");
    ASSERT_TRUE(redo(s(), true));
    EXPECT_EQ(s().counters.specialCounter, 5);
    EXPECT_EQ(s().undoLog.events, "002,");
}

TEST_F(Undo, TheEventLogReadsItsEntries) {
    UndoLog log;
    log.appendEntry();
    log.appendEntry("003");
    EXPECT_EQ(log.lastEntry(), "003");
    EXPECT_TRUE(log.lastEntryHas(3));
    log.appendEntry();
    EXPECT_EQ(log.lastEntry(), "");
    log.foldLastEntries();
    EXPECT_EQ(log.events, ",,");
    log.replaceLastEntry("001002");
    EXPECT_EQ(log.countCode(2), 1);
    EXPECT_EQ(log.countCode(1), 1);
    log.dropLastEntry();
    EXPECT_EQ(log.events, ",");
}

TEST_F(Undo, SelectionGamesKeepFoundationOneOutOfTheSteps) {
    rule(rule::SelectionGame, 14);
    lay(Collection::Foundations, 0, {diamonds(6)});
    recordStep(s(), LogDirection::Undo);
    EXPECT_EQ(s().undoLog.steps.back()[kStockSlots], "");
    ASSERT_TRUE(undo(s()));
    EXPECT_TRUE(s().piles.foundations[0].empty());
}

TEST_F(Undo, TheSavedGameFormRoundTrips) {
    std::vector<std::string> lines;
    writeUndoSections(s(), lines);
    const std::vector<std::string> empty{"[UNDO - Stock]", "[UNDO - Foundations]", "[UNDO - Piles]",
                                         "[UNDO - Reserves]", "[UNDO - Log]", ""};
    EXPECT_EQ(lines, empty);

    ASSERT_TRUE(move(clubs(4), "Appogg1"));
    ASSERT_TRUE(move(clubs(4), "Fila3"));
    setStepEvent(s(), kEventTableauRedeal);
    lines.clear();
    writeUndoSections(s(), lines);
    EXPECT_EQ(lines.size(), 5u + 2 * kSnapshotLines + 1);
    const UndoLog written = s().undoLog;
    s().undoLog.clear();
    std::vector<std::string> file{"[GAME]", "something before the sections"};
    for (auto& line : lines) file.push_back(line + "\r");
    readUndoSections(s(), file);
    EXPECT_EQ(s().undoLog.steps, written.steps);
    EXPECT_EQ(s().undoLog.events, written.events);
}

TEST_F(Undo, ADamagedFileLeavesMissingPilesEmpty) {
    readUndoSections(s(), {"[UNDO - Stock]", "", "", "", "[UNDO - Piles]", "0011", "[UNDO - Log]", ","});
    ASSERT_EQ(s().undoLog.stepCount(), 1);
    EXPECT_EQ(s().undoLog.steps[0][kStockSlots + kFoundationSlots], "0011");
    EXPECT_EQ(s().undoLog.steps[0][kStockSlots], "");
}

TEST_F(Undo, RestartOfAFinishedGameReplaysTheDealWithoutAsking) {
    const TableSnapshot start = buildSnapshot(s());
    ASSERT_TRUE(move(clubs(4), "Appogg1"));
    s().flags.clear(Flag::InProgress);
    const size_t asked = engine.host.messages.size();
    EXPECT_TRUE(restartGame(s()));
    EXPECT_EQ(engine.host.messages.size(), asked);
    EXPECT_EQ(buildSnapshot(s()), start);
    EXPECT_EQ(s().undoLog.stepCount(), 0);
    EXPECT_EQ(s().catalogue.dealsMade(), 1);
    EXPECT_TRUE(s().flags[Flag::InProgress]);
}

TEST_F(Undo, RestartAsksWhileTheGameIsInProgress) {
    ASSERT_TRUE(move(clubs(4), "Appogg1"));
    engine.host.agree = false;
    EXPECT_FALSE(restartGame(s()));
    ASSERT_FALSE(engine.host.messages.empty());
    EXPECT_EQ(engine.host.messages.back().text.substr(0, 17), "Restart this game");
    EXPECT_EQ(s().undoLog.stepCount(), 1);
}

}  // namespace
}  // namespace tarvelle
