// The main window (TfrmMain): menus, toolbars, time and score panels, the
// table, the clock tick, pause, the demo player, the title and closing.
#include "ui/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScrollBar>
#include <QThread>
#include <QTimer>

#include "engine/CardPositions.h"
#include "engine/Dealing.h"
#include "engine/EndOfGame.h"
#include "engine/Scoring.h"
#include "engine/Sounds.h"
#include "engine/Table.h"
#include "records/IniFile.h"
#include "records/Numbers.h"
#include "records/SettingsFields.h"
#include "ui/DemoBar.h"
#include "ui/GameActions.h"
#include "ui/Glyphs.h"
#include "ui/PointerInput.h"
#include "ui/Pointers.h"
#include "ui/TableWidget.h"
#include "ui/TopBand.h"
#include "table/LibraryPictures.h"
#include "table/Layout.h"
#include "table/ResourceLibrary.h"
#include "table/TablePainter.h"

namespace tarvelle {

namespace {

// Whether games can be written in the saved-game form yet.
constexpr bool kGamesKept = false;

constexpr int kTimePanelWidth = 104;
constexpr int kScorePanelWidth = 112;
constexpr int kDemoBarHeight = 30;

QFrame* makePanel(QWidget* parent, const char* name, const QString& caption, QLabel*& value, const char* valueName) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 0, 4, 0);
    auto* title = new QLabel(caption, panel);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    value = new QLabel(panel);
    value->setObjectName(QString::fromLatin1(valueName));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(title);
    row->addWidget(value, 1);
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    return panel;
}

QFrame* makeLine(QWidget* parent, const char* name, const QColor& colour) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setAutoFillBackground(true);
    QPalette pal = line->palette();
    pal.setColor(QPalette::Window, colour);
    line->setPalette(pal);
    return line;
}

QChar timeSeparator() {
    const QString format = QLocale::system().timeFormat(QLocale::ShortFormat);
    for (QChar c : format)
        if (!c.isLetter() && !c.isSpace()) return c;
    return QLatin1Char(':');
}

// The clock's "h:nn:ss" with the locale's time separator.
QString clockLabel(const std::string& text) {
    QString label = QString::fromStdString(text);
    label.replace(QLatin1Char(':'), timeSeparator());
    return label;
}

// Swallows a key or a press anywhere in the program and ends the pause with it.
class PauseFilter : public QObject {
public:
    explicit PauseFilter(QAction* pause) : pause_(pause) {}
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
            case QEvent::KeyPress:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::NonClientAreaMouseButtonPress:
                pause_->setChecked(false);
                return true;
            case QEvent::KeyRelease:
            case QEvent::MouseButtonRelease:
            case QEvent::ShortcutOverride:
                return true;
            default:
                return false;
        }
    }

private:
    QAction* pause_;
};

}  // namespace

TfrmMain::TfrmMain(EngineState& state, QtHost& host, GameActions& actions, const ResourceLibrary& library,
                   QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      host_(host),
      actions_(actions),
      library_(library),
      shapes_(std::make_unique<PointerShapes>([&library](std::string_view name) { return library.cursor(name); })),
      pictureSource_(std::make_unique<LibraryPictures>(library)),
      painter_(std::make_unique<TablePainter>(state, *pictureSource_)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tarvelle"));
    const ScreenInfo screen = host_.screen();
    painter_->setDevicePixelRatio(devicePixelRatioF());
    painter_->setScreenSize(screen.width, screen.height);
    menu_.build(menuBar(), this);
    buildClientArea();
    useLibraryGlyphs();
    connectCommands();
    host_.setHostWindow(this);
    host_.setWindow(this);
    // The clock label starts at zero time.
    lblTempo_->setText(clockLabel(clockText(0)));
    menu_.nameProduct(QStringLiteral("Tarvelle"));
    menu_.mnuSnapshotPosition->setEnabled(false);
    menu_.mnuUndoToSnapshot->setEnabled(false);
    // Commands whose windows are not part of the program yet.
    for (QAction* a : {menu_.mnuOpen, menu_.mnuSelect, menu_.mnuSave, menu_.mnuPlayers, menu_.mnuGameInformation,
                       menu_.mnuGameStatistics, menu_.mnuPlayersStatistics, menu_.mnuAllGamesStatistics,
                       menu_.mnuLogStatistics, menu_.mnuHiScores, menu_.mnuOverallScore, menu_.mnuCustomize,
                       menu_.mnuCustomizeRules, menu_.mnuFavoriteGames, menu_.mnuCardCounter, menu_.mnuRules,
                       menu_.Sommario1, menu_.mnuTips, menu_.popGameInformation, menu_.popFavoriteGames,
                       menu_.popChangeCardSet, menu_.popChangeDeck, menu_.popChangeBackground, menu_.popCardCounter})
        a->setProperty("later", true);
    for (QAction* a : menuBar()->findChildren<QAction*>())
        if (a->property("later").toBool()) a->setEnabled(false);
    for (QMenu* pop : {menu_.popMain})
        for (QAction* a : pop->actions())
            if (a->property("later").toBool()) a->setEnabled(false);
    for (ToolBarPanel* bar : {pnlTB_, pnlTB1_}) {
        bar->button(ToolButton::Open)->setEnabled(false);
        bar->button(ToolButton::Stat)->setEnabled(false);
    }
    enableGameCommands(true);
}

TfrmMain::~TfrmMain() {
    host_.setHostWindow(nullptr);
    painter_->onChanged = nullptr;
    if (pauseFilter_) qApp->removeEventFilter(pauseFilter_.get());
}

void TfrmMain::buildClientArea() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client_);
    client_->installEventFilter(this);
    pnlTB_ = new ToolBarPanel(true, client_);
    pnlTB1_ = new ToolBarPanel(false, client_);
    pnlTempo_ = makePanel(client_, "pnlTempo", QStringLiteral("Time:"), lblTempo_, "lblTempo");
    pnlScore_ = makePanel(client_, "pnlScore", QStringLiteral("Score:"), lblScore_, "lblScore");
    pnlLineaGrigia_ = makeLine(client_, "pnlLineaGrigia", QColor(128, 128, 128));
    pnlLineaNera_ = makeLine(client_, "pnlLineaNera", Qt::black);
    pnlLineUpDemo_ = makeLine(client_, "pnlLineUpDemo", QColor(160, 160, 160));
    pnlDemo_ = new DemoBar(client_);
    pnlDemo_->hide();
    pnlLineUpDemo_->hide();
    pnlDemo_->goTo = [this](int from, int to) { demoGoTo(from, to); };
    pnlDemo_->close = [this] { mnuDemoClick(); };
    table_ = new TableWidget(state_, *painter_, client_);
    connect(table_, &TableWidget::pixelRatioChanged, this, &TfrmMain::followPixelRatio);
    scrBarMain_ = new QScrollBar(Qt::Vertical, client_);
    scrBarMain_->setObjectName(QStringLiteral("scrBarMain"));
    scrBarMain_->setPageStep(50);
    scrBarMain_->setSingleStep(2);
    scrBarMain_->setRange(0, 100);
    scrBarMain_->hide();
    connect(scrBarMain_, &QScrollBar::valueChanged, this, [this](int v) {
        // The table image holds the whole table: scrolling shows another part of it.
        setScrollPosition(state_, v);
        table_->update();
    });
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1000);
    connect(timer1_, &QTimer::timeout, this, &TfrmMain::clockTick);
    timer1_->start();

    PointerWindow pw;
    pw.openTablePopup = [this](QPoint at) {
        if (state_.settings.get(setting::ShowMainPopupMenu) == "Y") menu_.popMain->popup(table_->mapToGlobal(at));
    };
    pw.setPointerShape = [this](int id) { table_->setCursor(shapes_->shape(id)); };
    pw.scrollPosition = [this] { return scrBarMain_->value(); };
    pw.scrollMaximum = [this] { return scrBarMain_->maximum(); };
    pw.scrollShown = [this] { return scrBarMain_->isVisible(); };
    pw.scrollTo = [this](int v) { scrBarMain_->setValue(v); };
    pw.refreshClock = [this] { refreshTimeLabel(); };
    pw.autoplayEnabled = [this] { return autoplayOn() && menu_.mnuAutoPlay->isEnabled(); };
    pointer_ = std::make_unique<PointerInput>(state_, actions_, *table_, pw);
    table_->setPointerInput(pointer_.get());
    connect(table_, &TableWidget::resized, this, [this] {
        if (!state_.flags[Flag::FirstActivationPending] && !paused() && state_.flags[Flag::InProgress] && !dealing_)
            repaintWholeTable();
    });
}

