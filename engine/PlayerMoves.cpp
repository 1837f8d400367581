// The player's moves as the command-line tool and the tests give them: a drag
// dropped on a pile, a press on a pile, the automatic moves, and every move that the rules allow now.
#include "engine/PlayerMoves.h"

#include "engine/AutoMoves.h"
#include "engine/Dispatcher.h"
#include "engine/EndOfGame.h"
#include "engine/Legality.h"
#include "engine/SpecialFamilies.h"
#include "engine/Stock.h"
#include "engine/Table.h"

namespace tarvelle {

namespace {

// The table, its counters and its logs, to tell whether an action changed anything.
struct Fingerprint {
    Piles piles;
    std::string faces;
    int deals;
    int undoSteps;
    bool operator==(const Fingerprint&) const = default;
};

Fingerprint fingerprint(const EngineState& s) {
    std::string faces;
    faces.reserve(kCardCodes);
    for (int code = 1; code <= kCardCodes; ++code) faces += s.cards.faceFlag(code);
    return {s.piles, faces, s.catalogue.dealsMade(), s.undoLog.stepCount()};
}

void addMovesOf(const EngineState& s, Collection c, int slot, std::vector<LegalMove>& out) {
    const std::string& pile = *s.piles.pile(c, slot);
    const RuleTable& r = s.rules;
    for (int at = 0; at < positions(pile); ++at) {
        const int card = codeAt(pile, at);
        if (card == kGap) continue;
        // The card lies here, so its place needs no search of the table.
        const MovingCards m{card, PileRef{c, slot}, at, positions(pile) - at};
        if (!mayPickUp(s, m)) continue;
        auto offer = [&](PileRef target) {
            if (mayDrop(s, m, target)) out.push_back({card, pileKey(target)});
        };
        for (int f = 0; f < r.foundations(); ++f) offer({Collection::Foundations, f});
        // The gaps game drops by its own rule.
        if (r[rule::GameKind] != 32)
            for (int k = 0; k < r.tableauPiles(); ++k) offer({Collection::Tableau, k});
        for (int n = 0; n < r.reserves(); ++n) offer({Collection::Reserves, n});
        if (m.single() && !(c == Collection::StockGroup && slot == kWaste) && wasteTakes(s, card))
            out.push_back({card, pileKey({Collection::StockGroup, kWaste})});
    }
}

bool faceDownTop(const EngineState& s, int k) {
    const int top = topCard(s.piles.tableau[static_cast<size_t>(k)]);
    return top != kGap && s.cards.isFaceDown(top);
}

// A press on a tableau pile's top card that the kind's own press rule handles.
bool specialTopPress(const EngineState& s, PileRef pile) {
    if (pile.collection != Collection::Tableau || pile.slot >= s.rules.tableauPiles()) return false;
    const int top = topCard(s.piles.tableau[static_cast<size_t>(pile.slot)]);
    return top != kGap && specialPressRule(s, top, pileKey(pile), false) != PressRule::Generic;
}

bool wasteRedealPress(const EngineState& s) {
    return s.rules[rule::RedealKind] > 0 && s.piles.stock().empty() && s.piles.waste().empty();
}

}  // namespace

bool playerMove(EngineState& state, int card, std::string_view key) {
    auto target = parsePileKey(key);
    if (!target) return false;
    if (target->collection == Collection::StockGroup && target->slot != kWaste) return false;
    const MovingCards m = movingCards(state, card);
    if (!m.from || !mayPickUp(state, m)) return false;
    state.counters.draggedCard = card;
    return afterRelease(state, DragRelease{card, true, std::nullopt, {*target}});
}

bool playerClick(EngineState& state, std::string_view key) {
    auto pile = parsePileKey(key);
    if (!pile) return false;
    const Fingerprint before = fingerprint(state);
    if (*pile == PileRef{Collection::StockGroup, kStock}) {
        stockPress(state);
    } else if (*pile == PileRef{Collection::StockGroup, kWaste} && wasteRedealPress(state)) {
        executeAction(state, 0, "Mazzo_Vis");
    } else if (specialTopPress(state, *pile)) {
        specialPress(state, topCard(state.piles.tableau[static_cast<size_t>(pile->slot)]), key, false);
    } else if (pile->collection == Collection::Tableau && pile->slot < state.rules.tableauPiles() &&
               faceDownTop(state, pile->slot)) {
        turnFaceUp(state, topCard(state.piles.tableau[static_cast<size_t>(pile->slot)]), pile->slot);
    } else {
        return false;
    }
    afterRelease(state);
    return !(fingerprint(state) == before);
}

bool playerDoubleClick(EngineState& state, int card) {
    const bool moved = automaticMove(state, card, true, false);
    state.flags.clear(Flag::IgnoreNextPress);
    afterRelease(state);
    return moved;
}

bool playerRightClick(EngineState& state, int card) {
    const bool moved = automaticMove(state, card, false, true);
    afterRelease(state);
    return moved;
}

std::vector<LegalMove> legalMoves(const EngineState& state) {
    std::vector<LegalMove> moves;
    addMovesOf(state, Collection::StockGroup, kWaste, moves);
    for (int k = 0; k < state.rules.tableauPiles(); ++k) addMovesOf(state, Collection::Tableau, k, moves);
    for (int f = 0; f < kFoundationSlots; ++f) addMovesOf(state, Collection::Foundations, f, moves);
    for (int n = 0; n < state.rules.reserves(); ++n) addMovesOf(state, Collection::Reserves, n, moves);
    return moves;
}

std::vector<std::string> legalClicks(const EngineState& state) {
    std::vector<std::string> clicks;
    if (stockPressWouldAct(state)) clicks.push_back("Mazzo");
    if (wasteRedealPress(state) && stockWordWouldAct(state, "Mazzo_Vis")) clicks.push_back("Mazzo_Vis");
    for (int k = 0; k < state.rules.tableauPiles(); ++k) {
        const PileRef pile{Collection::Tableau, k};
        if (specialTopPress(state, pile)) {
            const int top = topCard(state.piles.tableau[static_cast<size_t>(k)]);
            if (specialPressRule(state, top, pileKey(pile), false) == PressRule::Taken) clicks.push_back(pileKey(pile));
        } else if (faceDownTop(state, k)) {
            clicks.push_back(pileKey(pile));
        }
    }
    return clicks;
}

}  // namespace tarvelle
