// The sounds of game events: each word plays when its own switch and the master switch are on.
#include "engine/Sounds.h"

namespace tarvelle {

namespace {
// Never a resource: asking for it makes the player stop.
constexpr std::string_view kStopWord = "_tmp_stop_";
}  // namespace

void playSound(EngineState& state, std::string_view word, bool switchOn, SoundMode mode) {
    if (!switchOn || !state.settings.isYes(setting::SoundsEnabled)) return;
    state.host.playSound(word, mode);
}

void playSound(EngineState& state, std::string_view word, Field eventSwitch, SoundMode mode) {
    playSound(state, word, state.settings.isYes(eventSwitch), mode);
}

void stopSound(EngineState& state) {
    if (state.settings.isYes(setting::SoundsEnabled)) state.host.playSound(kStopWord, SoundMode::Play);
}

}  // namespace tarvelle
