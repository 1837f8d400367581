// Numbers as text: the string-to-integer conversion and fixed-width fields.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvelle {

// The string-to-integer conversion of stored values: optional leading blanks,
// an optional sign and decimal digits, or hexadecimal after "0x" or "$".
// Anything else (empty text, trailing characters, overflow) is no number.
std::optional<std::int64_t> parseInteger(std::string_view text);

// Like parseInteger, but the value must fit in 32 bits; hexadecimal values
// above 0x7FFFFFFF stand for the negative number with the same bits.
std::optional<std::int32_t> parseInteger32(std::string_view text);

// Zero-padded decimal in exactly `width` characters, the minus sign first;
// a number that needs more characters gives `width` asterisks.
std::string formatFixed(std::int64_t number, int width);

// The text with trailing blanks removed.
std::string_view trimRight(std::string_view text);
std::string_view trimLeft(std::string_view text);
std::string_view trim(std::string_view text);

// Case-insensitive comparison of plain ASCII text.
bool equalsNoCase(std::string_view a, std::string_view b);
std::string toLowerAscii(std::string_view text);

// True when the text is not empty and holds only the digits 0-9.
bool isDigits(std::string_view text);

}  // namespace tarvelle
