// Complete runs of thirteen cards: a finished run on a tableau pile leaves by itself for its foundation.
#include "engine/CompleteRuns.h"

#include <string>

#include "engine/Dispatcher.h"
#include "engine/Legality.h"
#include "engine/Sounds.h"
#include "records/SettingsFields.h"
#include "records/Undo.h"

namespace tarvelle {

namespace {

constexpr int kRunLength = 13;

const std::string& tableauPile(const EngineState& s, int k) { return s.piles.tableau[static_cast<size_t>(k)]; }
const std::string& foundationPile(const EngineState& s, int f) { return s.piles.foundations[static_cast<size_t>(f)]; }

std::optional<RunFoundation> runFoundationAt(const EngineState& s, int f) {
    return runFoundationOf(s.rules[rule::FoundationBase + f]);
}

// Each card of a run after its top card, against the card above it and the run's top card.
bool followsInColour(const EngineState& s, RunFoundation target, int k, int card, int above, int top) {
    if (target != RunFoundation::AceUpByBuilding) return suitIndex(card) == suitIndex(top);
    switch (static_cast<BuildingKind>(s.rules[rule::TableauBuilding + k])) {
        case BuildingKind::AlternateColours: return isRed(card) != isRed(above);
        case BuildingKind::SameSuit: return suitIndex(card) == suitIndex(top);
        default: return true;
    }
}

// The colour balance of the run foundations of value 82, with the run's ace
// counted in. Without such foundations every run passes.
bool aceKeepsColoursBalanced(const EngineState& s, int ace) {
    bool any = false;
    for (int f = 0; f < s.rules.foundations(); ++f)
        if (runFoundationAt(s, f) == RunFoundation::AceUpByBuilding) any = true;
    return !any || foundationColoursBalanced(s, ace, static_cast<int>(RunFoundation::AceUpByBuilding), false);
}

}  // namespace

std::optional<RunFoundation> runFoundationOf(int baseValue) {
    switch (static_cast<RunFoundation>(baseValue)) {
        case RunFoundation::AceUpByBuilding:
        case RunFoundation::AceUpOneSuit:
        case RunFoundation::KingDownOneSuit: return static_cast<RunFoundation>(baseValue);
    }
    return std::nullopt;
}

std::optional<int> completeRunTarget(const EngineState& state) {
    for (int f = 0; f < state.rules.foundations(); ++f)
        if (runFoundationAt(state, f) && foundationPile(state, f).empty()) return f;
    return std::nullopt;
}

bool isCompleteRun(const EngineState& state, int k, int target) {
    if (k < 0 || k >= state.rules.tableauPiles() || target < 0 || target >= state.rules.foundations()) return false;
    const auto kind = runFoundationAt(state, target);
    const std::string& pile = tableauPile(state, k);
    if (!kind || cardsIn(pile) < kRunLength) return false;
    // The direction of every run is set by foundation 1, whatever the target.
    const bool fromKing = runFoundationAt(state, 0) == RunFoundation::KingDownOneSuit;
    const int topAt = positions(pile) - 1;
    const int top = codeAt(pile, topAt);
    int expected = fromKing ? 13 : 1;
    for (int i = 0; i < kRunLength; ++i) {
        const int card = codeAt(pile, topAt - i);
        if (card == kGap || state.cards.isFaceDown(card)) return false;
        if (i > 0 && !followsInColour(state, *kind, k, card, codeAt(pile, topAt - i + 1), top)) return false;
        if (rank(card) != expected) return false;
        expected += fromKing ? -1 : 1;
    }
    return *kind == RunFoundation::KingDownOneSuit || aceKeepsColoursBalanced(state, top);
}

bool checkCompleteRun(EngineState& state, int k) {
    const auto target = completeRunTarget(state);
    if (!target || !isCompleteRun(state, k, *target)) return false;

    const PileRef from{Collection::Tableau, k};
    const PileRef foundation{Collection::Foundations, *target};
    const bool shown = pileShown(state, foundation);
    const PileRef to = shown ? foundation : PileRef{Collection::StockGroup, kSecondWaste};
    const std::string word = shown ? "Dest" + std::to_string(*target + 1) : std::string("Waste");

    playSound(state, "Redeal", setting::SoundsRedeal, SoundMode::Loop);
    bool moved = false;
    for (int i = 0; i < kRunLength; ++i) {
        const int card = topCard(tableauPile(state, k));
        state.host.glideCards({card}, from, to);
        const int stepsBefore = state.undoLog.stepCount();
        if (!executeAction(state, card, word)) break;
        moved = true;
        // The run leaves with the move that completed it: one undo step brings both back.
        const int added = state.undoLog.stepCount() - stepsBefore;
        if (added > 0 && stepsBefore > 0) foldSteps(state, added);
    }
    stopSound(state);
    return moved;
}

}  // namespace tarvelle
