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
#include "engine/Legality.h"
#include "engine/PlayerMoves.h"
#include "table/ResourceLibrary.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/ShownWindow.h"
#include "ui/DemoBar.h"
#include "ui/EngineActions.h"
#include "ui/MainWindow.h"
#include "ui/PointerInput.h"
#include "ui/SoundPlayer.h"
#include "ui/TableWidget.h"

using namespace tarvelle;

namespace {

// The engine's own moves, with a note of what the window asked.
class CountingActions : public EngineActions {
public:
    using EngineActions::EngineActions;
    bool release(const Release& r) override {
        if (r.card != 0 && r.moved) offered = r.candidates;
        return EngineActions::release(r);
    }
    bool automaticMove(int card, bool toTableaus, bool toFoundations) override {
        ++automaticMoves;
        return EngineActions::automaticMove(card, toTableaus, toFoundations);
    }
    void stockClick(bool marked) override {
        ++stockClicks;
        EngineActions::stockClick(marked);
    }
    std::vector<DropCandidate> offered;
    int automaticMoves = 0, stockClicks = 0;
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
    std::unique_ptr<CountingActions> actions;
    std::unique_ptr<ResourceLibrary> library;
    std::unique_ptr<SoundPlayer> sounds;
    std::unique_ptr<TfrmMain> window;
    std::uint32_t ticks = 0;

    TableWidget* table() { return window->table(); }
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
        actions = std::make_unique<CountingActions>(*state);
        sounds = std::make_unique<SoundPlayer>(nullptr);
        host->setSoundPlayer(sounds.get());
        // The program's own pictures and table drawing.
        library = std::make_unique<ResourceLibrary>();
        QVERIFY(library->load(QStringLiteral(TARVELLE_PROGRAM_DIR "/TAR.RGF")));
        window = std::make_unique<TfrmMain>(*state, *host, *actions, *library);
        QVERIFY(testing::showStartedWindow(*window, *state, QSize(1000, 760)));
        deal(1234567);
    }

    // Klondike with the given game number.
    void deal(long long number) {
        state->settings.put(setting::GameId, "0000");
        state->settings.put(setting::GameName, state->catalogue.GameName(0));
        state->settings.put(setting::GameNumber, formatFixed(number, 13));
        QVERIFY(prepareGame(*state));
        QVERIFY(startGame(*state, StartOptions{true, false, false, false}));
    }

    // The first deal from the given number on where the rules allow a move of
    // a tableau top card to a pile whose key starts with the prefix.
    std::optional<LegalMove> dealWithMove(long long number, const std::string& prefix) {
        for (long long n = number; n < number + 400; ++n) {
            deal(n);
            for (const LegalMove& m : legalMoves(*state)) {
                const auto from = pileOf(*state, m.card);
                if (from && from->collection == Collection::Tableau && topCard(tableau(from->slot)) == m.card &&
                    m.key.rfind(prefix, 0) == 0)
                    return m;
            }
        }
        return std::nullopt;
    }

    QPoint centreOfCard(int card) {
        const auto pile = pileOf(*state, card);
        return centreOf(*state, *pile, findCode(*state->piles.pile(pile->collection, pile->slot), card));
    }

    void drag(QPoint from, QPoint to) {
        QTest::mousePress(table(), Qt::LeftButton, {}, from);
        for (int i = 1; i <= 8; ++i) QTest::mouseMove(table(), from + (to - from) * i / 8);
        QTest::mouseRelease(table(), Qt::LeftButton, {}, to);
    }

    void cleanup() {
        state->flags.clear(Flag::InProgress);
        window->close();
        window.reset();
        host->setSoundPlayer(nullptr);
        actions.reset();
        library.reset();
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
        const auto move = dealWithMove(1234567, "Fila");
        QVERIFY(move);
        const PileRef target = *parsePileKey(move->key);
        const QPoint to = centreOfCard(topCard(tableau(target.slot))) + QPoint(0, 20);
        QTest::mousePress(table(), Qt::LeftButton, {}, centreOfCard(move->card));
        QVERIFY(window->pointerInput()->dragging());
        QTest::mouseRelease(table(), Qt::LeftButton, {}, centreOfCard(move->card));
        drag(centreOfCard(move->card), to);
        QCOMPARE(actions->offered.front().pile, target);
        QCOMPARE(topCard(tableau(target.slot)), move->card);
        QCOMPARE(state->undoLog.stepCount(), 1);
        QVERIFY(!window->pointerInput()->dragging());
        QVERIFY(!table()->motion().visible());
        QCOMPARE(table()->lifted(), 0);
    }

    void refusedDropPutsTheCardBack() {
        // The top card of the last pile dropped on a pile that does not take it.
        const int card = topCard(tableau(6));
        int refusing = -1;
        for (int k = 0; k < 6 && refusing < 0; ++k)
            if (!mayDrop(*state, card, pileKey({Collection::Tableau, k}))) refusing = k;
        QVERIFY(refusing >= 0);
        const std::string before = tableau(6);
        drag(centreOfCard(card), centreOfCard(topCard(tableau(refusing))) + QPoint(0, 20));
        QVERIFY(!actions->offered.empty());
        QCOMPARE(actions->offered.front().pile, (PileRef{Collection::Tableau, refusing}));
        QCOMPARE(tableau(6), before);
        QCOMPARE(state->undoLog.stepCount(), 0);
        QCOMPARE(table()->lifted(), 0);
        QVERIFY(!table()->motion().visible());
    }

