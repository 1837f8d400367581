// Engine initialisation at start-up: flags, settings, card table, piles, game
// list, random seed and housekeeping of the data folder.
#include "engine/EngineInit.h"

#include <cstdlib>

#include "engine/RuleLoading.h"
#include "engine/Table.h"
#include "records/Files.h"
#include "records/Numbers.h"
#include "records/SettingsFields.h"

namespace tarvelle {

namespace {

std::string withSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

void housekeeping(const std::string& folder) {
    const std::string marker = folder + "TARV0450.DAT";
    if (!files::exists(marker)) files::replaceLines(marker, {"Tarvelle version: 04.50"});
    for (const char* old : {"0150", "0200", "0300", "0310", "0320", "0330", "0340", "0350", "0360",
                            "0370", "0400", "0410", "0420", "0430", "0440"})
        files::removeFile(folder + "TARV" + old + ".DAT");
    const std::string images = folder + "IMAGES\\";
    if (files::exists(images + "GAME0000.BMP"))
        for (int i = 0; i <= 100; ++i) files::removeFile(images + "GAME" + formatFixed(i, 4) + ".BMP");
    if (files::exists(images + "WB001.BMP"))
        for (const char* prefix : {"WB", "WM", "WP"})
            for (int i = 0; i <= 25; ++i) files::removeFile(images + prefix + formatFixed(i, 3) + ".BMP");
    if (files::exists(images + "CB001C.BMP")) {
        for (const char* suit : {"C", "D", "H", "S"}) {
            for (int i = 1; i <= 5; ++i) files::removeFile(images + "CB" + formatFixed(i, 3) + suit + ".BMP");
            files::removeFile(images + "CM003" + suit + ".BMP");
            files::removeFile(images + "CL003" + suit + ".BMP");
        }
    }
    files::removeFile(folder + "TARVELLE.DLL");
}

}  // namespace

std::string chooseDataFolder(const std::string& programFolder) {
    if (files::isWritableDirectory(programFolder)) return withSeparator(programFolder);
    std::string base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home) base = std::string(home) + "/.local/share";
    else base = files::tempFolder();
    std::string folder = withSeparator(base) + "tarvelle/";
    files::makeDirectory(folder);
    return folder;
}

std::optional<WindowPreferences> initialiseEngine(EngineState& state) {
    for (Flag f : {Flag::HoldAndExit, Flag::IgnoreNextPress, Flag::InProgress, Flag::Won,
                   Flag::WinningAnimation, Flag::ClockRunning})
        state.flags.clear(f);
    state.flags.set(Flag::FirstActivationPending);

    WindowPreferences window = loadSettings(state.settings, state.host);
    state.autoplayChecked = window.autoPlay;
    state.shadowDepth = state.settings.get(setting::CardsShadowed) == "N" ? 0 : 9;

    state.cards.fill();
    state.piles.clear();
    state.savedPiles.clear();

    if (!loadGameList(state)) return std::nullopt;

    // A game id that names no game, built-in or customized, leaves no game chosen.
    const auto id = state.settings.getNumber(setting::GameId);
    if (!id || *id < 0 || *id > kLastCustomGameId || state.catalogue.GameName(static_cast<int>(*id)).empty()) {
        state.settings.put(setting::GameId, "-1");
        state.settings.put(setting::GameName, "");
    }

    state.host.reloadCardImages();
    const LocalTime now = state.host.localTime();
    state.random.setSeed(state.host.tickCount() * 2654435761u +
                         static_cast<std::uint32_t>(now.hour * 3600 + now.minute * 60 + now.second));

    housekeeping(state.dataFolder());

    state.run = RunMarkers{};
    state.counters.redealPending = false;
    return window;
}

}  // namespace tarvelle