void TfrmMain::connectCommands() {
    MainMenu& m = menu_;
    connect(m.mnuNew, &QAction::triggered, this, &TfrmMain::mnuNewClick);
    connect(m.mnuRestartGame, &QAction::triggered, this, &TfrmMain::mnuRestartGameClick);
    connect(m.mnuRandomGame, &QAction::triggered, this, &TfrmMain::mnuRandomGameClick);
    connect(m.mnuHoldAndExit, &QAction::triggered, this, &TfrmMain::mnuHoldAndExitClick);
    connect(m.mnuEsci, &QAction::triggered, this, &QWidget::close);
    connect(m.mnuUndo, &QAction::triggered, this, &TfrmMain::mnuUndoClick);
    connect(m.mnuRedo, &QAction::triggered, this, &TfrmMain::mnuRedoClick);
    connect(m.mnuSnapshotPosition, &QAction::triggered, this, &TfrmMain::mnuSnapshotPositionClick);
    connect(m.mnuUndoToSnapshot, &QAction::triggered, this, &TfrmMain::mnuUndoToSnapshotClick);
    connect(m.mnuPause, &QAction::triggered, this, &TfrmMain::mnuPauseClick);
    connect(m.popPause, &QAction::triggered, this, [this] { menu_.mnuPause->trigger(); });
    connect(m.mnuQuitGame, &QAction::triggered, this, &TfrmMain::mnuQuitGameClick);
    connect(m.popQuitGame, &QAction::triggered, this, &TfrmMain::mnuQuitGameClick);
    connect(m.mnuAutoPlay, &QAction::triggered, this, &TfrmMain::mnuAutoPlayClick);
    connect(m.mnuDemo, &QAction::triggered, this, &TfrmMain::mnuDemoClick);
    connect(m.mnuAbout, &QAction::triggered, this, &TfrmMain::mnuAboutClick);

    connect(m.popLargeIcons, &QAction::triggered, this, [this] { setToolBarLarge(true, true); });
    connect(m.popSmallIcons, &QAction::triggered, this, [this] { setToolBarLarge(false, true); });
    connect(m.popFlatButton, &QAction::triggered, this, [this] { setToolBarFlat(true, true); });
    connect(m.popNoFlatButton, &QAction::triggered, this, [this] { setToolBarFlat(false, true); });
    connect(m.popShowTime, &QAction::triggered, this, [this] { showTimePanel(true, true); });
    connect(m.popShowScore, &QAction::triggered, this, [this] { showScorePanel(true, true); });
    connect(m.popHideTime, &QAction::triggered, this, [this] { showTimePanel(false, true); });
    connect(m.popHideScore, &QAction::triggered, this, [this] { showScorePanel(false, true); });
    connect(pnlTempo_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { menu_.popTime->popup(pnlTempo_->mapToGlobal(at)); });
    connect(pnlScore_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { menu_.popScore->popup(pnlScore_->mapToGlobal(at)); });
    for (ToolBarPanel* bar : {pnlTB_, pnlTB1_}) {
        connect(bar, &ToolBarPanel::clicked, this, &TfrmMain::onToolButton);
        connect(bar, &ToolBarPanel::contextMenuWanted, this, [this](QPoint at) { menu_.popTB->popup(at); });
    }
}

