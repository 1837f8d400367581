// The engine state: the one object that holds the game on the table for the whole run.
#include "engine/EngineState.h"

#include "records/SettingsFields.h"

namespace tarvelle {

EngineState::EngineState(Host& h, std::string program, std::string data)
    : host(h), programFolder(std::move(program)), settings(data), catalogue(h, settings) {}

std::string EngineState::dataFolder() const { return settings.get(setting::DataFolder); }

}  // namespace tarvelle
