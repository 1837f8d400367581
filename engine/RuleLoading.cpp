// Loading GAMES.DAT: the game list at start-up, the rule table of the current
// game with the customized-game override, and values of other games.
#include "engine/RuleLoading.h"

#include <algorithm>

#include "engine/GamesFile.h"
#include "records/Files.h"
#include "records/Numbers.h"
#include "records/SettingsFields.h"

namespace tarvelle {

namespace {

std::optional<gamesfile::Sections> readGamesFile(const EngineState& state) {
    auto lines = files::readLines(state.gamesDatPath());
    if (!lines) return std::nullopt;
    return gamesfile::splitSections(*lines);
}

void refuseGame(EngineState& state, std::string_view name, std::string_view reason) {
    showError(state.host, "The rules of " + std::string(name) +
                              " cannot be read from GAMES.DAT: " + std::string(reason) +
                              ".\rThe game cannot be played; reinstall the program to repair the file.");
}

}  // namespace

bool loadGameList(EngineState& state) {
    const std::string path = state.gamesDatPath();
    auto lines = files::readLines(path);
    if (!lines) {
        showError(state.host,
                  "Cannot find file:\r" + files::nativePath(path) + "\r" +
                      "Copy the file into the directory that above is specified" + "\r" +
                      "or reinstall the program.",
                  "Error");
        return false;
    }
    auto sections = gamesfile::splitSections(*lines);
    std::vector<GameListEntry> games;
    std::string damaged;
    for (const auto& stored : sections.gameList) {
        auto plain = gamesfile::gameListLine(stored);
        if (!plain) continue;
        GameListEntry entry{*plain};
        // A damaged or empty line keeps its place, so every later game keeps its
        // column; an empty line names no game to report.
        if (entry.id() < 0 && !trim(entry.line).empty()) damaged += "\r" + (entry.name().empty() ? std::string("(no name)") : entry.name());
        games.push_back(std::move(entry));
    }
    const bool anyGame = std::any_of(games.begin(), games.end(), [](const GameListEntry& e) { return e.id() >= 0; });
    if (!anyGame)
        showError(state.host, "GAMES.DAT holds no game list: no game can be played.\r"
                              "Reinstall the program to repair the file.");
    else if (!damaged.empty())
        showError(state.host, "The game list of GAMES.DAT is damaged; these games cannot be played:" +
                                  damaged);
    state.catalogue.setGameList(std::move(games));
    return true;
}

void applyCustomOverride(RuleTable& rules, std::string_view text) {
    auto part = [&](size_t first) -> std::optional<long long> {
        if (text.size() < first + 3) return std::nullopt;
        auto v = parseInteger(text.substr(first, 3));
        return v;
    };
    if (auto turned = part(0)) {
        rules.set(rule::StockTurnCount, *turned);
        if (auto deals = part(3)) rules.set(rule::Deals, *deals);
    }
    if (text.size() < 7) return;
    int fill = 0;
    switch (text[6]) {
        case '1': fill = 91; break;
        case '2': fill = -1; break;
        case '3': fill = 0; break;
        default: return;
    }
    for (int k = 0; k < rules.tableauPiles(); ++k) rules.set(rule::TableauEmpty + k, fill);
}

bool loadRuleTable(EngineState& state) {
    const int id = static_cast<int>(state.settings.getNumber(setting::GameId).value_or(-1));
    const std::string name = state.catalogue.GameName(id);
    const std::string shownName = name.empty() ? "game " + std::to_string(id) : name;
    int baseId = id;
    std::optional<CustomGameOverride> custom;
    if (id >= kFirstCustomGameId) {
        custom = state.catalogue.CustomGameInfo(id);
        baseId = custom->baseId;
        if (baseId < 0 || custom->overrideText.empty()) {
            refuseGame(state, shownName, "its record in GAM_CUST.DAT is damaged");
            return false;
        }
    }
    const int column = state.catalogue.GameColumn(baseId);
    auto file = readGamesFile(state);
    if (!file) {
        refuseGame(state, shownName, "the file cannot be read");
        return false;
    }
    RuleTable loaded = state.rules;
    if (auto error = gamesfile::loadRuleColumn(*file, column, loaded)) {
        refuseGame(state, shownName, error->reason);
        return false;
    }
    if (custom) applyCustomOverride(loaded, custom->overrideText);
    loaded.savePerPile();
    state.rules = loaded;
    return true;
}

std::array<int, 9> readParametersOfGame(const EngineState& state, int gameId,
                                        const std::array<int, 9>& indices) {
    std::array<int, 9> values;
    values.fill(-99);
    auto file = readGamesFile(state);
    const int column = state.catalogue.GameColumn(gameId);
    for (size_t i = 0; i < indices.size(); ++i) {
        const int k = indices[i];
        if (k < 1 || !file || static_cast<size_t>(k) > file->rules.size()) continue;
        if (auto v = gamesfile::ruleValue(file->rules[static_cast<size_t>(k - 1)], column))
            values[i] = static_cast<std::int16_t>(*v);
    }
    return values;
}

bool isInGameGroup(const EngineState& state, GameGroup group, int gameId) {
    auto file = readGamesFile(state);
    if (!file) return false;
    const auto& lines = group == GameGroup::Selected ? file->selected
                        : group == GameGroup::Original ? file->original
                                                       : file->children;
    auto ids = gamesfile::groupIds(lines);
    return std::find(ids.begin(), ids.end(), gameId) != ids.end();
}

}  // namespace tarvelle