void TfrmMain::onToolButton(ToolButton b) {
    repaint();
    switch (b) {
        case ToolButton::New: menu_.mnuNew->trigger(); break;
        case ToolButton::Open: menu_.mnuOpen->trigger(); break;
        case ToolButton::Restart: menu_.mnuRestartGame->trigger(); break;
        case ToolButton::Save: menu_.mnuSave->trigger(); break;
        case ToolButton::Undo: menu_.mnuUndo->trigger(); break;
        case ToolButton::Redo: menu_.mnuRedo->trigger(); break;
        case ToolButton::AutoPlay:
            // The button's own toggle is undone: the command sets both buttons.
            pnlTB_->button(b)->setChecked(autoplayOn());
            pnlTB1_->button(b)->setChecked(autoplayOn());
            menu_.mnuAutoPlay->trigger();
            break;
        case ToolButton::Stat: menu_.mnuGameStatistics->trigger(); break;
        case ToolButton::Rules: menu_.mnuRules->trigger(); break;
        case ToolButton::Exit: menu_.mnuEsci->trigger(); break;
    }
}

void TfrmMain::applyPreferences(const WindowPreferences& p) {
    toolBarVisible_ = p.toolBarVisible;
    setToolBarLarge(p.toolBarLarge, false);
    setToolBarFlat(p.toolBarFlat, false);
    menu_.mnuAutoPlay->setChecked(p.autoPlay);
    state_.autoplayChecked = p.autoPlay;
    for (ToolBarPanel* bar : {pnlTB_, pnlTB1_}) bar->button(ToolButton::AutoPlay)->setChecked(p.autoPlay);
    showTimePanel(state_.settings.get(setting::ShowTime) == "Y", false);
    showScorePanel(state_.settings.get(setting::ShowScore) == "Y", false);
    const auto id = state_.settings.getNumber(setting::Cursor);
    table_->setCursor(shapes_->shape(id ? static_cast<int>(*id) : 10));
}

void TfrmMain::setPreference(std::string_view key, std::string_view value) {
    IniFile(configPath(state_.settings)).writeString(kPreferenceSection, key, value);
}

// --- Enabling operations ------------------------------------------------

void TfrmMain::enableGameCommands(bool on) {
    gameCommandsOn_ = on;
    for (ToolBarPanel* bar : {pnlTB_, pnlTB1_}) {
        bar->button(ToolButton::New)->setEnabled(on);
        bar->button(ToolButton::Restart)->setEnabled(on);
        bar->button(ToolButton::Save)->setEnabled(on && !menu_.mnuSave->property("later").toBool());
        bar->button(ToolButton::Rules)->setEnabled(on && !menu_.mnuRules->property("later").toBool());
    }
    enableUndoRedo(on);
    enableAutoplay(on);
    for (QAction* a : {menu_.mnuNew, menu_.mnuRestartGame, menu_.mnuSelect, menu_.mnuQuitGame, menu_.mnuSave,
                       menu_.mnuSnapshotPosition, menu_.mnuUndoToSnapshot, menu_.mnuUndo, menu_.mnuRedo,
                       menu_.mnuPause, menu_.mnuAutoPlay, menu_.mnuDemo, menu_.mnuCustomizeRules, menu_.mnuRules})
        a->setEnabled(on && !a->property("later").toBool());
}

void TfrmMain::enableUndoRedo(bool on) {
    if (state_.settings.get(setting::UndoPolicy) == "2") on = false;
    if (pnlTB_->button(ToolButton::Undo)->isEnabled() == on && pnlTB1_->button(ToolButton::Undo)->isEnabled() == on &&
        menu_.mnuUndo->isEnabled() == on)
        return;
    for (ToolBarPanel* bar : {pnlTB_, pnlTB1_})
        for (ToolButton b : {ToolButton::Undo, ToolButton::Redo}) {
            bar->button(b)->setEnabled(on);
            bar->setGlyphEnabled(b, on);
        }
    menu_.mnuUndo->setEnabled(on);
    menu_.mnuRedo->setEnabled(on);
}

void TfrmMain::enableAutoplay(bool on) {
    for (ToolBarPanel* bar : {pnlTB_, pnlTB1_}) {
        bar->button(ToolButton::AutoPlay)->setEnabled(on);
        bar->setGlyphEnabled(ToolButton::AutoPlay, on);
    }
    menu_.mnuAutoPlay->setEnabled(on);
}

void TfrmMain::commandsChanged() {
    const CommandStates& c = state_.commands;
    enableUndoRedo(gameCommandsOn_ && c.undoRedo);
    enableAutoplay(gameCommandsOn_ && c.autoplayButton);
    // A snapshot and a held game are written in the saved-game form, which the
    // program cannot write yet: the three commands stay off rather than
    // promise a position they would not keep.
    menu_.mnuSnapshotPosition->setEnabled(kGamesKept && gameCommandsOn_ && c.snapshot);
    menu_.mnuUndoToSnapshot->setEnabled(kGamesKept && gameCommandsOn_ && c.undoToSnapshot);
    menu_.mnuHoldAndExit->setEnabled(kGamesKept && c.holdAndExit);
    menu_.mnuPause->setEnabled(gameCommandsOn_ && c.pause);
    menu_.popPause->setEnabled(gameCommandsOn_ && c.pause);
    menu_.mnuQuitGame->setEnabled(gameCommandsOn_ && c.quitGame);
    menu_.popQuitGame->setEnabled(gameCommandsOn_ && c.quitGame);
    const bool save = gameCommandsOn_ && c.save && !menu_.mnuSave->property("later").toBool();
    menu_.mnuSave->setEnabled(save);
    for (ToolBarPanel* bar : {pnlTB_, pnlTB1_}) bar->button(ToolButton::Save)->setEnabled(save);
}

