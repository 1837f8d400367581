// Where the cards of a pile lie: the fan steps of the card size and the
// position of any card of any pile, from the pile positions of the layout.
#pragma once

#include "engine/EngineState.h"

namespace tarvelle {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// A position whose x is below this is hidden: never drawn, never hit.
inline constexpr int kHiddenBelow = -9999;
inline bool isHidden(Point p) { return p.x < kHiddenBelow; }

// The card size of a card-size letter: "B" 71 x 96, "M" 59 x 80, "L" 25 x 32.
Point cardSizeOf(char sizeLetter);

// The fan steps and gaps for the card size and the fan kinds of the game.
void computeFanOffsets(EngineState& state);

// The fan kind of a pile group: tableau, foundations and reserves follow the
// rule table; the stock group is never fanned (squared).
int fanKindOf(const EngineState& state, Collection collection);

// The top-left corner of a pile, its y less the scroll position.
Point pilePosition(const EngineState& state, PileRef pile);

// Where one card of the pile is drawn: the pile position plus the steps of
// the cards below it. The cards counted are those from the bottom up to the
// card `cardsAbove` below the top; the last counted card adds its own step
// only when `includeTop` is set (the place of a card still to be put there).
Point cardPosition(const EngineState& state, PileRef pile, int cardsAbove, bool includeTop);

// The position of the card at 0-based `index` from the bottom of its pile.
Point cardPositionAt(const EngineState& state, PileRef pile, int index);

}  // namespace tarvelle
