// Automatic moves: autoplay to the foundations, turning uncovered cards, filling
// empty tableau piles, putting a dragged card back and the steps after a release.
#pragma once

#include <optional>
#include <vector>

#include "engine/EngineState.h"
#include "engine/HitTest.h"

namespace tarvelle {

// Autoplay is both enabled for the game and checked.
bool autoplayActive(const EngineState& state);

// Plays every card that can go to a foundation; true when any moved. Ends the game when it is won.
bool autoplay(EngineState& state);

// After a deal with Autoplay checked and enabled: waits, then plays to the
// foundations and fills the tableau until no card moves.
void autoplayAfterDeal(EngineState& state);

// Turns the face-down top card of tableau pile k (0-based) face up, as an undo step of its own.
void turnFaceUp(EngineState& state, int card, int k);

// Every face-down tableau top card turns up, when the game and the settings ask for it.
void autoTurnUp(EngineState& state);

// Fills empty tableau piles from the source of rule 22; true when a card moved.
bool autoFill(EngineState& state);

// A dragged card that no pile took goes back to its place.
void putBack(EngineState& state, int card);

// The drag that a release ends.
struct DragRelease {
    int card = 0;
    bool moved = false;              // the pointer moved since the press
    std::optional<Rect> rect;        // the dragged card's rectangle
    std::vector<PileRef> candidates; // the piles under it, best first
};

// The steps of a release: the pending redeal, the drop of a dragged card,
// then automatic filling and autoplay. True when the dragged card was dropped.
bool afterRelease(EngineState& state, const std::optional<DragRelease>& drag = std::nullopt);

}  // namespace tarvelle
