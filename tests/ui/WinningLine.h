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

// How the search goes about a game. The promise of a table weighs cards
// played to the foundations and the second waste pile (100 each) against
// what is still to be done.
struct SearchPlan {
    int positions = 20000;  // expanded positions: in all, or in each stretch between two deals
    // The stock deals a row onto the tableau: each stretch of play between
    // two deals is searched on its own, and the next deal is tried from the
    // most promising tables of the stretch, `dealsFrom` of them.
    bool byStretches = false;
    int dealsFrom = 2;
    // Runs move only of one suit: a move is tried when it takes a whole
    // suited run off the top of its pile or lays a card on one of its suit.
    bool suitedRunsOnly = false;

    int suitedLink = 8;     // a card on the next higher card of its suit
    int alternateLink = 5;  // on the next higher card of the other colour
    int otherLink = 2;      // on the next higher card of another suit of its colour
    int unlinked = 0;       // a face-up card not on the next higher card of its suit
    int faceDown = 30;      // a face-down tableau card
    int emptyPile = 40;     // an empty tableau pile
    int stockCard = 0;      // a card still in the stock
};

// The plan for the game on the table: by stretches for the games whose stock
// deals rows and whose runs are of one suit, else one search of the whole game.
SearchPlan planFor(const EngineState& state);

// A best-first search from the game on the table, with autoplay off, for a
// line that ends it won; nullopt when none was found within the plan's
// positions. The table is left as it was.
std::optional<std::vector<PlayerAction>> findWinningLine(EngineState& state, const SearchPlan& plan);

}  // namespace tarvelle::testing
