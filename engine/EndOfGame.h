// The end of a game, asking before a game is given up, and the game clock.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/EngineState.h"

namespace tarvelle {

// Before a command replaces the game in progress: false while a winning
// animation runs or when the player keeps the game.
bool confirmQuit(EngineState& state, std::optional<std::string_view> message = std::nullopt);

// Ends the game in progress: stops the clock, records the result, plays the
// winning sound and animation and shows the won-game window. True when won;
// false also when no game was in progress.
bool endOfGame(EngineState& state);

// --- The clock ----------------------------------------------------------
// "h:nn:ss" of a number of seconds.
std::string clockText(long long seconds);
// Seconds of an "h:nn:ss" label; 0 when it does not read as one.
int elapsedSeconds(std::string_view label);
// The label follows the tick count while the clock runs.
void updateClock(EngineState& state);
void pauseClock(EngineState& state);
void resumeClock(EngineState& state);

}  // namespace tarvelle
