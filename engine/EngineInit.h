// Engine initialisation at start-up: flags, settings, card table, piles, game
// list, random seed and housekeeping of the data folder.
#pragma once

#include <optional>
#include <string>

#include "engine/EngineState.h"
#include "records/Configuration.h"

namespace tarvelle {

// The folder that holds DATA: the program folder when files can be written
// there (a build tree), else the player's own data folder.
std::string chooseDataFolder(const std::string& programFolder);

// Nullopt when the program cannot go on (GAMES.DAT is missing; the player was told).
std::optional<WindowPreferences> initialiseEngine(EngineState& state);

}  // namespace tarvelle
