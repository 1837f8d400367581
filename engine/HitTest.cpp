// The hit test: which pile and card lie under a point of the table, and where a card is drawn.
#include "engine/HitTest.h"

#include "engine/CardPositions.h"

namespace tarvelle {

namespace {

using F = FanKind;
using V = TMainGame::FanValue;

const std::string& pileText(const EngineState& s, PileRef p) { return *s.piles.pile(p.collection, p.slot); }
int fanValue(const EngineState& s, V v) { return s.catalogue.value(v); }

bool vertical(int fan) {
    return fan == static_cast<int>(F::VerticalFan) || fan == static_cast<int>(F::Squared) ||
           fan == static_cast<int>(F::SmallVerticalStep) || fan == static_cast<int>(F::SquaredOneStepDown);
}

// The band that card `at` owns along the fan direction: its length, the top card's being the card's own.
int bandOf(const EngineState& s, const std::string& pile, int at, int fan) {
    const int n = positions(pile);
    const int W = s.cardWidth, H = s.cardHeight;
    const bool top = at == n - 1;
    const bool down = s.cards.isFaceDown(codeAt(pile, at));
    switch (static_cast<F>(fan)) {
        case F::VerticalFan:
        case F::Squared:
            if (top) return H - 1;
            return fan == 3 ? 0 : fanValue(s, down ? V::FaceDownVerticalStep : V::FaceUpVerticalStep);
        case F::SmallVerticalStep: return top ? H - 1 : fanValue(s, V::SmallVerticalStep);
        case F::SquaredOneStepDown:
            if (top) return H - 1;
            return at == 0 ? fanValue(s, V::FaceUpVerticalStep) : 0;
        case F::HorizontalFan:
            return top ? W - 1 : fanValue(s, down ? V::FaceDownHorizontalStep : V::FaceUpHorizontalStep);
        case F::SmallHorizontalStep: return top ? W - 1 : fanValue(s, V::SmallHorizontalStep);
        case F::SideBySide: return W;
        default: return top ? H - 1 : 0;
    }
}

struct BandHit {
    int position;
    int start;  // where the hit card's band begins
};

// Walks the cards from the bottom up along the fan; the first band that holds the coordinate wins.
std::optional<BandHit> bandWalk(const EngineState& s, PileRef p, int fan, int coordinate) {
    const std::string& pile = pileText(s, p);
    const Point at = pilePosition(s, p);
    const bool alongY = vertical(fan);
    int start = alongY ? at.y : at.x;
    const int n = positions(pile);
    for (int i = 0; i < n; ++i) {
        const int band = bandOf(s, pile, i, fan);
        if (coordinate >= start && coordinate <= start + band) return BandHit{i, start};
        start += band;
        if (fan == static_cast<int>(F::SideBySide)) start += fanValue(s, V::SideBySideGap);
    }
    return std::nullopt;
}

Rect cardRect(const EngineState& s, int left, int top) { return {left, top, left + s.cardWidth, top + s.cardHeight}; }

// Fan kinds 8 and 9: every card against its own rectangle, bottom card first; gaps are never hit.
std::optional<int> ownRectangleHit(const EngineState& s, PileRef p, int x, int y) {
    const std::string& pile = pileText(s, p);
    for (int i = 0; i < positions(pile); ++i) {
        if (codeAt(pile, i) == kGap) continue;
        const Point at = cardPositionAt(s, p, i);
        if (cardRect(s, at.x, at.y).contains(x, y)) return i;
    }
    return std::nullopt;
}

// The hit card's rectangle: for a vertical fan its drawn x and the start of its band, for a
// horizontal fan the start of its band and the pile's y.
Rect resultRect(const EngineState& s, PileRef p, int fan, const BandHit& hit) {
    if (fan == static_cast<int>(F::Squared)) {
        const Point at = pilePosition(s, p);
        return cardRect(s, at.x, at.y);
    }
    if (vertical(fan)) return cardRect(s, cardPositionAt(s, p, hit.position).x, hit.start);
    return cardRect(s, hit.start, pilePosition(s, p).y);
}

std::optional<HitResult> hitTableau(const EngineState& s, int k, int x, int y, bool& outlineHeld) {
    const PileRef p{Collection::Tableau, k};
    const Point at = pilePosition(s, p);
    if (isHidden(at)) return std::nullopt;
    const std::string& pile = pileText(s, p);
    const int fan = s.rules[rule::TableauFan];
    const int W = s.cardWidth, H = s.cardHeight;
    const int n = positions(pile);
    bool inside = false;
    switch (static_cast<F>(fan)) {
        case F::HorizontalFan:
        case F::SideBySide:
        case F::SmallHorizontalStep: {
            const int topX = n > 0 ? cardPositionAt(s, p, n - 1).x : at.x;
            inside = Rect{at.x, at.y, topX + W, at.y + H}.contains(x, y);
            break;
        }
        case F::SideBySideWithGap: inside = Rect{at.x, at.y, at.x + (W + 2) * n + W, at.y + H}.contains(x, y); break;
        case F::SerpentineGrid: inside = true; break;
        default: inside = Rect{at.x, at.y, at.x + W, pileBottomEdge(s, p)}.contains(x, y); break;
    }
    if (!inside) return std::nullopt;
    outlineHeld = true;
    const std::string key = pileKey(p);
    if (fan == static_cast<int>(F::SerpentineGrid) || fan == static_cast<int>(F::SideBySideWithGap)) {
        auto i = ownRectangleHit(s, p, x, y);
        if (!i) return std::nullopt;
        const Point c = cardPositionAt(s, p, *i);
        return HitResult{key, codeAt(pile, *i), cardRect(s, c.x, c.y)};
    }
    if (n == 0) return std::nullopt;
    if (fan == static_cast<int>(F::Squared)) {
        if (y > at.y + H - 1) return std::nullopt;
        return HitResult{key, topCard(pile), cardRect(s, at.x, at.y)};
    }
    auto hit = bandWalk(s, p, fan, vertical(fan) ? y : x);
    if (!hit || codeAt(pile, hit->position) == kGap) return std::nullopt;
    return HitResult{key, codeAt(pile, hit->position), resultRect(s, p, fan, *hit)};
}

std::optional<HitResult> hitFoundation(const EngineState& s, int k, int x, int y) {
    const PileRef p{Collection::Foundations, k};
    const Point at = pilePosition(s, p);
    if (isHidden(at)) return std::nullopt;
    const std::string& pile = pileText(s, p);
    const int fan = s.rules[rule::FoundationFan];
    Rect outline;
    if (fan == static_cast<int>(F::HorizontalFan) || fan == static_cast<int>(F::SideBySide)) {
        const int topX = pile.empty() ? at.x : cardPositionAt(s, p, positions(pile) - 1).x;
        outline = cardRect(s, topX, at.y);
    } else {
        const int bottom = pileBottomEdge(s, p);
        outline = {at.x, bottom - s.cardHeight, at.x + s.cardWidth, bottom};
    }
    if (!outline.contains(x, y)) return std::nullopt;
    return HitResult{pileKey(p), topCard(pile), outline};
}

std::optional<HitResult> hitReserve(const EngineState& s, int k, int x, int y) {
    const PileRef p{Collection::Reserves, k};
    const Point at = pilePosition(s, p);
    const std::string& pile = pileText(s, p);
    if (isHidden(at) || pile.empty()) return std::nullopt;
    int fan = s.rules[rule::ReserveFan];
    const int n = positions(pile);
    Rect outline;
    if (fan == static_cast<int>(F::HorizontalFan) || fan == static_cast<int>(F::SideBySide)) {
        const int topX = cardPositionAt(s, p, n - 1).x;
        outline = fan == static_cast<int>(F::HorizontalFan) ? cardRect(s, topX, at.y)
                                                            : Rect{at.x, at.y, topX + s.cardWidth, at.y + s.cardHeight};
    } else {
        outline = {at.x, at.y, at.x + s.cardWidth, pileBottomEdge(s, p)};
    }
    if (!outline.contains(x, y)) return std::nullopt;
    std::optional<BandHit> hit;
    Rect rect;
    if (fan == static_cast<int>(F::HorizontalFan)) {
        // Only the top card of a horizontally fanned reserve is under its outline.
        hit = BandHit{n - 1, outline.left};
        rect = outline;
    } else if (fan == static_cast<int>(F::Squared)) {
        hit = BandHit{n - 1, at.y};
        rect = outline;
    } else {
        if (!vertical(fan) && fan != static_cast<int>(F::SideBySide)) fan = static_cast<int>(F::VerticalFan);
        hit = bandWalk(s, p, fan, vertical(fan) ? y : x);
        if (!hit) return std::nullopt;
        rect = resultRect(s, p, fan, *hit);
        rect.right = outline.right;
        rect.bottom = outline.bottom;
    }
    if (s.rules[rule::ReservePickUp] == -11) rect.bottom = rect.top + s.cardHeight;
    return HitResult{pileKey(p), codeAt(pile, hit->position), rect};
}

std::optional<Rect> locateByHit(const EngineState& s, int card, int x, int y) {
    const HitResult hit = hitTest(s, x, y);
    if (hit.card != card || card == kGap) return std::nullopt;
    return hit.rect;
}

// The point one pixel inside a pile's top card, where the hit test finds it.
Point insideTopCard(const EngineState& s, PileRef p, int fan) {
    const Point at = pilePosition(s, p);
    if (fan == static_cast<int>(F::HorizontalFan) || fan == static_cast<int>(F::SmallHorizontalStep)) {
        const std::string& pile = pileText(s, p);
        const int topX = pile.empty() ? at.x : cardPositionAt(s, p, positions(pile) - 1).x;
        return {topX + 1, at.y + 1};
    }
    const std::string& pile = pileText(s, p);
    const int x = pile.empty() ? at.x : cardPositionAt(s, p, positions(pile) - 1).x;
    return {x + 1, pileBottomEdge(s, p) - 1};
}

}  // namespace

int pileBottomEdge(const EngineState& state, PileRef pile) {
    const std::string& text = pileText(state, pile);
    const Point at = pilePosition(state, pile);
    if (text.empty()) return at.y + state.cardHeight;
    return cardPositionAt(state, pile, positions(text) - 1).y + state.cardHeight;
}

HitResult hitTest(const EngineState& state, int x, int y) {
    for (int slot = 0; slot < kStockSlots; ++slot) {
        const PileRef p{Collection::StockGroup, slot};
        const Point at = pilePosition(state, p);
        if (isHidden(at)) continue;
        const Rect rect = cardRect(state, at.x, at.y);
        if (rect.contains(x, y)) return {pileKey(p), topCard(pileText(state, p)), rect};
    }
    const int piles = state.rules.tableauPiles();
    const bool backward = state.rules[rule::TableauFan] == static_cast<int>(F::SideBySide);
    for (int i = 0; i < piles; ++i) {
        const int k = backward ? piles - 1 - i : i;
        bool outlineHeld = false;
        if (auto hit = hitTableau(state, k, x, y, outlineHeld)) return *hit;
        if (outlineHeld && !backward) break;
    }
    for (int k = 0; k < kFoundationSlots; ++k)
        if (auto hit = hitFoundation(state, k, x, y)) return *hit;
    for (int k = 0; k < state.rules.reserves(); ++k)
        if (auto hit = hitReserve(state, k, x, y)) return *hit;
    return {};
}

std::optional<Rect> locateCard(const EngineState& state, int card) {
    if (card == kGap) return std::nullopt;
    for (int slot = 0; slot < kStockSlots; ++slot) {
        const PileRef p{Collection::StockGroup, slot};
        const Point at = pilePosition(state, p);
        if (!isHidden(at) && findCode(pileText(state, p), card) >= 0) return cardRect(state, at.x, at.y);
    }
    for (int k = 0; k < kFoundationSlots; ++k) {
        const PileRef p{Collection::Foundations, k};
        if (isHidden(pilePosition(state, p)) || topCard(pileText(state, p)) != card) continue;
        const Point in = insideTopCard(state, p, state.rules[rule::FoundationFan]);
        if (auto r = locateByHit(state, card, in.x, in.y)) return r;
    }
    const int fan = state.rules[rule::TableauFan];
    for (int k = 0; k < state.rules.tableauPiles(); ++k) {
        const PileRef p{Collection::Tableau, k};
        const Point at = pilePosition(state, p);
        const std::string& pile = pileText(state, p);
        if (isHidden(at) || findCode(pile, card) < 0) continue;
        if (fan == static_cast<int>(F::SerpentineGrid) || fan == static_cast<int>(F::SideBySideWithGap)) {
            const Point c = cardPositionAt(state, p, findCode(pile, card));
            return cardRect(state, c.x, c.y);
        }
        if (fan == static_cast<int>(F::SideBySide)) {
            for (int i = positions(pile) - 1; i >= 0; --i) {
                const Point c = cardPositionAt(state, p, i);
                if (auto r = locateByHit(state, card, c.x + 1, at.y + 1)) return r;
            }
            continue;
        }
        if (topCard(pile) != card) continue;
        const Point in = insideTopCard(state, p, fan);
        if (auto r = locateByHit(state, card, in.x, in.y)) return r;
    }
    for (int k = 0; k < state.rules.reserves(); ++k) {
        const PileRef p{Collection::Reserves, k};
        if (isHidden(pilePosition(state, p)) || topCard(pileText(state, p)) != card) continue;
        const Point in = insideTopCard(state, p, state.rules[rule::ReserveFan]);
        if (auto r = locateByHit(state, card, in.x, in.y)) return r;
    }
    return std::nullopt;
}

}  // namespace tarvelle
