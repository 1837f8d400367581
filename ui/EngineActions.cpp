// The window's way into the engine's moves. Until the move rules are in the
// engine it finds the pile under a point and deals, and refuses every move.
#include "ui/EngineActions.h"

#include "engine/Dealing.h"
#include "engine/Table.h"

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

Hit EngineActions::hitTest(Point at) { return hitTestTable(state_, at); }

bool EngineActions::undo() {
    if (state_.undoLog.steps.empty()) return false;
    state_.redoLog.steps.push_back(buildSnapshot(state_));
    readSnapshot(state_, state_.undoLog.steps.back());
    state_.undoLog.steps.pop_back();
    return true;
}

bool EngineActions::redo() {
    if (state_.redoLog.steps.empty()) return false;
    state_.undoLog.steps.push_back(buildSnapshot(state_));
    readSnapshot(state_, state_.redoLog.steps.back());
    state_.redoLog.steps.pop_back();
    return true;
}

bool EngineActions::restart() {
    return startGame(state_, StartOptions{true, true, false, true});
}

bool EngineActions::endGame() {
    const bool won = state_.flags[Flag::Won];
    state_.flags.clear(Flag::InProgress);
    state_.flags.clear(Flag::ClockRunning);
    return won;
}

}  // namespace tarvelle
