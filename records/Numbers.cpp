// Numbers as text: the string-to-integer conversion and fixed-width fields.
#include "records/Numbers.h"

#include <cctype>
#include <limits>

namespace tarvelle {

namespace {

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}

// Parses digits of one base without sign; nullopt on no digits, stray characters or overflow.
std::optional<std::uint64_t> parseDigits(std::string_view text, int base, std::uint64_t limit) {
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        int d = digitValue(c, base);
        if (d < 0) return std::nullopt;
        if (value > (limit - static_cast<std::uint64_t>(d)) / static_cast<std::uint64_t>(base))
            return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
    }
    return value;
}

std::optional<std::string_view> hexDigits(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return text.substr(2);
    if (text.size() > 1 && text[0] == '$') return text.substr(1);
    return std::nullopt;
}

}  // namespace

std::optional<std::int64_t> parseInteger(std::string_view text) {
    text = trimLeft(text);
    if (auto hex = hexDigits(text)) {
        auto v = parseDigits(*hex, 16, std::numeric_limits<std::uint64_t>::max());
        if (!v) return std::nullopt;
        return static_cast<std::int64_t>(*v);
    }
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    const std::uint64_t limit =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0);
    auto v = parseDigits(text, 10, limit);
    if (!v) return std::nullopt;
    if (negative) return static_cast<std::int64_t>(0 - *v);
    return static_cast<std::int64_t>(*v);
}

std::optional<std::int32_t> parseInteger32(std::string_view text) {
    std::string_view body = trimLeft(text);
    if (auto hex = hexDigits(body)) {
        auto v = parseDigits(*hex, 16, 0xFFFFFFFFu);
        if (!v) return std::nullopt;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(*v));
    }
    auto v = parseInteger(body);
    if (!v || *v < std::numeric_limits<std::int32_t>::min() ||
        *v > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(*v);
}

std::string formatFixed(std::int64_t number, int width) {
    if (width <= 0) return {};
    const bool negative = number < 0;
    std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(number)
                                       : static_cast<std::uint64_t>(number);
    std::string digits = std::to_string(magnitude);
    const int room = width - (negative ? 1 : 0);
    if (static_cast<int>(digits.size()) > room) return std::string(static_cast<size_t>(width), '*');
    std::string out;
    if (negative) out += '-';
    out.append(static_cast<size_t>(room) - digits.size(), '0');
    out += digits;
    return out;
}

std::string_view trimRight(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::string_view trimLeft(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}

std::string_view trim(std::string_view text) { return trimLeft(trimRight(text)); }

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string toLowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool isDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace tarvelle
