// The hooks of the special game families: the complete-run removal and the
// press rules of the discard-pile kinds are played; the other families'
// hooks do nothing until their games join the collection.
#include "engine/SpecialFamilies.h"

#include <string>

#include "engine/CardPositions.h"
#include "engine/CompleteRuns.h"
#include "engine/Dispatcher.h"
#include "engine/EndOfGame.h"
#include "engine/Sounds.h"
#include "engine/Table.h"
#include "records/SettingsFields.h"
#include "records/Undo.h"

namespace tarvelle {

namespace {

bool isDiscardPileKind(int kind) { return kind == 2 || kind == 12 || kind == 15; }

}  // namespace

bool selectCard(EngineState&, int) { return false; }
bool discardSelection(EngineState&) { return false; }
bool closeUpAndRefill(EngineState&) { return false; }
bool stockPressWithSelection(EngineState&) { return false; }
void dropRedealtCardFromSelection(EngineState&) {}

void completeRunCheck(EngineState& state, int k) { checkCompleteRun(state, k); }

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
