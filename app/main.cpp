// The program entry: the engine state, the main window and the message loop.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "app/ProgramFolder.h"
#include "engine/Dealing.h"
#include "engine/EngineInit.h"
#include "engine/EngineState.h"
#include "records/SettingsFields.h"
#include "ui/QtHost.h"

using namespace tarvelle;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvelle"));

    QtHost host;
    const std::string folder = programFolder(argv[0]);
    EngineState state(host, folder, chooseDataFolder(folder));

    QMainWindow window;
    host.setWindow(&window);
    if (!initialiseEngine(state)) return 1;

    // Until the table is drawn, the window names the game it dealt.
    QString caption = QStringLiteral("Tarvelle");
    if (prepareGame(state) && startGame(state, StartOptions{})) {
        caption += QStringLiteral(" - ") + QString::fromStdString(state.catalogue.GameName(static_cast<int>(state.settings.getNumber(setting::GameId).value_or(-1)))) +
                   QStringLiteral(" - Game number ") +
                   QString::fromStdString(state.settings.get(setting::GameNumber));
    }
    auto* label = new QLabel(caption);
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.setWindowTitle(caption);
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
