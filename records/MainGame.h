// TMainGame: the game catalogue (built-in and customized games), favourites,
// recent game numbers and the table of pile positions.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Host.h"
#include "records/SettingsRecord.h"

namespace tarvelle {

inline constexpr int kFirstCustomGameId = 8000;
inline constexpr int kLastCustomGameId = 9999;
inline constexpr int kCustomGameType = 800;
inline constexpr int kCustomRecordLines = 30;

// One record of GAM_CUST.DAT.
struct CustomGame {
    std::string name;
    int id = -1;
    int baseId = -1;
    std::string overrideText;  // 7 characters: turned per click, deals, fill choice
};

// The base game and the override line of a customized game; base -1 when not found.
struct CustomGameOverride {
    int baseId = -1;
    std::string overrideText;
};

// One entry of the game list: a [Sect1] line of GAMES.DAT shifted back.
struct GameListEntry {
    std::string line;
    int id() const;
    int type() const;
    bool needsWideScreen() const;  // character 9 is "1": at least 650 pixels
    bool isNew() const;            // character 10 is "1"
    std::string name() const;
};

// What deleting a customized game asks of the rest of the program.
struct CatalogueHooks {
    // End the current game and deselect it (game id -1).
    std::function<void()> endAndDeselectCurrentGame;
    // Clear the game's statistics for all players and blank its hi-score list.
    std::function<void(int id)> clearRecordsOfGame;
    // Reset the run counters, refresh game selection and the favourites submenu.
    std::function<void()> gamesChanged;
};

class TMainGame {
public:
    TMainGame(Host& host, SettingsRecord& settings) : host_(host), settings_(settings) {}

    // --- Game list -------------------------------------------------------
    void setGameList(std::vector<GameListEntry> entries) { games_ = std::move(entries); }
    const std::vector<GameListEntry>& gameList() const { return games_; }

    std::string GameName(int id) const;
    int GameIdOfName(std::string_view name) const;
    int GameColumn(int id) const;
    int GameType(int id) const;
    bool CanPlayOnScreen(int id) const;
    std::vector<std::string> AllGameNames() const;

    // --- Customized games (DATA\GAM_CUST.DAT) ----------------------------
    std::vector<CustomGame> CustomGames() const;
    CustomGameOverride CustomGameInfo(int id) const;
    // The smallest free id from 8000 to 9999; nullopt when every id is in use.
    std::optional<int> NextCustomGameId() const;
    // Appends a record based on the current game (or on its base when the
    // current game is customized); returns the new id, nullopt when none was written.
    std::optional<int> WriteCustomGame(std::string_view name, int turnedPerClick, int deals,
                                       int fillChoice);
    bool DeleteCustomGame(int id, std::string_view name, bool isCurrent);
    std::string customGamesPath() const;

    // --- Favourites and recent game numbers (CFG.DAT) ---------------------
    std::vector<std::string> Favourites() const;
    void WriteFavourites(const std::vector<std::string>& names);
    void RemoveFavourite(std::string_view name);
    void RememberGameNumber(std::string_view number);
    std::vector<std::string> RecentGameNumbers() const;

    // --- Position table --------------------------------------------------
    int value(int index) const;
    void setValue(int index, int value);

    // Stock group 0-3, foundations 0-16, reserves 0-8. The y getters give the
    // stored value less the table's vertical scroll position (index 86).
    int stockX(int slot) const { return value(52 + slot); }
    int stockY(int slot) const { return value(56 + slot) - scrollOffset(); }
    void setStockPosition(int slot, int x, int y);
    int foundationX(int slot) const { return value(slot); }
    int foundationY(int slot) const { return value(17 + slot) - scrollOffset(); }
    void setFoundationPosition(int slot, int x, int y);
    int reserveX(int slot) const { return value(34 + slot); }
    int reserveY(int slot) const { return value(43 + slot) - scrollOffset(); }
    void setReservePosition(int slot, int x, int y);

    int scrollOffset() const { return value(86); }
    void setScrollOffset(int offset) { setValue(86, offset); }

    // Working values of the engine kept in the table.
    int dealsMade() const { return value(69); }
    void setDealsMade(int n) { setValue(69, n); }
    int movesMade() const { return value(87); }
    void setMovesMade(int n) { setValue(87, n); }

    // Tableau pile positions, pile 1 at index 0; the y getter subtracts the scroll position too.
    int tableauPileX(int slot) const { return slot >= 0 && slot < 30 ? tableauX[static_cast<size_t>(slot)] : -10000; }
    int tableauPileY(int slot) const {
        return slot >= 0 && slot < 30 ? tableauY[static_cast<size_t>(slot)] - scrollOffset() : -10000;
    }
    void setTableauPosition(int slot, int x, int y) {
        if (slot < 0 || slot >= 30) return;
        tableauX[static_cast<size_t>(slot)] = x;
        tableauY[static_cast<size_t>(slot)] = y;
    }
    std::array<int, 30> tableauX{};
    std::array<int, 30> tableauY{};

    // Fan steps and gaps of the current layout.
    enum FanValue {
        FaceUpVerticalStep = 60,
        FaceUpHorizontalStep = 61,
        FaceDownVerticalStep = 62,
        FaceDownHorizontalStep = 63,
        VerticalFanRoom = 64,
        HorizontalFanRoom = 65,
        SideBySideGap = 71,
        SmallVerticalStep = 72,
        SmallHorizontalStep = 79,
        SerpentineColumnGap = 97,
        SerpentineRowGap = 98,
    };

    CatalogueHooks hooks;

private:
    const GameListEntry* entryOf(int id) const;
    std::vector<std::string> readCustomLines() const;
    std::vector<CustomGame> readCustomGames() const;
    std::string configFile() const;

    Host& host_;
    SettingsRecord& settings_;
    std::vector<GameListEntry> games_;
    std::array<std::int16_t, 112> values_{};
};

}  // namespace tarvelle
