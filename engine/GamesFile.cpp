// The stored form of GAMES.DAT: the character shift, its sections, the game list
// and the rule columns.
#include "engine/GamesFile.h"

#include "records/Numbers.h"

namespace tarvelle::gamesfile {

char shiftChar(char c) {
    const int code = static_cast<unsigned char>(c);
    return static_cast<char>(code >= 80 ? code - 48 : code + 48);
}

std::string shift(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = shiftChar(c);
    return out;
}

Sections splitSections(const std::vector<std::string>& lines) {
    Sections s;
    std::vector<std::string>* current = nullptr;
    for (const auto& line : lines) {
        if (!line.empty() && line[0] == '[') {
            current = nullptr;
            if (line.starts_with("[Sect1]")) {
                current = &s.gameList;
                s.hasGameList = true;
            } else if (line.starts_with("[Sect2]")) {
                current = &s.rules;
                s.hasRules = true;
            } else if (line.starts_with("[SectS]")) {
                current = &s.selected;
            } else if (line.starts_with("[SectO]")) {
                current = &s.original;
            } else if (line.starts_with("[SectK]")) {
                current = &s.children;
            }
            continue;
        }
        if (current) current->push_back(line);
    }
    return s;
}

std::optional<std::string> gameListLine(std::string_view stored) {
    std::string plain = shift(stored);
    if (plain.size() > 7 && plain[7] == '9') return std::nullopt;
    return plain;
}

std::optional<long long> ruleValue(std::string_view storedLine, int column) {
    if (column < 0) return std::nullopt;
    const size_t first = kFirstValue + kColumnWidth * static_cast<size_t>(column);
    if (storedLine.size() <= first) return std::nullopt;
    std::string text = shift(storedLine.substr(first, kValueWidth));
    auto value = parseInteger(trimRight(text));
    if (!value) return std::nullopt;
    return *value;
}

std::optional<int> ruleIndex(std::string_view storedLine) {
    if (storedLine.size() < 4 || !isDigits(storedLine.substr(0, 4))) return std::nullopt;
    return static_cast<int>(*parseInteger(storedLine.substr(0, 4)));
}

std::vector<int> groupIds(const std::vector<std::string>& storedLines) {
    std::vector<int> ids;
    for (const auto& line : storedLines) {
        auto id = parseInteger(trimRight(shift(line)));
        if (id && *id >= 0 && *id < 100000) ids.push_back(static_cast<int>(*id));
    }
    return ids;
}

std::optional<LoadError> loadRuleColumn(const Sections& file, int column, RuleTable& rules) {
    if (!file.hasRules) return LoadError{"the section [Sect2] is missing"};
    if (column < 0) return LoadError{"the game has no rule column"};
    int lineNumber = 0;
    for (const auto& line : file.rules) {
        ++lineNumber;
        if (line.empty()) continue;
        auto index = ruleIndex(line);
        if (!index || *index >= kRuleCount)
            return LoadError{"rule line " + std::to_string(lineNumber) + " has no valid parameter index"};
        auto value = ruleValue(line, column);
        if (!value)
            return LoadError{"the value of parameter " + std::to_string(*index) + " is missing or not a number"};
        rules.set(*index, *value);
    }
    return std::nullopt;
}

}  // namespace tarvelle::gamesfile
