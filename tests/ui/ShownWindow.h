// The main window of a window test, started as the program starts it.
#pragma once

#include <QSize>
#include <QTest>

#include "engine/EngineInit.h"
#include "engine/EngineState.h"
#include "ui/MainWindow.h"

namespace tarvelle::testing {

// Runs the engine's start-up under the window, takes its preferences and shows
// the window at the given size, without the first activation's deal; false
// when the engine would not start or the window never showed.
inline bool showStartedWindow(TfrmMain& window, EngineState& state, QSize size) {
    const auto preferences = initialiseEngine(state);
    if (!preferences) return false;
    window.applyPreferences(*preferences);
    window.resize(size);
    state.flags.clear(Flag::FirstActivationPending);
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

}  // namespace tarvelle::testing