// --- Title, panels and the top band ---------------------------------------

void TfrmMain::updateTitle() {
    QString title = QStringLiteral("Tarvelle");
    title += QStringLiteral(" [") + QString::fromStdString(state_.settings.get(setting::GameName)).left(50) + QStringLiteral("]");
    title += QStringLiteral("  [") + QString::fromStdString(state_.settings.get(setting::Player)).left(30) + QStringLiteral("]");
    const std::string number = state_.settings.get(setting::GameNumber);
    if (!number.empty()) title += QStringLiteral("  [") + QString::fromStdString(number) + QStringLiteral("]");
    if (windowTitle() != title) setWindowTitle(title);
}

void TfrmMain::showScore() {
    const auto score = state_.settings.getNumber(setting::Score);
    lblScore_->setText(score ? QString::number(*score) : QStringLiteral("0"));
}

void TfrmMain::showTimePanel(bool show, bool store) {
    menu_.popShowTime->setEnabled(!show);
    if (store) {
        state_.settings.put(setting::ShowTime, show ? "Y" : "N");
        setPreference("Show_Time", show ? "Y" : "N");
    }
    layOutTopBand();
}

void TfrmMain::showScorePanel(bool show, bool store) {
    menu_.popShowScore->setEnabled(!show);
    if (store) {
        state_.settings.put(setting::ShowScore, show ? "Y" : "N");
        setPreference("Show_Score", show ? "Y" : "N");
    }
    layOutTopBand();
}

void TfrmMain::setToolBarLarge(bool large, bool store) {
    pnlTB_->setVisible(toolBarVisible_ && large);
    pnlTB1_->setVisible(toolBarVisible_ && !large);
    menu_.popLargeIcons->setChecked(large);
    menu_.popSmallIcons->setChecked(!large);
    const int height = large ? 24 : 20;
    for (QFrame* panel : {pnlTempo_, pnlScore_}) {
        panel->setFixedHeight(height);
        panel->layout()->setContentsMargins(4, large ? 2 : 1, 4, large ? 2 : 1);
    }
    setToolBarFlat(menu_.popFlatButton->isChecked(), false);
    if (store) setPreference("ToolBar_Large", large ? "Y" : "N");
}

void TfrmMain::setToolBarFlat(bool flat, bool store) {
    for (ToolBarPanel* bar : {pnlTB_, pnlTB1_}) {
        bar->setFlat(flat);
        bar->setButtonTop(pnlTB1_->isVisibleTo(client_) && !pnlTB_->isVisibleTo(client_) ? 1 : 2);
        bar->setHints(state_.settings.get(setting::ShowToolTips) == "Y");
    }
    menu_.popFlatButton->setChecked(flat);
    menu_.popNoFlatButton->setChecked(!flat);
    layOutTopBand();
    if (store) setPreference("ToolBar_Flat", flat ? "Y" : "N");
}

void TfrmMain::layOutTopBand() {
    if (!client_) return;
    ToolBarPanel* bar = pnlTB_->isVisibleTo(client_) ? pnlTB_ : pnlTB1_;
    const bool barShown = toolBarVisible_ && bar->isVisibleTo(client_);
    const int width = client_->width();
    bar->setGeometry(0, 0, width, bar->barHeight());
    TopBandInput in;
    in.windowWidth = width;
    in.toolBarShown = barShown;
    in.toolBarHeight = bar->barHeight();
    in.toolBarWidth = width;
    in.exitButtonRight = bar->exitButtonRight();
    in.timeWidth = kTimePanelWidth;
    in.scoreWidth = kScorePanelWidth;
    in.panelHeight = pnlTempo_->height();
    in.showTime = state_.settings.get(setting::ShowTime) == "Y";
    in.showScore = state_.settings.get(setting::ShowScore) == "Y";
    in.demo = state_.flags[Flag::Demo];
    in.demoHeight = kDemoBarHeight;
    const TopBandLayout out = tarvelle::layOutTopBand(in);
    auto place = [](QWidget* w, const BandRect& r) { w->setGeometry(r.left, r.top, r.width, r.height); };
    place(pnlTempo_, out.time);
    place(pnlScore_, out.score);
    pnlTempo_->setVisible(out.timeVisible);
    pnlScore_->setVisible(out.scoreVisible);
    pnlTempo_->raise();
    pnlScore_->raise();
    place(pnlLineUpDemo_, out.demoLine);
    place(pnlDemo_, out.demoBar);
    pnlLineUpDemo_->setVisible(out.demoVisible);
    pnlDemo_->setVisible(out.demoVisible);
    place(pnlLineaGrigia_, out.greyLine);
    place(pnlLineaNera_, out.blackLine);
    const int scrollWidth = scrBarMain_->isVisibleTo(client_) ? scrBarMain_->sizeHint().width() : 0;
    table_->setGeometry(0, out.bandBottom, width - scrollWidth, client_->height() - out.bandBottom);
    if (scrollWidth > 0) scrBarMain_->setGeometry(width - scrollWidth, out.bandBottom, scrollWidth, client_->height() - out.bandBottom);
}

// --- Clock ------------------------------------------------------------------

void TfrmMain::clockTick() {
    if (state_.flags[Flag::ClockRunning]) {
        // The tick count knows no midnight: a game that runs past it keeps counting.
        updateClock(state_);
        lblTempo_->setText(clockLabel(state_.clock.elapsedText));
        if (state_.rules[rule::GameKind] == 38 && elapsedSeconds(state_.clock.elapsedText) > 10) actions_.timedStep();
    }
    pointer_->clockTick();
}

