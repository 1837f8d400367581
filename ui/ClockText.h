// The clock label's text: elapsed time as "h:nn:ss", and the seconds read back from it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvelle {

// The elapsed milliseconds between two tick counts; the tick count wraps
// (and a game may run past midnight) without the time going backwards.
inline std::uint32_t elapsedTicks(std::uint32_t start, std::uint32_t now) { return now - start; }

// "h:nn:ss" with the given time separator; hours are not limited to a day.
std::string clockText(std::uint32_t elapsedMilliseconds, char separator = ':');

// Hours x 3600 + minutes x 60 + seconds of a clock text; 0 when it does not parse.
int clockSeconds(std::string_view text);

}  // namespace tarvelle
