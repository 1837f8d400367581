// Where the cards of a pile lie: the fan steps of the card size and the
// position of any card of any pile, from the pile positions of the layout.
#include "engine/CardPositions.h"

#include "records/SettingsFields.h"

namespace tarvelle {

namespace {

using V = TMainGame::FanValue;

int value(const EngineState& s, V v) { return s.catalogue.value(v); }

// The horizontal jitter of card n of tableau slot s when irregular piles are on.
int jitterOf(const EngineState& s, int slot, int n) {
    if (s.settings.get(setting::IrregularPiles) == "N" || s.settings.get(setting::IrregularPiles).empty() ||
        s.rules[rule::TableauFan] != 1)
        return 0;
    if (n > 12) n %= 12;
    const int row = slot < 7 ? slot : slot % 6;
    return s.jitter[static_cast<size_t>(row)][static_cast<size_t>(n)];
}

Point serpentinePosition(const EngineState& s, const std::string& pile, int cardsAbove) {
    const int W = s.cardWidth, H = s.cardHeight;
    const int columnGap = value(s, V::SerpentineColumnGap), rowGap = value(s, V::SerpentineRowGap);
    const int entries = positions(pile) - cardsAbove;
    int p = 0;
    for (int i = 0; i < entries; ++i)
        if (codeAt(pile, i) == kGap) ++p;
    int columns = s.rules[rule::SerpentineColumns];
    if (columns == -1) columns = s.host.screen().width / (W + columnGap);
    if (columns < 1) columns = 1;
    const int column = p % columns, row = p / columns;
    const int x = row % 2 == 1 ? (W + columnGap) * (columns - 1) - (W + columnGap) * column
                               : (W + columnGap) * column;
    return {s.catalogue.tableauPileX(0) + x, (H + rowGap) * row + s.catalogue.tableauPileY(0)};
}

}  // namespace

Point cardSizeOf(char sizeLetter) {
    switch (sizeLetter) {
        case 'M': return {59, 80};
        case 'L': return {25, 32};
        default: return {71, 96};
    }
}

void computeFanOffsets(EngineState& state) {
    TMainGame& c = state.catalogue;
    for (V v : {V::FaceUpVerticalStep, V::FaceUpHorizontalStep, V::FaceDownVerticalStep,
                V::FaceDownHorizontalStep, V::SmallHorizontalStep})
        c.setValue(v, 0);
    c.setValue(V::SmallVerticalStep, 3);
    c.setValue(V::SideBySideGap, 6);
    const std::string size = state.settings.get(setting::CardSize);
    const char letter = size.empty() ? 'B' : size[0];
    auto bySize = [&](int big, int medium, int little) { return letter == 'M' ? medium : letter == 'L' ? little : big; };
    const int tableau = state.rules[rule::TableauFan], reserve = state.rules[rule::ReserveFan];
    if (tableau == 1 || tableau == 7 || reserve == 1) {
        c.setValue(V::FaceDownVerticalStep, bySize(4, 4, 3));
        c.setValue(V::FaceUpVerticalStep, bySize(18, 14, 3));
    }
    if (tableau == 2 || reserve == 2) {
        c.setValue(V::FaceDownHorizontalStep, bySize(4, 4, 3));
        c.setValue(V::FaceUpHorizontalStep, bySize(12, 10, 3));
    }
    if (tableau == 6) c.setValue(V::SmallHorizontalStep, bySize(7, 5, 3));
    c.setValue(V::SerpentineColumnGap, bySize(12, 8, 4));
    c.setValue(V::SerpentineRowGap, bySize(8, 6, 3));
}

int fanKindOf(const EngineState& state, Collection collection) {
    switch (collection) {
        case Collection::Tableau: return state.rules[rule::TableauFan];
        case Collection::Foundations: return state.rules[rule::FoundationFan];
        case Collection::Reserves: return state.rules[rule::ReserveFan];
        case Collection::StockGroup: return 3;
    }
    return 3;
}

Point pilePosition(const EngineState& state, PileRef pile) {
    const TMainGame& c = state.catalogue;
    switch (pile.collection) {
        case Collection::StockGroup: return {c.stockX(pile.slot), c.stockY(pile.slot)};
        case Collection::Foundations: return {c.foundationX(pile.slot), c.foundationY(pile.slot)};
        case Collection::Tableau: return {c.tableauPileX(pile.slot), c.tableauPileY(pile.slot)};
        case Collection::Reserves: return {c.reserveX(pile.slot), c.reserveY(pile.slot)};
    }
    return {-10000, -10000};
}

Point cardPosition(const EngineState& state, PileRef pile, int cardsAbove, bool includeTop) {
    Point at = pilePosition(state, pile);
    if (isHidden(at)) return at;
    const std::string* text = state.piles.pile(pile.collection, pile.slot);
    if (!text) return at;
    const int kind = fanKindOf(state, pile.collection);
    const int entries = positions(*text);
    if (pile.collection == Collection::Tableau && kind == 8) return serpentinePosition(state, *text, cardsAbove);
    if (pile.collection == Collection::Tableau && kind == 9)
        return {at.x + (state.cardWidth + 2) * (entries - cardsAbove), at.y};

    const int counted = entries - cardsAbove;
    const int stepped = includeTop ? counted : counted - 1;
    const int W = state.cardWidth;
    if (kind == 7) {
        if (counted >= 1 && (entries > 1 || cardsAbove != 0 || includeTop)) at.y += value(state, V::FaceUpVerticalStep);
    } else {
        for (int i = 0; i < stepped; ++i) {
            const bool down = state.cards.isFaceDown(codeAt(*text, i));
            switch (kind) {
                case 1: at.y += value(state, down ? V::FaceDownVerticalStep : V::FaceUpVerticalStep); break;
                case 5:
                    if (pile.collection == Collection::Reserves) at.y += value(state, V::SmallVerticalStep);
                    break;
                case 2: at.x += value(state, down ? V::FaceDownHorizontalStep : V::FaceUpHorizontalStep); break;
                case 4: at.x += W + value(state, V::SideBySideGap); break;
                case 6:
                    if (pile.collection == Collection::Tableau) at.x += value(state, V::SmallHorizontalStep);
                    break;
                default: break;
            }
        }
    }
    if (pile.collection == Collection::Tableau && kind == 1 && stepped >= 0)
        at.x += jitterOf(state, pile.slot, stepped);
    return at;
}

Point cardPositionAt(const EngineState& state, PileRef pile, int index) {
    const std::string* text = state.piles.pile(pile.collection, pile.slot);
    const int entries = text ? positions(*text) : 0;
    // Side by side with a 2-pixel gap counts the places of the cards below, so
    // the bottom card lies on the pile position as in every other fan.
    if (pile.collection == Collection::Tableau && fanKindOf(state, pile.collection) == 9)
        return cardPosition(state, pile, entries - index, true);
    return cardPosition(state, pile, entries - 1 - index, false);
}

}  // namespace tarvelle
