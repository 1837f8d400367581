// The main menu of the main window with every item, caption and shortcut,
// and the pop-up menus of the table, the toolbars and the two panels.
#pragma once

#include <QAction>
#include <QMenu>

class QMenuBar;
class QWidget;

namespace tarvelle {

struct MainMenu {
    QMenu* mnuFile = nullptr;
    QAction *mnuNew, *mnuOpen, *mnuRestartGame, *mnuSelect, *mnuRandomGame, *mnuSave, *mnuPlayers,
        *mnuHoldAndExit, *mnuEsci;
    QMenu* mnuGame = nullptr;
    QAction *mnuUndo, *mnuRedo, *mnuSnapshotPosition, *mnuUndoToSnapshot, *mnuPause, *mnuQuitGame,
        *mnuGameInformation, *mnuAutoPlay, *mnuDemo;
    QMenu* mnuFavorites = nullptr;  // the favourites submenu, filled by game selection
    QMenu* mnuStatistics = nullptr;
    QAction *mnuGameStatistics, *mnuPlayersStatistics, *mnuAllGamesStatistics, *mnuLogStatistics,
        *mnuHiScores, *mnuOverallScore;
    QMenu* mnuTools = nullptr;
    QAction *mnuCustomize, *mnuCustomizeRules, *mnuFavoriteGames, *mnuCardCounter;
    QMenu* mnuHelp = nullptr;
    QAction *mnuRules, *Sommario1, *mnuTips, *mnuAbout;

    // The table's pop-up menu; it opens only when the pointer input asks.
    QMenu* popMain = nullptr;
    QAction *popGameInformation, *popFavoriteGames, *popChangeCardSet, *popChangeDeck,
        *popChangeBackground, *popPause, *popQuitGame, *popCardCounter;
    // The toolbars' pop-up menu.
    QMenu* popTB = nullptr;
    QAction *popLargeIcons, *popSmallIcons, *popFlatButton, *popNoFlatButton, *popShowTime, *popShowScore;
    QMenu* popTime = nullptr;
    QAction* popHideTime;
    QMenu* popScore = nullptr;
    QAction* popHideScore;

    // Builds everything; the demo command lives on the window itself, out of
    // the menu, so that its shortcut works while the item is not shown.
    void build(QMenuBar* bar, QWidget* window);
    // The menu captions that carry "[Program]" get the product name.
    void nameProduct(const QString& product);
};

}  // namespace tarvelle
