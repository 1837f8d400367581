// Undo and redo of whole-table steps, restart of a deal, and the undo log in saved-game form.
#include "records/Undo.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "engine/Dealing.h"
#include "engine/EndOfGame.h"
#include "engine/Scoring.h"
#include "engine/Sounds.h"
#include "engine/Table.h"
#include "records/Numbers.h"
#include "records/SettingsFields.h"

namespace tarvelle {

namespace {

// The selection games keep their selection in foundation 1: it never goes into a step.
bool dest1IsSelection(const EngineState& s) {
    const int kind = s.rules[rule::GameKind];
    return s.rules[rule::SelectionGame] != 0 || kind == 3 || kind == 4;
}

constexpr int kDest1Line = kStockSlots;

TableSnapshot stepOfTable(const EngineState& s) {
    TableSnapshot snapshot = buildSnapshot(s);
    if (dest1IsSelection(s)) snapshot[kDest1Line].clear();
    return snapshot;
}

UndoLog& logOf(EngineState& s, LogDirection d) { return d == LogDirection::Undo ? s.undoLog : s.redoLog; }
Field flagOf(LogDirection d) { return d == LogDirection::Undo ? setting::UndoTaken : setting::RedoTaken; }
LogDirection opposite(LogDirection d) { return d == LogDirection::Undo ? LogDirection::Redo : LogDirection::Undo; }

// Undoing a step takes its side effects back; redoing it makes them again.
void applyEvents(EngineState& s, std::string_view entry, LogDirection d) {
    const int sign = d == LogDirection::Undo ? -1 : 1;
    if (entryHas(entry, kEventSpecialCounter)) s.counters.specialCounter += sign;
    if (entryHas(entry, kEventTableauRedeal)) s.catalogue.setDealsMade(s.catalogue.dealsMade() + sign);
}

bool step(EngineState& s, LogDirection d, bool quiet) {
    UndoLog& from = logOf(s, d);
    UndoLog& to = logOf(s, opposite(d));
    if (!quiet) {
        const std::string policy = s.settings.get(setting::UndoPolicy);
        if (!s.flags[Flag::InProgress] || from.steps.empty() || policy == "2" ||
            (policy == "1" && s.settings.get(flagOf(d)) == "1")) {
            s.host.beep();
            return false;
        }
        s.host.setWaitCursor(true);
        s.settings.put(flagOf(d), "1");
        takeSavedPileCopy(s);
    } else if (from.steps.empty()) {
        return false;
    }
    s.counters.jokerLabel = -1;
    if (!quiet) {
        if (d == LogDirection::Undo) playSound(s, "Undo", setting::SoundsUndo);
        else playSound(s, "Redo", setting::SoundsRedo);
    }
    recordStep(s, opposite(d));

    const bool stockBefore = !s.piles.stock().empty();
    TableSnapshot popped = std::move(from.steps.back());
    from.steps.pop_back();
    readSnapshot(s, popped);
    const bool stockAfter = !s.piles.stock().empty();

    const std::string entry = from.entryCount() > 0 ? from.lastEntry() : std::string();
    // A tableau redeal counts its deal through its event; the stock rule would count it twice.
    if (!entryHas(entry, kEventTableauRedeal)) {
        if (d == LogDirection::Undo && stockBefore && !stockAfter)
            s.catalogue.setDealsMade(s.catalogue.dealsMade() - 1);
        if (d == LogDirection::Redo && !stockBefore && stockAfter)
            s.catalogue.setDealsMade(s.catalogue.dealsMade() + 1);
    }
    if (from.entryCount() > 0 && to.entryCount() > 0) {
        applyEvents(s, entry, d);
        to.dropLastEntry();
        to.appendEntry(entry);
        from.dropLastEntry();
    }

    if (!quiet) {
        s.host.redrawChangedPiles(s.savedPiles, s.piles, DrawEffect::Plain);
        s.host.repaintTable();
        s.host.refreshSpecialDisplays(0);
        computeScore(s);
        s.host.refreshCardCounter();
        s.host.setWaitCursor(false);
    }
    if (s.undoLog.steps.empty()) s.catalogue.setMovesMade(0);
    // A redo brings back a position after a move: the moves made count it again.
    if (d == LogDirection::Redo && s.catalogue.movesMade() < 2)
        s.catalogue.setMovesMade(std::min(2, s.undoLog.stepCount()));
    return true;
}

constexpr std::array<std::string_view, 5> kHeaders{
    "[UNDO - Stock]", "[UNDO - Foundations]", "[UNDO - Piles]", "[UNDO - Reserves]", "[UNDO - Log]"};

// The first line of each pile collection within a step, and how many it has.
constexpr std::array<int, 4> kFirstLine{0, kStockSlots, kStockSlots + kFoundationSlots,
                                        kStockSlots + kFoundationSlots + kTableauSlots};
constexpr std::array<int, 4> kLines{kStockSlots, kFoundationSlots, kTableauSlots, kReserveSlots};

}  // namespace

void recordStep(EngineState& state, LogDirection direction, bool clear) {
    UndoLog& log = logOf(state, direction);
    state.settings.put(flagOf(direction), "0");
    if (direction == LogDirection::Redo && clear) {
        log.clear();
        return;
    }
    log.steps.push_back(stepOfTable(state));
    log.appendEntry();
}

void setStepEvent(EngineState& state, int code) {
    if (state.undoLog.entryCount() == 0) return;
    state.undoLog.replaceLastEntry(formatFixed(code, 3));
}

void foldSteps(EngineState& state, int count) {
    for (int i = 0; i < count; ++i) {
        if (state.undoLog.steps.empty()) break;
        state.undoLog.steps.pop_back();
        state.undoLog.foldLastEntries();
    }
}

bool undo(EngineState& state, bool quiet) { return step(state, LogDirection::Undo, quiet); }
bool redo(EngineState& state, bool quiet) { return step(state, LogDirection::Redo, quiet); }

bool restartGame(EngineState& state, bool) {
    SettingsRecord& st = state.settings;
    if (state.flags[Flag::InProgress] && !state.flags[Flag::Won]) {
        const std::string question = "Restart this game?\rGame number: " + st.get(setting::GameNumber);
        if (state.host.showMessage(MessageKind::Confirmation, {}, question, MessageButtons::OkCancel) !=
            MessageAnswer::Ok)
            return false;
    }
    state.host.setWaitCursor(true);
    if (endOfGame(state)) {
        state.host.setWaitCursor(false);
        return false;
    }
    if (!state.undoLog.steps.empty()) readSnapshot(state, state.undoLog.steps.front());
    state.undoLog.clear();
    state.flags.clear(Flag::ClockRunning);
    state.clock.elapsedText = zeroClockText();
    state.host.showClock();
    state.catalogue.setDealsMade(1);
    computeScore(state);
    playSound(state, "Restart", setting::SoundsRestart);

    StartOptions options;
    options.deal = false;
    options.animate = false;
    options.newNumber = false;
    startGame(state, options);
    state.catalogue.setMovesMade(0);
    state.counters.specialCounter = state.undoLog.countCode(kEventSpecialCounter);
    state.host.setWaitCursor(false);
    return true;
}

void writeUndoSections(const EngineState& state, std::vector<std::string>& lines) {
    for (size_t list = 0; list < 4; ++list) {
        lines.emplace_back(kHeaders[list]);
        for (const TableSnapshot& step : state.undoLog.steps)
            for (int i = 0; i < kLines[list]; ++i) lines.push_back(step[static_cast<size_t>(kFirstLine[list] + i)]);
    }
    lines.emplace_back(kHeaders[4]);
    lines.push_back(state.undoLog.events);
}

void readUndoSections(EngineState& state, const std::vector<std::string>& lines) {
    std::array<std::vector<std::string>, 4> lists;
    std::string events;
    int section = -1;
    for (std::string_view line : lines) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        bool header = false;
        for (size_t h = 0; h < kHeaders.size(); ++h) {
            if (line.substr(0, kHeaders[h].size()) == kHeaders[h]) {
                section = static_cast<int>(h);
                header = true;
                break;
            }
        }
        if (header || section < 0) continue;
        if (section == 4) events = std::string(line);
        else lists[static_cast<size_t>(section)].emplace_back(line);
    }
    // The stock list counts the steps; a shorter list of a damaged file leaves its piles empty.
    const size_t steps = lists[0].size() / kStockSlots;
    UndoLog log;
    log.steps.resize(steps);
    for (size_t list = 0; list < 4; ++list)
        for (size_t n = 0; n < steps; ++n)
            for (int i = 0; i < kLines[list]; ++i) {
                const size_t at = n * static_cast<size_t>(kLines[list]) + static_cast<size_t>(i);
                if (at < lists[list].size())
                    log.steps[n][static_cast<size_t>(kFirstLine[list] + i)] = lists[list][at];
            }
    log.events = events;
    state.undoLog = std::move(log);
}

}  // namespace tarvelle
