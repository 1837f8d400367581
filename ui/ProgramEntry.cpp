// Program entry: the engine state, the splash, the main window with the
// resource library and the engine initialisation, window placement, and the end.
#include "ui/ProgramEntry.h"

#include <QApplication>
#include <QScreen>

#include "engine/EngineInit.h"
#include "engine/Sounds.h"
#include "records/IniFile.h"
#include "records/SettingsFields.h"
#include "table/ResourceLibrary.h"
#include "ui/MainWindow.h"
#include "ui/Splash.h"

namespace tarvelle {

std::string resourceLibraryMessage(const std::string& path) {
    std::string lower = path;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return "Can't find/load " + lower;
}

namespace {

// The splash plays its sound before the rest of the settings is read.
void splashSound(EngineState& state) {
    const IniFile ini(configPath(state.settings));
    state.settings.put(setting::SoundsEnabled, ini.readString(kPreferenceSection, "Sounds_Enabled", "Y"));
    playSound(state, "Splash", ini.readString(kPreferenceSection, "Sounds_Splash", "Y") == "Y");
}

void restoreWindowPlacement(QWidget& window, const EngineState& state) {
    const IniFile ini(configPath(state.settings));
    const ScreenInfo screen = state.host.screen();
    const int left = ini.readInteger(kPreferenceSection, "MainWindowState_Left", 50);
    const int top = ini.readInteger(kPreferenceSection, "MainWindowState_Top", 50);
    const int width = ini.readInteger(kPreferenceSection, "MainWindowState_Width", screen.width - 150);
    const int height = ini.readInteger(kPreferenceSection, "MainWindowState_Height", screen.height - 150);
    // A stored place off the screen or too small to use falls back to the default.
    const bool usable = width >= 200 && height >= 150 && left < screen.width - 50 && top < screen.height - 50 &&
                        left + width > 50 && top + height > 50;
    if (usable) window.setGeometry(left, top, width, height);
    else window.setGeometry(50, 50, std::max(400, screen.width - 150), std::max(300, screen.height - 150));
    if (ini.readString(kPreferenceSection, "MainWindowState_Maximized", "Y") == "Y") {
        if (const QScreen* s = QGuiApplication::primaryScreen()) window.setGeometry(s->availableGeometry());
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    }
}

}  // namespace

Program::Program(const std::string& programFolder, const std::string& dataFolder)
    : library_(std::make_unique<ResourceLibrary>()) {
    state_ = std::make_unique<EngineState>(host_, programFolder, dataFolder);
    actions_ = std::make_unique<EngineActions>(*state_);
    sounds_ = std::make_unique<SoundPlayer>([this](std::string_view word) -> std::optional<QByteArray> {
        QByteArray data = library_->isLoaded() ? library_->sound(word) : QByteArray();
        if (data.isEmpty()) return std::nullopt;
        return data;
    });
    host_.setSoundPlayer(sounds_.get());
}

Program::~Program() {
    if (window_) {
        host_.setHostWindow(nullptr);
        window_.reset();
    }
    host_.setSoundPlayer(nullptr);
    library_->unload();
}

bool Program::start(bool showSplash) {
    host_.setWaitCursor(true);
    QApplication::setApplicationName(QStringLiteral("Tarvelle"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarvelle"));

    std::unique_ptr<TfrmSplash> splash;
    if (showSplash) {
        splash = std::make_unique<TfrmSplash>();
        splash->show();
        splash->repaint();
        QCoreApplication::processEvents();
    }
    // Without its pictures, pointer shapes and sounds the program cannot run.
    const std::string libraryPath = state_->programFolder + "TAR.RGF";
    const bool loaded = library_->load(QString::fromStdString(libraryPath));
    splashSound(*state_);
    if (!loaded) {
        host_.setWaitCursor(false);
        if (splash) splash->hide();
        showError(host_, resourceLibraryMessage(libraryPath));
        return false;
    }
    window_ = std::make_unique<TfrmMain>(*state_, host_, *actions_, *library_);
    const std::optional<WindowPreferences> preferences = initialiseEngine(*state_);
    if (!preferences) {
        host_.setWaitCursor(false);
        return false;
    }
    window_->applyPreferences(*preferences);
    restoreWindowPlacement(*window_, *state_);
    if (splash) {
        splash->repaint();
        splash->hide();
    }
    window_->show();
    window_->repaint();
    splash.reset();
    host_.setWaitCursor(false);
    return true;
}

}  // namespace tarvelle
