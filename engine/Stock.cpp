// The stock: a press on it, turning cards, row deals, the redeal of the waste and the redeal of the tableau.
#include "engine/Stock.h"

#include "engine/Dispatcher.h"
#include "engine/Scoring.h"
#include "engine/Sounds.h"
#include "engine/SpecialFamilies.h"
#include "engine/Table.h"
#include "records/SettingsFields.h"
#include "records/Undo.h"

namespace tarvelle {

namespace {

constexpr PileRef kStockPile{Collection::StockGroup, kStock};
constexpr PileRef kWastePile{Collection::StockGroup, kWaste};

std::string& tableau(EngineState& s, int k) { return s.piles.tableau[static_cast<size_t>(k)]; }
const std::string& tableau(const EngineState& s, int k) { return s.piles.tableau[static_cast<size_t>(k)]; }

bool dealsLeft(const EngineState& s) {
    const int deals = s.rules[rule::Deals];
    return deals == -1 || s.catalogue.dealsMade() < deals;
}

bool anyTableauEmpty(const EngineState& s) {
    for (int k = 0; k < s.rules.tableauPiles(); ++k)
        if (tableau(s, k).empty()) return true;
    return false;
}

bool redealByKindApplies(const EngineState& s, std::string_view word) {
    if (s.rules[rule::RedealKind] < 1 || !dealsLeft(s)) return false;
    return word == "Mazzo_Redeal" || s.piles.stock().empty() ||
           (s.rules[rule::RedealKind] == 6 && s.counters.redealPending);
}

bool wasteRedealPossible(const EngineState& s) { return cardsIn(s.piles.waste()) >= 2 && dealsLeft(s); }

int turnCount(const EngineState& s) {
    // A press turns at least one card: a count of 0 would record a step that changed nothing.
    return std::max(1, s.rules[rule::StockTurnCount]);
}

// Takes the stock's top card off the stock.
int takeStockTop(EngineState& s) {
    const int card = topCard(s.piles.stock());
    if (card != kGap) s.piles.stock().resize(s.piles.stock().size() - 3);
    return card;
}

bool turnCards(EngineState& s, std::string_view word) {
    const PileRef to = word == "Mazzo_Vis" ? kWastePile : PileRef{Collection::StockGroup, kSecondWaste};
    takeSavedPileCopy(s);
    recordStep(s, LogDirection::Undo);
    const bool animate = s.settings.get(setting::CardsAnimate) != "N";
    for (int i = 0; i < turnCount(s) && !s.piles.stock().empty(); ++i) {
        const int card = topCard(s.piles.stock());
        if (animate) s.host.glideCards({card}, kStockPile, to);
        takeStockTop(s);
        appendCardToSlot(s, to.collection, to.slot, card, '1');
        s.host.redrawChangedPiles(s.savedPiles, s.piles, DrawEffect::Plain);
        takeSavedPileCopy(s);
        if (animate) s.host.wait(10);
        s.host.refreshCardCounter();
        playSound(s, "Stock", setting::SoundsStock);
        s.flags.set(Flag::Won, winTest(s));
    }
    if (s.rules[rule::GameKind] == 28) {
        ++s.counters.specialCounter;
        setStepEvent(s, kEventSpecialCounter);
    }
    return true;
}

bool redealWaste(EngineState& s) {
    if (!s.counters.redealPending) {
        s.counters.redealPending = true;
        s.host.drawEmptyStockMarker(emptyStockMarkerPile(s), 0);
        return false;
    }
    s.catalogue.setDealsMade(s.catalogue.dealsMade() + 1);
    takeSavedPileCopy(s);
    recordStep(s, LogDirection::Undo);
    const char face = s.rules[rule::StockFaceState] != 0 ? '0' : '1';
    const bool animate = s.settings.get(setting::RedealAnimation) != "N";
    if (animate) playSound(s, "Redeal", setting::SoundsRedeal, SoundMode::Loop);
    else playSound(s, "Red_no_a", setting::SoundsRedealWithoutAnimation, SoundMode::PlayToEnd);
    s.piles.stock().clear();
    std::string& waste = s.piles.waste();
    while (!waste.empty()) {
        const int card = topCard(waste);
        if (animate) s.host.glideCards({card}, kWastePile, kStockPile);
        appendCardToSlot(s, Collection::StockGroup, kStock, card, face);
        waste.resize(waste.size() - 3);
    }
    if (animate) {
        stopSound(s);
        s.host.drawEmptyStockMarker(kStockPile, 100);
    }
    s.host.redrawChangedPiles(s.savedPiles, s.piles, DrawEffect::Plain);
    s.host.refreshCardCounter();
    if (s.rules[rule::GameKind] == 4) dropRedealtCardFromSelection(s);
    return true;
}

bool redealByKind(EngineState& s) {
    if (!s.counters.redealPending) {
        s.counters.redealPending = true;
        s.host.drawEmptyStockMarker(emptyStockMarkerPile(s), 0);
        return false;
    }
    takeSavedPileCopy(s);
    recordStep(s, LogDirection::Undo);
    s.catalogue.setDealsMade(s.catalogue.dealsMade() + 1);
    redealTableau(s);
    s.host.repaintTable();
    s.host.refreshCardCounter();
    s.host.refreshPileSizes();
    s.flags.set(Flag::Won, winTest(s));
    return true;
}

// The deal value of served pile p for the word.
int dealValue(const EngineState& s, std::string_view word, int p) {
    if (word == "Add_Tableaus") return s.rules[rule::TableauRowDeal + p];
    if (word == "Add_Tableaus_Last") return 1;
    if (word == "Fill_Tableaus") return tableau(s, p).empty() ? 1 : 0;
    return s.rules[rule::ReserveRowDeal + p];
}

struct Served {
    Collection collection;
    int first, last;  // 0-based, inclusive
};

Served servedPiles(const EngineState& s, std::string_view word) {
    if (word == "Add_Reserves") return {Collection::Reserves, 0, s.rules.reserves() - 1};
    if (word.starts_with("Add_Reserve_")) {
        const int n = word.size() >= 13 && word[12] >= '1' && word[12] <= '8' ? word[12] - '1' : -1;
        return {Collection::Reserves, n, n};
    }
    return {Collection::Tableau, 0, s.rules.tableauPiles() - 1};
}

bool rowWouldDeal(const EngineState& s, std::string_view word) {
    if (s.piles.stock().empty()) return false;
    const Served served = servedPiles(s, word);
    for (int p = served.first; p <= served.last && p >= 0; ++p) {
        const int v = dealValue(s, word, p);
        if (v >= 1 && v <= 4) return true;
    }
    return false;
}

bool wordWouldAct(const EngineState& s, std::string_view word) {
    return stockWordWouldAct(s, word);
}

}  // namespace

bool stockWordWouldAct(const EngineState& s, std::string_view word) {
    if (word.starts_with("Mazzo")) {
        if (redealByKindApplies(s, word)) return true;
        if (!s.piles.stock().empty()) return word != "Mazzo_Redeal";
        return word == "Mazzo_Vis" && wasteRedealPossible(s);
    }
    return rowWouldDeal(s, word);
}

namespace {

// The cards of every tableau pile, pile by pile from the first, each pile from its top card down.
std::vector<int> gatherAll(EngineState& s) {
    std::vector<int> gathered;
    for (int k = 0; k < s.rules.tableauPiles(); ++k) {
        std::string& pile = tableau(s, k);
        for (int at = positions(pile) - 1; at >= 0; --at)
            if (codeAt(pile, at) != kGap) gathered.push_back(codeAt(pile, at));
        pile.clear();
    }
    return gathered;
}

bool isRowEnd(int k) {
    const int n = k + 1;
    return n == 1 || n == 7 || n == 8 || n == 14 || n == 15 || n == 21 || n == 22 || n == 28;
}

void gatherToStock(EngineState& s) {
    const RuleTable& r = s.rules;
    const bool ontoWaste = r[rule::StockPiles] == 1 && r[rule::HasStock] == 0 && r[rule::HasWaste] == 1;
    const PileRef to = ontoWaste ? kWastePile : kStockPile;
    for (int k = r.tableauPiles() - 1; k >= 0; --k) {
        std::string& pile = tableau(s, k);
        while (!pile.empty()) {
            const int card = topCard(pile);
            pile.resize(pile.size() - 3);
            if (card == kGap) continue;
            s.host.glideCards({card}, {Collection::Tableau, k}, to);
            appendCardToSlot(s, to.collection, to.slot, card, ontoWaste ? '1' : '0');
        }
    }
}

void bottomCardsToTop(EngineState& s) {
    for (int k = 0; k < s.rules.tableauPiles(); ++k) {
        std::string& pile = tableau(s, k);
        if (cardsIn(pile) < 2) continue;
        const int bottom = bottomCard(pile);
        pile.erase(0, 3);
        appendCardToSlot(s, Collection::Tableau, k, bottom, '1');
        s.host.redrawPile({Collection::Tableau, k}, DrawEffect::Plain);
        playSound(s, "Shuffle", setting::SoundsShuffle);
    }
}

// Kind 8: the run from a two at the bottom of each pile stays, followed by a gap; the rest is gathered.
std::vector<int> gatherAboveRuns(EngineState& s) {
    std::vector<int> gathered;
    for (int k = 0; k < s.rules.tableauPiles(); ++k) {
        std::string& pile = tableau(s, k);
        int run = 0;
        if (rank(codeAt(pile, 0)) == 2) {
            run = 1;
            while (run < positions(pile)) {
                const int below = codeAt(pile, run - 1), card = codeAt(pile, run);
                if (card == kGap || suitIndex(card) != suitIndex(below) || rank(card) != rank(below) + 1) break;
                ++run;
            }
        }
        for (int at = positions(pile) - 1; at >= run; --at)
            if (codeAt(pile, at) != kGap) gathered.push_back(codeAt(pile, at));
        pile.resize(static_cast<size_t>(run) * 3);
        appendCode(pile, kGap);
    }
    return gathered;
}

// Kind 9: the piles that are not row ends give up their cards (one each in the games that use it).
std::vector<int> gatherOutsideRowEnds(EngineState& s) {
    std::vector<int> gathered;
    for (int k = 0; k < s.rules.tableauPiles(); ++k) {
        if (isRowEnd(k)) continue;
        std::string& pile = tableau(s, k);
        for (int at = 0; at < positions(pile); ++at)
            if (codeAt(pile, at) != kGap) gathered.push_back(codeAt(pile, at));
        pile.clear();
    }
    return gathered;
}

void dealAgain(EngineState& s, const std::vector<int>& cards, int kind) {
    const RuleTable& r = s.rules;
    const int piles = r.tableauPiles();
    if (piles == 0) {
        for (int card : cards) appendCardToSlot(s, Collection::StockGroup, kStock, card, '0');
        return;
    }
    const int perPile = r[rule::TableauDeal];
    const char face = perPile == r[rule::TableauFaceUp] ? '1' : '0';
    const bool stays = kind == 1 || kind == 6;
    int current = 0;
    for (int card : cards) {
        appendCardToSlot(s, Collection::Tableau, current, card, face);
        if (stays && cardsIn(tableau(s, current)) < perPile) continue;
        // Kind 6 does not start again from the first pile: what is left stays on the last one.
        if (current + 1 < piles) ++current;
        else if (kind != 6) current = 0;
    }
    if (r[rule::TableauFaceUp] == 1 && r[rule::TableauFaceUp] != perPile)
        for (int k = 0; k < piles; ++k)
            if (const int top = topCard(tableau(s, k)); top != kGap) s.cards.setFaceFlag(top, '1');
}

}  // namespace

PileRef emptyStockMarkerPile(const EngineState& state) {
    return state.rules[rule::HasStock] == 1 || state.rules[rule::HasWaste] != 1 ? kStockPile : kWastePile;
}

StockPressPlan planStockPress(const EngineState& state) {
    const RuleTable& r = state.rules;
    auto word = [](std::string w) { return StockPressPlan{StockPressKind::Word, std::move(w)}; };
    if (r[rule::HasWaste] == 1) {
        const int when = r[rule::StockTurnsWhen];
        if (when == 0 || (when == 1 && state.piles.waste().empty())) return word("Mazzo_Vis");
        return {};
    }
    const int redeal = r[rule::RedealKind];
    if ((redeal > 0 && state.piles.stock().empty()) || redeal == 6) return word("Mazzo_Redeal");
    const int piles = r.tableauPiles(), reserves = r.reserves();
    const int firstRow = r[rule::TableauRowDeal], lastRow = piles > 0 ? r[rule::TableauRowDeal + piles - 1] : 0;
    if (firstRow == 1 || lastRow == 1) return word("Add_Tableaus");
    if (firstRow == 2 || lastRow == 2) {
        if (anyTableauEmpty(state)) return {StockPressKind::FillGapsFirst, {}};
        return word("Add_Tableaus");
    }
    const int firstReserve = r[rule::ReserveRowDeal], lastReserve = reserves > 0 ? r[rule::ReserveRowDeal + reserves - 1] : 0;
    if (firstReserve == 1 || lastReserve == 1) return word("Add_Reserves");
    if (firstReserve == 3) {
        if (cardsIn(state.piles.stock()) == 8) return word("Add_Tableaus_Last");
        return {StockPressKind::TwoReserveDeals, "Add_Reserves"};
    }
    if (firstReserve == 4) {
        if (state.piles.stock().empty()) return {};
        return {StockPressKind::TripleReserveDeal, {}};
    }
    if (r[rule::SecondWasteStyle] != 0) return word("Mazzo_Waste");
    return {};
}

bool stockPressWouldAct(const EngineState& state) {
    const StockPressPlan plan = planStockPress(state);
    switch (plan.kind) {
        case StockPressKind::Nothing:
        case StockPressKind::FillGapsFirst: return false;
        case StockPressKind::Word:
        case StockPressKind::TwoReserveDeals: return wordWouldAct(state, plan.word);
        case StockPressKind::TripleReserveDeal: return !state.piles.stock().empty();
    }
    return false;
}

bool stockPress(EngineState& state) {
    if (state.rules[rule::GameKind] == 4 && stockPressWithSelection(state)) return true;
    const StockPressPlan plan = planStockPress(state);
    switch (plan.kind) {
        case StockPressKind::Nothing: return false;
        case StockPressKind::FillGapsFirst:
            showInformation(state.host, "Fill in any gaps in the tableau before dealing.");
            return false;
        case StockPressKind::Word: return executeAction(state, 0, plan.word);
        case StockPressKind::TwoReserveDeals: {
            const bool first = executeAction(state, 0, plan.word);
            const bool second = executeAction(state, 0, plan.word);
            return first || second;
        }
        case StockPressKind::TripleReserveDeal: {
            ++state.counters.specialCounter;
            const std::string word = std::string("Add_Reserve_") + (state.counters.specialCounter % 2 == 1 ? "1" : "2");
            int deals = 0;
            for (int i = 0; i < 3 && !state.piles.stock().empty(); ++i)
                if (executeAction(state, 0, word)) ++deals;
            if (deals > 1) foldSteps(state, deals - 1);
            if (deals > 0) setStepEvent(state, kEventSpecialCounter);
            else --state.counters.specialCounter;
            return deals > 0;
        }
    }
    return false;
}

bool stockAction(EngineState& state, std::string_view word) {
    if (redealByKindApplies(state, word)) return redealByKind(state);
    if (word == "Mazzo_Redeal") return false;
    if (!state.piles.stock().empty()) return turnCards(state, word);
    if (word == "Mazzo_Vis" && wasteRedealPossible(state)) return redealWaste(state);
    return false;
}

bool rowDeal(EngineState& state, std::string_view word) {
    if (state.piles.stock().empty()) return false;
    const Served served = servedPiles(state, word);
    if (served.first < 0) return false;
    if (word != "Fill_Tableaus") {
        takeSavedPileCopy(state);
        recordStep(state, LogDirection::Undo);
    }
    bool dealt = false;
    const bool serpentine = state.rules[rule::TableauFan] == 8;
    for (int p = served.first; p <= served.last && !state.piles.stock().empty(); ++p) {
        const int v = dealValue(state, word, p);
        if (v < 1 || v > 4) continue;
        const int card = topCard(state.piles.stock());
        state.host.glideCards({card}, kStockPile, {served.collection, p});
        takeStockTop(state);
        appendCardToSlot(state, served.collection, p, card, '1');
        if (serpentine && served.collection == Collection::Tableau) appendCode(tableau(state, 0), kGap);
        state.host.refreshCardCounter();
        state.host.refreshPileSizes();
        playSound(state, "Shuffle", setting::SoundsShuffle);
        if (served.collection == Collection::Tableau) completeRunCheck(state, p);
        dealt = true;
    }
    if (state.rules[rule::GameKind] == 29 && served.collection == Collection::Tableau)
        for (int p = served.first; p <= served.last; ++p) fourOfAKindCheck(state, p);
    state.flags.set(Flag::Won, winTest(state));
    return dealt || word != "Fill_Tableaus";
}

std::vector<int> mixForRedeal(std::vector<int> gathered) {
    std::vector<int> mixed;
    mixed.reserve(gathered.size());
    size_t q = gathered.size() / 2;
    while (!gathered.empty()) {
        if (q >= gathered.size()) q = 0;
        mixed.push_back(gathered[q]);
        gathered.erase(gathered.begin() + static_cast<std::ptrdiff_t>(q));
        q += mixed.size() % 2 == 1 ? 2 : 5;
    }
    return mixed;
}

void redealTableau(EngineState& state) {
    setStepEvent(state, kEventTableauRedeal);
    const int kind = state.rules[rule::RedealKind];
    std::vector<int> gathered;
    switch (kind) {
        case 4:
        case 5: gatherToStock(state); return;
        case 7: bottomCardsToTop(state); return;
        case 8: gathered = gatherAboveRuns(state); break;
        case 9: gathered = gatherOutsideRowEnds(state); break;
        default: gathered = gatherAll(state); break;
    }
    const std::vector<int> order = mixForRedeal(std::move(gathered));
    if (kind == 8) {
        size_t next = 0;
        for (int k = 0; k < state.rules.tableauPiles(); ++k) {
            std::string& pile = tableau(state, k);
            while (positions(pile) < 13 && next < order.size()) {
                const int card = order[next++];
                if (card == kGap) continue;
                state.host.glideCards({card}, kStockPile, {Collection::Tableau, k});
                appendCardToSlot(state, Collection::Tableau, k, card, '1');
            }
        }
        // Cards that found no place (a damaged row) go to the stock, so none leaves the game.
        for (; next < order.size(); ++next) appendCardToSlot(state, Collection::StockGroup, kStock, order[next], '0');
        return;
    }
    if (kind == 9) {
        for (int card : order) appendCardToSlot(state, Collection::StockGroup, kWaste, card, '1');
        for (int k = 0; k < state.rules.tableauPiles(); ++k) {
            if (isRowEnd(k) || state.rules[rule::TableauDeal + k] == 0 || state.piles.waste().empty()) continue;
            const int card = topCard(state.piles.waste());
            state.piles.waste().resize(state.piles.waste().size() - 3);
            appendCardToSlot(state, Collection::Tableau, k, card, '1');
        }
        return;
    }
    dealAgain(state, order, kind);
}

}  // namespace tarvelle
