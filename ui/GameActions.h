// What the window asks of the engine's move rules: hit test, pick-up tests,
// drops, automatic moves, the stock, undo and redo and the end of a game.
#pragma once

#include <optional>
#include <vector>

#include "engine/CardPositions.h"
#include "engine/EngineState.h"
#include "engine/Piles.h"
#include "engine/SpecialFamilies.h"

namespace tarvelle {

// What lies under a point of the table.
struct Hit {
    std::optional<PileRef> pile;
    int card = 0;        // the hit card's code, 0 for an empty pile or none
    int index = -1;      // its 0-based position in the pile
    Point topLeft;       // where the hit card (or the empty pile) is drawn
};

// A pile that a drop may go to, with the area of its overlap with the dragged cards.
struct DropCandidate {
    PileRef pile;
    int area = 0;
    int position = -1;  // the grid position in tableau fan kinds 8 and 9, else -1
    bool operator==(const DropCandidate&) const = default;
};

// What a release of the pointer hands over.
struct Release {
    int card = 0;        // the dragged card, 0 when none was dragged
    bool moved = false;  // the pointer moved since the press
    int left = 0, top = 0, right = 0, bottom = 0;  // the dragged cards as last drawn
    std::vector<DropCandidate> candidates;
    bool emptyStockMarked = false;
    bool autoplay = false;  // autoplay is checked and the game allows it
};

// The player's moves go through these; every one is one undo step.
class GameActions {
public:
    virtual ~GameActions() = default;

    virtual Hit hitTest(Point at) = 0;
    virtual bool mayPickUp(int card, bool single) = 0;
    virtual bool sequenceMovable(int card, PileRef pile) = 0;
    virtual bool columnFree(PileRef pile) = 0;

    // Tries the candidates in order and makes the first legal move; false when none takes the cards.
    virtual bool drop(int card, const std::vector<DropCandidate>& candidates) = 0;
    // The automatic move of a right or double click; false when the card found no target.
    virtual bool automaticMove(int card, bool toTableaus, bool toFoundations) = 0;
    virtual void turnFaceUp(int card) = 0;
    // The stock press; with the empty-stock mark set it redeals.
    virtual void stockClick(bool emptyStockMarked) = 0;
    // Kinds that play tableau cards onto the discard pile (move key "Waste").
    virtual bool moveToSecondWaste(int card) = 0;
    // What a left press on a tableau card comes to by the press rules of the special kinds.
    virtual PressRule specialPressRule(const Hit& hit) = 0;

    virtual void autoFill() = 0;
    // One pass of autoplay to the foundations; true when it moved a card.
    virtual bool autoplayPass() = 0;

    // The steps of a release: the redeal of a marked empty stock, the drop of
    // the dragged cards (or their return), automatic filling and autoplay.
    // True when the dragged cards were dropped.
    virtual bool release(const Release& r) {
        if (r.emptyStockMarked) stockClick(true);
        const bool dropped = r.card != 0 && r.moved && drop(r.card, r.candidates);
        autoFill();
        while (r.autoplay && autoplayPass()) autoFill();
        return dropped;
    }

    virtual bool undo() = 0;
    virtual bool redo() = 0;
    virtual bool restart() = 0;
    virtual bool undoToSnapshot() = 0;
    virtual bool saveSnapshot() = 0;
    // Ends the game on the table (a game in progress counts as lost); true
    // when it reports a won game, whose end-of-game window takes over.
    virtual bool endGame() = 0;
    virtual bool isWon() = 0;
    // The end-of-game processing after a move that won.
    virtual void gameWon() = 0;
    // Keeps the game in progress for the next start; false when it could not be held.
    virtual bool holdGame() = 0;
    // The timed step of the memory game kind, run by the clock tick.
    virtual void timedStep() = 0;
};

// The candidates for a drop of the dragged rectangle: every pile that can
// receive cards, ranked by the area it shares with the dragged cards, the
// four largest first.
std::vector<DropCandidate> rankDropTargets(const EngineState& state, int left, int top, int right, int bottom);

}  // namespace tarvelle
