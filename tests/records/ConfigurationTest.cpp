// Reading CFG.DAT into the settings record at start-up.
#include "records/Configuration.h"

#include <gtest/gtest.h>

#include "engine/HeadlessHost.h"
#include "records/IniFile.h"
#include "records/SettingsFields.h"
#include "tests/support/TempFolder.h"

namespace tarvelle {
namespace {

struct Startup : ::testing::Test {
    testing::TempFolder dir;
    HeadlessHost host;
    SettingsRecord settings{dir.path()};
    void writeConfig(const std::string& text) { dir.write("DATA/CFG.DAT", text); }
};

TEST_F(Startup, NoConfigFileGivesDefaultsAndFirstPlayers) {
    WindowPreferences window = loadSettings(settings, host);
    const std::pair<Field, const char*> expected[] = {
        {setting::BackCard, "011"},          {setting::CardSet, "001"},
        {setting::BackgroundDefault, "N"},   {setting::BackgroundColour, "-2147483633"},
        {setting::BackgroundBitmap, "0"},    {setting::BackgroundFixedColour, "32768"},
        {setting::GameId, "0001"},           {setting::Language, "20000"},
        {setting::SpeedMoveCard, "10"},      {setting::StatusBar, "N"},
        {setting::Player, "Player 1"},       {setting::RunWins, "0000"},
        {setting::RunLosses, "0000"},        {setting::ScoringCode, "01"},
        {setting::CardSize, "B"},            {setting::UndoPolicy, "0"},
        {setting::Cursor, "10"},             {setting::CardsShadowed, "Y"},
        {setting::GameName, "Freecell"},     {setting::HasCustomizedBackground, "N"},
        {setting::DoubleClickToTableaus, "N"}, {setting::ShowMainPopupMenu, "Y"},
        {setting::IrregularPiles, "N"},      {setting::RandomBackground, "N"},
    };
    for (const auto& [field, value] : expected) EXPECT_EQ(settings.get(field), value) << field.position;
    EXPECT_TRUE(window.autoPlay);
    EXPECT_TRUE(host.messages.empty());

    IniFile cfg(configPath(settings));
    EXPECT_EQ(cfg.readString("Preference", "UserDefault", ""), "Player 1");
    EXPECT_EQ(cfg.readString("Users", "User001", ""), "Player 1");
    EXPECT_EQ(cfg.readString("Users", "User003", ""), "Player 3");
}

TEST_F(Startup, ZeroAndGarbageValuesFallBack) {
    writeConfig("[Preference]\r\nBack_Card=0\r\nBackground_Col=0\r\nSpeed_Move_Card=fast\r\n"
                "Game=0x7\r\nCards_Animate=N\r\nUserDefault=Anna\r\nShow_Main_PopUp_Menu=N\r\n");
    loadSettings(settings, host);
    EXPECT_EQ(settings.get(setting::BackCard), "001");
    EXPECT_EQ(settings.get(setting::BackgroundColour), "-2147483633");
    EXPECT_EQ(settings.get(setting::SpeedMoveCard), "10");
    EXPECT_EQ(settings.get(setting::GameId), "0007");
    EXPECT_EQ(settings.get(setting::CardsShadowed), "N");  // follows Cards_Animate
    EXPECT_EQ(settings.get(setting::Player), "Anna");
    EXPECT_EQ(settings.get(setting::ShowMainPopupMenu), "N");
    EXPECT_FALSE(IniFile(configPath(settings)).keyExists("Users", "User001"));
}

TEST_F(Startup, NumbersTooLongForTheirFieldsFallBack) {
    writeConfig("[Preference]\r\nBack_Card=5000\r\nCard=-12\r\nGame=123456\r\nLanguage=1234567\r\n"
                "Speed_Move_Card=100\r\nCursor=-10\r\nBackground_Fixed_Col=0xFFFFFF\r\n");
    loadSettings(settings, host);
    EXPECT_EQ(settings.get(setting::BackCard), "011");
    EXPECT_EQ(settings.get(setting::CardSet), "-12");
    EXPECT_EQ(settings.get(setting::GameId), "0001");
    EXPECT_EQ(settings.get(setting::Language), "20000");
    EXPECT_EQ(settings.get(setting::SpeedMoveCard), "10");
    EXPECT_EQ(settings.get(setting::Cursor), "10");
    EXPECT_EQ(settings.get(setting::BackgroundFixedColour), "16777215");
}

TEST_F(Startup, ListedPlayersSurviveALostCurrentPlayer) {
    writeConfig("[Preference]\r\nUserDefault=\r\n[Users]\r\nUser001=\r\nUser002=Anna\r\nUser003=Bob\r\n");
    loadSettings(settings, host);
    EXPECT_EQ(settings.get(setting::Player), "Anna");
    IniFile cfg(configPath(settings));
    EXPECT_EQ(cfg.readString("Preference", "UserDefault", ""), "Anna");
    EXPECT_EQ(cfg.readString("Users", "User002", ""), "Anna");
    EXPECT_EQ(cfg.readString("Users", "User003", ""), "Bob");
    EXPECT_EQ(cfg.readString("Users", "User001", "missing"), "");
}

TEST_F(Startup, BinaryGarbageFileYieldsDefaults) {
    writeConfig(std::string("\x01\xff[Pref\0erence\n=\n==x\n[", 22));
    loadSettings(settings, host);
    EXPECT_EQ(settings.get(setting::CardSize), "B");
    EXPECT_EQ(settings.get(setting::Player), "Player 1");
}

TEST_F(Startup, FewColoursAdviceShowsUntilSwitchedOff) {
    host.screenInfo.bitsPerPixel = 8;
    loadSettings(settings, host);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(settings.get(setting::CardSet), "003");
    host.tickDontShowAgain = true;
    loadSettings(settings, host);
    EXPECT_EQ(host.messages.size(), 2u);
    loadSettings(settings, host);
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(IniFile(configPath(settings)).readString("Show_Messages", "Screen_Under_256_Colors", ""), "N");
}

}  // namespace
}  // namespace tarvelle
