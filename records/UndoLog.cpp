// The undo and redo logs: whole-table steps in snapshot text, and their event entries.
#include "records/UndoLog.h"

#include <algorithm>

#include "records/Numbers.h"

namespace tarvelle {

namespace {

// Where the last entry begins: just after the comma that ends the entry before it.
size_t lastEntryStart(const std::string& events) {
    if (events.size() < 2) return 0;
    const size_t comma = events.rfind(',', events.size() - 2);
    return comma == std::string::npos ? 0 : comma + 1;
}

}  // namespace

bool entryHas(std::string_view entry, int code) {
    const std::string text = formatFixed(code, 3);
    for (size_t at = 0; at + 3 <= entry.size(); at += 3)
        if (entry.substr(at, 3) == text) return true;
    return false;
}

int UndoLog::entryCount() const { return static_cast<int>(std::count(events.begin(), events.end(), ',')); }

void UndoLog::appendEntry(std::string_view codes) {
    events.append(codes);
    events += ',';
}

void UndoLog::dropLastEntry() {
    if (events.empty()) return;
    events.resize(lastEntryStart(events));
}

std::string UndoLog::lastEntry() const {
    if (events.empty()) return {};
    const size_t start = lastEntryStart(events);
    const size_t end = events.back() == ',' ? events.size() - 1 : events.size();
    return events.substr(start, end - start);
}

void UndoLog::replaceLastEntry(std::string_view codes) {
    if (events.empty()) return;
    dropLastEntry();
    appendEntry(codes);
}

void UndoLog::foldLastEntries() {
    if (entryCount() < 2) return;
    const std::string last = lastEntry();
    dropLastEntry();
    replaceLastEntry(last);
}

bool UndoLog::lastEntryHas(int code) const { return entryHas(lastEntry(), code); }

int UndoLog::countCode(int code) const {
    int n = 0;
    size_t start = 0;
    while (start < events.size()) {
        size_t comma = events.find(',', start);
        if (comma == std::string::npos) comma = events.size();
        const std::string_view entry(events.data() + start, comma - start);
        const std::string text = formatFixed(code, 3);
        for (size_t at = 0; at + 3 <= entry.size(); at += 3)
            if (entry.substr(at, 3) == text) ++n;
        start = comma + 1;
    }
    return n;
}

}  // namespace tarvelle
