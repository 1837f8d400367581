// Lines of play for the window's tests: the player's actions in the form of
// tarvelle-cli play ("move CODE KEY", "click KEY"), and a search over the
// engine's legal moves for a line that wins a deal.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/EngineState.h"

namespace tarvelle::testing {

struct PlayerAction {
    enum class Kind { Move, Click };
    Kind kind = Kind::Move;
    int card = 0;     // the dragged card of a move
    std::string key;  // the pile dropped on or pressed

    bool operator==(const PlayerAction&) const = default;
};

std::string actionText(const PlayerAction& action);
std::optional<PlayerAction> parseAction(std::string_view text);

// Every action that the rules allow now: the legal moves, then the useful presses.
std::vector<PlayerAction> legalActions(const EngineState& state);

// Carries the action out headless, as tarvelle-cli play does; true when it changed the table.
bool applyAction(EngineState& state, const PlayerAction& action);

// A best-first search from the game on the table, with autoplay off, for a
// line that ends it won; nullopt when none was found within `positions`
// expanded positions. The table is left as it was.
std::optional<std::vector<PlayerAction>> findWinningLine(EngineState& state, int positions);

}  // namespace tarvelle::testing
