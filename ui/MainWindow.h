// The main window (TfrmMain): menus, toolbars, time and score panels, the
// table, the clock tick, pause, the demo player, the title and closing.
#pragma once

#include <memory>

#include <QMainWindow>

#include "engine/EngineState.h"
#include "records/Configuration.h"
#include "ui/MainMenu.h"
#include "ui/QtHost.h"
#include "ui/ToolBars.h"

class QFrame;
class QLabel;
class QScrollBar;
class QTimer;

namespace tarvelle {

class DemoBar;
class GameActions;
class PointerInput;
class PointerShapes;
class TableWidget;
class ResourceLibrary;
class PictureSource;
class TablePainter;
struct WindowMetrics;

class TfrmMain : public QMainWindow, public HostWindow {
    Q_OBJECT
public:
    // The window draws the table from the pictures, pointer shapes and glyphs
    // of the resource library, which outlives it.
    TfrmMain(EngineState& state, QtHost& host, GameActions& actions, const ResourceLibrary& library,
             QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The start-up applies the toolbar, time and score preferences without storing them.
    void applyPreferences(const WindowPreferences& preferences);

    // --- Operations that other parts of the program call -------------------
    void enableGameCommands(bool on);
    void enableUndoRedo(bool on);
    void enableAutoplay(bool on);
    void updateTitle();
    void layOutTopBand();
    void refreshTimeLabel();
    void showTimePanel(bool show, bool store);
    void showScorePanel(bool show, bool store);
    void setToolBarLarge(bool large, bool store);
    void setToolBarFlat(bool flat, bool store);
    // Asks before a game in progress is abandoned; true when it may go.
    bool quitConfirmation(const QString& text = QStringLiteral("Quit this game?"));
    void clockTick();
    void firstActivation();
    // Makes the game current and deals it with a new game number.
    bool switchToGame(int id);
    void scrollBarHandling();

    // --- Commands ---------------------------------------------------------
    void mnuNewClick();
    void mnuRestartGameClick();
    void mnuRandomGameClick();
    void mnuHoldAndExitClick();
    void mnuUndoClick();
    void mnuRedoClick();
    void mnuSnapshotPositionClick();
    void mnuUndoToSnapshotClick();
    void mnuPauseClick();
    void mnuQuitGameClick();
    void mnuAutoPlayClick();
    void mnuDemoClick();
    void mnuAboutClick();

    bool paused() const;
    bool autoplayOn() const;
    MainMenu& menu() { return menu_; }
    TableWidget* table() const { return table_; }
    TablePainter& painter() const { return *painter_; }
    PointerInput* pointerInput() const { return pointer_.get(); }
    ToolBarPanel* largeToolBar() const { return pnlTB_; }
    ToolBarPanel* smallToolBar() const { return pnlTB1_; }
    QLabel* timeLabel() const { return lblTempo_; }
    QLabel* scoreLabel() const { return lblScore_; }
    QFrame* timePanel() const { return pnlTempo_; }
    QFrame* scorePanel() const { return pnlScore_; }
    DemoBar* demoBar() const { return pnlDemo_; }
    QScrollBar* scrollBar() const { return scrBarMain_; }

    // --- The engine's table hooks -----------------------------------------
    void layOutTable() override;
    void reloadCardImages() override;
    void chooseRandomLooks() override;
    void clearTableImage() override;
    void drawDealtTable(bool animate) override;
    void commandsChanged() override;
    void showScore() override;
    void showClock() override { refreshTimeLabel(); }
    void showTitle() override { updateTitle(); }
    void refreshCardCounter() override {}
    void redrawTable() override;
    void redrawChanged(DrawEffect effect) override;
    void repaintWholeTable() override;
    void glideCards(const std::vector<int>& cards, PileRef from, PileRef to) override;
    void glideBack(int card, PileRef pile) override;
    void drawEmptyStockMarker(PileRef pile, int milliseconds) override;
    void updateScrollExtent() override { scrollBarHandling(); }
    void hidePileSizeTip() override;
    void closeMainWindow() override { close(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildClientArea();
    void connectCommands();
    void afterUndoOrRedo();
    void demoGoTo(int from, int to);
    bool closeQuery();
    void closeHandler();
    void writeWindowState();
    void pauseOn();
    void pauseOff();
    void runPauseAnimation(const QImage& background);
    void dealAnimation();
    WindowMetrics metrics() const;
    // A full draw puts the table back at its top: so goes the scroll bar.
    void scrollBarToTop();
    void followPixelRatio();
    void useLibraryGlyphs();
    void setPreference(std::string_view key, std::string_view value);
    void onToolButton(ToolButton button);

    EngineState& state_;
    QtHost& host_;
    GameActions& actions_;
    MainMenu menu_;
    const ResourceLibrary& library_;
    std::unique_ptr<PointerShapes> shapes_;
    std::unique_ptr<PictureSource> pictureSource_;
    std::unique_ptr<TablePainter> painter_;

    QWidget* client_ = nullptr;
    ToolBarPanel* pnlTB_ = nullptr;
    ToolBarPanel* pnlTB1_ = nullptr;
    QFrame* pnlTempo_ = nullptr;
    QLabel* lblTempo_ = nullptr;
    QFrame* pnlScore_ = nullptr;
    QLabel* lblScore_ = nullptr;
    QFrame* pnlLineaGrigia_ = nullptr;
    QFrame* pnlLineaNera_ = nullptr;
    QFrame* pnlLineUpDemo_ = nullptr;
    DemoBar* pnlDemo_ = nullptr;
    QScrollBar* scrBarMain_ = nullptr;
    TableWidget* table_ = nullptr;
    QTimer* timer1_ = nullptr;
    std::unique_ptr<PointerInput> pointer_;
    std::unique_ptr<QObject> pauseFilter_;

    bool toolBarVisible_ = true;
    bool closing_ = false;
    bool closeRequested_ = false;
    bool closed_ = false;
    bool gameCommandsOn_ = true;
    bool dealing_ = false;
};

}  // namespace tarvelle
