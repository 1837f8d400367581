// Move legality: whether a card may be picked up and whether it may go on a pile.
#include "engine/Legality.h"

#include <algorithm>
#include <array>

#include "engine/SpecialFamilies.h"
#include "engine/Table.h"

namespace tarvelle {

namespace {

using B = BuildingKind;

const std::string& pileText(const EngineState& s, Collection c, int k) { return *s.piles.pile(c, k); }
const std::string& foundation(const EngineState& s, int k) { return pileText(s, Collection::Foundations, k); }
const std::string& tableau(const EngineState& s, int k) { return pileText(s, Collection::Tableau, k); }

// One query with what the rules ask of it.
struct Fit {
    const EngineState& s;
    const FitQuery& q;
    std::optional<PileRef> from;

    int t() const { return q.lower == 0 ? -1 : rank(q.lower); }
    int v() const { return rank(q.moving); }
    bool empty() const { return q.lower == 0; }
    bool wraps() const { return q.foundation || q.wrap > 0; }
    bool single() const { return movingCards(s, q.moving).single(); }
    const std::string& destination() const {
        return pileText(s, q.foundation ? Collection::Foundations : Collection::Tableau, q.pile);
    }
    int destinationCards() const { return cardsIn(destination()); }
    bool fromCollection(Collection c) const { return from && from->collection == c; }
    bool fromTableau() const { return fromCollection(Collection::Tableau); }
    bool fromReserve() const { return fromCollection(Collection::Reserves); }
    bool fromFoundation() const { return fromCollection(Collection::Foundations); }
    bool sameSuit() const { return suitIndex(q.lower) == suitIndex(q.moving); }
    bool sameColour() const { return isRed(q.lower) == isRed(q.moving); }
    bool oneUp() const { return v() == t() + 1; }
    bool oneDown() const { return v() == t() - 1; }
    bool adjacent() const { return oneUp() || oneDown(); }
    bool adjacentWrapping() const {
        return adjacent() || (t() == 13 && v() == 1) || (t() == 1 && v() == 13);
    }
};

// --- Empty rule ---------------------------------------------------------------

// Among the foundations whose base value is E, the started ones with M added
// hold at most half red and half black bottom cards (and, when asked, no suit twice).
bool coloursBalanced(const Fit& f, bool newSuit) {
    int counted = 0, red = 1, black = 0;
    if (!isRed(f.q.moving)) std::swap(red, black);
    std::array<bool, 4> suits{};
    if (suitIndex(f.q.moving) >= 0) suits[static_cast<size_t>(suitIndex(f.q.moving))] = true;
    for (int k = 0; k < f.s.rules.foundations(); ++k) {
        if (f.s.rules[rule::FoundationBase + k] != f.q.emptyValue) continue;
        ++counted;
        const int bottom = bottomCard(foundation(f.s, k));
        if (bottom == kGap) continue;
        (isRed(bottom) ? red : black) += 1;
        const int suit = suitIndex(bottom);
        if (suit < 0) continue;
        if (newSuit && suits[static_cast<size_t>(suit)]) return false;
        suits[static_cast<size_t>(suit)] = true;
    }
    return red * 2 <= counted && black * 2 <= counted;
}

bool rankOfStartedFoundations(const Fit& f) {
    for (int k = 0; k < f.s.rules.foundations(); ++k) {
        const int bottom = bottomCard(foundation(f.s, k));
        if (bottom != kGap && rank(bottom) != f.v()) return false;
    }
    return true;
}

bool rankOfEmptyValue(const Fit& f) {
    return f.v() == f.q.emptyValue || f.q.emptyValue == -1 || f.q.base == -1;
}

bool emptyRule(const Fit& f) {
    using E = EmptyValue;
    switch (static_cast<E>(f.q.emptyValue)) {
        case E::BalancedAce: return f.v() == 1 && coloursBalanced(f, false);
        case E::BalancedAceNewSuit: return f.v() == 1 && coloursBalanced(f, true);
        case E::BalancedKingNewSuit: return f.v() == 13 && coloursBalanced(f, true);
        case E::BalancedTwoNewSuit: return f.v() == 2 && coloursBalanced(f, true);
        case E::NothingForRuns:
        case E::NothingForSuitRuns: return false;
        case E::AnySingleCard: return f.single();
        case E::AnyPlayedCard: return f.fromTableau() || f.fromFoundation() || f.fromReserve();
        case E::AnyNotFromTableau: return !f.fromTableau();
        case E::RankOfStartedFoundations: return rankOfStartedFoundations(f);
        case E::RankOfStartedFoundationsNotFromTableau: return !f.fromTableau() && rankOfStartedFoundations(f);
        default: return rankOfEmptyValue(f);
    }
}

// --- Direction rule -----------------------------------------------------------

bool kingAceSpecial(const Fit& f) {
    return f.q.wrap == 2 && ((f.t() == 1 && f.v() == 2) || (f.t() == 13 && f.v() == 12));
}

bool upAllowed(const Fit& f) {
    if (f.q.foundation) {
        if (f.t() == 13 && f.v() == 1) return f.q.emptyValue != 1;
        return f.oneUp();
    }
    if (kingAceSpecial(f)) return true;
    if (f.q.wrap != 2) {
        if (!f.wraps() && f.t() == f.q.base) return false;
        if (f.t() == 13) return f.v() == 1;
    }
    return f.oneUp();
}

bool downAllowed(const Fit& f) {
    if (f.q.foundation) {
        if (f.t() == 1) return f.q.emptyValue != 13 && f.v() == 13;
        return f.oneDown();
    }
    if (kingAceSpecial(f)) return true;
    if (f.q.wrap != 2) {
        if (!f.wraps() && f.t() == f.q.base) return false;
        if (f.t() == 1) {
            if (f.q.base >= 81 && f.q.base <= 83 && !f.wraps()) return false;
            return f.v() == 13;
        }
    }
    return f.oneDown();
}

bool directionRule(const Fit& f) {
    const int d = f.q.direction;
    if (d != 0 && d != 1 && d != 2) return false;
    if (d == 1) return upAllowed(f);
    if (d == 2 && upAllowed(f)) return true;
    return downAllowed(f);
}

// The common shape: an empty pile by the empty rule, a card by the condition and the direction.
bool built(const Fit& f, bool condition) { return f.empty() ? emptyRule(f) : condition && directionRule(f); }

// --- Waste restrictions (rule 34) ---------------------------------------------

// The one tableau pile that the waste's top card may go to under rule 34 = 3.
int roundRobinPile(const EngineState& s) {
    const int n = s.rules.tableauPiles();
    int largest = cardsIn(tableau(s, 0));
    int p = largest > 0 ? 1 : 0;
    for (int k = 1; k < n; ++k) {
        const int c = cardsIn(tableau(s, k));
        if (c >= largest) {
            largest = c;
            p = k + 1;
        }
    }
    return p >= n ? 0 : p;
}

bool wasteRestrictionsAllow(const Fit& f) {
    const int q = f.s.rules[rule::WasteRestriction];
    const bool stockOrWaste = !f.s.piles.stock().empty() || !f.s.piles.waste().empty();
    if (((f.q.foundation && q == 1) || q == 2 || q == 3) && stockOrWaste && f.fromTableau()) return false;
    if (!f.q.foundation && (q == 2 || q == 3) && !f.s.piles.waste().empty()) {
        if (f.q.moving != topCard(f.s.piles.waste())) return false;
        const int p = q == 2 ? ((f.s.rules[rule::WasteDeal] - cardsIn(f.s.piles.waste())) % 12 + 12) % 12
                             : roundRobinPile(f.s);
        if (f.q.pile != p) return false;
    }
    return true;
}

// --- The building kinds, one rule each ----------------------------------------

bool sameSuit(const Fit& f) { return built(f, f.sameSuit()); }
bool sameColour(const Fit& f) { return built(f, f.sameColour()); }
bool anySuit(const Fit& f) { return built(f, true); }
bool alternateColours(const Fit& f) { return built(f, !f.sameColour()); }
bool differentSuit(const Fit& f) { return built(f, !f.sameSuit()); }

bool foundationRowBySuit(const Fit& f) {
    const int k = f.q.pile;
    if (k > 0) {
        const std::string& before = foundation(f.s, k - 1);
        bool found = false;
        for (int at = 0; at < positions(before) && !found; ++at) found = rank(codeAt(before, at)) == f.v();
        if (!found) return false;
    }
    const std::string& own = foundation(f.s, k);
    if (own.empty()) return f.v() == f.q.base;
    return suitIndex(bottomCard(own)) == suitIndex(f.q.moving) && directionRule(f);
}

bool onlyOntoEmpty(const Fit& f) { return f.empty() && emptyRule(f); }

bool emptyOnlyWhileStockEmpty(const Fit& f) {
    if (!f.q.drop) return anySuit(f);
    return f.empty() && f.s.piles.stock().empty() && emptyRule(f);
}

bool sameSuitNoQueenOnKingOrJack(const Fit& f) {
    if (!f.empty() && f.v() == 12 && (f.t() == 13 || f.t() == 11)) return false;
    return sameSuit(f);
}

// Kinds 14-16: n ranks up, also counted modulo 13; an empty pile counts as rank -1.
bool upByWrapping(const Fit& f, int n) {
    int target = f.t() + n;
    if (target > 13) target -= 13;
    return f.v() == target;
}

bool anyNotFromTableau(const Fit& f) { return !f.fromTableau(); }
bool tableauCardsOnlyOntoEmpty(const Fit& f) { return !f.fromTableau() || f.empty(); }
bool anyNotFromTableauOrReserve(const Fit& f) { return !f.fromTableau() && !f.fromReserve(); }
bool upOrAceOnKing(const Fit& f) { return f.oneUp() || (f.v() == 1 && (f.t() == 13 || f.empty())); }

bool sameSuitUpWhileWasteEmpty(const Fit& f) {
    return f.s.piles.waste().empty() && !f.empty() && f.sameSuit() && f.oneUp();
}

bool sameSuitNoQueenKingPair(const Fit& f) {
    if (!f.empty() && ((f.v() == 12 && f.t() == 13) || (f.v() == 13 && f.t() == 12))) return false;
    return sameSuit(f);
}

bool sameSuitByTwo(const Fit& f) {
    if (f.empty()) return emptyRule(f);
    return f.sameSuit() && f.v() == f.t() + (f.q.direction == 1 ? 2 : -2);
}

bool sameSuitByTwoTurning(const Fit& f) {
    if (!f.empty() && f.sameSuit() && ((f.v() == 2 && f.t() == 13) || (f.v() == 1 && f.t() == 12))) return true;
    return sameSuitByTwo(f);
}

bool adjacentOntoShortPile(const Fit& f) { return !f.empty() && f.destinationCards() < 3 && f.adjacent(); }

bool alternateColoursNotFromFoundationOrReserve(const Fit& f) {
    return !f.fromFoundation() && !f.fromReserve() && alternateColours(f);
}

bool adjacentNoWrap(const Fit& f) {
    if (f.empty()) return true;
    if (f.t() == 1) return f.v() == 2;
    if (f.t() == 13) return f.v() == 12;
    return f.adjacent();
}

bool adjacentNoWrapSameSuit(const Fit& f) { return f.empty() || (f.sameSuit() && adjacentNoWrap(f)); }

bool sameSuitUpThenKingThenDown(const Fit& f) {
    if (f.empty()) return emptyRule(f);
    if (!f.sameSuit()) return false;
    const int held = cardsIn(foundation(f.s, f.q.pile));
    if (held <= 12) return f.oneUp();
    if (held == 13) return f.v() == 13;
    return f.oneDown();
}

bool sameSuitContinuingDirection(const Fit& f) {
    if (f.empty() || !f.sameSuit()) return false;
    if ((f.v() == 13 && f.t() == 1) || (f.v() == 1 && f.t() == 13)) return false;
    const std::string& pile = f.destination();
    if (cardsIn(pile) >= 2) {
        const bool goingDown = rank(topCard(pile)) < rank(codeAt(pile, positions(pile) - 2));
        return goingDown ? f.oneDown() : f.oneUp();
    }
    return f.adjacent();
}

bool sameSuitDownNothingOnAce(const Fit& f) { return built(f, f.sameSuit() && f.t() != 1 && f.oneDown()); }
bool sameSuitUpNothingOnKing(const Fit& f) { return built(f, f.sameSuit() && f.t() != 13 && f.oneUp()); }
bool notFromTableauOntoShortPile(const Fit& f) { return !f.fromTableau() && f.destinationCards() < 2; }
bool downAnySuit(const Fit& f) { return f.empty() ? emptyRule(f) : f.oneDown(); }
bool adjacentWrapping(const Fit& f) { return f.empty() ? emptyRule(f) : f.adjacentWrapping(); }

bool downOrKingOnAceFilledInOrder(const Fit& f) {
    if (f.empty()) {
        const Collection c = f.q.foundation ? Collection::Foundations : Collection::Tableau;
        return f.v() == f.q.base && (f.q.pile == 0 || !pileText(f.s, c, f.q.pile - 1).empty());
    }
    return f.oneDown() || (f.t() == 1 && f.v() == 13);
}

bool doubleRank(const Fit& f) {
    if (f.empty()) return emptyRule(f);
    return f.v() == (2 * f.t()) % 13 || (f.v() == 13 && cardsIn(foundation(f.s, 0)) > 48);
}

// While the waste holds cards, a card that does not come from a tableau pile
// joins the row of leaders (kings or queens) from the left.
bool leaderRowWhileWaste(const Fit& f, int leaderRank) {
    const int k = f.q.pile;
    if (f.v() == leaderRank) {
        if (!f.empty()) return false;
        for (int j = 0; j < k; ++j)
            if (tableau(f.s, j).empty()) return false;
        return true;
    }
    if (f.empty()) return false;
    if (k > 0 && tableau(f.s, k - 1).empty()) return false;
    if (k != 7 && k + 1 < kTableauSlots && !tableau(f.s, k + 1).empty()) return false;
    return true;
}

bool wasteLeaderRuleApplies(const Fit& f) { return !f.s.piles.waste().empty() && !f.fromTableau(); }

bool leaderRow(const Fit& f, int leaderRank) {
    if (wasteLeaderRuleApplies(f)) return leaderRowWhileWaste(f, leaderRank);
    if (f.empty()) return f.v() == leaderRank;
    const std::string& pile = f.destination();
    return cardsIn(pile) == 1 && rank(topCard(pile)) == leaderRank && f.v() < leaderRank - 1;
}

bool kingRowOrDown(const Fit& f) {
    if (wasteLeaderRuleApplies(f)) return leaderRowWhileWaste(f, 13);
    if (f.empty()) return f.v() == 13;
    return (f.destinationCards() == 1 || f.oneDown()) && f.v() != 13;
}

bool aceOnEmptyUpBelow(const Fit& f, int lowestRefused) {
    if (f.empty()) return f.v() == 1;
    return f.oneUp() && f.v() < lowestRefused;
}

bool rankOfSpecialCounter(const Fit& f) {
    if (cardsIn(f.s.piles.stock()) + cardsIn(f.s.piles.waste()) == 1) return true;
    const int counter = f.s.counters.specialCounter;
    return f.v() == counter % 13 || (counter % 13 == 0 && f.v() == 13);
}

bool sameSuitByTwoFourSuitsPerGroup(const Fit& f) {
    if (!f.empty()) return f.sameSuit() && upByWrapping(f, 2);
    if (f.v() != f.q.base) return false;
    const int first = f.q.pile < 4 ? 0 : 4;
    std::array<bool, 4> suits{};
    suits[static_cast<size_t>(std::max(0, suitIndex(f.q.moving)))] = true;
    for (int k = first; k < first + 4 && k < kFoundationSlots; ++k) {
        if (k == f.q.pile) continue;
        const int top = topCard(foundation(f.s, k));
        if (top == kGap || suitIndex(top) < 0) continue;
        if (suits[static_cast<size_t>(suitIndex(top))]) return false;
        suits[static_cast<size_t>(suitIndex(top))] = true;
    }
    return true;
}

bool sameSuitUpKingAfterPartner(const Fit& f) {
    if (!built(f, f.sameSuit() && f.oneUp())) return false;
    if (f.v() != 13) return true;
    const int partner = f.q.pile + 7;
    return partner < kFoundationSlots && rank(topCard(foundation(f.s, partner))) == 13;
}

bool sameSuitUpByTwo(const Fit& f) { return f.empty() ? emptyRule(f) : f.sameSuit() && f.v() == f.t() + 2; }

bool upBelowQueen(const Fit& f, bool whilePileHolds, bool inPileSuit) {
    const std::string& pile = tableau(f.s, f.q.pile);
    if ((whilePileHolds || inPileSuit) && pile.empty()) return false;
    if (inPileSuit && suitIndex(bottomCard(pile)) != suitIndex(f.q.moving)) return false;
    if (f.empty()) return f.v() == f.q.base;
    return f.oneUp() && f.v() < 12;
}

bool downNoQueen(const Fit& f, bool whilePartnerHolds, bool inPartnerSuit) {
    if (whilePartnerHolds || inPartnerSuit) {
        const int partner = f.q.pile - 8;
        if (partner < 0 || tableau(f.s, partner).empty()) return false;
        if (inPartnerSuit && suitIndex(bottomCard(tableau(f.s, partner))) != suitIndex(f.q.moving)) return false;
    }
    if (f.empty()) return f.v() == f.q.base;
    return (f.oneDown() || (f.t() == 1 && f.v() == 13)) && f.v() != 12;
}

bool upAfterFirstFoundationFull(const Fit& f) {
    if (f.q.pile > 0 && cardsIn(foundation(f.s, 0)) != 13) return false;
    if (f.empty()) return f.v() == f.q.base;
    return f.oneUp() || (f.v() == 1 && f.t() == 13);
}

bool emptyTakesEmptyValue(const Fit& f) { return f.v() == f.q.emptyValue || f.q.emptyValue == -1; }

bool downNotFromReserve(const Fit& f) {
    if (f.fromReserve()) return false;
    if (f.empty()) return emptyTakesEmptyValue(f);
    return f.oneDown() || (f.q.wrap == 1 && f.t() == 1 && f.v() == 13);
}

bool upSameColourWasteFirst(const Fit& f) {
    const int waste = cardsIn(f.s.piles.waste());
    if (waste > 1) return false;
    if (waste == 1 && f.q.moving != topCard(f.s.piles.waste())) return false;
    if (f.empty()) return emptyTakesEmptyValue(f);
    return f.oneUp() && f.sameColour();
}

bool sameRank(const Fit& f) { return !f.empty() && f.v() == f.t(); }

bool adjacentWrappingWhileStockEmpty(const Fit& f) { return f.s.piles.stock().empty() && adjacentWrapping(f); }

// Kinds 58 and 64: an empty foundation 1-2 takes an ace, 3-4 a king, of the
// colour of its neighbour in the pair, another colour than the other pair, and a suit of its own.
bool pairedFoundationsEmpty(const Fit& f) {
    const int k = f.q.pile;
    if (k > 3 || f.v() != (k <= 1 ? 1 : 13)) return false;
    auto shown = [&](int j) { return bottomCard(foundation(f.s, j)); };
    const int beside = shown(k ^ 1);
    if (beside != kGap && isRed(beside) != isRed(f.q.moving)) return false;
    const int other = k <= 1 ? 2 : 0;
    for (int j = other; j < other + 2; ++j)
        if (shown(j) != kGap && isRed(shown(j)) == isRed(f.q.moving)) return false;
    for (int j = 0; j < 4; ++j)
        if (shown(j) != kGap && suitIndex(shown(j)) == suitIndex(f.q.moving)) return false;
    return true;
}

bool pairedFoundations(const Fit& f) {
    if (!f.s.piles.stock().empty() && f.fromTableau() && f.from->slot >= 4 && f.q.pile != f.from->slot - 4)
        return false;
    if (f.empty()) return pairedFoundationsEmpty(f);
    return f.sameSuit() && (f.q.direction == 1 ? f.oneUp() : f.oneDown());
}

// The court cards of game kind 30 follow their partners (the ace of a jack, the queen of a king).
bool partnerShown(const EngineState& s, int partner) {
    if (topCard(s.piles.waste()) == partner) return true;
    for (int k = 0; k < s.rules.tableauPiles(); ++k)
        if (topCard(tableau(s, k)) == partner) return true;
    return false;
}

bool courtCardsFollowPartners(const Fit& f) {
    const int v = f.v();
    if (v == 1 || v == 12) return false;
    if (v == 11 || v == 13) {
        const int partner = v == 11 ? f.q.moving - 10 : f.q.moving - 1;
        return f.empty() && f.q.base == v && partnerShown(f.s, partner);
    }
    return !f.empty() && f.sameSuit() && f.oneDown();
}

bool sameSuitFirstDealByHalves(const Fit& f) {
    if (f.s.catalogue.dealsMade() <= 1 && f.fromTableau()) {
        const int from = f.from->slot;
        if (from <= 3 && f.q.pile > 3) return false;
        if (from >= 6 && from <= 9 && f.q.pile < 4) return false;
    }
    return sameSuit(f);
}

bool onlyEmptyTableau(const Fit& f) { return !f.q.foundation && f.empty(); }
bool onlyEmptyNotFromTableau(const Fit& f) { return onlyEmptyTableau(f) && !f.fromTableau(); }
bool adjacentWrappingOntoCard(const Fit& f) { return !f.empty() && f.adjacentWrapping(); }

// Cells of the tableau grid whose width is rule 27.
struct Cell {
    int row, column;
};
Cell cellOf(const EngineState& s, int k) {
    const int w = std::max(1, s.rules[rule::GridWidth]);
    return {k / w, k % w};
}

bool onlyEmptyFromNeighbourCell(const Fit& f) {
    if (!onlyEmptyTableau(f) || !f.fromTableau()) return false;
    const Cell a = cellOf(f.s, f.from->slot), b = cellOf(f.s, f.q.pile);
    return std::abs(a.row - b.row) + std::abs(a.column - b.column) == 1;
}

bool onlyEmptyByJump(const Fit& f) {
    if (!onlyEmptyTableau(f) || !f.fromTableau()) return false;
    const Cell a = cellOf(f.s, f.from->slot), b = cellOf(f.s, f.q.pile);
    const bool inRow = a.row == b.row && std::abs(a.column - b.column) == 2;
    const bool inColumn = a.column == b.column && std::abs(a.row - b.row) == 2;
    if (!inRow && !inColumn) return false;
    const int w = std::max(1, f.s.rules[rule::GridWidth]);
    const int between = ((a.row + b.row) / 2) * w + (a.column + b.column) / 2;
    return between < kTableauSlots && cardsIn(tableau(f.s, between)) > 0;
}

// The rank a pile of a joker foundation shows on top: a joker stands for the
// rank one above the card below it, or for the base rank at the bottom.
int standInRank(const Fit& f) {
    const std::string& pile = f.destination();
    int shown = f.q.base > 0 && f.q.base <= 13 ? previousRankWrapping(f.q.base) : 0;
    for (int at = 0; at < positions(pile); ++at) {
        const int card = codeAt(pile, at);
        shown = isJoker(card) ? nextRankWrapping(shown < 1 ? 13 : shown) : rank(card);
    }
    return shown;
}

// Jokers in foundations: a joker goes anywhere it could stand in, a card
// follows the rank shown on top or takes the place of a joker standing for it.
bool jokersStandIn(const Fit& f, bool sameSuitOnly) {
    if (isJoker(f.q.moving)) return true;
    const std::string& pile = f.destination();
    if (sameSuitOnly) {
        for (int at = 0; at < positions(pile); ++at) {
            const int card = codeAt(pile, at);
            if (card != kGap && !isJoker(card)) {
                if (suitIndex(card) != suitIndex(f.q.moving)) return false;
                break;
            }
        }
    }
    if (pile.empty()) return emptyRule(f);
    if (!isJoker(f.q.lower)) return directionRule(f) || (f.q.direction == 1 && f.v() == nextRankWrapping(standInRank(f)));
    return f.v() == nextRankWrapping(standInRank(f)) || f.v() == standInRank(f);
}

bool rankOfPileNumber(const Fit& f) { return f.v() == f.q.pile + 1; }

bool byKind(const Fit& f) {
    switch (static_cast<B>(f.q.building)) {
        case B::SameSuit: return sameSuit(f);
        case B::SameColour: return sameColour(f);
        case B::AlternateColours: return alternateColours(f);
        case B::Never: return false;
        case B::FoundationRowBySuit: return foundationRowBySuit(f);
        case B::OnlyOntoEmpty: return onlyOntoEmpty(f);
        case B::EmptyOnlyWhileStockEmpty: return emptyOnlyWhileStockEmpty(f);
        case B::SameSuitNoQueenOnKingOrJack: return sameSuitNoQueenOnKingOrJack(f);
        case B::Always: return true;
        case B::UpByTwoWrapping: return upByWrapping(f, 2);
        case B::UpByThreeWrapping: return upByWrapping(f, 3);
        case B::UpByFourWrapping: return upByWrapping(f, 4);
        case B::AnyNotFromTableau: return anyNotFromTableau(f);
        case B::TableauCardsOnlyOntoEmpty: return tableauCardsOnlyOntoEmpty(f);
        case B::AnyNotFromTableauOrReserve: return anyNotFromTableauOrReserve(f);
        case B::NotFromTableauOntoShortPile: return notFromTableauOntoShortPile(f);
        case B::UpOrAceOnKing: return upOrAceOnKing(f);
        case B::DifferentSuit: return differentSuit(f);
        case B::SameSuitUpWhileWasteEmpty: return sameSuitUpWhileWasteEmpty(f);
        case B::SameSuitNoQueenKingPair: return sameSuitNoQueenKingPair(f);
        case B::SameSuitByTwo: return sameSuitByTwo(f);
        case B::SameSuitByTwoTurning: return sameSuitByTwoTurning(f);
        case B::AdjacentOntoShortPile: return adjacentOntoShortPile(f);
        case B::AlternateColoursNotFromFoundationOrReserve: return alternateColoursNotFromFoundationOrReserve(f);
        case B::AdjacentNoWrap: return adjacentNoWrap(f);
        case B::AdjacentNoWrapSameSuit: return adjacentNoWrapSameSuit(f);
        case B::SameSuitUpThenKingThenDown: return sameSuitUpThenKingThenDown(f);
        case B::SameSuitContinuingDirection: return sameSuitContinuingDirection(f);
        case B::SameSuitDownNothingOnAce: return sameSuitDownNothingOnAce(f);
        case B::SameSuitUpNothingOnKing: return sameSuitUpNothingOnKing(f);
        case B::DownAnySuitOneCardOntoCard: return downAnySuit(f);
        case B::AdjacentWrapping: return adjacentWrapping(f);
        case B::DownOrKingOnAceFilledInOrder: return downOrKingOnAceFilledInOrder(f);
        case B::DoubleRank: return doubleRank(f);
        case B::KingRow: return leaderRow(f, 13);
        case B::QueenRow: return leaderRow(f, 12);
        case B::AceOnEmptyUpBelowQueen: return aceOnEmptyUpBelow(f, 12);
        case B::RankOfSpecialCounter: return rankOfSpecialCounter(f);
        case B::SameSuitByTwoFourSuitsPerGroup: return sameSuitByTwoFourSuitsPerGroup(f);
        case B::SameSuitUpKingAfterPartner: return sameSuitUpKingAfterPartner(f);
        case B::SameSuitUpByTwo: return sameSuitUpByTwo(f);
        case B::AceOnEmptyUpBelowKing: return aceOnEmptyUpBelow(f, 13);
        case B::KingRowOrDown: return kingRowOrDown(f);
        case B::UpBelowQueen: return upBelowQueen(f, false, false);
        case B::UpBelowQueenWhilePileHolds: return upBelowQueen(f, true, false);
        case B::UpBelowQueenInPileSuit: return upBelowQueen(f, true, true);
        case B::DownNoQueen: return downNoQueen(f, false, false);
        case B::DownNoQueenWhilePartnerHolds: return downNoQueen(f, true, false);
        case B::DownNoQueenInPartnerSuit: return downNoQueen(f, true, true);
        case B::UpAfterFirstFoundationFull: return upAfterFirstFoundationFull(f);
        case B::DownNotFromReserve: return downNotFromReserve(f);
        case B::UpSameColourWasteFirst: return upSameColourWasteFirst(f);
        case B::SameRank: return sameRank(f);
        case B::AdjacentWrappingWhileStockEmpty: return adjacentWrappingWhileStockEmpty(f);
        case B::PairedFoundations:
        case B::PairedFoundationsAlso: return pairedFoundations(f);
        case B::CourtCardsFollowPartners: return courtCardsFollowPartners(f);
        case B::SameSuitFirstDealByHalves: return sameSuitFirstDealByHalves(f);
        case B::OnlyEmptyNotFromTableau: return onlyEmptyNotFromTableau(f);
        case B::AdjacentWrappingOntoCard: return adjacentWrappingOntoCard(f);
        case B::OnlyEmptyTableau: return onlyEmptyTableau(f);
        case B::OnlyEmptyFromNeighbourCell: return onlyEmptyFromNeighbourCell(f);
        case B::OnlyEmptyByJump: return onlyEmptyByJump(f);
        case B::JokersStandIn: return jokersStandIn(f, false);
        case B::JokersStandInSameSuit: return jokersStandIn(f, true);
        case B::RankOfPileNumber: return rankOfPileNumber(f);
        default: return anySuit(f);
    }
}

bool fits(const EngineState& s, const FitQuery& q, std::optional<PileRef> from) {
    if (q.moving == q.lower) return false;
    const Fit f{s, q, from};
    if (!wasteRestrictionsAllow(f)) return false;
    return byKind(f);
}

// The query of tableau pile k for a card on it (L may be 0 for an empty pile).
FitQuery tableauQuery(const EngineState& s, int k, int lower, int moving, bool drop, int building) {
    FitQuery q;
    q.lower = lower;
    q.moving = moving;
    q.emptyValue = s.rules[rule::TableauEmpty + k];
    q.drop = drop;
    q.pile = k;
    q.wrap = s.rules[rule::TableauWrap + k];
    q.foundation = false;
    q.building = building;
    q.direction = s.rules[rule::TableauDirection + k];
    q.base = s.rules[rule::FoundationBase];
    return q;
}

int emptyPiles(const EngineState& s, Collection c, int count) {
    int n = 0;
    for (int k = 0; k < count; ++k)
        if (pileText(s, c, k).empty()) ++n;
    return n;
}

bool builtWithKind(const EngineState& s, const MovingCards& m, int k, int building) {
    if (!m.from || m.count <= 1) return true;
    const std::string& pile = *s.piles.pile(m.from->collection, m.from->slot);
    for (int at = m.position; at + 1 < positions(pile); ++at) {
        const FitQuery q = tableauQuery(s, k, codeAt(pile, at), codeAt(pile, at + 1), false, building);
        if (!fits(s, q, m.from)) return false;
    }
    return true;
}

bool sequenceBuiltFor(const EngineState& s, const MovingCards& m, int k) {
    switch (s.rules[rule::MovedSequenceBuilt]) {
        case 1: return builtWithKind(s, m, k, s.rules[rule::TableauBuilding + k]);
        case 10: return builtWithKind(s, m, k, static_cast<int>(BuildingKind::SameSuit));
        default: return true;
    }
}

bool beforeFirstMoveAllows(const EngineState& s, const MovingCards& m, Collection target) {
    if (!onlyTableauToFoundationYet(s)) return true;
    return target == Collection::Foundations && m.from && m.from->collection == Collection::Tableau;
}

}  // namespace

MovingCards movingCards(const EngineState& state, int card) {
    MovingCards m;
    m.card = card;
    m.from = pileOf(state, card);
    if (!m.from) {
        const std::string& second = state.piles.secondWaste();
        if (findCode(second, card) >= 0) m.from = PileRef{Collection::StockGroup, kSecondWaste};
    }
    // A card that lies on no pile is placed alone.
    m.count = 1;
    if (!m.from) return m;
    const std::string& pile = *state.piles.pile(m.from->collection, m.from->slot);
    m.position = findCode(pile, card);
    m.count = positions(pile) - m.position;
    return m;
}

bool cardFits(const EngineState& state, const FitQuery& query) {
    return fits(state, query, pileOf(state, query.moving));
}

bool onlyTableauToFoundationYet(const EngineState& state) {
    return state.rules[rule::FirstMovesToFoundations] == 1 && state.catalogue.movesMade() == 0;
}

bool columnIsFree(const EngineState& state, int k) {
    const int rows = state.rules[rule::GridRows], columns = state.rules[rule::GridColumns];
    if (rows <= 0 || columns <= 0 || k >= rows * columns) return true;
    for (int below = k + columns; below < rows * columns && below < kTableauSlots; below += columns)
        if (!tableau(state, below).empty()) return false;
    return true;
}

bool foundationTest(const EngineState& state, int k, const MovingCards& m) {
    const RuleTable& r = state.rules;
    const int card = m.card;
    if (r[rule::GameKind] == 23 && m.from && m.from->collection == Collection::Tableau &&
        !kind23AllowsFoundationMove(state))
        return false;
    if (!m.single()) return false;
    const std::string& pile = foundation(state, k);
    const int building = r[rule::FoundationBuilding + k];
    if (building == static_cast<int>(B::QueenOntoEmptyFoundation)) return rank(card) == 12 && pile.empty();
    if (building == static_cast<int>(B::SuitStillShownInTableau)) {
        if (rank(card) == 1) return false;
        for (int t = 0; t < r.tableauPiles(); ++t) {
            const int top = topCard(tableau(state, t));
            if (top != kGap && suitIndex(top) == suitIndex(card) && (rank(top) > rank(card) || rank(top) == 1))
                return true;
        }
        return false;
    }
    // A foundation limit of 0 or less sets no limit: no game has foundations that hold nothing.
    const int most = r[rule::FoundationMost];
    const bool unlimited = building == static_cast<int>(B::UpOrAceOnKing) ||
                           building == static_cast<int>(B::SameSuitUpThenKingThenDown);
    if (!unlimited && most > 0 && cardsIn(pile) >= most) return false;
    if (building == static_cast<int>(B::UpOrAceOnKing) && cardsIn(pile) >= 52) return false;
    FitQuery q;
    q.lower = topCard(pile);
    q.moving = card;
    q.emptyValue = r[rule::FoundationBase + k];
    q.drop = true;
    q.pile = k;
    q.wrap = 1;
    q.foundation = true;
    q.building = building;
    q.direction = r[rule::FoundationDirection + k];
    q.base = r[rule::FoundationBase + k];
    return fits(state, q, m.from);
}

bool tableauTest(const EngineState& state, int k, const MovingCards& m) {
    const RuleTable& r = state.rules;
    const std::string& pile = tableau(state, k);
    const int top = topCard(pile);
    if (top != kGap && state.cards.isFaceDown(top) && r[rule::GameKind] != 40) return false;
    // A limit of 0 means none, as -1 does: no game has tableau piles that hold nothing.
    const int most = r[rule::TableauMost];
    if (most > 0 && cardsIn(pile) >= most) return false;
    if (m.from && m.from->collection == Collection::Tableau && m.from->slot == k) return false;
    const int building = r[rule::TableauBuilding + k];
    if (!fits(state, tableauQuery(state, k, top, m.card, true, building), m.from)) return false;
    if (building == static_cast<int>(B::DownAnySuitOneCardOntoCard) && top != kGap && !m.single()) return false;
    if (r[rule::MovedSequenceBuilt] != 0 && !m.single() && !sequenceBuiltFor(state, m, k)) return false;
    if (r[rule::MoveSize] == -5 && !m.single() && pile.empty() && !sequenceSizeAllowed(state, m, true))
        return false;
    return true;
}

bool reserveTest(const EngineState& state, int n, const MovingCards& m) {
    if (!m.single()) return false;
    if (m.from && m.from->collection == Collection::Reserves && m.from->slot == n) return false;
    const bool empty = state.piles.reserves[static_cast<size_t>(n)].empty();
    const int firstHolds = cardsIn(state.piles.reserves[0]);
    const int v = rank(m.card);
    switch (static_cast<ReserveKind>(state.rules[rule::ReserveKind + n])) {
        case ReserveKind::Closed: return false;
        case ReserveKind::KingsWhileFirstShort: return v == 13 && firstHolds < 3;
        case ReserveKind::AnyWhileFirstShort: return firstHolds < 5;
        case ReserveKind::CourtCardOntoEmpty: return empty && v >= 11 && v <= 13;
        default: return empty;
    }
}

bool foundationTest(const EngineState& state, int k, int card) {
    // The deal plays cards out from any position of a pile: each goes alone.
    MovingCards m = movingCards(state, card);
    m.count = 1;
    return foundationTest(state, k, m);
}
bool tableauTest(const EngineState& state, int k, int card) { return tableauTest(state, k, movingCards(state, card)); }
bool reserveTest(const EngineState& state, int n, int card) { return reserveTest(state, n, movingCards(state, card)); }

bool mayDrop(const EngineState& state, const MovingCards& moving, PileRef target) {
    if (!moving.from || !beforeFirstMoveAllows(state, moving, target.collection)) return false;
    switch (target.collection) {
        case Collection::Foundations:
            return target.slot < state.rules.foundations() && foundationTest(state, target.slot, moving);
        case Collection::Tableau:
            return target.slot < state.rules.tableauPiles() && tableauTest(state, target.slot, moving);
        case Collection::Reserves:
            return target.slot < state.rules.reserves() && reserveTest(state, target.slot, moving);
        case Collection::StockGroup: return false;
    }
    return false;
}

bool mayDrop(const EngineState& state, int card, std::string_view key) {
    auto target = parsePileKey(key);
    if (!target) return false;
    return mayDrop(state, movingCards(state, card), *target);
}

bool sequenceIsBuilt(const EngineState& state, int card, int k) {
    return sequenceBuiltFor(state, movingCards(state, card), k);
}

bool sequenceSizeAllowed(const EngineState& state, const MovingCards& m, bool toEmptyPile) {
    const int v = state.rules[rule::MoveSize];
    const int c = m.count;
    const int piles = state.rules.tableauPiles();
    const int emptyTableau = emptyPiles(state, Collection::Tableau, piles);
    const int emptyReserves = emptyPiles(state, Collection::Reserves, state.rules.reserves());
    switch (v) {
        case -1: return true;
        case -12: return c == 1 || rank(m.card) == 13;
        case -13: return c == 1 || (m.from && m.from->collection == Collection::Tableau && m.position == 0);
        case -5:
            if (emptyTableau > 0) return c <= emptyReserves + emptyTableau + (toEmptyPile ? 0 : 1);
            return c <= emptyReserves + 1;
        case -6:
            if (emptyTableau > 0) return c <= emptyReserves + emptyTableau;
            return c <= emptyReserves + 1;
        default:
            if (v < 0) return c <= std::max(1, emptyTableau);
            return c <= v;
    }
}

bool mayPickUp(const EngineState& state, const MovingCards& m) {
    if (!m.from) return false;
    if (onlyTableauToFoundationYet(state) && m.from->collection != Collection::Tableau) return false;
    const RuleTable& r = state.rules;
    const std::string& pile = *state.piles.pile(m.from->collection, m.from->slot);
    const bool top = m.single();
    switch (m.from->collection) {
        case Collection::Tableau: {
            if (m.from->slot >= r.tableauPiles()) return false;
            const int fan = r[rule::TableauFan];
            if (fan == 8 || fan == 9) return true;
            if (!columnIsFree(state, m.from->slot)) return false;
            // A face-down card is turned by a press, never picked up, covered or not.
            if (state.cards.isFaceDown(m.card)) return false;
            if (top) return sequenceSizeAllowed(state, m, false);
            return sequenceBuiltFor(state, m, m.from->slot) && sequenceSizeAllowed(state, m, false);
        }
        case Collection::StockGroup:
            return m.from->slot == kWaste && top && r[rule::WasteKind] != 2;
        case Collection::Foundations: {
            if (!top || m.from->slot >= kFoundationSlots) return false;
            const int back = r[rule::FoundationTakeBack];
            return back == 1 || (back == 2 && cardsIn(pile) > 1);
        }
        case Collection::Reserves:
            if (m.from->slot >= r.reserves()) return false;
            if (r[rule::ReservePickUp] == -11) return true;
            return top && !state.cards.isFaceDown(m.card);
    }
    return false;
}

bool mayPickUp(const EngineState& state, int card, std::string_view key) {
    const MovingCards m = movingCards(state, card);
    auto pile = parsePileKey(key);
    if (!pile || !m.from || !(*m.from == *pile)) return false;
    return mayPickUp(state, m);
}

}  // namespace tarvelle
