// The main window on a screen of two physical pixels per table pixel: the
// table image holds the physical pixels, the cards come from the decks at that
// size, and the window shows the table image pixel for pixel.
#include <QtTest>

#include "engine/CardPositions.h"
#include "engine/Dealing.h"
#include "engine/EngineInit.h"
#include "engine/Table.h"
#include "records/Numbers.h"
#include "records/SettingsFields.h"
#include "table/ResourceLibrary.h"
#include "table/TablePainter.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/ShownWindow.h"
#include "ui/EngineActions.h"
#include "ui/MainWindow.h"
#include "ui/SoundPlayer.h"
#include "ui/TableWidget.h"

using namespace tarvelle;

class FineScreenTest : public QObject {
    Q_OBJECT
private slots:
    void tableHoldsThePhysicalPixels() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        testing::TempFolder folder;
        folder.write("GAMES.DAT", testing::builtGamesDat());
        folder.write("DATA/CFG.DAT", "[Preference]\r\nDeal_Animation=N\r\nAutoPlay=N\r\n");
        QtHost host;
        EngineState state(host, folder.path(), folder.path());
        EngineActions actions(state);
        SoundPlayer sounds(nullptr);
        host.setSoundPlayer(&sounds);
        ResourceLibrary library;
        QVERIFY(library.load(QStringLiteral(TARVELLE_PROGRAM_DIR "/TAR.RGF")));
        TfrmMain window(state, host, actions, library);
        QVERIFY(testing::showStartedWindow(window, state, QSize(900, 700)));
        state.settings.put(setting::GameId, "0000");
        state.settings.put(setting::GameName, state.catalogue.GameName(0));
        state.settings.put(setting::GameNumber, formatFixed(7, 13));
        QVERIFY(prepareGame(state));
        QVERIFY(startGame(state, StartOptions{true, false, false, false}));

        const TablePainter& painter = window.painter();
        const ScreenInfo screen = host.screen();
        QCOMPARE(painter.devicePixelRatio(), 2.0);
        QCOMPARE(painter.tableImage().size(), QSize(screen.width + 30, screen.height + 30) * 2);
        QCOMPARE(painter.tableImage().devicePixelRatio(), 2.0);
        // A card picture has twice the card size in pixels: drawn from the deck, not enlarged.
        const int top = topCard(state.piles.tableau[6]);
        const QImage card = painter.cardPicture(top, true);
        QCOMPARE(card.size(), QSize(state.cardWidth, state.cardHeight) * 2);

        // The window shows the table image's pixels as they are.
        state.flags.clear(Flag::InProgress);
        const QImage shown = window.table()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        const Point p = cardPositionAt(state, {Collection::Tableau, 6}, 6);
        const QRect cardArea(QPoint(p.x, p.y) * 2, card.size());
        const QImage fromTable = painter.tableImage().copy(cardArea).convertToFormat(QImage::Format_RGB32);
        const QImage fromWindow = shown.copy(cardArea);
        QCOMPARE(fromWindow, fromTable);
        // And every opaque pixel of the card shows on the table as it is.
        const QImage picture = card.convertToFormat(QImage::Format_ARGB32);
        int opaque = 0, differing = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y);
                if (qAlpha(pixel) != 255) continue;
                ++opaque;
                if ((fromTable.pixel(x, y) & 0xFFFFFF) != (pixel & 0xFFFFFF)) ++differing;
            }
        QVERIFY(opaque > picture.width() * picture.height() * 9 / 10);
        QCOMPARE(differing, 0);
        window.close();
        host.setSoundPlayer(nullptr);
    }
};

int main(int argc, char** argv) {
    // A screen of 2400 x 1800 pixels at twice the density: 1200 x 900 table pixels.
    testing::TempFolder folder;
    folder.write("screen.json",
                 R"({"screens": [{"name": "fine", "x": 0, "y": 0, "width": 2400, "height": 1800,)"
                 R"( "logicalDpi": 96, "logicalBaseDpi": 96}]})");
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + folder.file("screen.json").c_str());
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    FineScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FineScreenTest.moc"
