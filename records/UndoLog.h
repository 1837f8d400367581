// The undo and redo logs: whole-table steps in snapshot text, and their event entries.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace tarvelle {

inline constexpr int kSnapshotLines = 55;

// The 55 snapshot lines of the table: stock group, foundations, tableau, reserves.
using TableSnapshot = std::array<std::string, kSnapshotLines>;

struct UndoLog {
    std::vector<TableSnapshot> steps;  // oldest first
    // Event entries, each followed by a comma; an entry is a run of 3-digit codes.
    std::string events;

    int stepCount() const { return static_cast<int>(steps.size()); }
    void clear() {
        steps.clear();
        events.clear();
    }
};

}  // namespace tarvelle
