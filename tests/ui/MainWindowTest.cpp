// The main window driven offscreen by synthesised pointer and key events on a dealt Klondike.
#include <QtTest>

#include <QLabel>
#include <QScrollBar>

#include "engine/Dealing.h"
#include "engine/EngineInit.h"
#include "engine/Table.h"
#include "records/IniFile.h"
#include "records/Numbers.h"
#include "records/SettingsFields.h"
#include "tests/support/TempFolder.h"
#include "ui/EngineActions.h"
#include "ui/MainWindow.h"
#include "ui/PointerInput.h"
#include "ui/SoundPlayer.h"
#include "ui/TableView.h"

using namespace tarvelle;

namespace {

// Moves that a test decides: a drop goes to the one pile the test allows.
class ScriptedActions : public EngineActions {
public:
    explicit ScriptedActions(EngineState& s) : EngineActions(s), state(s) {}

    bool mayPickUp(int, bool) override { return true; }
    bool sequenceMovable(int, PileRef) override { return true; }
    bool drop(int card, const std::vector<DropCandidate>& candidates) override {
        offered = candidates;
        for (const DropCandidate& c : candidates)
            if (accepting && c.pile == *accepting) return move(card, c.pile);
        return false;
    }
    bool automaticMove(int card, bool, bool toFoundations) override {
        ++automaticMoves;
        return toFoundations && move(card, {Collection::Foundations, 0});
    }
    void stockClick(bool) override { ++stockClicks; }
    bool undo() override {
        ++undos;
        return EngineActions::undo();
    }
    bool redo() override {
        ++redos;
        return EngineActions::redo();
    }

    bool move(int card, PileRef to) {
        const auto from = pileOf(state, card);
        if (!from) return false;
        state.undoLog.steps.push_back(buildSnapshot(state));
        std::string& source = *state.piles.pile(from->collection, from->slot);
        const int at = findCode(source, card);
        const std::string moving = source.substr(static_cast<size_t>(at) * 3);
        source.erase(static_cast<size_t>(at) * 3);
        *state.piles.pile(to.collection, to.slot) += moving;
        state.redoLog.clear();
        return true;
    }

    EngineState& state;
    std::optional<PileRef> accepting;
    std::vector<DropCandidate> offered;
    int automaticMoves = 0, stockClicks = 0, undos = 0, redos = 0;
};

QPoint centreOf(const EngineState& s, PileRef pile, int index) {
    const Point p = cardPositionAt(s, pile, index);
    return QPoint(p.x + s.cardWidth / 2, p.y + 6);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TempFolder> folder;
    std::unique_ptr<QtHost> host;
    std::unique_ptr<EngineState> state;
    std::unique_ptr<ScriptedActions> actions;
    std::unique_ptr<SoundPlayer> sounds;
    std::unique_ptr<TfrmMain> window;
    std::uint32_t ticks = 0;

    TableView* table() { return window->table(); }
    const std::string& tableau(int k) { return state->piles.tableau[static_cast<size_t>(k)]; }

private slots:
    void init() {
        folder = std::make_unique<testing::TempFolder>();
        folder->write("GAMES.DAT", testing::builtGamesDat());
        folder->write("DATA/CFG.DAT", "[Preference]\r\nDeal_Animation=N\r\nSpeed_Move_Card=0\r\nAutoPlay=N\r\n");
        host = std::make_unique<QtHost>();
        ticks = 1000;
        host->setTickSource([this] { return ticks; });
        state = std::make_unique<EngineState>(*host, folder->path(), folder->path());
        actions = std::make_unique<ScriptedActions>(*state);
        sounds = std::make_unique<SoundPlayer>(nullptr);
        host->setSoundPlayer(sounds.get());
        window = std::make_unique<TfrmMain>(*state, *host, *actions);
        const auto preferences = initialiseEngine(*state);
        QVERIFY(preferences);
        window->applyPreferences(*preferences);
        window->resize(1000, 760);
        state->flags.clear(Flag::FirstActivationPending);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // Klondike, game number 1234567.
        state->settings.put(setting::GameId, "0000");
        state->settings.put(setting::GameName, state->catalogue.GameName(0));
        state->settings.put(setting::GameNumber, "0000001234567");
        QVERIFY(prepareGame(*state));
        QVERIFY(startGame(*state, StartOptions{true, false, false, false}));
    }

    void cleanup() {
        state->flags.clear(Flag::InProgress);
        window->close();
        window.reset();
        host->setSoundPlayer(nullptr);
        actions.reset();
        state.reset();
        host.reset();
        folder.reset();
    }

    void dealtTableShowsInTheTitle() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Tarvelle [Klondike]  [Player 1]  [0000001234567]"));
        QCOMPARE(positions(tableau(6)), 7);
        QVERIFY(state->flags[Flag::InProgress]);
    }