void TfrmMain::refreshTimeLabel() {
    if (!state_.flags[Flag::ClockRunning] && !state_.flags[Flag::InProgress])
        lblTempo_->setText(clockLabel(state_.clock.elapsedText));
    clockTick();
    lblTempo_->repaint();
}

// --- Table hooks -------------------------------------------------------------

WindowMetrics TfrmMain::metrics() const {
    const ScreenInfo screen = host_.screen();
    const int bar = scrBarMain_->isVisibleTo(client_) ? scrBarMain_->width() : 0;
    return metricsForTable(table_->width() + bar, table_->height(), 5, bar, screen.width, screen.height);
}

void TfrmMain::scrollBarToTop() {
    if (scrBarMain_->value() != 0) scrBarMain_->setValue(0);
}

void TfrmMain::layOutTable() { tarvelle::layOutTable(state_, metrics()); }

void TfrmMain::redrawChanged(DrawEffect effect) {
    // The dragged cards land on their new place before the piles are drawn anew.
    CardMotion& motion = table_->motion();
    const int card = state_.counters.draggedCard;
    if (effect != DrawEffect::Plain && card != 0 && motion.visible()) {
        if (const auto pile = pileOf(state_, card)) {
            const int index = findCode(*state_.piles.pile(pile->collection, pile->slot), card);
            const Point landing = cardPositionAt(state_, *pile, index);
            if (state_.settings.get(setting::CardsAnimate) != "N") motion.dropDragged(QPoint(landing.x, landing.y));
        }
        motion.hide();
        table_->setLifted(0);
    }
    table_->redrawTable();
}

void TfrmMain::repaintWholeTable() {
    painter_->repaint(metrics());
    scrollBarToTop();
}

void TfrmMain::chooseRandomLooks() { painter_->chooseRandomLooks(); }

void TfrmMain::reloadCardImages() { painter_->reloadCardImages(); }

void TfrmMain::clearTableImage() { table_->clearTable(); }

void TfrmMain::drawDealtTable(bool animate) {
    if (animate && isVisible()) dealAnimation();
    painter_->drawDealtTable(false);
    scrollBarToTop();
    scrollBarHandling();
    // The dealt table shows at once: autoplay after the deal waits before it plays.
    if (isVisible()) table_->repaintNow(table_->rect());
}

void TfrmMain::followPixelRatio() {
    const qreal ratio = table_->devicePixelRatioF();
    if (ratio == painter_->devicePixelRatio()) return;
    // The images take the new screen's pixels and the cards are drawn from the decks at that size.
    const ScreenInfo screen = host_.screen();
    painter_->setDevicePixelRatio(ratio);
    painter_->setScreenSize(screen.width, screen.height);
    painter_->reloadCardImages();
    if (state_.flags[Flag::InProgress] && !paused()) {
        repaintWholeTable();
        scrollBarHandling();
    }
    table_->update();
}

void TfrmMain::dealAnimation() {
    dealing_ = true;
    // The table without its tableau and reserves: what lies there before the deal.
    painter_->drawTableBeforeDeal();
    table_->repaintNow(table_->rect());

    const Piles& dealt = state_.piles;
    const auto exists = [&](PileRef p) { return !tarvelle::isHidden(pilePosition(state_, p)); };
    const PileRef stock{Collection::StockGroup, kStock}, waste{Collection::StockGroup, kWaste};
    std::optional<PileRef> source;
    if (exists(stock) && !(cardsIn(dealt.stock()) == 0 && cardsIn(dealt.waste()) > 0)) source = stock;
    else if (exists(waste)) source = waste;
    else if (exists({Collection::Reserves, 0}) && cardsIn(dealt.reserves[0]) <= 1) source = PileRef{Collection::Reserves, 0};
    else if (exists({Collection::StockGroup, kSecondWaste})) source = PileRef{Collection::StockGroup, kSecondWaste};
    else if (exists({Collection::Foundations, 0})) source = PileRef{Collection::Foundations, 0};
    else if (exists({Collection::Tableau, 0})) source = PileRef{Collection::Tableau, 0};
    if (!source) {
        dealing_ = false;
        return;
    }
    const Point at = pilePosition(state_, *source);
    const QPoint from(at.x, at.y);
    {
        QPainter p(&table_->tableImage());
        p.drawImage(from + table_->tableOrigin(), table_->cardPicture(-1, false));
    }
    table_->repaintNow(table_->rect());
    host_.wait(100);
    playSound(state_, "Shuffle", setting::SoundsShuffle, SoundMode::Loop);

    CardMotion& motion = table_->motion();
    for (const TablePainter::DealtCard& dealtCard : painter_->dealOrder()) {
        const std::string& text = *state_.piles.pile(dealtCard.pile.collection, dealtCard.pile.slot);
        const int code = codeAt(text, dealtCard.index);
        if (code == kGap) continue;
        const Point dest = cardPositionAt(state_, dealtCard.pile, dealtCard.index);
        motion.dealCard({code, !state_.cards.isFaceDown(code), QPoint(dest.x, dest.y), dealtCard.pile != *source}, from);
    }
    stopSound(state_);
    motion.hide();
    // Presses made while the cards flew do nothing.
    table_->discardPendingInput();
    dealing_ = false;
}

