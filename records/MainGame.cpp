// TMainGame: the game catalogue (built-in and customized games), favourites,
// recent game numbers and the table of pile positions.
#include "records/MainGame.h"

#include <algorithm>

#include "records/Files.h"
#include "records/IniFile.h"
#include "records/Numbers.h"
#include "records/SettingsFields.h"

namespace tarvelle {

namespace {

constexpr std::string_view kCustomHeader = "[R-0301]";
constexpr std::string_view kFavouritesSection = "Favourite Games";
constexpr std::string_view kGameNumbersSection = "Game_Numbers";
constexpr int kRememberedNumbers = 20;

std::string field(std::string_view line, size_t first, size_t count) {
    if (first >= line.size()) return {};
    return std::string(line.substr(first, count));
}

std::optional<int> numberField(std::string_view line, size_t first, size_t count) {
    auto v = parseInteger(trimRight(field(line, first, count)));
    if (!v || *v < -99999 || *v > 99999) return std::nullopt;
    return static_cast<int>(*v);
}

bool lessNoCase(const std::string& a, const std::string& b) {
    return toLowerAscii(a) < toLowerAscii(b);
}

std::string favouriteKey(int index) { return "Game" + formatFixed(index, 3); }
std::string gameNumberKey(int index) { return "Game0" + formatFixed(index, 2); }

}  // namespace

// --- Game list entries ----------------------------------------------------

// Three digits: a line cut inside its id must not pass for the game with the digits left.
int GameListEntry::id() const {
    const std::string digits = field(line, 4, 3);
    return digits.size() == 3 && isDigits(digits) ? numberField(line, 4, 3).value_or(-1) : -1;
}

int GameListEntry::type() const { return numberField(line, 0, 3).value_or(-1); }

bool GameListEntry::needsWideScreen() const { return line.size() > 8 && line[8] == '1'; }

bool GameListEntry::isNew() const { return line.size() > 9 && line[9] == '1'; }

std::string GameListEntry::name() const { return std::string(trimRight(field(line, 10, 50))); }

// --- Lookups ----------------------------------------------------------------

const GameListEntry* TMainGame::entryOf(int id) const {
    if (id < 0) return nullptr;
    if (static_cast<size_t>(id) < games_.size() && games_[static_cast<size_t>(id)].id() == id)
        return &games_[static_cast<size_t>(id)];
    for (const auto& entry : games_)
        if (entry.id() == id) return &entry;
    return nullptr;
}

std::string TMainGame::GameName(int id) const {
    if (id >= kFirstCustomGameId) {
        for (const auto& game : readCustomGames())
            if (game.id == id) return game.name;
        return {};
    }
    const GameListEntry* entry = entryOf(id);
    return entry ? entry->name() : std::string();
}

int TMainGame::GameIdOfName(std::string_view name) const {
    const std::string_view wanted = trimRight(name);
    for (const auto& entry : games_)
        if (entry.id() >= 0 && equalsNoCase(entry.name(), wanted)) return entry.id();
    for (const auto& game : readCustomGames())
        if (equalsNoCase(game.name, wanted)) return game.id;
    return -1;
}

int TMainGame::GameColumn(int id) const {
    if (id >= kFirstCustomGameId) return -1;
    const GameListEntry* entry = entryOf(id);
    return entry ? static_cast<int>(entry - games_.data()) : -1;
}

int TMainGame::GameType(int id) const {
    if (id >= kFirstCustomGameId) return CustomGameInfo(id).baseId >= 0 ? kCustomGameType : -1;
    const GameListEntry* entry = entryOf(id);
    return entry ? entry->type() : -1;
}

bool TMainGame::CanPlayOnScreen(int id) const {
    int builtIn = id >= kFirstCustomGameId ? CustomGameInfo(id).baseId : id;
    const GameListEntry* entry = entryOf(builtIn);
    if (!entry || !entry->needsWideScreen() || host_.screen().width >= 650) return true;
    showInformation(host_, "Your video card's display is 640x480 pixels.\rYou can't play: " +
                               GameName(id) + "\r" +
                               "Please set your screen resolution to 800x600 pixels or higher.");
    return false;
}

std::vector<std::string> TMainGame::AllGameNames() const {
    std::vector<std::string> names;
    // A damaged line of the game list keeps its place but names no game to choose.
    for (const auto& entry : games_)
        if (entry.id() >= 0) names.push_back(entry.name());
    for (const auto& game : readCustomGames()) names.push_back(game.name);
    std::stable_sort(names.begin(), names.end(), lessNoCase);
    return names;
}

// --- Customized games ---------------------------------------------------------

std::string TMainGame::customGamesPath() const {
    return settings_.get(setting::DataFolder) + "DATA\\GAM_CUST.DAT";
}

std::vector<std::string> TMainGame::readCustomLines() const {
    auto lines = files::readLines(customGamesPath());
    return lines ? std::move(*lines) : std::vector<std::string>{};
}

std::vector<CustomGame> TMainGame::readCustomGames() const {
    const auto lines = readCustomLines();
    std::vector<CustomGame> games;
    for (size_t first = 1; first < lines.size(); first += kCustomRecordLines) {
        const std::string& head = lines[first];
        auto id = numberField(head, 0, 4);
        // A record whose id is not a number is no game at all; nor is one whose id
        // is outside the customized range, where it would stand for a built-in game.
        if (!id || *id < kFirstCustomGameId || *id > kLastCustomGameId) continue;
        CustomGame game;
        game.id = *id;
        game.name = std::string(trimRight(field(head, 4, 50)));
        // A record cut short before its override line cannot be played: its base stays unknown.
        if (first + 1 < lines.size()) {
            game.baseId = numberField(head, 54, 4).value_or(-1);
            game.overrideText = lines[first + 1];
        }
        games.push_back(std::move(game));
    }
    return games;
}

std::vector<CustomGame> TMainGame::CustomGames() const {
    auto games = readCustomGames();
    std::stable_sort(games.begin(), games.end(),
                     [](const CustomGame& a, const CustomGame& b) { return lessNoCase(a.name, b.name); });
    return games;
}

CustomGameOverride TMainGame::CustomGameInfo(int id) const {
    for (const auto& game : readCustomGames())
        if (game.id == id) return {game.baseId, game.overrideText};
    return {};
}

std::optional<int> TMainGame::NextCustomGameId() const {
    const auto games = readCustomGames();
    for (int id = kFirstCustomGameId; id <= kLastCustomGameId; ++id) {
        bool used = std::any_of(games.begin(), games.end(),
                                [id](const CustomGame& g) { return g.id == id; });
        if (!used) return id;
    }
    return std::nullopt;
}

std::optional<int> TMainGame::WriteCustomGame(std::string_view name, int turnedPerClick,
                                              int deals, int fillChoice) {
    auto id = NextCustomGameId();
    if (!id) {
        showInformation(host_, "No more customized games can be created: every game id from 8000 "
                               "to 9999 is in use.\rDelete a customized game first.");
        return std::nullopt;
    }
    int base = parseInteger(settings_.get(setting::GameId)).value_or(-1);
    if (base >= kFirstCustomGameId) base = CustomGameInfo(base).baseId;
    if (base < 0) return std::nullopt;

    auto lines = readCustomLines();
    if (lines.empty()) lines.emplace_back(kCustomHeader);
    // A record cut short at the end of the file is completed first, so that
    // the new record starts where every reader expects one.
    while ((lines.size() - 1) % kCustomRecordLines != 0) lines.emplace_back();

    std::string head = formatFixed(*id, 4);
    std::string padded(name.substr(0, 50));
    // A line break in the name would split the record and shift every later one.
    for (char& c : padded)
        if (c == '\r' || c == '\n') c = ' ';
    padded.resize(50, ' ');
    head += padded + formatFixed(base, 4);
    const char fill = fillChoice >= 0 && fillChoice <= 9 ? static_cast<char>('0' + fillChoice) : '0';
    std::string overrideText = formatFixed(turnedPerClick, 3) + formatFixed(deals, 3) + fill;
    lines.push_back(head);
    lines.push_back(overrideText);
    for (int i = 2; i < kCustomRecordLines; ++i) lines.emplace_back();
    if (!files::replaceLines(customGamesPath(), lines)) {
        showError(host_, "Cannot write file:\r" + files::nativePath(customGamesPath()));
        return std::nullopt;
    }
    return id;
}

bool TMainGame::DeleteCustomGame(int id, std::string_view name, bool isCurrent) {
    const std::string n(name);
    const std::string question =
        isCurrent ? "You are now playing " + n + ".\rAre you sure you want to delete this game?\r"
                    "Note: the statistics for this game will also be deleted."
                  : "Are you sure you want to delete this customized game\r" + n +
                        "?\rNote: the statistics for this game will also be deleted.";
    if (!askWarningYesNo(host_, question)) return false;
    if (isCurrent && hooks.endAndDeselectCurrentGame) hooks.endAndDeselectCurrentGame();

    host_.setWaitCursor(true);
    auto lines = readCustomLines();
    bool found = false;
    for (size_t first = 1; first < lines.size() && !found; first += kCustomRecordLines) {
        if (numberField(lines[first], 0, 4) != id) continue;
        size_t last = std::min(lines.size(), first + kCustomRecordLines);
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(first),
                    lines.begin() + static_cast<std::ptrdiff_t>(last));
        found = true;
    }
    // While the record stays in the file the game stays, and so do its favourite
    // and its statistics.
    if (found && !files::replaceLines(customGamesPath(), lines)) {
        host_.setWaitCursor(false);
        showError(host_, "Cannot write file:\r" + files::nativePath(customGamesPath()));
        return false;
    }
    RemoveFavourite(name);
    if (hooks.clearRecordsOfGame) hooks.clearRecordsOfGame(id);
    if (hooks.gamesChanged) hooks.gamesChanged();
    host_.setWaitCursor(false);
    return true;
}

