// The undo and redo logs: whole-table steps in snapshot text, and their event entries.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelle {

inline constexpr int kSnapshotLines = 55;

// The 55 snapshot lines of the table: stock group, foundations, tableau, reserves.
using TableSnapshot = std::array<std::string, kSnapshotLines>;

// Event codes that travel with an undo step.
inline constexpr int kEventTableauDrop = 1;       // a drop onto a tableau pile in game kind 23
inline constexpr int kEventSpecialCounter = 2;    // the step raised the special counter
inline constexpr int kEventTableauRedeal = 3;     // the step redealt the tableau (deals made + 1)

struct UndoLog {
    std::vector<TableSnapshot> steps;  // oldest first
    // Event entries, each followed by a comma; an entry is a run of 3-digit codes.
    std::string events;

    int stepCount() const { return static_cast<int>(steps.size()); }
    void clear() {
        steps.clear();
        events.clear();
    }

    // --- The event log ------------------------------------------------------
    int entryCount() const;
    void appendEntry(std::string_view codes = {});
    void dropLastEntry();
    // The text between the last two commas, or the whole entry when there is only one.
    std::string lastEntry() const;
    void replaceLastEntry(std::string_view codes);
    // The last two entries become the last one.
    void foldLastEntries();
    bool lastEntryHas(int code) const;
    int countCode(int code) const;
};

// Whether an entry holds the code among its 3-digit codes.
bool entryHas(std::string_view entry, int code);

}  // namespace tarvelle
