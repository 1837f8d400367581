// The score of the game on the table and the win test.
#pragma once

#include "engine/EngineState.h"

namespace tarvelle {

// Recomputes the score from the table into the settings record.
void computeScore(EngineState& state);

}  // namespace tarvelle