void TfrmMain::scrollBarHandling() {
    const int fan = state_.rules[rule::TableauFan];
    const bool usable = state_.settings.get(setting::VertScrollBar) == "Y" && (fan == 1 || fan == 8);
    const bool shown = scrBarMain_->isVisibleTo(client_);
    const ScrollDecision decision = painter_->decideScroll(table_->height(), shown);
    if (decision.action == ScrollDecision::Action::Hide || (shown && !usable)) {
        scrBarMain_->setValue(0);
        scrBarMain_->setMaximum(100);
        scrBarMain_->hide();
        painter_->setScrollBarShown(false);
        const ScreenInfo screen = host_.screen();
        painter_->setScreenSize(screen.width, screen.height);
        layOutTopBand();
        painter_->repaint(metrics());
    } else if (decision.action == ScrollDecision::Action::Grow && usable) {
        painter_->growImages(decision.amount);
        scrBarMain_->setValue(0);
        scrBarMain_->setMaximum(scrBarMain_->maximum() + decision.amount - 30);
        scrBarMain_->show();
        painter_->setScrollBarShown(true);
        layOutTopBand();
        painter_->repaint(metrics());
    }
}

// --- Commands ------------------------------------------------------------------

bool TfrmMain::quitConfirmation(const QString& text) {
    if (state_.settings.get(setting::ConfirmQuitGame) == "N") return true;
    if (state_.flags[Flag::WinningAnimation]) return false;
    if (!state_.flags[Flag::InProgress] || state_.flags[Flag::Won]) return true;
    const MessageAnswer answer = host_.showMessage(MessageKind::Confirmation, {}, text.toStdString(), MessageButtons::OkCancel);
    repaint();
    return answer != MessageAnswer::Cancel;
}

bool TfrmMain::switchToGame(int id) {
    const std::string name = state_.catalogue.GameName(id);
    if (name.empty()) return false;
    if (!gameCommandsOn_) enableGameCommands(true);
    state_.settings.put(setting::GameId, formatFixed(id, 4));
    state_.settings.put(setting::GameName, name);
    if (!prepareGame(state_)) return false;
    const bool started = startGame(state_, StartOptions{});
    updateTitle();
    return started;
}

void TfrmMain::mnuNewClick() {
    if (!quitConfirmation() || actions_.endGame()) return;
    playSound(state_, "New", setting::SoundsNewGame, SoundMode::PlayToEnd);
    if (!prepareGame(state_)) return;
    startGame(state_, StartOptions{});
}

void TfrmMain::mnuRestartGameClick() {
    if (actions_.restart()) table_->redrawTable();
}

void TfrmMain::mnuRandomGameClick() {
    if (!quitConfirmation() || actions_.endGame()) return;
    std::vector<int> ids;
    for (const GameListEntry& e : state_.catalogue.gameList())
        if (state_.catalogue.CanPlayOnScreen(e.id())) ids.push_back(e.id());
    if (ids.empty()) return;
    switchToGame(ids[static_cast<size_t>(state_.random.below(static_cast<std::uint32_t>(ids.size())))]);
}

void TfrmMain::mnuHoldAndExitClick() {
    state_.flags.set(Flag::HoldAndExit);
    close();
}

void TfrmMain::afterUndoOrRedo() {
    table_->redrawTable();
    showScore();
}

void TfrmMain::mnuUndoClick() {
    if (actions_.undo()) afterUndoOrRedo();
    else host_.beep();
}

void TfrmMain::mnuRedoClick() {
    if (actions_.redo()) afterUndoOrRedo();
    else host_.beep();
}

void TfrmMain::mnuSnapshotPositionClick() {
    if (host_.showMessage(MessageKind::Information, {}, "Save snapshot position?", MessageButtons::OkCancel) ==
        MessageAnswer::Ok)
        actions_.saveSnapshot();
}

void TfrmMain::mnuUndoToSnapshotClick() {
    if (actions_.undoToSnapshot()) afterUndoOrRedo();
}

void TfrmMain::mnuQuitGameClick() {
    if (!quitConfirmation()) return;
    if (actions_.endGame()) return;
    table_->clearTable();
    commandsChanged();
}

void TfrmMain::mnuAutoPlayClick() {
    const bool on = menu_.mnuAutoPlay->isChecked();
    state_.autoplayChecked = on;
    for (ToolBarPanel* bar : {pnlTB_, pnlTB1_}) bar->button(ToolButton::AutoPlay)->setChecked(on);
    if (!on) return;
    bool moved = actions_.autoplayPass();
    while (moved) {
        actions_.autoFill();
        moved = actions_.autoplayPass();
    }
    table_->redrawTable();
    if (actions_.isWon() && state_.flags[Flag::InProgress]) actions_.gameWon();
}

bool TfrmMain::autoplayOn() const { return menu_.mnuAutoPlay->isChecked(); }

void TfrmMain::mnuAboutClick() {
    playSound(state_, "About", setting::SoundsAbout);
    QMessageBox::about(this, QStringLiteral("About Tarvelle"),
                       QStringLiteral("<b>Tarvelle</b> 4.50<br>A collection of patience card games."));
}

// --- Pause ---------------------------------------------------------------------

bool TfrmMain::paused() const { return menu_.mnuPause->isChecked(); }

void TfrmMain::mnuPauseClick() {
    refreshTimeLabel();
    if (paused()) {
        // Returns when a key or a press has ended the pause.
        pauseOn();
        if (!closed_) pauseOff();
    } else {
        pauseOff();
    }
}

void TfrmMain::pauseOn() {
    state_.flags.clear(Flag::ClockRunning);
    state_.clock.pauseStart = host_.tickCount();
    pauseFilter_ = std::make_unique<PauseFilter>(menu_.mnuPause);
    qApp->installEventFilter(pauseFilter_.get());
    painter_->setPaused(true);

    // The pause screen covers the table; resuming draws the table anew over it.
    const qreal ratio = table_->tableImage().devicePixelRatio();
    QImage back(table_->size() * ratio, QImage::Format_RGB32);
    back.setDevicePixelRatio(ratio);
    {
        QPainter p(&back);
        if (host_.screen().bitsPerPixel > 8) {
            QLinearGradient shade(0, 0, 0, table_->height());
            shade.setColorAt(0, QColor(0, 128, 0));
            shade.setColorAt(1, Qt::black);
            p.fillRect(table_->rect(), shade);
        } else {
            p.fillRect(table_->rect(), QColor(0, 128, 0));
        }
    }
    {
        QPainter p(&table_->tableImage());
        p.drawImage(table_->tableOrigin(), back);
    }
    table_->motion().hide();
    table_->repaintNow(table_->rect());
    runPauseAnimation(back);
}

