// The program entry: the start-up, the message loop until the main window closes, and the end.
#include <QApplication>

#include "app/ProgramFolder.h"
#include "engine/EngineInit.h"
#include "records/Files.h"
#include "ui/ProgramEntry.h"

using namespace tarvelle;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::string folder = programFolder(argv[0]);
    ResourceLibraryAccess library;
    // TAR.RGF carries the sounds, pictures and pointer shapes; without one the
    // window draws its own pictures and plays no sound.
    library.load = nullptr;
    library.sounds = nullptr;
    Program program(folder, chooseDataFolder(folder), library);
    if (!program.start()) return 0;
    return QApplication::exec();
}
