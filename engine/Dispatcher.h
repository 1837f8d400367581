// The action dispatcher: every change of the table during play, the drop of a
// dragged card and the automatic move of a double or right click.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "engine/EngineState.h"
#include "engine/HitTest.h"

namespace tarvelle {

// Performs the action that the word names on the card ("Dest3", "Fila1",
// "Appogg2", "Waste", "Stock02", the stock words, the row deals, ...); the
// card is 0 for the stock words. True when an action was performed.
bool executeAction(EngineState& state, int card, std::string_view word);

// Tries the candidate piles in order (best first); the first that the rules
// accept receives the card. `dragged` is the dragged card's rectangle, when
// there is one. With `autoplay` a foundation move plays the autoplay sound.
bool drop(EngineState& state, int card, const std::optional<Rect>& dragged,
          const std::vector<PileRef>& candidates, bool autoplay = false);

// The waste (rules 269 and 270) takes a card one rank above or below its top
// card, of the same suit.
bool wasteTakes(const EngineState& state, int card);

// Whether the card may leave its pile by an automatic move.
bool mayMoveAutomatically(const EngineState& state, int card);

// The automatic move of a double click, a right click or a click-to-move game:
// the card goes to the first target that takes it. Ends the game when it is won.
bool automaticMove(EngineState& state, int card, bool doubleClick, bool rightClick);

// The search of the automatic move for the given kinds of target.
bool moveToBestTarget(EngineState& state, int card, bool toFoundations, bool toTableaus, bool autoplay);

// Whether the pile of the game is drawn (a headless table without a layout shows every pile).
bool pileShown(const EngineState& state, PileRef pile);

}  // namespace tarvelle
