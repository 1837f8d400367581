// Automatic moves: autoplay to the foundations and filling empty tableau piles.
#pragma once

#include "engine/EngineState.h"

namespace tarvelle {

// After a deal with Autoplay checked and enabled: waits, then plays to the
// foundations and fills the tableau until no card moves.
void autoplayAfterDeal(EngineState& state);

}  // namespace tarvelle
