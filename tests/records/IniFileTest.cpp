// INI files with private-profile semantics.
#include "records/IniFile.h"

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"

namespace tarvelle {
namespace {

TEST(IniFile, ReadsWithoutRegardToCaseAndFallsBack) {
    testing::TempFolder dir;
    dir.write("a.ini", "[Preference]\r\nShow_Main_PopUp_Menu=N\r\n  Speed = 0x10 \r\nName=\"Anna Rossi\"\r\n");
    IniFile ini(dir.file("a.ini"));
    EXPECT_EQ(ini.readString("preference", "Show_Main_Popup_Menu", "Y"), "N");
    EXPECT_EQ(ini.readInteger("PREFERENCE", "speed", 3), 16);
    EXPECT_EQ(ini.readString("Preference", "Name", ""), "Anna Rossi");
    EXPECT_EQ(ini.readString("Preference", "Missing", "dflt"), "dflt");
    EXPECT_EQ(ini.readString("Nowhere", "Speed", "dflt"), "dflt");
    EXPECT_EQ(IniFile(dir.file("none.ini")).readInteger("Preference", "Speed", 5), 5);
}

TEST(IniFile, IntegerThatIsNoNumberGivesFallback) {
    testing::TempFolder dir;
    dir.write("a.ini", "[P]\nA=12x\nB=\nC=-40\n");
    IniFile ini(dir.file("a.ini"));
    EXPECT_EQ(ini.readInteger("P", "A", 7), 7);
    EXPECT_EQ(ini.readInteger("P", "B", 7), 7);
    EXPECT_EQ(ini.readInteger("P", "C", 7), -40);
}

TEST(IniFile, WriteCreatesFileSectionAndKeyAndReplacesInPlace) {
    testing::TempFolder dir;
    IniFile ini(dir.file("cfg.dat"));
    ASSERT_TRUE(ini.writeString("Preference", "Game", "3"));
    ASSERT_TRUE(ini.writeString("Users", "User001", "Player 1"));
    ASSERT_TRUE(ini.writeString("preference", "Card", "2"));
    ASSERT_TRUE(ini.writeString("PREFERENCE", "GAME", "4"));
    EXPECT_EQ(dir.read("cfg.dat"),
              "[Preference]\r\nGame=4\r\nCard=2\r\n\r\n[Users]\r\nUser001=Player 1\r\n");
}

TEST(IniFile, ValuesStayOnOneLine) {
    testing::TempFolder dir;
    IniFile ini(dir.file("cfg.dat"));
    ini.writeString("P", "Name", "two\r\n[Injected]\r\nlines");
    EXPECT_EQ(ini.readKeys("P").size(), 1u);
    EXPECT_TRUE(ini.readKeys("Injected").empty());
}

TEST(IniFile, DeletesKeysAndSections) {
    testing::TempFolder dir;
    dir.write("cfg.dat", "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n");
    IniFile ini(dir.file("cfg.dat"));
    ini.deleteKey("a", "X");
    ini.eraseSection("b");
    EXPECT_EQ(dir.read("cfg.dat"), "[A]\r\ny=2\r\n");
}

}  // namespace
}  // namespace tarvelle
