// The engine state: the one object that holds the game on the table for the whole run.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/Cards.h"
#include "engine/Host.h"
#include "engine/Piles.h"
#include "engine/Random.h"
#include "engine/RuleTable.h"
#include "records/MainGame.h"
#include "records/SettingsRecord.h"
#include "records/UndoLog.h"

namespace tarvelle {

enum class Flag {
    HoldAndExit = 0,
    Demo = 1,
    InProgress = 2,
    ClockRunning = 3,
    FirstActivationPending = 4,
    IgnoreNextPress = 5,
    WinningAnimation = 6,
    Won = 8,
    Ended = 9,
};

class StateFlags {
public:
    bool operator[](Flag f) const { return flags_[static_cast<size_t>(f)]; }
    void set(Flag f, bool on = true) { flags_[static_cast<size_t>(f)] = on; }
    void clear(Flag f) { set(f, false); }

private:
    std::array<bool, 10> flags_{};
};

// Which commands of the main window a game allows; the window follows them.
struct CommandStates {
    bool autoplayButton = true;
    bool save = true;
    bool snapshot = false;
    bool undoToSnapshot = false;
    bool holdAndExit = true;
    bool undoRedo = true;
    bool pause = false;
    bool quitGame = false;
    bool customize = true;
};

// The game clock in milliseconds of the host's tick count.
struct GameClock {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    std::uint32_t pauseStart = 0;
    std::string elapsedText = "0:00:00";
};

// Counters of the game in progress, reset by every new deal. Deals made and
// moves made live in the catalogue's table (TMainGame).
struct GameCounters {
    bool redealPending = false;  // the waste redeal waits for the next stock press
    int specialCounter = 0;      // the counter of the special game kinds
    int draggedCard = 0;         // the card being dragged, 0 for none
    int matches = 0;             // matches and misses of the memory and matching kinds
    int misses = 0;
    int jokerLabel = -1;         // the joker display's remembered label; -1 draws it again
};

// Horizontal jitter of the cards of irregular piles: 7 rows of 13 entries.
using JitterTable = std::array<std::array<int, 13>, 7>;

// Markers that live for one run of the program.
struct RunMarkers {
    bool smallScreenNoticeShown = false;  // the screen-size information of a deal
    bool smallScreenFallback = false;     // the cards were not enlarged back this run
};

struct EngineState {
    // programFolder: where GAMES.DAT, TAR.RGF and the help file lie;
    // dataFolder: the folder that holds DATA. Both end with a separator.
    EngineState(Host& host, std::string programFolder, std::string dataFolder);

    EngineState(const EngineState&) = delete;
    EngineState& operator=(const EngineState&) = delete;

    Host& host;
    const std::string programFolder;
    SettingsRecord settings;
    CardTable cards;
    Piles piles;
    Piles savedPiles;  // the one-level copy taken before a move, to redraw what changed
    RuleTable rules;
    UndoLog undoLog;
    UndoLog redoLog;
    StateFlags flags;
    TMainGame catalogue;
    RandomGenerator random;
    CommandStates commands;
    GameClock clock;
    RunMarkers run;
    GameCounters counters;
    JitterTable jitter{};
    // The Autoplay command's check mark.
    bool autoplayChecked = false;
    // The main window asked to close while a game was ending.
    bool exitAfterGame = false;
    // Shadow depth of dragged cards in pixels.
    int shadowDepth = 9;
    // The card size in pixels, from the card-size letter.
    int cardWidth = 71;
    int cardHeight = 96;

    std::string gamesDatPath() const { return programFolder + "GAMES.DAT"; }
    std::string dataFolder() const;
};

}  // namespace tarvelle
