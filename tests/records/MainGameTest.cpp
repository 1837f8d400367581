// TMainGame: lookups, customized games, favourites, recent numbers, positions.
#include "records/MainGame.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "engine/HeadlessHost.h"
#include "records/IniFile.h"
#include "records/SettingsFields.h"
#include "tests/support/TempFolder.h"

namespace tarvelle {
namespace {

std::string gameLine(int type, int id, const std::string& name, char wide = '0') {
    std::string typeText = std::to_string(type);
    typeText.resize(3, ' ');
    std::string idText = std::to_string(id);
    idText.insert(0, 3 - idText.size(), '0');
    return typeText + " " + idText + "0" + wide + "0" + name;
}

std::string customRecord(int id, const std::string& name, int base, const std::string& overrideText) {
    std::string padded = name;
    padded.resize(50, ' ');
    std::string baseText = std::to_string(base);
    baseText.insert(0, 4 - baseText.size(), '0');
    std::string idText = std::to_string(id);
    idText.insert(0, 4 - idText.size(), '0');
    std::string record = idText + padded + baseText + "\r\n" + overrideText + "\r\n";
    for (int i = 2; i < 30; ++i) record += "\r\n";
    return record;
}

struct Catalogue : ::testing::Test {
    testing::TempFolder dir;
    HeadlessHost host;
    SettingsRecord settings{dir.path()};
    TMainGame games{host, settings};

