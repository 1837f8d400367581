// The hooks of the special game families (selection games, removal rules,
// gaps and memory games, and the special game kinds). Each is called where the
// moves of the table call it; those of families not played yet do nothing.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "engine/EngineState.h"
#include "engine/HitTest.h"

namespace tarvelle {

// --- Selection games (rule 38) ----------------------------------------------
// A press on a card of a selection game: toggles it in the selection. False when refused.
bool selectCard(EngineState& state, int card);
// "Selezionate_Dest": discards the completed selection to the second waste pile.
bool discardSelection(EngineState& state);
// "Stock_To_Pile_Monte_Carlo": closes up the tableau and refills it from the stock.
bool closeUpAndRefill(EngineState& state);
// Game kind 4: a press on the stock with a card selected; true when it was handled.
bool stockPressWithSelection(EngineState& state);
// Game kind 4: the waste was redealt; a selected card now at the bottom of the stock leaves the selection.
void dropRedealtCardFromSelection(EngineState& state);

// --- Removal rules ----------------------------------------------------------
// A complete run of thirteen on top of tableau pile k (0-based) leaves for the
// first empty foundation whose base value is 82, 83 or 95, card by card, as
// part of the undo step of the move that completed it.
void completeRunCheck(EngineState& state, int k);
// Game kind 29: four cards of one rank on top of tableau pile k go to the second waste pile.
void fourOfAKindCheck(EngineState& state, int k);
// Tableau building kind 69: ten cards in a row on piles 1-10 go to the second waste pile.
void tenInARowCheck(EngineState& state);
// Game kind 30: a jack or king played to foundation f (0-based) brings its ace or queen along.
void followUpKind30(EngineState& state, int card, int f);
// Rule 29: after a move to foundation f (0-based) its cards are put back in order.
void rearrangeFoundation(EngineState& state, int f);

// --- Special game kinds -----------------------------------------------------
// Game kind 23: whether a tableau card may go to a foundation now.
bool kind23AllowsFoundationMove(const EngineState& state);
// Game kind 19: a drop of its own; nullopt leaves the drop to the ordinary rules.
std::optional<bool> kind19Drop(EngineState& state, int card, const std::vector<PileRef>& candidates);
// Game kind 32: the gap drop onto tableau pile k; true when the card moved.
bool gapDrop(EngineState& state, int card, const std::optional<Rect>& dragged, int k);
// Game kind 38: the completion check after a move onto a tableau pile.
void kind38CompletionCheck(EngineState& state);
// Game kind 40: the automatic step after a move onto tableau pile k.
void kind40AutomaticStep(EngineState& state, int k);
// Game kind 42: the card counts after a move onto a tableau pile.
void kind42RefreshCounts(EngineState& state);
// What a press on a tableau card comes to by the press rules of the special game kinds.
enum class PressRule {
    Generic,  // the kind has no press rule of its own: the ordinary press applies
    Nothing,  // the press does nothing
    Refused,  // the press beeps and changes nothing
    Taken,    // kinds 2, 12 and 15: the card goes to the second waste pile
};
PressRule specialPressRule(const EngineState& state, int card, std::string_view key, bool rightButton);
// Kinds 2, 12 and 15: whether the second waste pile's top card lets the card
// come onto it: one rank above or below, any suit; in kinds 12 and 15 a king
// and an ace follow each other, in kind 2 they do not. An empty second waste
// pile takes any card.
bool discardPileTakes(const EngineState& state, int card);
// Kinds 2, 12 and 15: the taken card glides to the second waste pile and is
// moved there ("Waste"); the end of the game runs when that won it.
bool playOntoDiscardPile(EngineState& state, int card);
// The press rules of the special game kinds on a tableau card, carried out;
// true when the press was handled (false: the ordinary press applies).
bool specialPress(EngineState& state, int card, std::string_view key, bool rightButton);

}  // namespace tarvelle
