// Undo and redo of whole-table steps, restart of a deal, and the undo log in saved-game form.
#pragma once

#include <string>
#include <vector>

#include "engine/EngineState.h"

namespace tarvelle {

enum class LogDirection { Undo, Redo };

// Undo: pushes the table onto the undo log with an empty event entry and
// puts "0" at 138. Redo: the same onto the redo log (139); with `clear` it
// empties the redo log and its events instead.
void recordStep(EngineState& state, LogDirection direction, bool clear = false);

// The newest undo step carries the event code.
void setStepEvent(EngineState& state, int code);

// The newest `count` undo steps are taken off, so that the step below them
// keeps its table; their event entries fold into the remaining step.
void foldSteps(EngineState& state, int count);

// The Undo and Redo commands (quiet for the demo player): false, with a beep
// unless quiet, when the policy or an empty log forbids it.
bool undo(EngineState& state, bool quiet = false);
bool redo(EngineState& state, bool quiet = false);

// Restart game: the current deal from its first position. False when the
// player cancelled or the game ended as won.
bool restartGame(EngineState& state, bool demo = false);

// The undo log as the five sections of a saved game.
void writeUndoSections(const EngineState& state, std::vector<std::string>& lines);
// Reads the five sections back; lines before the first header are ignored.
void readUndoSections(EngineState& state, const std::vector<std::string>& lines);

}  // namespace tarvelle
