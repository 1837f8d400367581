// The player's moves as the command-line tool and the tests give them: a drag
// dropped on a pile, a press on a pile, the automatic moves, and every move that the rules allow now.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/EngineState.h"

namespace tarvelle {

// The card dragged from its pile and dropped on the pile that the key names:
// picked up, tested, moved, then the steps of the release. True when it moved.
bool playerMove(EngineState& state, int card, std::string_view key);

// A press on a pile without a dragged card, then the steps of the release:
// the stock press for "Mazzo", a redeal from the empty waste for "Mazzo_Vis",
// turning a face-down top card for "FilaN", or, in the games that play tableau
// cards onto the second waste pile, playing its top card there. True when the table changed.
bool playerClick(EngineState& state, std::string_view key);

// The automatic move of a double or a right click on the card, then the steps of the release.
bool playerDoubleClick(EngineState& state, int card);
bool playerRightClick(EngineState& state, int card);

struct LegalMove {
    int card;
    std::string key;
    bool operator==(const LegalMove&) const = default;
};

// Every move that playerMove would carry out now.
std::vector<LegalMove> legalMoves(const EngineState& state);
// Every pile whose press (playerClick) would change the table now.
std::vector<std::string> legalClicks(const EngineState& state);

}  // namespace tarvelle
