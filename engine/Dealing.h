// Preparing the table for a game, starting a game and the deal itself.
#pragma once

#include <string>
#include <vector>

#include "engine/EngineState.h"

namespace tarvelle {

// Loads the rules of the current game, fits it to the screen, hides every
// pile position, sets the commands the game allows and lays the table out.
// False when the game's rules cannot be loaded (the player was told).
bool prepareGame(EngineState& state);

struct StartOptions {
    bool deal = true;
    bool animate = true;
    bool newNumber = true;
    bool keepBackground = false;
};

// Starts a game: deals it (with a new game number when asked), draws the
// table and starts the clock. False when the game could not be prepared.
bool startGame(EngineState& state, const StartOptions& options);

// Draws a new game number from the run-time generator into the settings record.
std::string newGameNumber(EngineState& state);

// Fills the piles from a fresh deal list of the current game number.
void deal(EngineState& state);

// New horizontal jitter for the cards of irregular piles.
void regenerateJitter(EngineState& state);

// The clock label of a game that has not started: "0:00:00".
std::string zeroClockText();

}  // namespace tarvelle
