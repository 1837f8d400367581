// Operations on the cards and piles of the current game: face states, appending,
// finding and removing cards, pile numbers, snapshots and clearing the table.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/EngineState.h"

namespace tarvelle {

// Face flags of a pile: mode n >= 1 gives the top n cards the flag; -1
// alternates up, down, up ... from the bottom; -2 down, up, down ...; -3 turns
// only the bottom card up and every other card down. Mode 0 changes nothing.
void setPileFaceFlags(CardTable& cards, std::string_view pile, int mode, char flag);

// Appends to the pile named by a key ("Mazzo_Vis", "DestN", "FilaN",
// "AppoggN"); the stock and the second waste are not taken by key. A code of 0
// appends a gap. The flag, when given, is set on the card.
void appendCard(EngineState& state, std::string_view key, int code,
                std::optional<char> flag = std::nullopt);
void appendCardToSlot(EngineState& state, Collection collection, int slot, int code,
                      std::optional<char> flag = std::nullopt);

enum class FindAction { Test, Remove, ReplaceByGap, RemoveWithGap };

// Acts on the first position from the bottom that holds the code; false when
// the pile does not hold it.
bool findCardInPile(EngineState& state, Collection collection, int slot, int code,
                    FindAction action);

// Removes (or replaces by a gap) the card from the first pile that holds it:
// waste, tableau, foundations, stock, second waste, reserves.
PileKind locateAndRemoveCard(EngineState& state, int code, FindAction action);

// Tableau pile n is n, foundation n is -n, reserve n is -(20 + n), the waste
// -98, the stock -99; 0 when not found (the second waste has no number).
int pileNumberOf(const EngineState& state, int code);

// Where a card lies, searched in the pile-number order; nullopt when nowhere.
std::optional<PileRef> pileOf(const EngineState& state, int code);

// The largest number of positions among the game's tableau piles.
int longestTableauPile(const EngineState& state);

void takeSavedPileCopy(EngineState& state);
void restoreSavedPileCopy(EngineState& state);

// Empties the 55 slots and the undo log when asked; always empties the redo
// log and clears the in-progress flag.
void clearTable(EngineState& state, bool withPiles);

// A pile in snapshot text: each position as its code and face flag, a gap as "0000".
std::string pileSnapshot(const EngineState& state, std::string_view pile);
TableSnapshot buildSnapshot(const EngineState& state);
// Empties the slot and fills it from one snapshot line; a group that is not a
// card code is skipped.
void readPileSnapshot(EngineState& state, Collection collection, int slot, std::string_view line);
void readSnapshot(EngineState& state, const TableSnapshot& snapshot);

// The collection and slot of snapshot line i (0-54).
PileRef snapshotSlot(int line);

}  // namespace tarvelle
