// Ranking the piles under dropped cards by the area they share with them.
#include <algorithm>
#include <tuple>

#include "ui/GameActions.h"

namespace tarvelle {

namespace {

int kindCode(Collection c) {
    switch (c) {
        case Collection::Foundations: return 5;
        case Collection::Tableau: return 4;
        case Collection::Reserves: return 6;
        case Collection::StockGroup: return 2;
    }
    return 0;
}

int overlap(int l1, int t1, int r1, int b1, int l2, int t2, int r2, int b2) {
    const int w = std::min(r1, r2) - std::max(l1, l2);
    const int h = std::min(b1, b2) - std::max(t1, t2);
    return w > 0 && h > 0 ? w * h : 0;
}

}  // namespace

std::vector<DropCandidate> rankDropTargets(const EngineState& state, int left, int top, int right, int bottom) {
    std::vector<DropCandidate> all;
    const int w = state.cardWidth, h = state.cardHeight;
    auto consider = [&](PileRef pile, Point at, int position) {
        if (isHidden(at)) return;
        const int area = overlap(left, top, right, bottom, at.x, at.y, at.x + w, at.y + h);
        if (area > 0) all.push_back({pile, area, position});
    };
    auto topOf = [&](PileRef pile) {
        const std::string* text = state.piles.pile(pile.collection, pile.slot);
        const int n = text ? positions(*text) : 0;
        return n > 0 ? cardPositionAt(state, pile, n - 1) : pilePosition(state, pile);
    };
    for (int k = 0; k < state.rules.foundations(); ++k) consider({Collection::Foundations, k}, topOf({Collection::Foundations, k}), -1);
    const int fan = state.rules[rule::TableauFan];
    if (fan == 8 || fan == 9) {
        const PileRef grid{Collection::Tableau, 0};
        for (int i = 0; i < positions(state.piles.tableau[0]); ++i) consider(grid, cardPositionAt(state, grid, i), i);
    } else {
        for (int k = 0; k < state.rules.tableauPiles(); ++k) consider({Collection::Tableau, k}, topOf({Collection::Tableau, k}), -1);
    }
    for (int k = 0; k < state.rules.reserves(); ++k) consider({Collection::Reserves, k}, topOf({Collection::Reserves, k}), -1);
    if (state.rules[rule::WasteMovesForbidden] != 4) consider({Collection::StockGroup, kWaste}, topOf({Collection::StockGroup, kWaste}), -1);

    // Largest area first; among equal areas the higher kind code, then the higher pile.
    auto key = [](const DropCandidate& c) { return std::make_tuple(c.area, kindCode(c.pile.collection), c.pile.slot, c.position); };
    std::sort(all.begin(), all.end(), [&](const DropCandidate& a, const DropCandidate& b) { return key(a) > key(b); });
    if (all.size() > 4) all.resize(4);
    return all;
}

}  // namespace tarvelle
