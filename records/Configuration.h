// Reading the preferences of CFG.DAT into the settings record at start-up, and
// the advice boxes that the player can switch off.
#pragma once

#include <string_view>

#include "engine/Host.h"
#include "records/SettingsRecord.h"

namespace tarvelle {

// Preferences that the main window applies itself; they have no place in the record.
struct WindowPreferences {
    bool autoPlay = true;
    bool toolBarVisible = true;
    bool toolBarLarge = false;
    bool toolBarFlat = true;
};

inline constexpr std::string_view kPreferenceSection = "Preference";
inline constexpr std::string_view kShowMessagesSection = "Show_Messages";
inline constexpr std::string_view kUsersSection = "Users";

// Creates the DATA folder when it is missing, then copies every preference of
// CFG.DAT (or its default) into the record, writes the first players on a
// first run and resets the run counters.
WindowPreferences loadSettings(SettingsRecord& settings, Host& host);

// Shows the information box with the text unless the player switched the
// message key off; ticking "&Don't show this message box again" switches it off.
void showAdvice(const SettingsRecord& settings, Host& host, std::string_view text,
                std::string_view messageKey, int page);

// More than 256 colours: 2 to the power of the bits per pixel.
bool screenHasManyColours(const ScreenInfo& screen);

}  // namespace tarvelle