// --- Favourites and recent game numbers ---------------------------------------

std::string TMainGame::configFile() const { return configPath(settings_); }

std::vector<std::string> TMainGame::Favourites() const {
    IniFile ini(configFile());
    std::vector<std::string> names;
    for (int i = 0; i < 1000; ++i) {
        std::string value = ini.readString(kFavouritesSection, favouriteKey(i), "");
        if (value.empty()) break;
        names.push_back(value);
    }
    return names;
}

void TMainGame::WriteFavourites(const std::vector<std::string>& names) {
    IniFile ini(configFile());
    ini.eraseSection(kFavouritesSection);
    std::vector<std::pair<std::string, std::string>> entries;
    for (size_t i = 0; i < names.size() && i < 1000; ++i)
        entries.emplace_back(favouriteKey(static_cast<int>(i)), names[i]);
    if (!entries.empty()) ini.writeStrings(kFavouritesSection, entries);
}

void TMainGame::RemoveFavourite(std::string_view name) {
    IniFile ini(configFile());
    std::vector<std::string> values;
    for (int i = 0; i < 1000; ++i) {
        if (!ini.keyExists(kFavouritesSection, favouriteKey(i))) break;
        values.push_back(ini.readString(kFavouritesSection, favouriteKey(i), ""));
    }
    auto at = std::find_if(values.begin(), values.end(),
                           [&](const std::string& v) { return equalsNoCase(v, trimRight(name)); });
    if (at == values.end()) return;
    // Every later value moves one key down, so the keys stay contiguous.
    std::vector<std::pair<std::string, std::string>> moved;
    for (auto i = static_cast<size_t>(at - values.begin()); i + 1 < values.size(); ++i)
        moved.emplace_back(favouriteKey(static_cast<int>(i)), values[i + 1]);
    if (!moved.empty()) ini.writeStrings(kFavouritesSection, moved);
    ini.deleteKey(kFavouritesSection, favouriteKey(static_cast<int>(values.size() - 1)));
}

