// Move legality: whether a card may be picked up and whether it may go on a pile.
#pragma once

#include "engine/EngineState.h"

namespace tarvelle {

// The foundation test: may the card go on foundation k (0-based)?
bool foundationTest(EngineState& state, int k, int card);

}  // namespace tarvelle