void TfrmMain::runPauseAnimation(const QImage& background) {
    auto transparent = [](QImage image) {
        QImage out = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < out.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < out.width(); ++x)
                if ((line[x] & 0xffffff) == 0x008000) line[x] = 0;
        }
        return out;
    };
    auto picture = [this](const char* name, int which) {
        const QImage stored = library_.bitmap(name);
        return stored.isNull() ? pausePicture(which) : stored;
    };
    const QImage first = transparent(picture("BMP_PAUSE_1", 1));
    const QImage second = transparent(picture("BMP_PAUSE_2", 2));
    const int width = table_->width(), height = table_->height();
    const int x1 = std::max(5, (width - first.width()) / 2);
    const int x2 = std::max(5, (width - second.width()) / 2);
    const int y1 = std::max(100, (height - first.height() - second.height() - 45) / 2);
    const int y2 = y1 + first.height() + 15;
    const int r = std::abs(x1 - x2) + 2;
    int x = x1, direction = 3;
    const QRect band(0, y1, width, y2 + second.height() - y1);
    while (paused()) {
        {
            QPainter p(&table_->tableImage());
            p.translate(table_->tableOrigin());
            p.drawImage(band.topLeft(), background, QRectF(QPointF(band.topLeft()) * background.devicePixelRatio(),
                                                           QSizeF(band.size()) * background.devicePixelRatio()));
            p.drawImage(x, y1, first);
            p.drawImage(x2, y2, second);
        }
        table_->repaintNow(band);
        x += direction;
        if (x >= x1 + r || x <= x1 - r) direction = -direction;
        QElapsedTimer waited;
        waited.start();
        while (paused() && waited.elapsed() < 80) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(5);
        }
        if (closed_) break;
    }
}

void TfrmMain::pauseOff() {
    if (!pauseFilter_) return;
    host_.setWaitCursor(true);
    painter_->setPaused(false);
    repaintWholeTable();
    state_.clock.start = host_.tickCount() - (state_.clock.pauseStart - state_.clock.start);
    if (state_.flags[Flag::InProgress]) state_.flags.set(Flag::ClockRunning);
    if (pauseFilter_) qApp->removeEventFilter(pauseFilter_.get());
    pauseFilter_.reset();
    host_.setWaitCursor(false);
    refreshTimeLabel();
}

// --- Demo player ------------------------------------------------------------------

void TfrmMain::mnuDemoClick() {
    const bool on = !state_.flags[Flag::Demo];
    if (on && !quitConfirmation()) {
        menu_.mnuDemo->setChecked(false);
        return;
    }
    host_.setWaitCursor(true);
    state_.flags.clear(Flag::InProgress);
    state_.flags.clear(Flag::Won);
    menu_.mnuDemo->setChecked(on);
    pnlDemo_->move(-2000, -2000);
    state_.flags.set(Flag::Demo, on);
    table_->clearTable();
    layOutTopBand();
    if (on) {
        // Back to the deal by undoing every move: the moves stay in the redo log
        // for the bar to step through, where a restart would throw them away.
        int steps = 0;
        while (actions_.undo()) ++steps;
        pnlDemo_->start(steps);
        // The demo steps quietly: the score follows the position shown.
        computeScore(state_);
        showScore();
    } else {
        state_.flags.set(Flag::InProgress);
    }
    table_->redrawTable();
    host_.setWaitCursor(false);
}

void TfrmMain::demoGoTo(int from, int to) {
    host_.setWaitCursor(true);
    for (int i = from; i > to; --i) actions_.undo();
    for (int i = from; i < to; ++i) actions_.redo();
    computeScore(state_);
    showScore();
    table_->redrawTable();
    repaint();
    host_.setWaitCursor(false);
}

// --- Activation, closing -------------------------------------------------------------

void TfrmMain::firstActivation() {
    if (!state_.flags[Flag::FirstActivationPending]) return;
    // The window is on the screen before the deal draws on it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (!state_.flags[Flag::FirstActivationPending]) return;
    updateTitle();
    repaint();
    state_.flags.clear(Flag::FirstActivationPending);
    // No held game and no game selection window yet: the current game is dealt.
    int id = static_cast<int>(state_.settings.getNumber(setting::GameId).value_or(-1));
    if (state_.catalogue.GameName(id).empty()) {
        id = state_.catalogue.GameIdOfName(state_.settings.get(setting::GameName));
        if (id < 0 && !state_.catalogue.gameList().empty()) id = state_.catalogue.gameList().front().id();
    }
    if (id >= 0) switchToGame(id);
}

void TfrmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && state_.flags[Flag::FirstActivationPending])
        QTimer::singleShot(0, this, &TfrmMain::firstActivation);
    QMainWindow::changeEvent(event);
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    layOutTopBand();
    if (state_.flags[Flag::FirstActivationPending]) {
        table_->redrawTable();
        // A desktop without a window manager never activates the window: the first showing stands in.
        QTimer::singleShot(0, this, &TfrmMain::firstActivation);
    }
}

