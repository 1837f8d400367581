// Private-profile access to an INI file: every call opens, reads or writes, and closes it.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvelle {

// Sections and keys match without regard to case; values lose surrounding
// blanks and one pair of surrounding quotes. A write creates the file, the
// section or the key as needed and replaces an existing value in place.
class IniFile {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // Decimal, or hexadecimal after "0x"; text that is no number gives the fallback.
    int readInteger(std::string_view section, std::string_view key, int fallback) const;
    bool keyExists(std::string_view section, std::string_view key) const;
    // The keys of a section in file order.
    std::vector<std::string> readKeys(std::string_view section) const;

    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    // Several keys of one section in a single rewrite of the file.
    bool writeStrings(std::string_view section,
                      const std::vector<std::pair<std::string, std::string>>& entries);
    bool writeInteger(std::string_view section, std::string_view key, long long value);
    bool deleteKey(std::string_view section, std::string_view key);
    bool eraseSection(std::string_view section);

private:
    std::string path_;
};

}  // namespace tarvelle
