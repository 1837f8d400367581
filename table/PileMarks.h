// Which picture marks an empty pile: the empty-pile and rank marks of each pile kind.
#pragma once

#include <optional>
#include <string>

#include "engine/EngineState.h"

namespace tarvelle {

// The mark suffix of a rank value of the fill and base rules ("010" ace,
// "012"-"020" two to ten, "006" jack, "003" queen, "011" king); nullopt when
// the value has no rank mark. Value 94 means no mark at all (see markOf).
std::optional<std::string> rankMarkSuffix(int value);

// The suffix of the picture "W" + size + suffix drawn on the empty pile, or
// nullopt when nothing is drawn there.
std::optional<std::string> markOf(const EngineState& state, PileRef pile);

}  // namespace tarvelle
