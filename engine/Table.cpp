// Operations on the cards and piles of the current game: face states, appending,
// finding and removing cards, pile numbers, snapshots and clearing the table.
#include "engine/Table.h"

#include <algorithm>

namespace tarvelle {

void setPileFaceFlags(CardTable& cards, std::string_view pile, int mode, char flag) {
    const int n = positions(pile);
    for (int i = 0; i < n; ++i) {
        const int code = codeAt(pile, i);
        if (code == kGap) continue;
        if (mode >= 1) {
            if (i >= n - mode) cards.setFaceFlag(code, flag);
        } else if (mode == -1) {
            cards.setFaceFlag(code, i % 2 == 0 ? '1' : '0');
        } else if (mode == -2) {
            cards.setFaceFlag(code, i % 2 == 0 ? '0' : '1');
        } else if (mode == -3) {
            cards.setFaceFlag(code, i == 0 ? '1' : '0');
        }
    }
}

void appendCardToSlot(EngineState& state, Collection collection, int slot, int code,
                      std::optional<char> flag) {
    std::string* pile = state.piles.pile(collection, slot);
    if (!pile) return;
    appendCode(*pile, code);
    if (code != kGap && flag) state.cards.setFaceFlag(code, *flag);
}

void appendCard(EngineState& state, std::string_view key, int code, std::optional<char> flag) {
    auto ref = parsePileKey(key);
    if (!ref) return;
    if (ref->collection == Collection::StockGroup && ref->slot != kWaste) return;
    appendCardToSlot(state, ref->collection, ref->slot, code, flag);
}

bool findCardInPile(EngineState& state, Collection collection, int slot, int code,
                    FindAction action) {
    std::string* pile = state.piles.pile(collection, slot);
    if (!pile) return false;
    const int at = findCode(*pile, code);
    if (at < 0) return false;
    const size_t offset = static_cast<size_t>(at) * 3;
    switch (action) {
        case FindAction::Test: break;
        case FindAction::Remove: pile->erase(offset, 3); break;
        case FindAction::ReplaceByGap: pile->replace(offset, 3, "000"); break;
        case FindAction::RemoveWithGap: {
            pile->erase(offset, 3);
            const int before = at > 0 ? at - 1 : 0;
            if (before < positions(*pile) && codeAt(*pile, before) == kGap)
                pile->erase(static_cast<size_t>(before) * 3, 3);
            break;
        }
    }
    return true;
}

PileKind locateAndRemoveCard(EngineState& state, int code, FindAction action) {
    auto tryPile = [&](Collection c, int slot) { return findCardInPile(state, c, slot, code, action); };
    if (tryPile(Collection::StockGroup, kWaste)) return PileKind::Waste;
    for (int k = 0; k < state.rules.tableauPiles(); ++k)
        if (tryPile(Collection::Tableau, k)) return PileKind::Tableau;
    for (int k = 0; k < kFoundationSlots; ++k)
        if (tryPile(Collection::Foundations, k)) return PileKind::Foundation;
    if (tryPile(Collection::StockGroup, kStock)) return PileKind::Stock;
    if (tryPile(Collection::StockGroup, kSecondWaste)) return PileKind::SecondWaste;
    for (int k = 0; k < kReserveSlots; ++k)
        if (tryPile(Collection::Reserves, k)) return PileKind::Reserve;
    return PileKind::NotFound;
}

std::optional<PileRef> pileOf(const EngineState& state, int code) {
    const Piles& p = state.piles;
    if (findCode(p.stock(), code) >= 0) return PileRef{Collection::StockGroup, kStock};
    if (findCode(p.waste(), code) >= 0) return PileRef{Collection::StockGroup, kWaste};
    for (int k = 0; k < kFoundationSlots; ++k)
        if (findCode(p.foundations[static_cast<size_t>(k)], code) >= 0)
            return PileRef{Collection::Foundations, k};
    for (int k = 0; k < state.rules.tableauPiles(); ++k)
        if (findCode(p.tableau[static_cast<size_t>(k)], code) >= 0)
            return PileRef{Collection::Tableau, k};
    for (int k = 0; k < state.rules.reserves(); ++k)
        if (findCode(p.reserves[static_cast<size_t>(k)], code) >= 0)
            return PileRef{Collection::Reserves, k};
    return std::nullopt;
}

int pileNumberOf(const EngineState& state, int code) {
    auto ref = pileOf(state, code);
    if (!ref) return 0;
    switch (ref->collection) {
        case Collection::StockGroup: return ref->slot == kStock ? kStockPileNumber : kWastePileNumber;
        case Collection::Foundations: return -(ref->slot + 1);
        case Collection::Tableau: return ref->slot + 1;
        case Collection::Reserves: return -(20 + ref->slot + 1);
    }
    return 0;
}

int longestTableauPile(const EngineState& state) {
    int longest = 0;
    for (int k = 0; k < state.rules.tableauPiles(); ++k)
        longest = std::max(longest, positions(state.piles.tableau[static_cast<size_t>(k)]));
    return longest;
}

void takeSavedPileCopy(EngineState& state) { state.savedPiles = state.piles; }
void restoreSavedPileCopy(EngineState& state) { state.piles = state.savedPiles; }

void clearTable(EngineState& state, bool withPiles) {
    if (withPiles) {
        state.piles.clear();
        state.undoLog.clear();
    }
    state.redoLog.clear();
    state.flags.clear(Flag::InProgress);
}

std::string pileSnapshot(const EngineState& state, std::string_view pile) {
    std::string out;
    out.reserve(static_cast<size_t>(positions(pile)) * 4);
    for (int i = 0; i < positions(pile); ++i) {
        const int code = codeAt(pile, i);
        out.append(pile.substr(static_cast<size_t>(i) * 3, 3));
        out += code == kGap ? '0' : state.cards.faceFlag(code);
    }
    return out;
}

PileRef snapshotSlot(int line) {
    if (line < kStockSlots) return {Collection::StockGroup, line};
    line -= kStockSlots;
    if (line < kFoundationSlots) return {Collection::Foundations, line};
    line -= kFoundationSlots;
    if (line < kTableauSlots) return {Collection::Tableau, line};
    return {Collection::Reserves, line - kTableauSlots};
}

TableSnapshot buildSnapshot(const EngineState& state) {
    TableSnapshot snapshot;
    for (int i = 0; i < kSnapshotLines; ++i) {
        PileRef slot = snapshotSlot(i);
        snapshot[static_cast<size_t>(i)] = pileSnapshot(state, *state.piles.pile(slot.collection, slot.slot));
    }
    return snapshot;
}

void readPileSnapshot(EngineState& state, Collection collection, int slot, std::string_view line) {
    std::string* pile = state.piles.pile(collection, slot);
    if (!pile) return;
    pile->clear();
    for (size_t at = 0; at + 4 <= line.size(); at += 4) {
        const int code = codeOf(line.substr(at, 3));
        const char flag = line[at + 3];
        if (code < 0 || code > kCardCodes || (flag != '0' && flag != '1')) continue;
        appendCode(*pile, code);
        if (code != kGap) state.cards.setFaceFlag(code, flag);
    }
}

void readSnapshot(EngineState& state, const TableSnapshot& snapshot) {
    for (int i = 0; i < kSnapshotLines; ++i) {
        PileRef slot = snapshotSlot(i);
        readPileSnapshot(state, slot.collection, slot.slot, snapshot[static_cast<size_t>(i)]);
    }
}

}  // namespace tarvelle
