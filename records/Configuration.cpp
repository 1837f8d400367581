// Reading the preferences of CFG.DAT into the settings record at start-up, and
// the advice boxes that the player can switch off.
#include "records/Configuration.h"

#include <span>
#include <string>

#include "records/Files.h"
#include "records/IniFile.h"
#include "records/Numbers.h"
#include "records/SettingsFields.h"

namespace tarvelle {

namespace {

constexpr int kButtonFaceColour = static_cast<int>(0x8000000Fu);

constexpr std::string_view kFewColoursAdvice =
    "At this time your video driver supports 256 colors or less. This program takes advantage of "
    "the 16 bit (65,536 colors) or the 24 bit (16.8 million colors) palettes or higher "
    "resolutions. \rIf your video driver allows High or True color mode settings (16 bit or 24 "
    "bit), modify your screen resolution using the Display Properties Settings in the Control "
    "Panel.";

// A "Y"/"N" or text preference copied into its field.
struct TextKey {
    Field field;
    std::string_view key;
    std::string_view fallback;
};

constexpr TextKey kFlagsBeforeSounds[] = {
    {setting::ShowTime, "Show_Time", "Y"},
    {setting::CardsAnimate, "Cards_Animate", "Y"},
};

constexpr TextKey kTextKeys[] = {
    {setting::CardSize, "Card_Size", "B"},
    {setting::FadeBackground, "Fade_Background", "Y"},
    {setting::ShowScore, "Show_Score", "Y"},
    {setting::UndoPolicy, "Undo_Enabled", "0"},
    {setting::SoundsEnabled, "Sounds_Enabled", "Y"},
    {setting::SoundsAbout, "Sounds_About", "Y"},
    {setting::SoundsAutoplay, "Sounds_Autoplay", "Y"},
    {setting::SoundsGameWon, "Sounds_GameWon", "Y"},
    {setting::SoundsNewGame, "Sounds_NewGame", "Y"},
    {setting::SoundsRedo, "Sounds_Redo", "Y"},
    {setting::SoundsRestart, "Sounds_Restart", "Y"},
    {setting::SoundsSplash, "Sounds_Splash", "Y"},
    {setting::SoundsShuffle, "Sounds_Shuffle", "Y"},
    {setting::SoundsUndo, "Sounds_Undo", "Y"},
    {setting::RandomBackground, "Random_Background", "N"},
    {setting::SoundsHiScores, "Sounds_HiScores", "Y"},
};

constexpr TextKey kTextKeysAfterCursor[] = {
    {setting::SoundsNewHiScores, "Sounds_NewHiScores", "Y"},
    {setting::SoundsPairing, "Sounds_Pairing", "Y"},
    {setting::SoundsStock, "Sounds_Stock", "Y"},
    {setting::SoundsTableau, "Sounds_Tableau", "Y"},
};

constexpr TextKey kTextKeysAfterShadow[] = {
    {setting::IrregularPiles, "Piles_TT", "N"},
    {setting::SoundsFaceUp, "Sounds_FaceUp", "Y"},
    {setting::SoundsCardDown, "Sounds_CardDown", "Y"},
    {setting::SoundsCardUp, "Sounds_CardUp", "Y"},
    {setting::SoundsRedeal, "Sounds_Redeal", "Y"},
    {setting::SoundsFoundation, "Sounds_Foundation", "Y"},
    {setting::ConfirmQuitGame, "ConfirmQuitGame", "Y"},
    {setting::ConfirmEnterHiScores, "ConfirmEnterHiScores", "Y"},
    {setting::RandomCard, "Random_Card", "N"},
    {setting::RandomDeck, "Random_Deck", "N"},
    {setting::GameName, "Game_name", "Freecell"},
    {setting::AutomaticFaceUp, "Automatic_FaceUp", "Y"},
    {setting::DealAnimation, "Deal_Animation", "Y"},
    {setting::RedealAnimation, "Redeal_Animation", "Y"},
    {setting::VertScrollBar, "VertScrollBar", "Y"},
    {setting::ShowToolTips, "Show_ToolTips", "Y"},
    {setting::ShowPilesSize, "ShowPilesSize", "N"},
};

constexpr TextKey kTextKeysAfterBackground[] = {
    {setting::RightClickToFoundations, "RightClick_To_Foundations", "Y"},
    {setting::RightClickToTableaus, "RightClick_To_Tableaus", "Y"},
    {setting::DoubleClickToFoundations, "DoubleClick_To_Foundations", "Y"},
    {setting::DoubleClickToTableaus, "DoubleClick_To_Tableaus", "N"},
    {setting::SoundsRedealWithoutAnimation, "Sounds_Redeal_Without_Animation", "Y"},
    {setting::ShowMainPopupMenu, "Show_Main_Popup_Menu", "Y"},
};

bool isYes(const IniFile& ini, std::string_view key, std::string_view fallback) {
    return ini.readString(kPreferenceSection, key, fallback) == "Y";
}

void copyKeys(SettingsRecord& settings, const IniFile& ini, std::span<const TextKey> keys) {
    for (const TextKey& k : keys) settings.put(k.field, ini.readString(kPreferenceSection, k.key, k.fallback));
}

}  // namespace

bool screenHasManyColours(const ScreenInfo& screen) { return screen.bitsPerPixel > 8; }

void showAdvice(const SettingsRecord& settings, Host& host, std::string_view text,
                std::string_view messageKey, int page) {
    IniFile ini(configPath(settings));
    if (ini.readString(kShowMessagesSection, messageKey, "Y") == "N") return;
    if (host.showAdviceBox(text, page)) ini.writeString(kShowMessagesSection, messageKey, "N");
}

WindowPreferences loadSettings(SettingsRecord& settings, Host& host) {
    const std::string dataFolder = settings.get(setting::DataFolder) + "DATA";
    if (!files::isDirectory(dataFolder)) files::makeDirectory(dataFolder);
    IniFile ini(configPath(settings));
    WindowPreferences window;

    window.toolBarVisible = isYes(ini, "ToolBar_Visible", "Y");
    window.toolBarLarge = isYes(ini, "ToolBar_Large", "N");
    window.toolBarFlat = isYes(ini, "ToolBar_Flat", "Y");

    const ScreenInfo screen = host.screen();
    if (!screenHasManyColours(screen))
        showAdvice(settings, host, kFewColoursAdvice, "Screen_Under_256_Colors", 0);

    // An integer stored plain or zero-padded into its field. One that needs more
    // characters than the field holds would be cut into another number: it takes
    // the default instead, like text that is no number.
    auto putInteger = [&](Field field, std::string_view key, int fallback, bool padded) {
        auto text = [&](int value) { return padded ? formatFixed(value, field.width) : std::to_string(value); };
        std::string value = text(ini.readInteger(kPreferenceSection, key, fallback));
        if (value.size() > static_cast<size_t>(field.width) || value.find('*') != std::string::npos)
            value = text(fallback);
        settings.put(field, value);
    };
    putInteger(setting::BackCard, "Back_Card", 11, true);
    putInteger(setting::CardSet, "Card", screenHasManyColours(screen) ? 1 : 3, true);
    settings.put(setting::BackgroundDefault, ini.readString(kPreferenceSection, "Background_def", "N"));
    putInteger(setting::BackgroundColour, "Background_Col", kButtonFaceColour, false);
    settings.put(setting::BackgroundBitmap, ini.readString(kPreferenceSection, "Background_bmp", ""));
    putInteger(setting::BackgroundFixedColour, "Background_Fixed_Col", 32768, false);
    putInteger(setting::GameId, "Game", 1, true);
    copyKeys(settings, ini, kFlagsBeforeSounds);
    putInteger(setting::Language, "Language", 20000, false);
    putInteger(setting::SpeedMoveCard, "Speed_Move_Card", 10, false);
    settings.put(setting::StatusBar, ini.readString(kPreferenceSection, "StatusBar", "N"));
    settings.put(setting::Player, ini.readString(kPreferenceSection, "UserDefault", ""));
    copyKeys(settings, ini, kTextKeys);
    putInteger(setting::Cursor, "Cursor", 10, false);
    copyKeys(settings, ini, kTextKeysAfterCursor);
    settings.put(setting::CardsShadowed,
                 ini.readString(kPreferenceSection, "Cards_Shadowed", settings.get(setting::CardsAnimate)));
    copyKeys(settings, ini, kTextKeysAfterShadow);
    settings.put(setting::HasCustomizedBackground,
                 ini.readString(kPreferenceSection, "Customized_Background", "").empty() ? "N" : "Y");
    copyKeys(settings, ini, kTextKeysAfterBackground);

    settings.put(setting::ScoringCode, "01");

    if (settings.getNumber(setting::BackCard).value_or(0) == 0) settings.put(setting::BackCard, "001");
    if (settings.getNumber(setting::BackgroundColour).value_or(0) == 0)
        settings.put(setting::BackgroundColour, std::to_string(kButtonFaceColour));
    if (settings.get(setting::BackgroundBitmap).empty()) settings.put(setting::BackgroundBitmap, "0");

    if (settings.get(setting::Player).empty()) {
        // Only a first run has no players: a list that lost only its current
        // player keeps its names, and the first of them becomes current.
        std::string current;
        for (int i = 1; i <= 20 && current.empty(); ++i)
            current = trim(ini.readString(kUsersSection, "User" + formatFixed(i, 3), ""));
        if (current.empty()) {
            current = "Player 1";
            ini.writeStrings(kUsersSection, {{"User001", "Player 1"}, {"User002", "Player 2"}, {"User003", "Player 3"}});
        }
        ini.writeString(kPreferenceSection, "UserDefault", current);
        settings.put(setting::Player, current);
    }

    window.autoPlay = isYes(ini, "AutoPlay", "Y");
    settings.put(setting::RunWins, "0000");
    settings.put(setting::RunLosses, "0000");
    return window;
}

}  // namespace tarvelle
