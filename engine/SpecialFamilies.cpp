// The hooks of the special game families: each does nothing until its family is played.
#include "engine/SpecialFamilies.h"

namespace tarvelle {

bool selectCard(EngineState&, int) { return false; }
bool discardSelection(EngineState&) { return false; }
bool closeUpAndRefill(EngineState&) { return false; }
bool stockPressWithSelection(EngineState&) { return false; }
void dropRedealtCardFromSelection(EngineState&) {}

void completeRunCheck(EngineState&, int) {}
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
bool specialPress(EngineState&, int, std::string_view, bool) { return false; }

}  // namespace tarvelle
