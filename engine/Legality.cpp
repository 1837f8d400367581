// Move legality: whether a card may be picked up and whether it may go on a pile.
#include "engine/Legality.h"

namespace tarvelle {

// Refuses everything until the building rules are in place, so the deal's
// play-outs leave the dealt cards where they lie.
bool foundationTest(EngineState&, int, int) { return false; }

}  // namespace tarvelle
