// Starting the engine and dealing a game for the commands of tarvelle-cli.
#pragma once

#include <optional>
#include <string_view>

#include "engine/EngineState.h"

namespace tarvelle {

// A number of at most `most` written in digits; nullopt for anything else.
std::optional<long long> cliNumber(std::string_view text, long long most);

// Whether the text is a game number: 1 to 13 digits.
bool isGameNumber(std::string_view text);

// Starts the engine as the program does; false when GAMES.DAT is missing.
bool startEngine(EngineState& state);

// Deals the game and number as the program does, with autoplay off; 0 when
// dealt, else the tool's failure status after saying why.
int startDealtGame(EngineState& state, std::string_view game, std::string_view gameNumber);

}  // namespace tarvelle