    void dragOntoAPileThatTakesIt() {
        actions->accepting = PileRef{Collection::Tableau, 1};
        const int card = topCard(tableau(6));
        const QPoint from = centreOf(*state, {Collection::Tableau, 6}, 6);
        const QPoint to = centreOf(*state, {Collection::Tableau, 1}, 1) + QPoint(0, 20);
        QTest::mousePress(table(), Qt::LeftButton, {}, from);
        QVERIFY(window->pointerInput()->dragging());
        for (int i = 1; i <= 8; ++i) QTest::mouseMove(table(), from + (to - from) * i / 8);
        QTest::mouseRelease(table(), Qt::LeftButton, {}, to);
        QCOMPARE(actions->offered.front().pile, (PileRef{Collection::Tableau, 1}));
        QCOMPARE(topCard(tableau(1)), card);
        QCOMPARE(positions(tableau(6)), 6);
        QVERIFY(!window->pointerInput()->dragging());
        QVERIFY(!table()->motion().visible());
        QCOMPARE(table()->lifted(), 0);
    }

    void refusedDropPutsTheCardBack() {
        actions->accepting.reset();
        const std::string before = tableau(6);
        const QPoint from = centreOf(*state, {Collection::Tableau, 6}, 6);
        const QPoint to = centreOf(*state, {Collection::Tableau, 3}, 3) + QPoint(0, 20);
        QTest::mousePress(table(), Qt::LeftButton, {}, from);
        for (int i = 1; i <= 4; ++i) QTest::mouseMove(table(), from + (to - from) * i / 4);
        QTest::mouseRelease(table(), Qt::LeftButton, {}, to);
        QVERIFY(!actions->offered.empty());
        QCOMPARE(tableau(6), before);
        QCOMPARE(table()->lifted(), 0);
        QVERIFY(!table()->motion().visible());
        QCOMPARE(sounds->lastWord(), std::string("card_down"));
    }

