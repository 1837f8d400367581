// Game definition files: one short, readable file per game, compiled into the
// stored form of GAMES.DAT and decoded back from it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/RuleParameters.h"

namespace tarvelle::gamedefs {

struct GameDefinition {
    int id = -1;
    std::string name;
    int type = 0;
    bool hidden = false;  // left out of the game list
    bool wide = false;    // needs a screen at least 650 pixels wide
    bool isNew = false;   // listed among the new games
    bool selected = false, original = false, children = false;  // the three game groups
    std::array<int, kRuleCount> values{};
    std::string help;    // the rules text of the game's help page
    std::string source;  // the file it came from, for messages
};

struct Error {
    std::string message;
};

// Parses one definition; the error names the file and line.
std::optional<GameDefinition> parseDefinition(std::string_view text, std::string_view source,
                                              Error& error);
// The definition as a file, every value by name; per-pile lists as short as
// they can be and still expand to the same values.
std::string formatDefinition(const GameDefinition& game);

// Checks a whole collection: unique ids and names, names the stored form can hold.
bool checkCollection(const std::vector<GameDefinition>& games, Error& error);

// The stored form of GAMES.DAT, lines ended with CR LF.
std::string encodeGamesDat(std::vector<GameDefinition> games);
std::optional<std::vector<GameDefinition>> decodeGamesDat(std::string_view text, Error& error);

// A per-pile list expands over its block: a shorter list repeats its last value
// up to the game's pile count; slots beyond both stay 0.
std::vector<int> expandList(const std::vector<int>& list, int pileCount, int blockSize);

// The file name of a definition: three-digit id and the name in lower case.
std::string definitionFileName(const GameDefinition& game);

}  // namespace tarvelle::gamedefs
