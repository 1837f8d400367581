// The sounds of game events: each word plays when its own switch and the master switch are on.
#pragma once

#include <string_view>

#include "engine/EngineState.h"
#include "records/SettingsFields.h"

namespace tarvelle {

// Plays the word when the master switch (Sounds_Enabled) is "Y" and the
// event's own switch is on.
void playSound(EngineState& state, std::string_view word, bool switchOn,
               SoundMode mode = SoundMode::Play);
// The same with the event's switch read from its field ("Y" is on).
void playSound(EngineState& state, std::string_view word, Field eventSwitch,
               SoundMode mode = SoundMode::Play);
// Stops whatever sound is playing, when the master switch is on.
void stopSound(EngineState& state);

}  // namespace tarvelle
