// The settings record: the shared fixed-width text record of preferences and run-time state.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tarvelle {

// A field of the record: 1-based position and width.
struct Field {
    int position;
    int width;
};

class SettingsRecord {
public:
    // Three blocks of blanks, the program's data folder at 501 and the
    // configuration file name at 1.
    explicit SettingsRecord(std::string_view dataFolder = {});

    // Leading blanks go, then the value is cut or padded to `width` and written
    // over the field. Positions 250, 500 and from 1000 on hold nothing.
    void put(int position, int width, std::string_view value);
    // The field with its trailing blanks removed.
    std::string get(int position, int width) const;

    void put(Field field, std::string_view value) { put(field.position, field.width, value); }
    std::string get(Field field) const { return get(field.position, field.width); }

    // The field read as an integer; nullopt when it is empty or not a number.
    std::optional<long long> getNumber(Field field) const;
    // True when the field reads "Y".
    bool isYes(Field field) const { return get(field) == "Y"; }

private:
    // The block of a position and the offset of the position inside it, or -1.
    static int blockOf(int position);
    static int offsetOf(int position);

    std::array<std::string, 3> blocks_;
};

// The full path of CFG.DAT: the data folder followed by the configuration file name.
std::string configPath(const SettingsRecord& settings);

}  // namespace tarvelle
