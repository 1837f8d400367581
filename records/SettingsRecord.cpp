// The settings record: the shared fixed-width text record of preferences and run-time state.
#include "records/SettingsRecord.h"

#include "records/Numbers.h"
#include "records/SettingsFields.h"

namespace tarvelle {

namespace {
constexpr size_t kBlockSize = 250;
}

SettingsRecord::SettingsRecord(std::string_view dataFolder) {
    for (auto& block : blocks_) block.assign(kBlockSize, ' ');
    put(setting::DataFolder, dataFolder);
    put(setting::ConfigFileName, "DATA\\CFG.DAT");
}

int SettingsRecord::blockOf(int position) {
    if (position >= 1 && position < 250) return 0;
    if (position > 250 && position < 500) return 1;
    if (position > 500 && position < 1000) return 2;
    return -1;
}

int SettingsRecord::offsetOf(int position) {
    switch (blockOf(position)) {
        case 0: return position - 1;
        case 1: return position - 251;
        case 2: return position - 501;
        default: return -1;
    }
}

void SettingsRecord::put(int position, int width, std::string_view value) {
    const int block = blockOf(position);
    if (block < 0 || width <= 0) return;
    value = trimLeft(value);
    std::string field(value.substr(0, static_cast<size_t>(width)));
    field.resize(static_cast<size_t>(width), ' ');
    std::string& text = blocks_[static_cast<size_t>(block)];
    const size_t offset = static_cast<size_t>(offsetOf(position));
    if (text.size() < offset + field.size()) text.resize(offset + field.size(), ' ');
    text.replace(offset, field.size(), field);
}

std::string SettingsRecord::get(int position, int width) const {
    const int block = blockOf(position);
    if (block < 0 || width <= 0) return {};
    const std::string& text = blocks_[static_cast<size_t>(block)];
    const size_t offset = static_cast<size_t>(offsetOf(position));
    if (offset >= text.size()) return {};
    return std::string(trimRight(std::string_view(text).substr(offset, static_cast<size_t>(width))));
}

std::optional<long long> SettingsRecord::getNumber(Field field) const {
    auto value = parseInteger(get(field));
    if (!value) return std::nullopt;
    return *value;
}

std::string configPath(const SettingsRecord& settings) {
    return settings.get(setting::DataFolder) + settings.get(setting::ConfigFileName);
}

}  // namespace tarvelle