void TfrmMain::keyPressEvent(QKeyEvent* event) {
    pointer_->hidePilesTip();
    QMainWindow::keyPressEvent(event);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize && !closed_) {
        layOutTopBand();
        if (!state_.flags[Flag::FirstActivationPending] && !paused() && state_.flags[Flag::InProgress]) scrollBarHandling();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::writeWindowState() {
    IniFile ini(configPath(state_.settings));
    if (isMaximized()) {
        ini.writeString(kPreferenceSection, "MainWindowState_Maximized", "Y");
        return;
    }
    const QRect g = geometry();
    ini.writeStrings(kPreferenceSection, {{"MainWindowState_Maximized", "N"},
                                          {"MainWindowState_Left", std::to_string(g.x())},
                                          {"MainWindowState_Top", std::to_string(g.y())},
                                          {"MainWindowState_Width", std::to_string(g.width())},
                                          {"MainWindowState_Height", std::to_string(g.height())}});
}

bool TfrmMain::closeQuery() {
    writeWindowState();
    if (state_.flags[Flag::WinningAnimation]) {
        // The end of the game closes the window again once the animation is over.
        state_.flags.clear(Flag::WinningAnimation);
        closeRequested_ = true;
        return false;
    }
    bool allowed = true;
    if (IniFile(configPath(state_.settings)).readString(kPreferenceSection, "ConfirmQuit", "N") == "Y") {
        allowed = host_.showMessage(MessageKind::Confirmation, {}, "Exit Tarvelle?", MessageButtons::OkCancel) !=
                  MessageAnswer::Cancel;
        if (!allowed) closeRequested_ = false;
    }
    if (allowed && state_.flags[Flag::InProgress] && menu_.mnuHoldAndExit->isEnabled()) {
        const IniFile ini(configPath(state_.settings));
        if (state_.flags[Flag::HoldAndExit]) {
            actions_.holdGame();
        } else if (ini.readString(kPreferenceSection, "ConfirmSaveAndExit", "N") == "Y") {
            // The hold-and-exit question comes with its window; until then the game ends as it stands.
        } else if (ini.readInteger(kPreferenceSection, "ConfirmSaveAndExitType", 0) == 1) {
            actions_.holdGame();
        }
    }
    if (!allowed) state_.flags.clear(Flag::HoldAndExit);
    return allowed;
}

void TfrmMain::closeHandler() {
    actions_.endGame();
    hide();
    stopSound(state_);
    setPreference("AutoPlay", autoplayOn() ? "Y" : "N");
    timer1_->stop();
    closed_ = true;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    if (paused()) menu_.mnuPause->setChecked(false);
    if (!closeQuery()) {
        event->ignore();
        return;
    }
    closeHandler();
    event->accept();
}

// --- Hooks of the dispatcher ----------------------------------------------------

void TfrmMain::redrawTable() { table_->redrawTable(); }

void TfrmMain::glideCards(const std::vector<int>& cards, PileRef from, PileRef to) {
    if (cards.empty()) return;
    const std::string& source = *state_.piles.pile(from.collection, from.slot);
    const int index = findCode(source, cards.front());
    if (index < 0) return;
    const Point start = cardPositionAt(state_, from, index);
    const Point end = cardPosition(state_, to, 0, true);
    const QRect sourceRect(start.x, start.y, state_.cardWidth,
                           state_.cardHeight + static_cast<int>(cards.size() - 1) *
                                                   state_.catalogue.value(TMainGame::FaceUpVerticalStep));
    CardMotion& motion = table_->motion();
    motion.buildMovingImage(cards.front(), sourceRect);
    table_->setLifted(cards.front());
    if (state_.settings.get(setting::CardsAnimate) != "N")
        motion.moveCard(cards.front(), QPoint(start.x, start.y), QPoint(end.x, end.y),
                        CardMotion::Glide{false, false, false, false});
    motion.hide();
    table_->setLifted(0);
}

void TfrmMain::glideBack(int card, PileRef pile) {
    const std::string& text = *state_.piles.pile(pile.collection, pile.slot);
    const int index = findCode(text, card);
    CardMotion& motion = table_->motion();
    if (index >= 0 && motion.visible()) {
        const Point p = cardPositionAt(state_, pile, index);
        motion.moveCard(card, motion.lastRect().topLeft(), QPoint(p.x, p.y), CardMotion::Glide{false, false, false, false});
    }
    motion.hide();
    table_->setLifted(0);
    table_->redrawTable();
}

void TfrmMain::drawEmptyStockMarker(PileRef pile, int milliseconds) {
    const Point p = pilePosition(state_, pile);
    if (tarvelle::isHidden(p)) return;
    {
        // A ring on the pressed pile until the release redeals.
        QPainter painter(&table_->tableImage());
        painter.translate(table_->tableOrigin());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(230, 230, 120), 3));
        const QRectF ring(p.x + state_.cardWidth * 0.25, p.y + state_.cardHeight * 0.3, state_.cardWidth * 0.5,
                          state_.cardWidth * 0.5);
        painter.drawEllipse(ring);
    }
    table_->repaintNow(QRect(p.x, p.y, state_.cardWidth, state_.cardHeight));
    if (milliseconds > 0) {
        host_.wait(milliseconds);
        painter_->redrawPile(pile);
    }
}

void TfrmMain::hidePileSizeTip() { pointer_->hidePilesTip(); }

void TfrmMain::useLibraryGlyphs() {
    static const char* const kNames[][2] = {{"TB_UNDO", "TB_UNDO_DIS"}, {"TB_REDO", "TB_REDO_DIS"}, {"TB_AUTOPLAY", "TB_AUTOPLAY_DIS"}};
    const ToolButton buttons[] = {ToolButton::Undo, ToolButton::Redo, ToolButton::AutoPlay};
    for (int i = 0; i < 3; ++i) {
        const QImage on = library_.bitmap(kNames[i][0]), off = library_.bitmap(kNames[i][1]);
        if (on.isNull() || off.isNull()) continue;
        QIcon icon;
        icon.addPixmap(QPixmap::fromImage(on), QIcon::Normal);
        icon.addPixmap(QPixmap::fromImage(off), QIcon::Disabled);
        pnlTB1_->button(buttons[i])->setIcon(icon);
    }
}

}  // namespace tarvelle
