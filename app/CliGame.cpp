#include "app/CliGame.h"

#include <string>

#include "app/CliHost.h"
#include "engine/Dealing.h"
#include "engine/EngineInit.h"
#include "records/Files.h"
#include "records/Numbers.h"
#include "records/SettingsFields.h"

namespace tarvelle {

std::optional<long long> cliNumber(std::string_view text, long long most) {
    if (!isDigits(text) || text.size() > 18) return std::nullopt;
    auto v = parseInteger(text);
    if (!v || *v > most) return std::nullopt;
    return *v;
}

bool isGameNumber(std::string_view text) { return isDigits(text) && text.size() <= 13; }

bool startEngine(EngineState& state) {
    if (!files::exists(state.gamesDatPath())) return false;
    return initialiseEngine(state).has_value();
}

int startDealtGame(EngineState& state, std::string_view game, std::string_view gameNumber) {
    auto id = cliNumber(game, 9999);
    if (!id) return cliFailure("GAME must be a game id: " + std::string(game));
    if (!isGameNumber(gameNumber))
        return cliFailure("the game number must be 1 to 13 digits: " + std::string(gameNumber));
    if (!startEngine(state)) return cliFailure("cannot find " + state.gamesDatPath());
    const std::string name = state.catalogue.GameName(static_cast<int>(*id));
    if (name.empty()) return cliFailure("no game has the id " + std::string(game));
    state.settings.put(setting::GameId, formatFixed(*id, 4));
    state.settings.put(setting::GameName, name);
    state.settings.put(setting::GameNumber, gameNumber);
    state.autoplayChecked = false;
    if (!prepareGame(state)) return cliFailure("the rules of " + name + " cannot be loaded");
    StartOptions options;
    options.animate = false;
    options.newNumber = false;
    if (!startGame(state, options)) return cliFailure("the game " + name + " cannot be started");
    return 0;
}

}  // namespace tarvelle
