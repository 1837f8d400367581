// The program entry: the start-up, the message loop until the main window closes, and the end.
#include <QApplication>

#include "app/ProgramFolder.h"
#include "engine/EngineInit.h"
#include "ui/ProgramEntry.h"

using namespace tarvelle;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::string folder = programFolder(argv[0]);
    Program program(folder, chooseDataFolder(folder));
    if (!program.start()) return 0;
    return QApplication::exec();
}
