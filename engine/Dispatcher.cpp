// The action dispatcher: every change of the table during play, the drop of a
// dragged card and the automatic move of a double or right click.
#include "engine/Dispatcher.h"

#include <string>

#include "engine/AutoMoves.h"
#include "engine/CardPositions.h"
#include "engine/EndOfGame.h"
#include "engine/Legality.h"
#include "engine/Scoring.h"
#include "engine/Sounds.h"
#include "engine/SpecialFamilies.h"
#include "engine/Stock.h"
#include "engine/Table.h"
#include "records/SettingsFields.h"
#include "records/Undo.h"

namespace tarvelle {

namespace {

struct Outcome {
    bool performed = false;
    bool uncoveredTableau = false;
};

// The slot number after a word's prefix; nullopt when the rest is not a slot of the collection.
std::optional<int> slotAfter(std::string_view word, size_t prefix, Collection c) {
    auto ref = parsePileKey(std::string(c == Collection::Tableau ? "Fila" : c == Collection::Foundations ? "Dest" : "Appogg") +
                            std::string(word.substr(prefix)));
    if (!ref) return std::nullopt;
    return ref->slot;
}

void beginMove(EngineState& s) {
    takeSavedPileCopy(s);
    recordStep(s, LogDirection::Undo);
}

// Removes the card from wherever it lies and appends it face up to the slot.
PileKind moveCard(EngineState& s, int card, Collection c, int slot) {
    const PileKind from = locateAndRemoveCard(s, card, FindAction::Remove);
    appendCardToSlot(s, c, slot, card, '1');
    return from;
}

void setWonFromTest(EngineState& s) { s.flags.set(Flag::Won, winTest(s)); }

// A card that takes the place of the joker standing for it in a joker foundation.
void replaceStandingJoker(EngineState& s, int f) {
    std::string& pile = s.piles.foundations[static_cast<size_t>(f)];
    const int n = positions(pile);
    if (n < 2) return;
    const int top = codeAt(pile, n - 1), under = codeAt(pile, n - 2);
    if (!isJoker(under) && rank(top) == nextRankWrapping(rank(under))) return;
    int firstRealBottom = 0;
    for (int k = 0; k < s.rules.foundations() && firstRealBottom == 0; ++k) {
        const std::string& other = s.piles.foundations[static_cast<size_t>(k)];
        for (int at = 0; at < positions(other); ++at)
            if (!isJoker(codeAt(other, at)) && codeAt(other, at) != kGap) {
                firstRealBottom = codeAt(other, at);
                break;
            }
    }
    for (int at = 0; at < n - 1; ++at) {
        if (!isJoker(codeAt(pile, at))) continue;
        const bool standsFor =
            at == 0 ? rank(codeAt(pile, 1)) == s.rules[rule::FoundationBase + f] || rank(top) == rank(firstRealBottom)
                    : rank(top) == rank(codeAt(pile, at - 1)) + 1;
        if (!standsFor) continue;
        const std::string joker = pile.substr(static_cast<size_t>(at) * 3, 3);
        pile.replace(static_cast<size_t>(at) * 3, 3, codeText(top));
        pile.replace(static_cast<size_t>(n - 1) * 3, 3, joker);
        return;
    }
}

Outcome toFoundation(EngineState& s, int card, int f, bool autoplay) {
    beginMove(s);
    const PileKind from = moveCard(s, card, Collection::Foundations, f);
    s.host.redrawChangedPiles(s.savedPiles, s.piles, DrawEffect::Shadow);
    s.host.refreshCardCounter();
    setWonFromTest(s);
    if (autoplay) playSound(s, "Autoplay", setting::SoundsAutoplay);
    else playSound(s, "Foundation", setting::SoundsFoundation);
    if (s.rules[rule::AfterFoundationMove] == 1) rearrangeFoundation(s, f);
    const int firstBuilding = s.rules[rule::FoundationBuilding];
    if (firstBuilding == 72 || firstBuilding == 75) replaceStandingJoker(s, f);
    return {true, from == PileKind::Tableau};
}

// The cell that a jump of building kind 71 passes over, or -1.
int jumpedCell(const EngineState& s, int from, int to) {
    const int w = std::max(1, s.rules[rule::GridWidth]);
    const int fr = from / w, fc = from % w, tr = to / w, tc = to % w;
    if (!((fr == tr && std::abs(fc - tc) == 2) || (fc == tc && std::abs(fr - tr) == 2))) return -1;
    return ((fr + tr) / 2) * w + (fc + tc) / 2;
}

Outcome toSecondWaste(EngineState& s, int card);

Outcome toTableau(EngineState& s, int card, int k) {
    const MovingCards m = movingCards(s, card);
    if (!m.from) return {};
    const bool fromTableau = m.from->collection == Collection::Tableau;
    const int jumped = fromTableau && s.rules[rule::TableauBuilding + k] == 71 ? jumpedCell(s, m.from->slot, k) : -1;
    beginMove(s);
    if (m.single()) {
        moveCard(s, card, Collection::Tableau, k);
        s.host.redrawChangedPiles(s.savedPiles, s.piles, DrawEffect::Drop);
    } else {
        std::string& source = *s.piles.pile(m.from->collection, m.from->slot);
        const std::string moved = source.substr(static_cast<size_t>(m.position) * 3);
        source.resize(static_cast<size_t>(m.position) * 3);
        for (int at = 0; at < positions(moved); ++at) appendCardToSlot(s, Collection::Tableau, k, codeAt(moved, at), '1');
        s.host.redrawChangedPiles(s.savedPiles, s.piles, DrawEffect::Plain);
    }
    s.host.refreshPileSizes();
    s.host.refreshCardCounter();
    if (fromTableau) completeRunCheck(s, m.from->slot);
    completeRunCheck(s, k);
    playSound(s, "Tableau", setting::SoundsTableau);

    const int kind = s.rules[rule::GameKind];
    if (kind == 29) fourOfAKindCheck(s, k);
    if (s.rules[rule::TableauBuilding + k] == 69) tenInARowCheck(s);
    if (jumped >= 0 && jumped < kTableauSlots) {
        const int over = topCard(s.piles.tableau[static_cast<size_t>(jumped)]);
        if (over != kGap && toSecondWaste(s, over).performed) foldSteps(s, 1);
    }
    if (kind == 38) kind38CompletionCheck(s);
    if (kind == 40) kind40AutomaticStep(s, k);
    if (kind == 42) {
        kind42RefreshCounts(s);
        computeScore(s);
        setWonFromTest(s);
    }
    setWonFromTest(s);
    return {true, fromTableau};
}

// To a reserve, the second waste pile or the waste: the same simple move.
Outcome toPile(EngineState& s, int card, Collection c, int slot, std::string_view sound, Field soundSwitch) {
    if (!pileOf(s, card) && findCode(s.piles.secondWaste(), card) < 0) return {};
    beginMove(s);
    const PileKind from = moveCard(s, card, c, slot);
    s.host.redrawChangedPiles(s.savedPiles, s.piles, DrawEffect::Drop);
    s.host.refreshCardCounter();
    if (!sound.empty()) playSound(s, sound, soundSwitch);
    setWonFromTest(s);
    return {true, from == PileKind::Tableau};
}

Outcome toSecondWaste(EngineState& s, int card) {
    const bool eddy = s.rules[rule::GameKind] == 12;
    return toPile(s, card, Collection::StockGroup, kSecondWaste, eddy ? "Eddy" : "", setting::SoundsFoundation);
}

// "Selezionate_Fila": every empty tableau pile takes the stock's top card.
Outcome fillEmptyFromStock(EngineState& s) {
    Outcome out;
    for (int k = 0; k < s.rules.tableauPiles() && !s.piles.stock().empty(); ++k) {
        if (!s.piles.tableau[static_cast<size_t>(k)].empty()) continue;
        const int card = topCard(s.piles.stock());
        s.host.glideCards({card}, {Collection::StockGroup, kStock}, {Collection::Tableau, k});
        s.piles.stock().resize(s.piles.stock().size() - 3);
        appendCardToSlot(s, Collection::Tableau, k, card, '1');
        s.host.refreshCardCounter();
        playSound(s, "Shuffle", setting::SoundsShuffle);
        out.performed = true;
    }
    return out;
}

bool isCard(int card) { return card >= 1 && card <= kCardCodes; }

Outcome dispatch(EngineState& s, int card, std::string_view word) {
    const bool movesACard = word.starts_with("Dest") || word.starts_with("Fila") || word.starts_with("Appogg") ||
                            word == "Waste" || word == "Stock02";
    // A gap is no card: it never moves as one.
    if (movesACard && !isCard(card)) return {};
    if (word.starts_with("Dest_Autoplay")) {
        auto f = slotAfter(word, 13, Collection::Foundations);
        return f && pileOf(s, card) ? toFoundation(s, card, *f, true) : Outcome{};
    }
    if (word.starts_with("Dest")) {
        auto f = slotAfter(word, 4, Collection::Foundations);
        return f && pileOf(s, card) ? toFoundation(s, card, *f, false) : Outcome{};
    }
    if (word.starts_with("Fila")) {
        auto k = slotAfter(word, 4, Collection::Tableau);
        return k ? toTableau(s, card, *k) : Outcome{};
    }
    if (word.starts_with("Appogg")) {
        auto n = slotAfter(word, 6, Collection::Reserves);
        return n ? toPile(s, card, Collection::Reserves, *n, "Tableau", setting::SoundsTableau) : Outcome{};
    }
    if (word == "Waste") return toSecondWaste(s, card);
    if (word == "Stock02") return toPile(s, card, Collection::StockGroup, kWaste, "Tableau", setting::SoundsTableau);
    if (word.starts_with("Mazzo")) return {stockAction(s, word), false};
    if (word == "Add_Tableaus" || word == "Add_Tableaus_Last" || word == "Fill_Tableaus" || word == "Add_Reserves" ||
        word.starts_with("Add_Reserve_"))
        return {rowDeal(s, word), false};
    if (word == "Selezionate_Fila") return fillEmptyFromStock(s);
    if (word == "Selezionate_Dest") return {discardSelection(s), false};
    if (word == "Stock_To_Pile_Monte_Carlo") return {closeUpAndRefill(s), false};
    return {};
}

bool isFoundationWord(std::string_view word) { return word.starts_with("Dest"); }

// The top card's place of a foundation, one card large.
Rect topCardRect(const EngineState& s, PileRef pile) {
    const Point at = cardPosition(s, pile, 0, false);
    return {at.x, at.y, at.x + s.cardWidth, at.y + s.cardHeight};
}

bool layoutKnown(const EngineState& s) {
    for (int k = 0; k < s.rules.foundations(); ++k)
        if (!isHidden(pilePosition(s, {Collection::Foundations, k}))) return true;
    for (int k = 0; k < s.rules.tableauPiles(); ++k)
        if (!isHidden(pilePosition(s, {Collection::Tableau, k}))) return true;
    return false;
}

std::string wordFor(PileRef target, bool autoplay) {
    const std::string n = std::to_string(target.slot + 1);
    switch (target.collection) {
        case Collection::Foundations: return (autoplay ? "Dest_Autoplay" : "Dest") + n;
        case Collection::Tableau: return "Fila" + n;
        case Collection::Reserves: return "Appogg" + n;
        case Collection::StockGroup: return "Stock02";
    }
    return {};
}

}  // namespace

bool executeAction(EngineState& state, int card, std::string_view word) {
    if (onlyTableauToFoundationYet(state)) {
        auto from = pileOf(state, card);
        if (!from || from->collection != Collection::Tableau || !isFoundationWord(word)) return false;
    }
    const bool stockWasDone = state.piles.stock().empty() && cardsIn(state.piles.waste()) <= 1;
    const int undoStepsBefore = state.undoLog.stepCount();
    const Outcome out = dispatch(state, card, word);

    if (!stockWasDone && state.piles.stock().empty() && cardsIn(state.piles.waste()) <= 1)
        state.host.redrawPile({Collection::StockGroup, kStock}, DrawEffect::Plain);
    if (out.performed) {
        if (state.rules[rule::GameKind] == 9) state.host.refreshSpecialDisplays(card);
        else computeScore(state);
    }
    if (out.uncoveredTableau && !autoplayActive(state)) {
        // The card that the move uncovered turns with the move: one player action, one undo step.
        const int stepsBefore = state.undoLog.stepCount();
        autoTurnUp(state);
        if (state.undoLog.stepCount() > stepsBefore && stepsBefore > undoStepsBefore)
            foldSteps(state, state.undoLog.stepCount() - stepsBefore);
    }
    if (out.performed) {
        recordStep(state, LogDirection::Redo, true);
        // A refused action is no move: only a performed one counts.
        if (state.catalogue.movesMade() < 2) state.catalogue.setMovesMade(state.catalogue.movesMade() + 1);
        if (state.rules[rule::FillFromStockAfterFirstMove] == 1 && state.catalogue.movesMade() == 1)
            executeAction(state, 0, "Fill_Tableaus");
    }
    state.host.updateScrollExtent();
    const int kind = state.rules[rule::GameKind];
    if (out.performed && kind == 30 && word.starts_with("Dest") && !word.starts_with("Dest_Autoplay") &&
        (rank(card) == 11 || rank(card) == 13)) {
        if (auto f = pileOf(state, card); f && f->collection == Collection::Foundations) followUpKind30(state, card, f->slot);
    }
    if (kind == 31 || kind == 34 || kind == 35) state.flags.set(Flag::Won, winTest(state));
    return out.performed;
}

bool wasteTakes(const EngineState& state, int card) {
    const RuleTable& r = state.rules;
    if (r[rule::WasteMovesAllowed] != 2 || r[rule::WasteMovesForbidden] == 4) return false;
    const int top = topCard(state.piles.waste());
    if (top == kGap || top == card || suitIndex(top) != suitIndex(card)) return false;
    return rank(card) == nextRankWrapping(rank(top)) || rank(card) == previousRankWrapping(rank(top));
}

bool drop(EngineState& state, int card, const std::optional<Rect>& dragged, const std::vector<PileRef>& candidates,
          bool autoplay) {
    const int kind = state.rules[rule::GameKind];
    for (const PileRef& target : candidates) {
        if (onlyTableauToFoundationYet(state) && target.collection != Collection::Foundations) continue;
        bool done = false;
        if (kind == 19) {
            if (auto own = kind19Drop(state, card, {target})) {
                if (*own) return true;
                continue;
            }
        }
        const MovingCards m = movingCards(state, card);
        switch (target.collection) {
            case Collection::Foundations:
                if (dragged && !dragged->overlaps(topCardRect(state, target))) break;
                done = mayDrop(state, m, target) && executeAction(state, card, wordFor(target, autoplay));
                break;
            case Collection::Tableau:
                if (kind == 32) {
                    done = gapDrop(state, card, dragged, target.slot);
                    break;
                }
                done = mayDrop(state, m, target) && executeAction(state, card, wordFor(target, autoplay));
                if (done && kind == 23) setStepEvent(state, kEventTableauDrop);
                break;
            case Collection::Reserves:
                done = mayDrop(state, m, target) && executeAction(state, card, wordFor(target, autoplay));
                break;
            case Collection::StockGroup:
                done = target.slot == kWaste && m.single() && wasteTakes(state, card) &&
                       executeAction(state, card, "Stock02");
                break;
        }
        if (done) {
            if (kind == 23) state.host.refreshSpecialDisplays(0);
            return true;
        }
    }
    return false;
}

bool pileShown(const EngineState& state, PileRef pile) {
    if (!layoutKnown(state)) return true;
    return !isHidden(pilePosition(state, pile));
}

bool mayMoveAutomatically(const EngineState& state, int card) {
    const MovingCards m = movingCards(state, card);
    if (!m.from || state.cards.isFaceDown(card)) return false;
    const RuleTable& r = state.rules;
    const std::string& pile = *state.piles.pile(m.from->collection, m.from->slot);
    switch (m.from->collection) {
        case Collection::Foundations: {
            const int back = r[rule::FoundationTakeBack];
            return m.single() && (back == 1 || (back == 2 && cardsIn(pile) > 1));
        }
        case Collection::StockGroup: return m.from->slot == kWaste && m.single();
        case Collection::Tableau:
            if (r[rule::MoveSize] == 0 || !columnIsFree(state, m.from->slot)) return false;
            return m.single() || mayPickUp(state, m);
        case Collection::Reserves: return m.single() || r[rule::ReservePickUp] == -11;
    }
    return false;
}

bool moveToBestTarget(EngineState& state, int card, bool toFoundations, bool toTableaus, bool autoplay) {
    const MovingCards m = movingCards(state, card);
    if (!m.from) return false;
    const RuleTable& r = state.rules;
    auto tryTarget = [&](PileRef target) { return drop(state, card, std::nullopt, {target}, autoplay); };
    if (toFoundations && m.single()) {
        bool foundationsOpen = true;
        if (autoplay) {
            // The player places the first card when every foundation takes any rank of the others.
            bool allOpenAndEmpty = r.foundations() > 0;
            for (int f = 0; f < r.foundations(); ++f) {
                const int base = r[rule::FoundationBase + f];
                if ((base != 92 && base != 93) || !state.piles.foundations[static_cast<size_t>(f)].empty())
                    allOpenAndEmpty = false;
            }
            foundationsOpen = !allOpenAndEmpty;
        }
        for (int f = 0; foundationsOpen && f < r.foundations(); ++f)
            if (pileShown(state, {Collection::Foundations, f}) && tryTarget({Collection::Foundations, f})) return true;
    }
    if (toTableaus) {
        for (int pass = 0; pass < 2; ++pass)
            for (int k = 0; k < r.tableauPiles(); ++k) {
                const bool empty = state.piles.tableau[static_cast<size_t>(k)].empty();
                if (empty != (pass == 1)) continue;
                if (m.from->collection == Collection::Tableau && m.from->slot == k) continue;
                if (tryTarget({Collection::Tableau, k})) return true;
            }
    }
    // Autoplay goes to the foundations alone; the reserves are the player's.
    if (toFoundations && m.single() && !autoplay)
        for (int n = 0; n < r.reserves(); ++n)
            if (tryTarget({Collection::Reserves, n})) return true;
    if (toTableaus && tryTarget({Collection::StockGroup, kWaste})) return true;
    return false;
}

bool automaticMove(EngineState& state, int card, bool doubleClick, bool rightClick) {
    if (!mayMoveAutomatically(state, card)) return false;
    if (doubleClick) state.flags.set(Flag::IgnoreNextPress);
    const SettingsRecord& st = state.settings;
    bool toFoundations = doubleClick ? st.isYes(setting::DoubleClickToFoundations)
                         : rightClick ? st.isYes(setting::RightClickToFoundations)
                                      : false;
    bool toTableaus = doubleClick ? st.isYes(setting::DoubleClickToTableaus)
                      : rightClick ? st.isYes(setting::RightClickToTableaus)
                                   : false;
    if (state.rules[rule::SingleClickMoves] == 1) toFoundations = toTableaus = true;
    const bool moved = moveToBestTarget(state, card, toFoundations, toTableaus, false);
    if (state.flags[Flag::Won]) endOfGame(state);
    return moved;
}

}  // namespace tarvelle