    void SetUp() override {
        games.setGameList({{gameLine(5, 0, "Klondike")}, {gameLine(4, 1, "FreeCell")},
                           {gameLine(3, 3, "Forty Thieves", '1')}, {gameLine(8, 5, "Spider")}});
        dir.write("DATA/placeholder", "");
    }
    void writeCustom(const std::string& records) { dir.write("DATA/GAM_CUST.DAT", "[R-0301]\r\n" + records); }
};

TEST_F(Catalogue, LooksUpBuiltInGames) {
    EXPECT_EQ(games.GameName(1), "FreeCell");
    EXPECT_EQ(games.GameName(5), "Spider");  // not at position 5: found by the scan
    EXPECT_EQ(games.GameName(4), "");
    EXPECT_EQ(games.GameColumn(5), 3);
    EXPECT_EQ(games.GameColumn(9), -1);
    EXPECT_EQ(games.GameIdOfName("forty thieves  "), 3);
    EXPECT_EQ(games.GameIdOfName("Solitaire"), -1);
    EXPECT_EQ(games.GameType(0), 5);
    EXPECT_EQ(games.GameType(77), -1);
}

TEST_F(Catalogue, CustomizedGamesComeFromTheirFile) {
    writeCustom(customRecord(8000, "My Spider", 5, "001-011"));
    EXPECT_EQ(games.GameName(8000), "My Spider");
    EXPECT_EQ(games.GameIdOfName("MY SPIDER"), 8000);
    EXPECT_EQ(games.CustomGameInfo(8000).baseId, 5);
    EXPECT_EQ(games.CustomGameInfo(8000).overrideText, "001-011");
    EXPECT_EQ(games.CustomGameInfo(8001).baseId, -1);
    EXPECT_EQ(games.GameType(8000), 800);
    EXPECT_EQ(games.GameColumn(8000), -1);
    EXPECT_EQ(*games.NextCustomGameId(), 8001);
    const std::vector<std::string> all{"Forty Thieves", "FreeCell", "Klondike", "My Spider", "Spider"};
    EXPECT_EQ(games.AllGameNames(), all);
}

TEST_F(Catalogue, CustomizingACustomizedGameKeepsTheBuiltInBase) {
    settings.put(setting::GameId, "0005");
    auto first = games.WriteCustomGame("Easy Spider", 3, -1, 1);
    ASSERT_EQ(first, 8000);
    settings.put(setting::GameId, "8000");
    auto second = games.WriteCustomGame("Easier Spider", 1, 3, 2);
    ASSERT_EQ(second, 8001);
    EXPECT_EQ(games.CustomGameInfo(8001).baseId, 5);
    EXPECT_EQ(games.CustomGameInfo(8000).overrideText, "003-011");
    EXPECT_EQ(games.CustomGameInfo(8001).overrideText, "0010032");
    const auto text = dir.read("DATA/GAM_CUST.DAT");
    EXPECT_TRUE(text.starts_with("[R-0301]\r\n8000Easy Spider"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 61);
}

TEST_F(Catalogue, AWrittenRecordStaysThirtyLinesWhateverItIsGiven) {
    settings.put(setting::GameId, "0001");
    ASSERT_EQ(games.WriteCustomGame("Two\r\nlines", 1, 1, -1), 8000);
    ASSERT_EQ(games.WriteCustomGame("After", 1, 1, 2), 8001);
    EXPECT_EQ(games.GameName(8000), "Two  lines");
    EXPECT_EQ(games.CustomGameInfo(8000).overrideText, "0010010");
    EXPECT_EQ(games.GameName(8001), "After");
    EXPECT_EQ(games.CustomGameInfo(8001).baseId, 1);
}

TEST_F(Catalogue, DamagedRecordsAreSkippedAndACutRecordIsCompleted) {
    std::string broken = "80x1Broken\r\n";
    for (int i = 1; i < 30; ++i) broken += "\r\n";
    writeCustom(customRecord(8000, "Fine", 1, "0010011") + broken + customRecord(5, "Impostor", 1, "0010011") +
                "8002Cut short\r\n");
    EXPECT_EQ(games.GameName(8000), "Fine");
    EXPECT_EQ(games.GameIdOfName("Broken"), -1);
    // An id outside 8000-9999 would pass the record off as built-in game 5.
    EXPECT_EQ(games.GameIdOfName("Impostor"), -1);
    EXPECT_EQ(games.CustomGames().size(), 2u);
    // A record cut before its override line is named, but has no base to play.
    EXPECT_EQ(games.GameName(8002), "Cut short");
    EXPECT_EQ(games.CustomGameInfo(8002).baseId, -1);
    settings.put(setting::GameId, "0001");
    auto id = games.WriteCustomGame("New one", 1, 1, 0);
    ASSERT_TRUE(id);
    EXPECT_EQ(games.GameName(*id), "New one");
    EXPECT_EQ(games.CustomGameInfo(*id).overrideText, "0010010");
}

TEST_F(Catalogue, DeletingAsksThenRemovesRecordAndFavourite) {
    writeCustom(customRecord(8000, "A", 1, "0010011") + customRecord(8001, "B", 1, "0010011"));
    games.WriteFavourites({"Klondike", "B", "Spider"});
    host.agree = false;
    EXPECT_FALSE(games.DeleteCustomGame(8001, "B", false));
    EXPECT_EQ(games.GameName(8001), "B");
    host.agree = true;
    int cleared = -1;
    games.hooks.clearRecordsOfGame = [&](int id) { cleared = id; };
    EXPECT_TRUE(games.DeleteCustomGame(8001, "B", false));
    EXPECT_EQ(cleared, 8001);
    EXPECT_EQ(games.GameName(8001), "");
    EXPECT_EQ(games.GameName(8000), "A");
    EXPECT_EQ(host.messages.back().text,
              "Are you sure you want to delete this customized game\rB?\rNote: the statistics for this game will also be deleted.");
    const std::vector<std::string> favourites{"Klondike", "Spider"};
    EXPECT_EQ(games.Favourites(), favourites);
    IniFile cfg(configPath(settings));
    EXPECT_EQ(cfg.readString("Favourite Games", "Game001", ""), "Spider");
    EXPECT_FALSE(cfg.keyExists("Favourite Games", "Game002"));
}

// Files of more than a few bytes cannot be written while it lives.
struct FileSizeLimit {
    rlimit saved{};
    void (*savedHandler)(int) = nullptr;
    FileSizeLimit() {
        getrlimit(RLIMIT_FSIZE, &saved);
        savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 4;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, savedHandler);
    }
};

TEST_F(Catalogue, AFailedDeleteKeepsTheGameItsFavouriteAndItsRecords) {
    writeCustom(customRecord(8000, "A", 1, "0010011"));
    games.WriteFavourites({"A"});
    bool cleared = false;
    games.hooks.clearRecordsOfGame = [&](int) { cleared = true; };
    {
        FileSizeLimit limit;
        EXPECT_FALSE(games.DeleteCustomGame(8000, "A", false));
    }
    EXPECT_EQ(host.messages.back().text, "Cannot write file:\r" + dir.file("DATA/GAM_CUST.DAT"));
    EXPECT_EQ(games.GameName(8000), "A");
    EXPECT_EQ(games.Favourites(), std::vector<std::string>{"A"});
    EXPECT_FALSE(cleared);
}

TEST_F(Catalogue, RecentGameNumbersHoldNoRepeats) {
    games.RememberGameNumber("7");
    games.RememberGameNumber("7");
    games.RememberGameNumber("9");
    games.RememberGameNumber("");
    const std::vector<std::string> expected{"9", "7"};
    EXPECT_EQ(games.RecentGameNumbers(), expected);
    EXPECT_EQ(IniFile(configPath(settings)).readString("Game_Numbers", "Game001", ""), "9");
    for (int i = 0; i < 25; ++i) games.RememberGameNumber(std::to_string(100 + i));
    EXPECT_EQ(games.RecentGameNumbers().size(), 20u);
    EXPECT_EQ(games.RecentGameNumbers().front(), "124");
    EXPECT_EQ(IniFile(configPath(settings)).readString("Game_Numbers", "Game020", ""), "105");
}

TEST_F(Catalogue, NarrowScreenRefusesWideGames) {
    host.screenInfo.width = 640;
    EXPECT_TRUE(games.CanPlayOnScreen(1));
    EXPECT_FALSE(games.CanPlayOnScreen(3));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Your video card's display is 640x480 pixels.\rYou can't play: Forty Thieves\r"
              "Please set your screen resolution to 800x600 pixels or higher.");
    host.screenInfo.width = 800;
    EXPECT_TRUE(games.CanPlayOnScreen(3));
}

TEST_F(Catalogue, YGettersSubtractTheScrollPosition) {
    games.setFoundationPosition(0, 40, 120);
    games.setScrollOffset(25);
    EXPECT_EQ(games.foundationY(0), 95);
    EXPECT_EQ(games.foundationX(0), 40);
}

}  // namespace
}  // namespace tarvelle
