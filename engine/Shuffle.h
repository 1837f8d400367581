// The shuffle: the deal list of a game number, a fixed arithmetic on its 13 digits.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "engine/Host.h"
#include "engine/RuleTable.h"

namespace tarvelle {

// The deal list for the game number: (parameter 287) cards, plus the jokers
// (parameter 290) when parameter 43 is 1; 0 marks a position left empty.
// Nullopt when the game number holds anything but digits in the 13 places used.
// A deck size other than up to 52 or exactly 104 is reported through the host
// and leaves every position empty.
// True when the 13 places of the game number that the shuffle uses hold digits.
bool isDealableNumber(std::string_view gameNumber);

std::optional<std::vector<int>> buildDealList(const RuleTable& rules, std::string_view gameNumber,
                                              Host& host);

}  // namespace tarvelle
