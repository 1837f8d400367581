// Loading GAMES.DAT: the game list at start-up, the rule table of the current
// game with the customized-game override, and values of other games.
#pragma once

#include <array>
#include <string_view>

#include "engine/EngineState.h"

namespace tarvelle {

// Shows the missing-file message and returns false when GAMES.DAT is not in
// the program folder; otherwise fills the game list (a damaged list is
// reported, and the rest of it still loads).
bool loadGameList(EngineState& state);

// Loads the column of the current game (settings 62-65), applies the override
// of a customized game and takes the saved per-pile copy. False, after a
// message that names the game, when the game cannot be loaded.
bool loadRuleTable(EngineState& state);

// Applies the 7-character override of a customized game.
void applyCustomOverride(RuleTable& rules, std::string_view overrideText);

// The values of up to nine parameters of another game's column: parameter k
// comes from line k of [Sect2]; an index of -1, or a value that cannot be read, gives -99.
std::array<int, 9> readParametersOfGame(const EngineState& state, int gameId,
                                        const std::array<int, 9>& indices);

enum class GameGroup { Selected, Original, Children };
bool isInGameGroup(const EngineState& state, GameGroup group, int gameId);

}  // namespace tarvelle
