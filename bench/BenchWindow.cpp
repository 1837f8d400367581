// Figures of the main window: the time from program start to the first
// painted table, and the time of one drag step on a 1920 x 1080 table.
#include <cstdio>
#include <filesystem>

#include <QApplication>
#include <QElapsedTimer>

#include "engine/CardPositions.h"
#include "engine/Dealing.h"
#include "engine/Table.h"
#include "records/Files.h"
#include "records/SettingsFields.h"
#include "ui/MainWindow.h"
#include "ui/ProgramEntry.h"
#include "ui/TableWidget.h"

using namespace tarvelle;

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    // A program folder of its own, so that the player's DATA stays untouched.
    const std::string folder = files::tempFolder() + "tarvelle-bench-window/";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder + "DATA");
    // Without a display of its own the bench draws on an offscreen screen of 1920 x 1080.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        files::replaceLines(folder + "screen.json", {R"({"screens": [{"name": "bench", "x": 0, "y": 0,)",
                                                     R"( "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96}]})"});
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + (folder + "screen.json").c_str());
    }
    QApplication app(argc, argv);
    const std::filesystem::path bin = std::filesystem::path(argv[0]).parent_path();
    std::filesystem::copy_file(bin / "GAMES.DAT", folder + "GAMES.DAT");
    if (std::filesystem::exists(bin / "TAR.RGF")) std::filesystem::copy_file(bin / "TAR.RGF", folder + "TAR.RGF");
    files::replaceLines(folder + "DATA/CFG.DAT", {"[Preference]", "Deal_Animation=N", "Game=0", "Game_name=Klondike",
                                                  "MainWindowState_Maximized=N", "MainWindowState_Left=0",
                                                  "MainWindowState_Top=0", "MainWindowState_Width=1920",
                                                  "MainWindowState_Height=1080", "Speed_Move_Card=0"});

    const qint64 beforeStart = sinceStart.elapsed();
    Program program(folder, folder);
    const bool started = program.start(true);
    const qint64 afterStart = sinceStart.elapsed();
    if (!started) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    EngineState& state = program.state();
    TableWidget* table = program.window()->table();
    bool painted = false;
    qint64 firstTable = -1;
    // Timed when the dealt table is painted, before autoplay's pause after the deal.
    QObject::connect(table, &TableWidget::painted, [&] {
        if (!painted && state.flags[Flag::InProgress]) {
            painted = true;
            firstTable = sinceStart.elapsed();
        }
    });
    while (!painted && sinceStart.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::printf("start to first painted table: %lld ms (aim: under 300 ms)\n", static_cast<long long>(firstTable));
    std::printf("  of which: toolkit %lld ms, splash, window and engine %lld ms, first deal and paint %lld ms\n",
                static_cast<long long>(beforeStart), static_cast<long long>(afterStart - beforeStart),
                static_cast<long long>(firstTable - afterStart));

    // A drag of the top card of the last tableau pile, moved one pixel step at a time.
    program.window()->resize(1920, 1080);
    QCoreApplication::processEvents();
    const int pile = state.rules.tableauPiles() - 1;
    const std::string& text = state.piles.tableau[static_cast<size_t>(pile)];
    const Point top = cardPositionAt(state, {Collection::Tableau, pile}, positions(text) - 1);
    // The drag as the pointer input draws it: the lifted card follows the pointer with its shadow.
    CardMotion& motion = table->motion();
    motion.buildMovingImage(topCard(text), QRect(top.x, top.y, state.cardWidth, state.cardHeight));
    table->setLifted(topCard(text));
    constexpr int kSteps = 600;
    int paints = 0;
    QObject::connect(table, &TableWidget::painted, [&] { ++paints; });
    QElapsedTimer dragging;
    dragging.start();
    for (int i = 1; i <= kSteps; ++i) {
        const int dx = (i % 300) * 3 - 450, dy = (i % 150) * 2;
        motion.showAt(QPoint(top.x + (dx < 0 ? -dx : dx), top.y + dy), false, false);
    }
    const double perStep = static_cast<double>(dragging.nsecsElapsed()) / 1e6 / kSteps;
    motion.hide();
    table->setLifted(0);
    std::printf("drag step at %dx%d: %.3f ms (aim: under 4 ms at 1920x1080), %d of %d steps painted\n",
                program.window()->width(), program.window()->height(), perStep, paints, kSteps);
    state.flags.clear(Flag::InProgress);
    program.window()->close();
    std::filesystem::remove_all(folder);
    return 0;
}
