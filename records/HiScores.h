// The hi-score lists of the games.
#pragma once

#include <string_view>

#include "engine/EngineState.h"

namespace tarvelle {

// Offers a finished game to its hi-score list; the rank reached (0-based) or -1.
int offerHiScore(EngineState& state, int gameId, std::string_view player, std::string_view scoringCode,
                 const LocalTime& endTime, const LocalTime& endDate, int playingSeconds, int score);

}  // namespace tarvelle
