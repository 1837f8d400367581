// Complete runs of thirteen cards: a finished run on a tableau pile leaves by itself for its foundation.
#pragma once

#include <optional>

#include "engine/EngineState.h"

namespace tarvelle {

// The base values (rule 48 + k) of the foundations that only complete runs
// reach. Their empty rule takes no card: the run check is their one way in.
enum class RunFoundation {
    // Ace at the top to king; the colours follow the pile's building kind.
    AceUpByBuilding = 82,
    // Ace at the top to king, all of one suit.
    AceUpOneSuit = 83,
    // King at the top down to ace, all of one suit.
    KingDownOneSuit = 95,
};

// The run kind of a foundation base value; nullopt for a foundation of the ordinary rules.
std::optional<RunFoundation> runFoundationOf(int baseValue);

// The first empty foundation of the game, in slot order, that takes complete
// runs (0-based); nullopt when none is left.
std::optional<int> completeRunTarget(const EngineState& state);

// Whether the top thirteen cards of tableau pile k (0-based) form a run that
// foundation `target` (0-based) takes now. Changes nothing.
bool isCompleteRun(const EngineState& state, int k, int target);

// After a move onto or off tableau pile k (0-based), or a card dealt onto it:
// a complete run on its top glides, card by card from the top, to the first
// empty run foundation (the second waste pile when that foundation is not on
// the table). The moves join the undo step of the action that made the run.
// True when a run left the pile.
bool checkCompleteRun(EngineState& state, int k);

}  // namespace tarvelle
