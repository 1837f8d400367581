// Program entry: the engine state, the splash, the main window with the
// resource library and the engine initialisation, window placement, and the end.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QByteArray>

#include "engine/EngineState.h"
#include "ui/EngineActions.h"
#include "ui/QtHost.h"
#include "ui/SoundPlayer.h"

namespace tarvelle {

class TfrmMain;

class ResourceLibrary;

// Everything that lives for the run, in the order of its creation.
class Program {
public:
    // A library file that is missing or does not load ends the program after its message.
    Program(const std::string& programFolder, const std::string& dataFolder);
    ~Program();

    // Runs the start-up up to the shown main window; false when the program
    // must end (the player was told why).
    bool start(bool showSplash = true);
    TfrmMain* window() const { return window_.get(); }
    EngineState& state() { return *state_; }
    QtHost& host() { return host_; }

private:
    QtHost host_;
    std::unique_ptr<ResourceLibrary> library_;
    std::unique_ptr<EngineState> state_;
    std::unique_ptr<EngineActions> actions_;
    std::unique_ptr<SoundPlayer> sounds_;
    std::unique_ptr<TfrmMain> window_;
};

// The message of a resource library that cannot be loaded.
std::string resourceLibraryMessage(const std::string& path);

}  // namespace tarvelle
