// Automatic moves: autoplay to the foundations and filling empty tableau piles.
#include "engine/AutoMoves.h"

namespace tarvelle {

// No card moves on its own until the action dispatcher exists.
void autoplayAfterDeal(EngineState&) {}

}  // namespace tarvelle
