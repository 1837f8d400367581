// A fresh folder for one test, removed afterwards; and an engine whose program
// folder holds the GAMES.DAT of the build.
#include "tests/support/TempFolder.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "engine/Dealing.h"
#include "engine/EngineInit.h"
#include "engine/Table.h"
#include "records/Files.h"
#include "records/Numbers.h"
#include "records/SettingsFields.h"

namespace tarvelle::testing {

TempFolder::TempFolder() {
    std::string pattern = files::tempFolder() + "tarvelle-test-XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern + "/";
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void TempFolder::write(const std::string& name, const std::string& content) const {
    std::filesystem::create_directories(std::filesystem::path(file(name)).parent_path());
    if (!files::replaceFile(file(name), content)) throw std::runtime_error("cannot write " + name);
}

std::string TempFolder::read(const std::string& name) const {
    auto text = files::readFile(file(name));
    return text ? *text : std::string();
}

std::string builtGamesDat() {
    auto text = files::readFile(TARVELLE_GAMES_DAT);
    if (!text) throw std::runtime_error("the build has no GAMES.DAT at " TARVELLE_GAMES_DAT);
    return *text;
}

TestEngine::TestEngine(bool withGamesDat) {
    if (withGamesDat) folder.write("GAMES.DAT", builtGamesDat());
    state = std::make_unique<EngineState>(host, folder.path(), folder.path());
}

bool TestEngine::initialise() { return initialiseEngine(*state).has_value(); }

bool TestEngine::deal(int gameId, const std::string& gameNumber) {
    state->settings.put(setting::GameId, formatFixed(gameId, 4));
    state->settings.put(setting::GameName, state->catalogue.GameName(gameId));
    state->settings.put(setting::GameNumber, gameNumber);
    // The table as dealt: autoplay would move cards on at once.
    state->autoplayChecked = false;
    if (!prepareGame(*state)) return false;
    StartOptions options;
    options.animate = false;
    options.newNumber = false;
    return startGame(*state, options);
}

std::vector<int> cardsOnTable(const EngineState& s) {
    std::vector<int> cards;
    for (int line = 0; line < kSnapshotLines; ++line) {
        const PileRef slot = snapshotSlot(line);
        for (int code : codesOf(*s.piles.pile(slot.collection, slot.slot)))
            if (code != kGap) cards.push_back(code);
    }
    std::sort(cards.begin(), cards.end());
    return cards;
}

}  // namespace tarvelle::testing