    void clickWithoutMovingOffersNoDrop() {
        const QPoint at = centreOf(*state, {Collection::Tableau, 6}, 6);
        QTest::mousePress(table(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(table(), Qt::LeftButton, {}, at);
        QVERIFY(actions->offered.empty());
        QCOMPARE(positions(tableau(6)), 7);
    }

    void doubleClickMovesOnceAndSwallowsItsPress() {
        const int card = topCard(tableau(0));
        const QPoint at = centreOf(*state, {Collection::Tableau, 0}, 0);
        QTest::mousePress(table(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(table(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table(), Qt::LeftButton, {}, at);
        QCOMPARE(actions->automaticMoves, 1);
        QCOMPARE(topCard(state->piles.foundations[0]), card);
        QVERIFY(!window->pointerInput()->dragging());
        QVERIFY(!state->flags[Flag::IgnoreNextPress]);
    }

    void doubleClickOnTheStockTurnsTwice() {
        const Point stock = pilePosition(*state, {Collection::StockGroup, kStock});
        const QPoint at(stock.x + 20, stock.y + 20);
        QTest::mousePress(table(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(table(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table(), Qt::LeftButton, {}, at);
        QCOMPARE(actions->stockClicks, 2);
    }

    void rightClickFollowsItsSettings() {
        const QPoint at = centreOf(*state, {Collection::Tableau, 0}, 0);
        state->settings.put(setting::RightClickToFoundations, "N");
        state->settings.put(setting::RightClickToTableaus, "N");
        QTest::mouseClick(table(), Qt::RightButton, {}, at);
        QCOMPARE(actions->automaticMoves, 0);
        state->settings.put(setting::RightClickToFoundations, "Y");
        QTest::mouseClick(table(), Qt::RightButton, {}, at);
        QCOMPARE(actions->automaticMoves, 1);
    }

    void undoAndRedoFromTheMenu() {
        actions->move(topCard(tableau(6)), {Collection::Tableau, 1});
        const std::string moved = tableau(1);
        window->menu().mnuUndo->trigger();
        QCOMPARE(positions(tableau(6)), 7);
        window->menu().mnuRedo->trigger();
        QCOMPARE(tableau(1), moved);
        QCOMPARE(actions->undos, 1);
        QCOMPARE(actions->redos, 1);
    }

    void pauseStopsTheClock() {
        ticks += 65000;
        window->clockTick();
        QCOMPARE(window->timeLabel()->text(), QStringLiteral("0:01:05"));
        // A minute passes while paused; the key press that ends the pause is swallowed.
        QTimer::singleShot(300, this, [this] {
            QVERIFY(window->paused());
            ticks += 60000;
            window->clockTick();
            QCOMPARE(window->timeLabel()->text(), QStringLiteral("0:01:05"));
            QTest::keyClick(window.get(), Qt::Key_Space);
        });
        QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(!window->paused());
        QVERIFY(state->flags[Flag::ClockRunning]);
        ticks += 2000;
        window->clockTick();
        QCOMPARE(window->timeLabel()->text(), QStringLiteral("0:01:07"));
    }

    void shortcutsReachTheirCommands() {
        QTest::keyClick(window.get(), Qt::Key_F7);
        QVERIFY(window->autoplayOn());
        QVERIFY(window->largeToolBar()->button(ToolButton::AutoPlay)->isChecked());
        QTest::keyClick(window.get(), Qt::Key_F7);
        QVERIFY(!window->autoplayOn());
        const std::string number = state->settings.get(setting::GameNumber);
        state->settings.put(setting::ConfirmQuitGame, "N");
        QTest::keyClick(window.get(), Qt::Key_F2);
        QVERIFY(state->settings.get(setting::GameNumber) != number);
        QVERIFY(state->flags[Flag::InProgress]);
    }

    void undoPolicyTwoDisablesUndoAndRedo() {
        state->settings.put(setting::UndoPolicy, "2");
        window->enableUndoRedo(true);
        QVERIFY(!window->menu().mnuUndo->isEnabled());
        QVERIFY(!window->menu().mnuRedo->isEnabled());
        for (ToolBarPanel* bar : {window->largeToolBar(), window->smallToolBar()}) {
            QVERIFY(!bar->button(ToolButton::Undo)->isEnabled());
            QVERIFY(!bar->button(ToolButton::Redo)->isEnabled());
        }
        QCOMPARE(window->smallToolBar()->button(ToolButton::Undo)->property("glyph").toString(), QStringLiteral("TB_UNDO_DIS"));
        state->settings.put(setting::UndoPolicy, "0");
        window->enableUndoRedo(true);
        QVERIFY(window->menu().mnuUndo->isEnabled());
        QCOMPARE(window->smallToolBar()->button(ToolButton::Redo)->property("glyph").toString(), QStringLiteral("TB_REDO"));
    }

    void showTimeIsOfferedOnlyWhileHidden() {
        QVERIFY(!window->menu().popShowTime->isEnabled());
        window->menu().popHideTime->trigger();
        QVERIFY(window->timePanel()->isHidden());
        QVERIFY(window->menu().popShowTime->isEnabled());
        QCOMPARE(IniFile(configPath(state->settings)).readString("Preference", "Show_Time", ""), std::string("N"));
    }

    void demoModeBeepsOnEveryPress() {
        state->settings.put(setting::ConfirmQuitGame, "N");
        QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
        QVERIFY(state->flags[Flag::Demo]);
        const int beeps = host->beeps();
        QTest::mouseClick(table(), Qt::LeftButton, {}, centreOf(*state, {Collection::Tableau, 6}, 6));
        QCOMPARE(host->beeps(), beeps + 1);
        window->mnuDemoClick();
        QVERIFY(!state->flags[Flag::Demo]);
    }

    void closingDuringTheWinningAnimationWaits() {
        state->flags.set(Flag::WinningAnimation);
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QVERIFY(!state->flags[Flag::WinningAnimation]);
        QVERIFY(window->close());
        QCOMPARE(IniFile(configPath(state->settings)).readString("Preference", "AutoPlay", ""), std::string("N"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
