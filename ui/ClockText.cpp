// The clock label's text: elapsed time as "h:nn:ss", and the seconds read back from it.
#include "ui/ClockText.h"

#include <charconv>
#include <vector>

namespace tarvelle {

std::string clockText(std::uint32_t elapsedMilliseconds, char separator) {
    const std::uint32_t total = elapsedMilliseconds / 1000;
    const std::uint32_t hours = total / 3600, minutes = total / 60 % 60, seconds = total % 60;
    std::string text = std::to_string(hours);
    text += separator;
    if (minutes < 10) text += '0';
    text += std::to_string(minutes);
    text += separator;
    if (seconds < 10) text += '0';
    text += std::to_string(seconds);
    return text;
}

int clockSeconds(std::string_view text) {
    std::vector<int> parts;
    size_t at = 0;
    while (at <= text.size()) {
        size_t end = at;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
        int value = 0;
        if (end == at || std::from_chars(text.data() + at, text.data() + end, value).ec != std::errc{})
            return 0;
        parts.push_back(value);
        if (end == text.size()) break;
        at = end + 1;  // any one separator
    }
    if (parts.size() != 3 || parts[1] > 59 || parts[2] > 59) return 0;
    return parts[0] * 3600 + parts[1] * 60 + parts[2];
}

}  // namespace tarvelle
