// Automatic moves: autoplay to the foundations, turning uncovered cards, filling
// empty tableau piles, putting a dragged card back and the steps after a release.
#include "engine/AutoMoves.h"

#include <string>

#include "engine/Dispatcher.h"
#include "engine/EndOfGame.h"
#include "engine/Legality.h"
#include "engine/Sounds.h"
#include "engine/Stock.h"
#include "engine/Table.h"
#include "records/SettingsFields.h"
#include "records/Undo.h"

namespace tarvelle {

namespace {

const std::string& tableau(const EngineState& s, int k) { return s.piles.tableau[static_cast<size_t>(k)]; }

bool offerToFoundations(EngineState& s, int card) {
    return card != kGap && !s.cards.isFaceDown(card) && mayMoveAutomatically(s, card) &&
           moveToBestTarget(s, card, true, false, true);
}

bool autoplayRound(EngineState& s) {
    bool moved = false;
    for (bool pass = true; pass;) {
        pass = false;
        for (int n = 0; n < s.rules.reserves(); ++n)
            if (offerToFoundations(s, topCard(s.piles.reserves[static_cast<size_t>(n)]))) pass = moved = true;
    }
    if (s.rules[rule::WasteKind] != 2 && offerToFoundations(s, topCard(s.piles.waste()))) moved = true;
    const bool turnUp = s.settings.isYes(setting::AutomaticFaceUp) && s.rules[rule::AutoTurnUp] == 1;
    for (int k = 0; k < s.rules.tableauPiles(); ++k) {
        const int top = topCard(tableau(s, k));
        if (top == kGap) continue;
        if (s.cards.isFaceDown(top) && turnUp) turnFaceUp(s, top, k);
        if (offerToFoundations(s, topCard(tableau(s, k)))) {
            moved = true;
            if (s.rules.reserves() > 0) break;
        }
    }
    return moved;
}

// The card that fills an empty pile: the top card of the first source that holds one.
int firstTop(const std::string& a, const std::string& b) { return !a.empty() ? topCard(a) : topCard(b); }

bool fillPile(EngineState& s, int k, int card) {
    return card != kGap && executeAction(s, card, "Fila" + std::to_string(k + 1));
}

bool isRowEnd(int k) {
    const int n = k + 1;
    return n == 1 || n == 7 || n == 8 || n == 14 || n == 15 || n == 21 || n == 22 || n == 28;
}

}  // namespace

bool autoplayActive(const EngineState& state) { return state.autoplayChecked && state.commands.autoplayButton; }

bool autoplay(EngineState& state) {
    if (!autoplayActive(state)) return false;
    bool anything = false;
    while (!state.flags[Flag::Ended] && autoplayRound(state)) anything = true;
    if (state.flags[Flag::Won]) endOfGame(state);
    return anything;
}

void autoplayAfterDeal(EngineState& state) {
    state.host.wait(800);
    for (int rounds = 0; rounds < 1000; ++rounds) {
        const bool filled = autoFill(state);
        if (!autoplay(state) && !filled) break;
    }
}

void turnFaceUp(EngineState& state, int card, int k) {
    recordStep(state, LogDirection::Undo);
    state.cards.setFaceFlag(card, '1');
    const bool shadowed = state.settings.get(setting::CardsShadowed) != "N";
    state.host.redrawPile({Collection::Tableau, k}, shadowed ? DrawEffect::Shadow : DrawEffect::Plain);
    playSound(state, "Face_up", setting::SoundsFaceUp);
    state.host.refreshCardCounter();
    // Turning a card changes the table: what was taken back can no longer be redone.
    recordStep(state, LogDirection::Redo, true);
}

void autoTurnUp(EngineState& state) {
    if (state.settings.get(setting::AutomaticFaceUp) == "N" || state.rules[rule::AutoTurnUp] == 0) return;
    for (int k = 0; k < state.rules.tableauPiles(); ++k) {
        const int top = topCard(tableau(state, k));
        if (top != kGap && state.cards.isFaceDown(top)) turnFaceUp(state, top, k);
    }
}

bool autoFill(EngineState& state) {
    if (onlyTableauToFoundationYet(state)) return false;
    const RuleTable& r = state.rules;
    const Piles& p = state.piles;
    const int value = r[rule::AutoFillSource];
    const int grid = r[rule::GridRows] > 0 && r[rule::GridColumns] > 0 ? r[rule::GridRows] * r[rule::GridColumns] : 0;
    bool filled = false;
    for (int k = 0; k < r.tableauPiles(); ++k) {
        if (!tableau(state, k).empty()) continue;
        switch (value) {
            case 1: filled |= fillPile(state, k, topCard(p.reserves[0])); break;
            case 2:
            case 4:
                if (k < grid) break;
                if (value == 4 && state.undoLog.countCode(kEventTableauDrop) > 0) break;
                filled |= fillPile(state, k, firstTop(p.waste(), p.stock()));
                break;
            case 3: filled |= fillPile(state, k, firstTop(p.stock(), p.waste())); break;
            case 5:
                for (int i = 0; i < 3; ++i) filled |= fillPile(state, k, topCard(p.waste()));
                break;
            case 6:
                if (isRowEnd(k)) filled |= fillPile(state, k, topCard(p.waste()));
                break;
            case 7:
                if (k >= 10) filled |= fillPile(state, k, topCard(p.stock()));
                break;
            default: break;
        }
    }
    return filled;
}

void putBack(EngineState& state, int card) {
    std::optional<PileRef> pile;
    if (findCode(state.piles.waste(), card) >= 0) pile = PileRef{Collection::StockGroup, kWaste};
    for (int k = 0; !pile && k < state.rules.tableauPiles(); ++k)
        if (findCode(tableau(state, k), card) >= 0) pile = PileRef{Collection::Tableau, k};
    for (int k = 0; !pile && k < kFoundationSlots; ++k)
        if (findCode(state.piles.foundations[static_cast<size_t>(k)], card) >= 0) pile = PileRef{Collection::Foundations, k};
    for (int k = 0; !pile && k < kReserveSlots; ++k)
        if (findCode(state.piles.reserves[static_cast<size_t>(k)], card) >= 0) pile = PileRef{Collection::Reserves, k};
    if (!pile) return;
    if (state.settings.get(setting::CardsAnimate) != "N") state.host.glideBack(card, *pile);
    state.host.redrawPile(*pile, DrawEffect::Plain);
    if (state.settings.get(setting::CardsShadowed) != "N") playSound(state, "card_down", setting::SoundsCardDown);
}

bool afterRelease(EngineState& state, const std::optional<DragRelease>& drag) {
    if (state.counters.redealPending) {
        state.host.drawEmptyStockMarker(emptyStockMarkerPile(state), 50);
        executeAction(state, 0, "Mazzo_Vis");
        state.counters.redealPending = false;
    }
    bool dropped = false;
    if (drag && drag->card != kGap) {
        if (!drag->moved) {
            putBack(state, drag->card);
        } else if (drop(state, drag->card, drag->rect, drag->candidates)) {
            dropped = true;
            if (state.flags[Flag::Won]) endOfGame(state);
        } else {
            putBack(state, drag->card);
        }
        state.counters.draggedCard = 0;
    }
    state.host.refreshTableImage();
    autoFill(state);
    for (int rounds = 0; rounds < 1000 && autoplay(state); ++rounds) autoFill(state);
    return dropped;
}

}  // namespace tarvelle
