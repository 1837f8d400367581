// Statistics and the game log of finished games.
#pragma once

#include "engine/EngineState.h"

namespace tarvelle {

// Appends the line of a finished game to the game log (DATA\STAT_LOG.DAT).
void recordGameInLog(EngineState& state, bool won, int playingSeconds, const LocalTime& endTime,
                     const LocalTime& endDate);

// Updates the current player's record of the current game and the run counters.
void updateStatistics(EngineState& state, bool won);

}  // namespace tarvelle
