// Games played through the main window with the mouse, offscreen: every game
// of the collection for a few moves, and Klondike, FreeCell, Spider and Golf
// to a win. Each press, drag and release goes through the window's pointer
// input; after every action the table must be what the same action gives
// the engine on a table of its own.
#include <QtTest>

#include <algorithm>

#include <QMessageBox>

#include "engine/CardPositions.h"
#include "engine/Dealing.h"
#include "engine/EngineInit.h"
#include "engine/HitTest.h"
#include "engine/Scoring.h"
#include "engine/Table.h"
#include "records/Numbers.h"
#include "records/SettingsFields.h"
#include "table/ResourceLibrary.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/ShownWindow.h"
#include "tests/ui/WinningLine.h"
#include "ui/EngineActions.h"
#include "ui/MainWindow.h"
#include "ui/PointerInput.h"
#include "ui/SoundPlayer.h"
#include "ui/TableWidget.h"

using namespace tarvelle;
using testing::PlayerAction;

namespace {

// The same settings for the window and for the engine it is checked against.
const char* const kSettings =
    "[Preference]\r\nDeal_Animation=N\r\nSpeed_Move_Card=0\r\nAutoPlay=N\r\nVertScrollBar=N\r\n";

// What the table shows: every pile, each card with its face.
std::string tableText(const EngineState& s) {
    std::string text;
    for (int line = 0; line < kSnapshotLines; ++line) {
        const PileRef slot = snapshotSlot(line);
        for (int code : codesOf(*s.piles.pile(slot.collection, slot.slot)))
            text += codeText(code) + (code == kGap ? '-' : s.cards.faceFlag(code));
        text += "|";
    }
    return text;
}

}  // namespace

class PlayThroughTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TempFolder> folder;
    std::unique_ptr<QtHost> host;
    std::unique_ptr<EngineState> state;
    std::unique_ptr<EngineActions> actions;
    std::unique_ptr<ResourceLibrary> library;
    std::unique_ptr<SoundPlayer> sounds;
    std::unique_ptr<TfrmMain> window;
    // The engine on a table of its own, dealt the same game.
    std::unique_ptr<testing::TestEngine> engine;

    // A message box would wait for a player: it is closed at once and remembered.
    QTimer boxCloser;
    QStringList messages;

    TableWidget* table() { return window->table(); }

    void deal(int id, long long number) {
        const std::string text = formatFixed(number, 13);
        state->settings.put(setting::GameId, formatFixed(id, 4));
        state->settings.put(setting::GameName, state->catalogue.GameName(id));
        state->settings.put(setting::GameNumber, text);
        QVERIFY(prepareGame(*state));
        QVERIFY(startGame(*state, StartOptions{true, false, false, false}));
        engine = std::make_unique<testing::TestEngine>();
        engine->folder.write("DATA/CFG.DAT", kSettings);
        QVERIFY(engine->initialise());
        QVERIFY(engine->deal(id, text));
        const QString game = QString::fromStdString(state->catalogue.GameName(id));
        QVERIFY2(tableText(*state) == tableText(*engine->state),
                 qPrintable(game + ": the window dealt another table\n" + QString::fromStdString(tableText(*state)) +
                            "\n" + QString::fromStdString(tableText(*engine->state))));
    }

    // A point of the window where the hit test finds the card.
    std::optional<QPoint> pointOn(int card) {
        const auto pile = pileOf(*state, card);
        if (!pile) return std::nullopt;
        const int index = findCode(*state->piles.pile(pile->collection, pile->slot), card);
        const Point p = cardPositionAt(*state, *pile, index);
        for (int dy = 2; dy < state->cardHeight; dy += 2)
            for (int dx : {state->cardWidth / 2, 4, state->cardWidth - 5}) {
                const HitResult hit = hitTest(*state, p.x + dx, p.y + dy);
                if (hit.card == card) return QPoint(p.x + dx, p.y + dy);
            }
        return std::nullopt;
    }

    // Where the pile's top card lies (its own place when empty), as the drop ranks it.
    Point topOf(PileRef pile) {
        const int n = positions(*state->piles.pile(pile.collection, pile.slot));
        return n > 0 ? cardPositionAt(*state, pile, n - 1) : pilePosition(*state, pile);
    }

    void click(QPoint at) {
        QTest::mousePress(table(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(table(), Qt::LeftButton, {}, at);
    }

    // Drags the card so that it comes to lie exactly on the target's top card.
    void drag(int card, PileRef target, const QString& what) {
        const auto from = pointOn(card);
        QVERIFY2(from, qPrintable(what + ": the card is nowhere to be pressed"));
        const auto pile = pileOf(*state, card);
        const Point corner = cardPositionAt(*state, *pile, findCode(*state->piles.pile(pile->collection, pile->slot), card));
        const int lift = state->settings.get(setting::CardsShadowed) != "N" ? state->shadowDepth - 2 : 0;
        const Point t = topOf(target);
        const QPoint to = QPoint(t.x, t.y) + (*from - QPoint(corner.x, corner.y)) + QPoint(lift, lift);
        QTest::mousePress(table(), Qt::LeftButton, {}, *from);
        QVERIFY2(window->pointerInput()->dragging(), qPrintable(what + ": the press picked nothing up"));
        for (int i = 1; i <= 6; ++i) QTest::mouseMove(table(), *from + (to - *from) * i / 6);
        QTest::mouseRelease(table(), Qt::LeftButton, {}, to);
    }

    // Plays the action with the mouse on the window and headless on the engine's own table.
    void play(const PlayerAction& action, const QString& game) {
        const QString what = game + ": " + QString::fromStdString(testing::actionText(action));
        QVERIFY2(testing::applyAction(*engine->state, action), qPrintable(what + ": the engine refuses it"));
        const PileRef pile = *parsePileKey(action.key);
        if (action.kind == PlayerAction::Kind::Move) {
            drag(action.card, pile, what);
        } else if (pile.collection == Collection::Tableau) {
            const auto at = pointOn(topCard(*state->piles.pile(pile.collection, pile.slot)));
            QVERIFY2(at, qPrintable(what + ": no top card to press"));
            click(*at);
        } else {
            const Point p = pilePosition(*state, pile);
            click(QPoint(p.x + state->cardWidth / 2, p.y + state->cardHeight / 2));
        }
        QVERIFY2(!window->pointerInput()->dragging(), qPrintable(what + ": a drag is left over"));
        QVERIFY2(messages.isEmpty(), qPrintable(what + ": the window said " + messages.join(" / ")));
        QVERIFY2(tableText(*state) == tableText(*engine->state), qPrintable(what + ": the window's table differs"));
    }

    void playToWin(int id, long long number, int positions) {
        const QString game = QString::fromStdString(state->catalogue.GameName(id)) + " " + QString::number(number);
        deal(id, number);
        testing::SearchPlan plan = testing::planFor(*engine->state);
        plan.positions = positions;
        const auto line = testing::findWinningLine(*engine->state, plan);
        QVERIFY2(line, qPrintable(game + ": the search found no win"));
        for (const PlayerAction& action : *line) {
            play(action, game);
            if (QTest::currentTestFailed()) return;
        }
        QVERIFY2(state->flags[Flag::Ended] && winTest(*state), qPrintable(game + ": the game did not end won"));
        QVERIFY(!state->flags[Flag::InProgress]);
        QVERIFY(!table()->motion().visible());
    }

private slots:
    void initTestCase() {
        boxCloser.setInterval(50);
        connect(&boxCloser, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages << box->text();
                box->accept();
            }
        });
        boxCloser.start();
    }

    void init() {
        messages.clear();
        folder = std::make_unique<testing::TempFolder>();
        folder->write("GAMES.DAT", testing::builtGamesDat());
        folder->write("DATA/CFG.DAT", kSettings);
        host = std::make_unique<QtHost>();
        state = std::make_unique<EngineState>(*host, folder->path(), folder->path());
        actions = std::make_unique<EngineActions>(*state);
        sounds = std::make_unique<SoundPlayer>(nullptr);
        host->setSoundPlayer(sounds.get());
        library = std::make_unique<ResourceLibrary>();
        QVERIFY(library->load(QStringLiteral(TARVELLE_PROGRAM_DIR "/TAR.RGF")));
        window = std::make_unique<TfrmMain>(*state, *host, *actions, *library);
        QVERIFY(testing::showStartedWindow(*window, *state, QSize(1200, 900)));
    }

    void cleanup() {
        state->flags.clear(Flag::InProgress);
        window->close();
        window.reset();
        host->setSoundPlayer(nullptr);
        engine.reset();
        actions.reset();
        library.reset();
        state.reset();
        host.reset();
        folder.reset();
    }

    void everyGameTakesItsFirstMoves() {
        for (const GameListEntry& entry : state->catalogue.gameList()) {
            const int id = entry.id();
            const QString game = QString::fromStdString(entry.name());
            deal(id, 1);
            if (QTest::currentTestFailed()) return;
            // Drags where the rules allow them, presses otherwise; the first of each, a few times over.
            for (int step = 0; step < 6; ++step) {
                const auto legal = testing::legalActions(*engine->state);
                if (legal.empty()) break;
                auto pick = std::find_if(legal.begin(), legal.end(), [&](const PlayerAction& a) {
                    return (a.kind == PlayerAction::Kind::Move) == (step % 3 != 2);
                });
                play(pick != legal.end() ? *pick : legal.front(), game);
                if (QTest::currentTestFailed()) return;
            }
        }
    }

    void klondikeToAWin() { playToWin(0, 1, 20000); }
    void freeCellToAWin() { playToWin(1, 3, 20000); }
    void golfToAWin() { playToWin(7, 19, 100000); }
    void spiderToAWin() { playToWin(3, 1, 20000); }
};

int main(int argc, char** argv) {
    // A screen of 1600 x 1200 pixels, so that no game asks for a larger one.
    testing::TempFolder folder;
    folder.write("screen.json", R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1600, "height": 1200,)"
                                R"( "logicalDpi": 96, "logicalBaseDpi": 96}]})");
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + folder.file("screen.json").c_str());
    QApplication app(argc, argv);
    PlayThroughTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PlayThroughTest.moc"