    void clickWithoutMovingOffersNoDrop() {
        const QPoint at = centreOf(*state, {Collection::Tableau, 6}, 6);
        QTest::mousePress(table(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(table(), Qt::LeftButton, {}, at);
        QVERIFY(actions->offered.empty());
        QCOMPARE(positions(tableau(6)), 7);
    }

    void doubleClickSendsACardToItsFoundation() {
        const auto move = dealWithMove(1, "Dest");
        QVERIFY(move);
        const QPoint at = centreOfCard(move->card);
        QTest::mousePress(table(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(table(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table(), Qt::LeftButton, {}, at);
        QCOMPARE(actions->automaticMoves, 1);
        QCOMPARE(pileOf(*state, move->card)->collection, Collection::Foundations);
        // The press that came with the double click started no drag.
        QVERIFY(!window->pointerInput()->dragging());
        QVERIFY(!state->flags[Flag::IgnoreNextPress]);
    }

    void pressOnTheStockTurnsCards() {
        const Point stock = pilePosition(*state, {Collection::StockGroup, kStock});
        const QPoint at(stock.x + 20, stock.y + 20);
        const int inStock = cardsIn(state->piles.stock());
        QTest::mouseClick(table(), Qt::LeftButton, {}, at);
        QVERIFY(cardsIn(state->piles.stock()) < inStock);
        QVERIFY(cardsIn(state->piles.waste()) > 0);
        // A double click presses twice.
        const int afterOne = cardsIn(state->piles.stock());
        QTest::mousePress(table(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(table(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table(), Qt::LeftButton, {}, at);
        QCOMPARE(actions->stockClicks, 3);
        QVERIFY(cardsIn(state->piles.stock()) < afterOne);
    }

    void rightClickFollowsItsSettings() {
        const QPoint at = centreOfCard(topCard(tableau(0)));
        state->settings.put(setting::RightClickToFoundations, "N");
        state->settings.put(setting::RightClickToTableaus, "N");
        QTest::mouseClick(table(), Qt::RightButton, {}, at);
        QCOMPARE(actions->automaticMoves, 0);
        state->settings.put(setting::RightClickToFoundations, "Y");
        QTest::mouseClick(table(), Qt::RightButton, {}, at);
        QCOMPARE(actions->automaticMoves, 1);
    }

    void undoAndRedoFromTheMenu() {
        const Point stock = pilePosition(*state, {Collection::StockGroup, kStock});
        QTest::mouseClick(table(), Qt::LeftButton, {}, QPoint(stock.x + 20, stock.y + 20));
        const Piles turned = state->piles;
        QVERIFY(cardsIn(turned.waste()) > 0);
        window->menu().mnuUndo->trigger();
        QCOMPARE(cardsIn(state->piles.waste()), 0);
        window->menu().mnuRedo->trigger();
        QVERIFY(state->piles == turned);
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

    void commandsThatKeepGamesStayOffDuringPlay() {
        QVERIFY(state->flags[Flag::InProgress]);
        window->commandsChanged();
        QVERIFY(window->menu().mnuPause->isEnabled());
        for (QAction* a : {window->menu().mnuSnapshotPosition, window->menu().mnuUndoToSnapshot,
                           window->menu().mnuHoldAndExit})
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
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
        // The dealt table shows over the demo background: a card's paper is light, the background dark.
        const QPoint card = centreOf(*state, {Collection::Tableau, 0}, 0) + QPoint(0, 20);
        QVERIFY(qGray(table()->grab().toImage().pixel(card)) > 200);
        const int beeps = host->beeps();
        QTest::mouseClick(table(), Qt::LeftButton, {}, centreOf(*state, {Collection::Tableau, 6}, 6));
        QCOMPARE(host->beeps(), beeps + 1);
        window->mnuDemoClick();
        QVERIFY(!state->flags[Flag::Demo]);
    }

    void demoStepsFromTheDealThroughEveryMove() {
        // A card to its foundation, which scores.
        const auto move = dealWithMove(1234567, "Dest");
        QVERIFY(move);
        const TableSnapshot dealt = buildSnapshot(*state);
        const QString dealtScore = window->scoreLabel()->text();
        drag(centreOfCard(move->card), centreOf(*state, *parsePileKey(move->key), 0) + QPoint(0, 20));
        QCOMPARE(state->undoLog.stepCount(), 1);
        const TableSnapshot played = buildSnapshot(*state);
        QVERIFY(window->scoreLabel()->text() != dealtScore);

        state->settings.put(setting::ConfirmQuitGame, "N");
        window->mnuDemoClick();
        QVERIFY(buildSnapshot(*state) == dealt);
        QCOMPARE(window->demoBar()->counter()->text(), QStringLiteral("1/2"));
        QCOMPARE(window->scoreLabel()->text(), dealtScore);
        window->demoBar()->slider()->triggerAction(QAbstractSlider::SliderToMaximum);
        QTRY_VERIFY(buildSnapshot(*state) == played);
        QCOMPARE(window->demoBar()->counter()->text(), QStringLiteral("2/2"));
        window->demoBar()->slider()->triggerAction(QAbstractSlider::SliderToMinimum);
        QTRY_VERIFY(buildSnapshot(*state) == dealt);
        window->mnuDemoClick();
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
