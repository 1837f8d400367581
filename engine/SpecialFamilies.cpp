// The hooks of the special game families: the complete-run removal and the
// press rules of the discard-pile kinds are played; the other families'
// hooks do nothing until their games join the collection.
#include "engine/SpecialFamilies.h"

#include <string>

#include "engine/CardPositions.h"
#include "engine/Dispatcher.h"
#include "engine/EndOfGame.h"
#include "engine/Sounds.h"
#include "engine/Table.h"
#include "records/SettingsFields.h"
#include "records/Undo.h"

namespace tarvelle {

namespace {

bool isCompleteRunBase(int base) { return base == 82 || base == 83 || base == 95; }

bool isDiscardPileKind(int kind) { return kind == 2 || kind == 12 || kind == 15; }

// The ace of a run bound for a foundation of base value 82 or 83 keeps the
// colours of the foundations of base value 82 balanced: with it, at most half
// of them start red and at most half black.
bool coloursStayBalanced(const EngineState& s, int ace) {
    int counted = 0, red = isRed(ace) ? 1 : 0, black = isRed(ace) ? 0 : 1;
    for (int k = 0; k < s.rules.foundations(); ++k) {
        if (s.rules[rule::FoundationBase + k] != 82) continue;
        ++counted;
        const int bottom = bottomCard(s.piles.foundations[static_cast<size_t>(k)]);
        if (bottom == kGap) continue;
        (isRed(bottom) ? red : black) += 1;
    }
    return counted == 0 || (red * 2 <= counted && black * 2 <= counted);
}

// Whether the top thirteen cards of the pile read as a complete run for a
// foundation of the given base value.
bool topIsCompleteRun(const EngineState& s, const std::string& pile, int k, int base) {
    const int n = positions(pile);
    const bool down = s.rules[rule::FoundationBase] == 95;
    const int building = s.rules[rule::TableauBuilding + k];
    const int top = codeAt(pile, n - 1);
    int expected = down ? 13 : 1;
    for (int i = 0; i < 13; ++i) {
        const int card = codeAt(pile, n - 1 - i);
        if (card == kGap || s.cards.isFaceDown(card)) return false;
        if (i > 0) {
            const int above = codeAt(pile, n - i);
            if (base == 82) {
                if (building == 3 && isRed(card) == isRed(above)) return false;
                if (building == 0 && suitIndex(card) != suitIndex(top)) return false;
            } else if (suitIndex(card) != suitIndex(top)) {
                return false;
            }
        }
        if (rank(card) != expected) return false;
        expected += down ? -1 : 1;
    }
    return base == 95 || coloursStayBalanced(s, top);
}

}  // namespace

bool selectCard(EngineState&, int) { return false; }
bool discardSelection(EngineState&) { return false; }
bool closeUpAndRefill(EngineState&) { return false; }
bool stockPressWithSelection(EngineState&) { return false; }
void dropRedealtCardFromSelection(EngineState&) {}

void completeRunCheck(EngineState& s, int k) {
    if (k < 0 || k >= s.rules.tableauPiles()) return;
    const std::string& pile = s.piles.tableau[static_cast<size_t>(k)];
    if (cardsIn(pile) < 13) return;
    int target = -1;
    for (int f = 0; f < s.rules.foundations() && target < 0; ++f)
        if (isCompleteRunBase(s.rules[rule::FoundationBase + f]) && s.piles.foundations[static_cast<size_t>(f)].empty())
            target = f;
    if (target < 0 || !topIsCompleteRun(s, pile, k, s.rules[rule::FoundationBase + target])) return;

    const PileRef from{Collection::Tableau, k};
    const PileRef foundation{Collection::Foundations, target};
    // A foundation that the layout keeps out of sight sends the run to the second waste pile.
    const bool toFoundation = pileShown(s, foundation);
    const PileRef to = toFoundation ? foundation : PileRef{Collection::StockGroup, kSecondWaste};
    const std::string word = toFoundation ? "Dest" + std::to_string(target + 1) : std::string("Waste");
    playSound(s, "Redeal", setting::SoundsRedeal, SoundMode::Loop);
    for (int i = 0; i < 13; ++i) {
        const int card = topCard(s.piles.tableau[static_cast<size_t>(k)]);
        s.host.glideCards({card}, from, to);
        if (!executeAction(s, card, word)) break;
        foldSteps(s, 1);
    }
    stopSound(s);
}

void fourOfAKindCheck(EngineState&, int) {}
void tenInARowCheck(EngineState&) {}
void followUpKind30(EngineState&, int, int) {}
void rearrangeFoundation(EngineState&, int) {}

bool kind23AllowsFoundationMove(const EngineState&) { return true; }
std::optional<bool> kind19Drop(EngineState&, int, const std::vector<PileRef>&) { return std::nullopt; }
bool gapDrop(EngineState&, int, const std::optional<Rect>&, int) { return false; }
void kind38CompletionCheck(EngineState&) {}
void kind40AutomaticStep(EngineState&, int) {}
void kind42RefreshCounts(EngineState&) {}

bool discardPileTakes(const EngineState& s, int card) {
    const std::string& discard = s.piles.secondWaste();
    if (cardsIn(discard) == 0) return true;
    const int kind = s.rules[rule::GameKind];
    const int under = rank(topCard(discard)), over = rank(card);
    const bool kingAndAce = (under == 13 && over == 1) || (under == 1 && over == 13);
    if (kingAndAce) return kind != 2;
    return over == under + 1 || over == under - 1;
}

PressRule specialPressRule(const EngineState& s, int card, std::string_view key, bool rightButton) {
    const int kind = s.rules[rule::GameKind];
    // A right press keeps its ordinary meaning in these kinds.
    if (!isDiscardPileKind(kind) || rightButton) return PressRule::Generic;
    const auto pile = parsePileKey(key);
    if (!pile || pile->collection != Collection::Tableau) return PressRule::Generic;
    // Only the top card of a pile counts.
    const std::string& text = s.piles.tableau[static_cast<size_t>(pile->slot)];
    if (card == 0 || card != topCard(text)) return PressRule::Nothing;
    if (s.cards.isFaceDown(card)) return PressRule::Refused;
    return discardPileTakes(s, card) ? PressRule::Taken : PressRule::Refused;
}

bool playOntoDiscardPile(EngineState& s, int card) {
    const auto from = pileOf(s, card);
    if (!from) return false;
    s.host.glideCards({card}, *from, {Collection::StockGroup, kSecondWaste});
    if (!executeAction(s, card, "Waste")) return false;
    if (s.flags[Flag::Won] && s.flags[Flag::InProgress]) endOfGame(s);
    return true;
}

bool specialPress(EngineState& s, int card, std::string_view key, bool rightButton) {
    switch (specialPressRule(s, card, key, rightButton)) {
        case PressRule::Generic: return false;
        case PressRule::Nothing: return true;
        case PressRule::Refused: s.host.beep(); return true;
        case PressRule::Taken: playOntoDiscardPile(s, card); return true;
    }
    return false;
}

}  // namespace tarvelle
