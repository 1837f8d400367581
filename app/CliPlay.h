// The play session of tarvelle-cli: a dealt game played by commands read one a line.
#pragma once

#include <iosfwd>

#include "engine/EngineState.h"

namespace tarvelle {

// Reads commands until the input ends, answering each; the game is dealt already.
int playSession(EngineState& state, std::istream& in, std::ostream& out);

}  // namespace tarvelle
