// The stored form of GAMES.DAT: the character shift, its sections, the game list
// and the rule columns.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/RuleTable.h"

namespace tarvelle::gamesfile {

// The involution of the stored text: a code of 80 or more loses 48, a lower code gains 48.
char shiftChar(char c);
std::string shift(std::string_view text);

// Width of one game's value in a [Sect2] line, and where the first value starts (0-based).
inline constexpr size_t kValueWidth = 10;
inline constexpr size_t kColumnWidth = 11;
inline constexpr size_t kFirstValue = 16;

struct Sections {
    bool hasGameList = false;
    bool hasRules = false;
    std::vector<std::string> gameList;   // [Sect1], stored form
    std::vector<std::string> rules;      // [Sect2], stored form
    std::vector<std::string> selected;   // [SectS]
    std::vector<std::string> original;   // [SectO]
    std::vector<std::string> children;   // [SectK]
};

// Splits the lines of the file into its sections; a section runs from its
// header line to the next line that starts with "[".
Sections splitSections(const std::vector<std::string>& lines);

// A [Sect1] line as stored, shifted back. Nullopt for a line marked "9" (left
// out of the game list); an empty line stays empty.
std::optional<std::string> gameListLine(std::string_view stored);

// The value of the game in column `column` of a [Sect2] line; nullopt when the
// line is too short or the value is not a number.
std::optional<long long> ruleValue(std::string_view storedLine, int column);
// The 4-digit parameter index at the front of a [Sect2] line, or nullopt.
std::optional<int> ruleIndex(std::string_view storedLine);

// The game ids listed in a group section ([SectS], [SectO], [SectK]).
std::vector<int> groupIds(const std::vector<std::string>& storedLines);

struct LoadError {
    std::string reason;
};

// Loads column `column` of [Sect2] into the rule table: each line sets the
// index it names. On a damaged line nothing more is loaded and the reason is given.
std::optional<LoadError> loadRuleColumn(const Sections& file, int column, RuleTable& rules);

}  // namespace tarvelle::gamesfile
