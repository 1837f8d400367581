// The end of a game, asking before a game is given up, and the game clock.
#include "engine/EndOfGame.h"

#include "engine/Scoring.h"
#include "engine/Sounds.h"
#include "records/Files.h"
#include "records/HiScores.h"
#include "records/Numbers.h"
#include "records/SettingsFields.h"
#include "records/Statistics.h"

namespace tarvelle {

namespace {

std::string twoDigits(long long n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// The memory games show their own result window before the result is recorded.
void showMemoryResult(EngineState& s, bool won) {
    const int kind = s.rules[rule::GameKind];
    if (kind < 36 || kind > 39) return;
    MemoryGameResult r;
    r.won = won;
    r.matches = kind == 37 || kind == 39 ? cardsIn(s.piles.secondWaste()) / 2 : s.counters.matches;
    r.misses = s.counters.misses;
    switch (kind) {
        case 36: r.pointsPerMatch = 15; r.pointsPerMiss = 1; break;
        case 37: r.pointsPerMatch = 10; r.pointsPerMiss = 2; break;
        case 38: r.pointsPerMatch = 10; r.pointsPerMiss = 0; break;
        default: r.pointsPerMatch = 7; r.pointsPerMiss = 1; break;
    }
    r.total = currentScore(s);
    r.target = s.rules[rule::TargetScore];
    if (kind == 37) {
        switch (s.rules.tableauPiles()) {
            case 3: r.gridCaption = "Grid: 4 x 3"; break;
            case 4: r.gridCaption = "Grid: 6 x 4"; break;
            case 5: r.gridCaption = "Grid: 8 x 5"; break;
            default: break;
        }
    }
    s.host.showMemoryGameResult(r);
}

}  // namespace

bool confirmQuit(EngineState& state, std::optional<std::string_view> message) {
    if (state.flags[Flag::WinningAnimation]) return false;
    if (state.settings.get(setting::ConfirmQuitGame) == "N") return true;
    if (state.flags[Flag::InProgress] && !state.flags[Flag::Won]) {
        const std::string_view text = message ? *message : std::string_view("Quit this game?");
        return state.host.showMessage(MessageKind::Confirmation, {}, text, MessageButtons::OkCancel) ==
               MessageAnswer::Ok;
    }
    return true;
}

bool endOfGame(EngineState& state) {
    if (!state.flags[Flag::InProgress]) return false;
    Host& host = state.host;
    host.setWaitCursor(true);
    host.hidePileSizeTip();

    if (const int target = state.rules[rule::TargetScore]; target != 0)
        state.flags.set(Flag::Won, currentScore(state) >= target);
    const bool won = state.flags[Flag::Won];
    updateClock(state);
    state.clock.end = host.tickCount();
    const LocalTime end = host.localTime();
    state.flags.clear(Flag::ClockRunning);
    const int seconds = elapsedSeconds(state.clock.elapsedText);

    state.commands.pause = false;
    state.commands.quitGame = false;
    state.commands.snapshot = false;
    if (const std::string snapshot = state.settings.get(setting::SnapshotFile); !snapshot.empty()) {
        files::removeFile(snapshot);
        state.settings.put(setting::SnapshotFile, "");
    }
    state.commands.undoToSnapshot = false;
    host.commandsChanged();

    showMemoryResult(state, won);

    recordGameInLog(state, won, seconds, end, end);
    updateStatistics(state, won);
    auto gameId = state.settings.getNumber(setting::GameId);
    offerHiScore(state, gameId ? static_cast<int>(*gameId) : -1, state.settings.get(setting::Player),
                 state.settings.get(setting::ScoringCode), end, end, seconds, currentScore(state));

    state.counters.draggedCard = 0;
    host.showClock();
    state.flags.clear(Flag::Won);
    state.flags.clear(Flag::InProgress);
    state.flags.set(Flag::Ended);
    state.exitAfterGame = false;

    if (won) {
        host.wait(200);
        playSound(state, "Won", setting::SoundsGameWon);
        host.runWinningAnimation();
    }
    host.setWaitCursor(false);
    if (state.exitAfterGame) host.closeMainWindow();
    else if (won && !state.flags[Flag::InProgress]) host.showGameWon();
    return won;
}

std::string clockText(long long seconds) {
    if (seconds < 0) seconds = 0;
    return std::to_string(seconds / 3600) + ":" + twoDigits(seconds / 60 % 60) + ":" + twoDigits(seconds % 60);
}

int elapsedSeconds(std::string_view label) {
    const size_t first = label.find(':');
    const size_t second = first == std::string_view::npos ? first : label.find(':', first + 1);
    if (second == std::string_view::npos) return 0;
    auto h = parseInteger(label.substr(0, first));
    auto m = parseInteger(label.substr(first + 1, second - first - 1));
    auto s = parseInteger(label.substr(second + 1));
    if (!h || !m || !s || *h < 0 || *m < 0 || *s < 0) return 0;
    return static_cast<int>(*h * 3600 + *m * 60 + *s);
}

void updateClock(EngineState& state) {
    if (!state.flags[Flag::ClockRunning]) return;
    const std::uint32_t elapsed = state.host.tickCount() - state.clock.start;
    state.clock.elapsedText = clockText(elapsed / 1000);
}

void pauseClock(EngineState& state) {
    if (!state.flags[Flag::ClockRunning]) return;
    updateClock(state);
    state.clock.pauseStart = state.host.tickCount();
    state.flags.clear(Flag::ClockRunning);
}

void resumeClock(EngineState& state) {
    if (state.flags[Flag::ClockRunning] || !state.flags[Flag::InProgress]) return;
    state.clock.start += state.host.tickCount() - state.clock.pauseStart;
    state.flags.set(Flag::ClockRunning);
}

}  // namespace tarvelle
