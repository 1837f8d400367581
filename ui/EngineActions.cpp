// The window's way into the engine's moves: hit test, legality, the dispatcher,
// the stock, automatic moves, undo and the end of a game.
#include "ui/EngineActions.h"

#include "engine/AutoMoves.h"
#include "engine/Dealing.h"
#include "engine/Dispatcher.h"
#include "engine/EndOfGame.h"
#include "engine/HitTest.h"
#include "engine/Legality.h"
#include "engine/SpecialFamilies.h"
#include "engine/Stock.h"
#include "engine/Table.h"
#include "records/Undo.h"

namespace tarvelle {

Hit hitTestTable(const EngineState& s, Point at) {
    const int w = s.cardWidth, h = s.cardHeight;
    auto inCard = [&](Point p) { return !isHidden(p) && at.x >= p.x && at.x < p.x + w && at.y >= p.y && at.y < p.y + h; };
    auto testPile = [&](PileRef pile) -> std::optional<Hit> {
        const std::string& text = *s.piles.pile(pile.collection, pile.slot);
        for (int i = positions(text) - 1; i >= 0; --i) {
            const int code = codeAt(text, i);
            if (code == kGap) continue;
            const Point p = cardPositionAt(s, pile, i);
            if (inCard(p)) return Hit{pile, code, i, p};
        }
        const Point base = pilePosition(s, pile);
        if (inCard(base)) return Hit{pile, 0, -1, base};
        return std::nullopt;
    };
    for (int k = 0; k < kStockSlots; ++k)
        if (auto hit = testPile({Collection::StockGroup, k})) return *hit;
    const int n = s.rules.tableauPiles();
    const bool fromLast = s.rules[rule::TableauFan] == 4;
    for (int i = 0; i < n; ++i)
        if (auto hit = testPile({Collection::Tableau, fromLast ? n - 1 - i : i})) return *hit;
    for (int k = 0; k < s.rules.foundations(); ++k)
        if (auto hit = testPile({Collection::Foundations, k})) return *hit;
    for (int k = 0; k < s.rules.reserves(); ++k)
        if (auto hit = testPile({Collection::Reserves, k})) return *hit;
    return {};
}

Hit EngineActions::hitTest(Point at) {
    const HitResult hit = tarvelle::hitTest(state_, at.x, at.y);
    const auto pile = parsePileKey(hit.key);
    if (!pile) return {};
    Hit out{pile, hit.card, -1, {hit.rect.left, hit.rect.top}};
    if (hit.card != 0) out.index = findCode(*state_.piles.pile(pile->collection, pile->slot), hit.card);
    return out;
}

bool EngineActions::mayPickUp(int card, bool) { return tarvelle::mayPickUp(state_, movingCards(state_, card)); }

bool EngineActions::sequenceMovable(int card, PileRef pile) {
    return pile.collection == Collection::Tableau && sequenceIsBuilt(state_, card, pile.slot);
}

bool EngineActions::columnFree(PileRef pile) {
    return pile.collection != Collection::Tableau || columnIsFree(state_, pile.slot);
}

bool EngineActions::drop(int card, const std::vector<DropCandidate>& candidates) {
    std::vector<PileRef> piles;
    for (const DropCandidate& c : candidates) piles.push_back(c.pile);
    return tarvelle::drop(state_, card, std::nullopt, piles);
}

bool EngineActions::automaticMove(int card, bool toTableaus, bool toFoundations) {
    const bool moved = moveToBestTarget(state_, card, toFoundations, toTableaus, false);
    if (moved && state_.flags[Flag::Won]) endOfGame(state_);
    return moved;
}

void EngineActions::turnFaceUp(int card) {
    if (const auto pile = pileOf(state_, card); pile && pile->collection == Collection::Tableau)
        tarvelle::turnFaceUp(state_, card, pile->slot);
}

void EngineActions::stockClick(bool) { stockPress(state_); }

bool EngineActions::moveToSecondWaste(int card) { return executeAction(state_, card, "Waste"); }

PressRule EngineActions::specialPressRule(const Hit& hit) {
    if (!hit.pile) return PressRule::Generic;
    return tarvelle::specialPressRule(state_, hit.card, pileKey(*hit.pile), false);
}

void EngineActions::autoFill() { tarvelle::autoFill(state_); }

bool EngineActions::autoplayPass() { return tarvelle::autoplay(state_); }

bool EngineActions::release(const Release& r) {
    // The marked empty stock waits as the engine's pending redeal.
    if (!r.emptyStockMarked) state_.counters.redealPending = false;
    std::optional<DragRelease> drag;
    if (r.card != 0) {
        std::vector<PileRef> piles;
        for (const DropCandidate& c : r.candidates) piles.push_back(c.pile);
        drag = DragRelease{r.card, r.moved, Rect{r.left, r.top, r.right, r.bottom}, piles};
    }
    return afterRelease(state_, drag);
}

bool EngineActions::undo() { return tarvelle::undo(state_, state_.flags[Flag::Demo]); }

bool EngineActions::redo() { return tarvelle::redo(state_, state_.flags[Flag::Demo]); }

bool EngineActions::restart() { return restartGame(state_, state_.flags[Flag::Demo]); }

bool EngineActions::endGame() { return endOfGame(state_); }

void EngineActions::gameWon() {
    if (state_.flags[Flag::InProgress]) endOfGame(state_);
}

}  // namespace tarvelle
