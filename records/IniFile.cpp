// Private-profile access to an INI file: every call opens, reads or writes, and closes it.
#include "records/IniFile.h"

#include <optional>

#include "records/Files.h"
#include "records/Numbers.h"

namespace tarvelle {

namespace {

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The name of a section header line, or nullopt for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimBlanks(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimBlanks(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line) {
    std::string_view trimmed = trimBlanks(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return std::nullopt;
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return KeyLine{trimBlanks(line.substr(0, equals)), trimBlanks(line.substr(equals + 1))};
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Where a section lies in the lines: its header line and the line after its end.
struct SectionSpan {
    size_t header;
    size_t end;
};

std::optional<SectionSpan> findSection(const std::vector<std::string>& lines,
                                       std::string_view section) {
    for (size_t i = 0; i < lines.size(); ++i) {
        auto name = sectionName(lines[i]);
        if (!name || !equalsNoCase(*name, section)) continue;
        size_t end = i + 1;
        while (end < lines.size() && !sectionName(lines[end])) ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> findKey(const std::vector<std::string>& lines, SectionSpan span,
                              std::string_view key) {
    for (size_t i = span.header + 1; i < span.end; ++i) {
        auto kv = keyLine(lines[i]);
        if (kv && equalsNoCase(kv->key, key)) return i;
    }
    return std::nullopt;
}

// Stored values and keys stay on one line whatever the caller hands in.
std::string oneLine(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

std::vector<std::string> readAll(const std::string& path) {
    auto lines = files::readLines(path);
    return lines ? std::move(*lines) : std::vector<std::string>{};
}

}  // namespace

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const auto lines = readAll(path_);
    auto span = findSection(lines, section);
    if (!span) return std::string(fallback);
    auto at = findKey(lines, *span, key);
    if (!at) return std::string(fallback);
    return std::string(unquote(keyLine(lines[*at])->value));
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const {
    if (!keyExists(section, key)) return fallback;
    auto value = parseInteger32(trimBlanks(readString(section, key, "")));
    return value ? *value : fallback;
}

bool IniFile::keyExists(std::string_view section, std::string_view key) const {
    const auto lines = readAll(path_);
    auto span = findSection(lines, section);
    return span && findKey(lines, *span, key).has_value();
}

std::vector<std::string> IniFile::readKeys(std::string_view section) const {
    const auto lines = readAll(path_);
    std::vector<std::string> keys;
    auto span = findSection(lines, section);
    if (!span) return keys;
    for (size_t i = span->header + 1; i < span->end; ++i)
        if (auto kv = keyLine(lines[i])) keys.emplace_back(kv->key);
    return keys;
}

namespace {

// Sets one key in the lines, creating its section or the key as needed.
void setValue(std::vector<std::string>& lines, std::string_view section, std::string_view key,
              std::string_view value) {
    const std::string entry = oneLine(key) + "=" + oneLine(value);
    auto span = findSection(lines, section);
    if (!span) {
        if (!lines.empty() && !trimBlanks(lines.back()).empty()) lines.emplace_back();
        lines.push_back("[" + oneLine(section) + "]");
        lines.push_back(entry);
        return;
    }
    if (auto at = findKey(lines, *span, key)) {
        // The key keeps the spelling it already has in the file.
        const std::string& old = lines[*at];
        std::string keep = std::string(trimBlanks(std::string_view(old).substr(0, old.find('='))));
        lines[*at] = keep + "=" + oneLine(value);
        return;
    }
    size_t insertAt = span->end;
    while (insertAt > span->header + 1 && trimBlanks(lines[insertAt - 1]).empty()) --insertAt;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
}

}  // namespace

bool IniFile::writeString(std::string_view section, std::string_view key,
                          std::string_view value) {
    auto lines = readAll(path_);
    setValue(lines, section, key, value);
    return files::replaceLines(path_, lines);
}

bool IniFile::writeStrings(std::string_view section,
                           const std::vector<std::pair<std::string, std::string>>& entries) {
    auto lines = readAll(path_);
    for (const auto& [key, value] : entries) setValue(lines, section, key, value);
    return files::replaceLines(path_, lines);
}

bool IniFile::writeInteger(std::string_view section, std::string_view key, long long value) {
    return writeString(section, key, std::to_string(value));
}

bool IniFile::deleteKey(std::string_view section, std::string_view key) {
    auto lines = readAll(path_);
    auto span = findSection(lines, section);
    if (!span) return true;
    auto at = findKey(lines, *span, key);
    if (!at) return true;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*at));
    return files::replaceLines(path_, lines);
}

bool IniFile::eraseSection(std::string_view section) {
    auto lines = readAll(path_);
    auto span = findSection(lines, section);
    if (!span) return true;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(span->header),
                lines.begin() + static_cast<std::ptrdiff_t>(span->end));
    return files::replaceLines(path_, lines);
}

}  // namespace tarvelle
