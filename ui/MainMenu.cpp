// The main menu of the main window with every item, caption and shortcut,
// and the pop-up menus of the table, the toolbars and the two panels.
#include "ui/MainMenu.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QWidget>

namespace tarvelle {

namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption, const QKeySequence& keys = {}) {
    auto* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (!keys.isEmpty()) {
        a->setShortcut(keys);
        // The shortcuts work wherever the focus is in the main window.
        a->setShortcutContext(Qt::WindowShortcut);
    }
    return a;
}

}  // namespace

void MainMenu::build(QMenuBar* bar, QWidget* window) {
    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuNew = item(mnuFile, "mnuNew", QStringLiteral("&New game"), QKeySequence(Qt::Key_F2));
    mnuOpen = item(mnuFile, "mnuOpen", QStringLiteral("&Open a game"), QKeySequence(Qt::CTRL | Qt::Key_F12));
    mnuRestartGame = item(mnuFile, "mnuRestartGame", QStringLiteral("&Restart game"), QKeySequence(Qt::CTRL | Qt::Key_F2));
    mnuSelect = item(mnuFile, "mnuSelect", QStringLiteral("S&elect a game number..."), QKeySequence(Qt::Key_F3));
    mnuRandomGame = item(mnuFile, "mnuRandomGame", QStringLiteral("R&andom game"));
    mnuFile->addSeparator();
    mnuSave = item(mnuFile, "mnuSave", QStringLiteral("&Save..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F12));
    mnuFile->addSeparator();
    mnuPlayers = item(mnuFile, "mnuPlayers", QStringLiteral("&Players..."), QKeySequence(Qt::CTRL | Qt::Key_L));
    mnuFile->addSeparator();
    mnuHoldAndExit = item(mnuFile, "mnuHoldAndExit", QStringLiteral("&Hold and exit..."));
    mnuEsci = item(mnuFile, "mnuEsci", QStringLiteral("E&xit"));

    mnuGame = bar->addMenu(QStringLiteral("&Game"));
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    mnuUndo = item(mnuGame, "mnuUndo", QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuRedo = item(mnuGame, "mnuRedo", QStringLiteral("&Redo"), QKeySequence(Qt::CTRL | Qt::Key_Y));
    mnuGame->addSeparator();
    mnuSnapshotPosition = item(mnuGame, "mnuSnapshotPosition", QStringLiteral("Snaps&hot position"), QKeySequence(Qt::CTRL | Qt::Key_H));
    mnuUndoToSnapshot = item(mnuGame, "mnuUndoToSnapshot", QStringLiteral("Undo to s&napshot"), QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuGame->addSeparator();
    mnuPause = item(mnuGame, "mnuPause", QStringLiteral("P&ause"), QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuPause->setCheckable(true);
    mnuQuitGame = item(mnuGame, "mnuQuitGame", QStringLiteral("&Quit game"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    mnuGame->addSeparator();
    mnuGameInformation = item(mnuGame, "mnuGameInformation", QStringLiteral("Game &information..."));
    mnuAutoPlay = item(mnuGame, "mnuAutoPlay", QStringLiteral("Au&toplay"), QKeySequence(Qt::Key_F7));
    mnuAutoPlay->setCheckable(true);
    mnuDemo = new QAction(QStringLiteral("&Demo"), window);
    mnuDemo->setObjectName(QStringLiteral("mnuDemo"));
    mnuDemo->setCheckable(true);
    mnuDemo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuDemo->setShortcutContext(Qt::WindowShortcut);
    window->addAction(mnuDemo);
    mnuGame->addSeparator();
    mnuFavorites = mnuGame->addMenu(QStringLiteral("Fa&vorites"));
    mnuFavorites->setObjectName(QStringLiteral("mnuFavorites"));
    mnuFavorites->menuAction()->setVisible(false);

    mnuStatistics = bar->addMenu(QStringLiteral("&Statistics"));
    mnuStatistics->setObjectName(QStringLiteral("mnuStatistics"));
    mnuGameStatistics = item(mnuStatistics, "mnuGameStatistics", QStringLiteral("&Game statistics..."), QKeySequence(Qt::Key_F4));
    mnuPlayersStatistics = item(mnuStatistics, "mnuPlayersStatistics", QStringLiteral("&Players' statistics..."));
    mnuAllGamesStatistics = item(mnuStatistics, "mnuAllGamesStatistics", QStringLiteral("&All games statistics..."));
    mnuLogStatistics = item(mnuStatistics, "mnuLogStatistics", QStringLiteral("&Log statistics..."));
    mnuStatistics->addSeparator();
    mnuHiScores = item(mnuStatistics, "mnuHiScores", QStringLiteral("&Hi-Scores..."), QKeySequence(Qt::Key_F9));
    mnuOverallScore = item(mnuStatistics, "mnuOverallScore", QStringLiteral("O&verall score..."));

    mnuTools = bar->addMenu(QStringLiteral("&Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuCustomize = item(mnuTools, "mnuCustomize", QStringLiteral("C&ustomize..."), QKeySequence(Qt::CTRL | Qt::Key_U));
    mnuCustomizeRules = item(mnuTools, "mnuCustomizeRules", QStringLiteral("Customize &rules..."), QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuFavoriteGames = item(mnuTools, "mnuFavoriteGames", QStringLiteral("&Favorite games..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuCardCounter = item(mnuTools, "mnuCardCounter", QStringLiteral("&Card counter..."), QKeySequence(Qt::Key_F8));
    mnuCardCounter->setCheckable(true);

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuRules = item(mnuHelp, "mnuRules", QStringLiteral("&Rules"), QKeySequence(Qt::Key_F1));
    Sommario1 = item(mnuHelp, "Sommario1", QStringLiteral("&Contents"));
    mnuTips = item(mnuHelp, "mnuTips", QStringLiteral("&Tip of the Day..."));
    mnuHelp->addSeparator();
    mnuAbout = item(mnuHelp, "mnuAbout", QStringLiteral("A&bout [Program]..."));

    popMain = new QMenu(window);
    popMain->setObjectName(QStringLiteral("popMain"));
    popGameInformation = item(popMain, "popGameInformation", QStringLiteral("Game information..."));
    popFavoriteGames = item(popMain, "popFavoriteGames", QStringLiteral("Favorite games..."));
    popMain->addSeparator();
    popChangeCardSet = item(popMain, "popChangeCardSet", QStringLiteral("Change card set"));
    popChangeDeck = item(popMain, "popChangeDeck", QStringLiteral("Change deck"));
    popChangeBackground = item(popMain, "popChangeBackground", QStringLiteral("Change background"));
    popMain->addSeparator();
    popPause = item(popMain, "popPause", QStringLiteral("Pause"));
    popPause->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    popPause->setShortcutContext(Qt::WidgetShortcut);  // the menu item's shortcut shows; the main menu's acts
    popQuitGame = item(popMain, "popQuitGame", QStringLiteral("Quit game"));
    popQuitGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    popQuitGame->setShortcutContext(Qt::WidgetShortcut);
    popMain->addSeparator();
    popCardCounter = item(popMain, "popCardCounter", QStringLiteral("Card counter"));
    popCardCounter->setShortcut(QKeySequence(Qt::Key_F8));
    popCardCounter->setShortcutContext(Qt::WidgetShortcut);

    popTB = new QMenu(window);
    popTB->setObjectName(QStringLiteral("popTB"));
    popLargeIcons = item(popTB, "popLargeIcons", QStringLiteral("Large icons"));
    popSmallIcons = item(popTB, "popSmallIcons", QStringLiteral("Small icons"));
    popTB->addSeparator();
    popFlatButton = item(popTB, "popFlatButton", QStringLiteral("Flat button"));
    popNoFlatButton = item(popTB, "popNoFlatButton", QStringLiteral("No flat button"));
    popTB->addSeparator();
    popShowTime = item(popTB, "popShowTime", QStringLiteral("Show time"));
    popShowScore = item(popTB, "popShowScore", QStringLiteral("Show score"));
    for (QAction* a : {popLargeIcons, popSmallIcons, popFlatButton, popNoFlatButton}) a->setCheckable(true);
    auto* sizes = new QActionGroup(popTB);
    sizes->addAction(popLargeIcons);
    sizes->addAction(popSmallIcons);
    auto* looks = new QActionGroup(popTB);
    looks->addAction(popFlatButton);
    looks->addAction(popNoFlatButton);
    popLargeIcons->setChecked(true);
    popFlatButton->setChecked(true);

    popTime = new QMenu(window);
    popTime->setObjectName(QStringLiteral("popTime"));
    popHideTime = item(popTime, "popHideTime", QStringLiteral("&Hide"));
    popScore = new QMenu(window);
    popScore->setObjectName(QStringLiteral("popScore"));
    popHideScore = item(popScore, "popHideScore", QStringLiteral("Hide"));
}

void MainMenu::nameProduct(const QString& product) {
    for (QMenu* menu : {mnuFile, mnuGame, mnuStatistics, mnuTools, mnuHelp})
        for (QAction* a : menu->actions())
            if (a->text().contains(QStringLiteral("[Program]")))
                a->setText(a->text().replace(QStringLiteral("[Program]"), product));
}

}  // namespace tarvelle
