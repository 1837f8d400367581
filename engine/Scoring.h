// The score of the game on the table and the win test.
#pragma once

#include "engine/EngineState.h"

namespace tarvelle {

// Whether the game on the table is won, by the game kind (rule 47).
bool winTest(const EngineState& state);

// The score by the game kind; nullopt for game kind 9, which keeps no score.
std::optional<int> scoreOf(const EngineState& state);

// Recomputes the score from the table into the settings record and shows it.
void computeScore(EngineState& state);

// The score stored in the settings record; 0 when it is not a number.
int currentScore(const EngineState& state);

// Cards played out by the deal count 5 each with scoring code "01"; with
// `recompute` the whole score is computed again instead.
void addToScore(EngineState& state, int cards, bool recompute = false);

}  // namespace tarvelle