std::vector<std::string> TMainGame::RecentGameNumbers() const {
    IniFile ini(configFile());
    std::vector<std::string> numbers;
    for (int i = 1; i <= kRememberedNumbers; ++i) {
        std::string value = ini.readString(kGameNumbersSection, gameNumberKey(i), "");
        if (!value.empty()) numbers.push_back(value);
    }
    return numbers;
}

void TMainGame::RememberGameNumber(std::string_view number) {
    // A game without a number (one loaded without it) leaves the list as it is.
    if (trim(number).empty()) return;
    auto numbers = RecentGameNumbers();
    std::erase(numbers, std::string(number));
    numbers.insert(numbers.begin(), std::string(number));
    std::vector<std::pair<std::string, std::string>> entries;
    for (int i = 1; i <= kRememberedNumbers; ++i) {
        const size_t at = static_cast<size_t>(i - 1);
        entries.emplace_back(gameNumberKey(i), at < numbers.size() ? numbers[at] : "");
    }
    IniFile(configFile()).writeStrings(kGameNumbersSection, entries);
}

// --- Position table -------------------------------------------------------------

int TMainGame::value(int index) const {
    return index >= 0 && index < static_cast<int>(values_.size()) ? values_[static_cast<size_t>(index)] : 0;
}

void TMainGame::setValue(int index, int v) {
    if (index >= 0 && index < static_cast<int>(values_.size()))
        values_[static_cast<size_t>(index)] = static_cast<std::int16_t>(v);
}

void TMainGame::setStockPosition(int slot, int x, int y) {
    if (slot < 0 || slot > 3) return;
    setValue(52 + slot, x);
    setValue(56 + slot, y);
}

void TMainGame::setFoundationPosition(int slot, int x, int y) {
    if (slot < 0 || slot > 16) return;
    setValue(slot, x);
    setValue(17 + slot, y);
}

void TMainGame::setReservePosition(int slot, int x, int y) {
    if (slot < 0 || slot > 8) return;
    setValue(34 + slot, x);
    setValue(43 + slot, y);
}

}  // namespace tarvelle
