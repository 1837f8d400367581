// GAMES.DAT: the character shift, the game list, rule columns, groups and damage.
#include "engine/GamesFile.h"

#include <gtest/gtest.h>

#include "engine/Dealing.h"
#include "engine/RuleLoading.h"
#include "records/Files.h"
#include "records/SettingsFields.h"
#include "tests/support/TempFolder.h"

namespace tarvelle {
namespace {

using gamesfile::shift;

// A stored [Sect1] line.
std::string game(int type, int id, const std::string& name, char mark = '0') {
    std::string t = std::to_string(type);
    t.resize(3, ' ');
    std::string i = std::to_string(id);
    i.insert(0, 3 - i.size(), '0');
    return shift(t + " " + i + mark + "00" + name);
}

// A stored [Sect2] line with one value per column.
std::string rules(int index, const std::vector<std::string>& values) {
    std::string line = std::to_string(index);
    line.insert(0, 4 - line.size(), '0');
    line += " " + shift("label      ");
    for (auto v : values) {
        v.resize(10, ' ');
        line += shift(v) + shift(" ");
    }
    return line;
}

TEST(CharacterShift, IsAnInvolutionOnPlainText) {
    EXPECT_EQ(shift("P"), " ");
    EXPECT_EQ(shift(" "), "P");
    EXPECT_EQ(shift("0123456789"), "`abcdefghi");
    const std::string text = "Forty Thieves [x] ~!";
    EXPECT_EQ(shift(shift(text)), text);
}

TEST(GamesFile, SectionsAndValues) {
    const std::vector<std::string> lines{
        "free text before the first section", "[Sect1] trailing text", game(5, 0, "A"),
        game(4, 1, "Hidden", '9'), game(4, 2, "B"), game(3, 3, "C"),
        "[Sect2]", rules(47, {"1", "2", "3"}), rules(283, {"-4", "5", "70000"}),
        "[Other]", "ignored", "[SectS]", shift("2"), shift("99")};
    auto s = gamesfile::splitSections(lines);
    ASSERT_TRUE(s.hasGameList);
    ASSERT_EQ(s.gameList.size(), 4u);
    EXPECT_FALSE(gamesfile::gameListLine(s.gameList[1]));  // marked 9: left out
    EXPECT_EQ(*gamesfile::gameListLine(s.gameList[2]), "4   002000B");
    // The third game's value stands at characters 39-48.
    EXPECT_EQ(s.rules[0].substr(38, 10), shift("3         "));
    EXPECT_EQ(gamesfile::ruleValue(s.rules[0], 2), 3);
    EXPECT_EQ(gamesfile::ruleValue(s.rules[1], 0), -4);
    EXPECT_FALSE(gamesfile::ruleValue(s.rules[1], 3));
    RuleTable table;
    EXPECT_FALSE(gamesfile::loadRuleColumn(s, 2, table));
    EXPECT_EQ(table[47], 3);
    EXPECT_EQ(table[283], static_cast<std::int16_t>(70000));  // truncated to 16 bits
    EXPECT_EQ(gamesfile::groupIds(s.selected), (std::vector<int>{2, 99}));
}

TEST(GamesFile, IndexFieldNamesTheParameter) {
    auto s = gamesfile::splitSections({"[Sect2]", rules(47, {"12"}), rules(3, {"7"})});
    RuleTable table;
    EXPECT_FALSE(gamesfile::loadRuleColumn(s, 0, table));
    EXPECT_EQ(table[47], 12);
    EXPECT_EQ(table[3], 7);
}

TEST(GamesFile, DamageIsReported) {
    RuleTable table;
    EXPECT_TRUE(gamesfile::loadRuleColumn(gamesfile::splitSections({"[Sect1]"}), 0, table));
    auto notNumber = gamesfile::loadRuleColumn(gamesfile::splitSections({"[Sect2]", rules(5, {"1x"})}), 0, table);
    ASSERT_TRUE(notNumber);
    EXPECT_NE(notNumber->reason.find("parameter 5"), std::string::npos);
    EXPECT_TRUE(gamesfile::loadRuleColumn(gamesfile::splitSections({"[Sect2]", "00"}), 0, table));
    EXPECT_TRUE(gamesfile::loadRuleColumn(gamesfile::splitSections({"[Sect2]", rules(5, {"1"})}), 1, table));
}

TEST(CustomOverride, SetsTurnsDealsAndFill) {
    RuleTable r;
    r.set(rule::TableauPiles, 3);
    r.set(rule::Deals, 5);
    applyCustomOverride(r, "003-011");
    EXPECT_EQ(r[rule::StockTurnCount], 3);
    EXPECT_EQ(r[rule::Deals], -1);
    EXPECT_EQ(r[112], 91);
    EXPECT_EQ(r[114], 91);
    EXPECT_EQ(r[115], 0);
    applyCustomOverride(r, "002xx2");
    EXPECT_EQ(r[rule::StockTurnCount], 2);
    EXPECT_EQ(r[rule::Deals], -1);
    EXPECT_EQ(r[112], 91);
    applyCustomOverride(r, "abc0013");
    EXPECT_EQ(r[rule::StockTurnCount], 2);
    EXPECT_EQ(r[rule::Deals], -1);
    EXPECT_EQ(r[113], 0);
}

// An engine on a small hand-made GAMES.DAT.
struct SmallFile : ::testing::Test {
    testing::TestEngine engine{false};
    void install(const std::vector<std::string>& lines) {
        engine.folder.write("GAMES.DAT", files::joinLines(lines));
    }
    bool load(int id) {
        engine.state->settings.put(setting::GameId, std::to_string(id));
        return loadRuleTable(*engine.state);
    }
};

TEST_F(SmallFile, HiddenGameShiftsTheColumns) {
    std::vector<std::string> lines{"[Sect1]", game(5, 0, "A"), game(4, 1, "Hidden", '9'), game(4, 2, "B"),
                                   "[Sect2]"};
    // The values of other games are read by line: parameter k stands on line k.
    for (int k = 1; k <= 21; ++k) lines.push_back(rules(k, {std::to_string(k), "0", "0"}));
    lines.push_back(rules(21, {"10", "20", "30"}));
    install(lines);
    ASSERT_TRUE(engine.initialise());
    EXPECT_EQ(engine.state->catalogue.GameColumn(2), 1);
    EXPECT_EQ(engine.state->catalogue.GameName(1), "");
    ASSERT_TRUE(load(2));
    EXPECT_EQ(engine.state->rules[21], 20);
    const auto values = readParametersOfGame(*engine.state, 0, {21, -1, 500, 3, 0, 0, 0, 0, 0});
    EXPECT_EQ(values[0], 21);
    EXPECT_EQ(values[1], -99);
    EXPECT_EQ(values[2], -99);
    EXPECT_EQ(values[3], 3);
}

TEST_F(SmallFile, EmptyAndDamagedGameLinesKeepTheLaterColumns) {
    install({"[Sect1]", game(5, 0, "A"), "", shift("5   x0x000Broken id"), game(4, 7, "B"), "",
             "[Sect2]", rules(21, {"10", "20", "30", "40"})});
    ASSERT_TRUE(engine.initialise());
    // Only the line that names a game is reported.
    ASSERT_EQ(engine.host.messages.size(), 1u);
    EXPECT_NE(engine.host.messages[0].text.find("Broken id"), std::string::npos);
    EXPECT_EQ(engine.state->catalogue.GameColumn(7), 3);
    ASSERT_TRUE(load(7));
    EXPECT_EQ(engine.state->rules[21], 40);
    EXPECT_EQ(engine.state->catalogue.AllGameNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(engine.state->catalogue.GameIdOfName("Broken id"), -1);
}

TEST_F(SmallFile, CustomizedGameLoadsItsBaseWithTheOverride) {
    install({"[Sect1]", game(5, 0, "A"), "[Sect2]", rules(21, {"1"}), rules(13, {"1"}), rules(284, {"2"}),
             rules(112, {"13"}), rules(113, {"13"})});
    engine.folder.write("DATA/GAM_CUST.DAT", "[R-0301]\r\n8000" + std::string("Mine") + std::string(46, ' ') +
                                                 "0000\r\n003-011\r\n");
    ASSERT_TRUE(engine.initialise());
    ASSERT_TRUE(load(8000));
    EXPECT_EQ(engine.state->rules[21], 3);
    EXPECT_EQ(engine.state->rules[13], -1);
    EXPECT_EQ(engine.state->rules[112], 91);
    EXPECT_EQ(engine.state->rules[113], 91);
}

TEST_F(SmallFile, DamagedGameIsRefusedByNameAndOthersStillLoad) {
    install({"[Sect1]", game(5, 0, "Good"), game(5, 1, "Bad"), shift("5   x0x000Broken id"), "[Sect2]",
             rules(21, {"1", "zz", "3"}), rules(13, {"1"})});
    ASSERT_TRUE(engine.initialise());
    ASSERT_EQ(engine.host.messages.size(), 1u);
    EXPECT_NE(engine.host.messages[0].text.find("Broken id"), std::string::npos);
    EXPECT_TRUE(load(0));
    engine.state->settings.put(setting::GameName, "Bad");
    EXPECT_FALSE(load(1));
    EXPECT_NE(engine.host.messages.back().text.find("Bad"), std::string::npos);
    EXPECT_FALSE(prepareGame(*engine.state));
}

TEST_F(SmallFile, MissingFileEndsTheStart) {
    EXPECT_FALSE(engine.initialise());
    ASSERT_EQ(engine.host.messages.size(), 1u);
    EXPECT_EQ(engine.host.messages[0].title, "Error");
    EXPECT_EQ(engine.host.messages[0].text,
              "Cannot find file:\r" + engine.folder.file("GAMES.DAT") +
                  "\rCopy the file into the directory that above is specified\ror reinstall the program.");
}

TEST_F(SmallFile, MissingGameListIsReported) {
    install({"[Sect2]", rules(21, {"1"})});
    ASSERT_TRUE(engine.initialise());
    ASSERT_EQ(engine.host.messages.size(), 1u);
    EXPECT_TRUE(engine.state->catalogue.gameList().empty());
    EXPECT_EQ(engine.state->settings.get(setting::GameId), "-1");
}

}  // namespace
}  // namespace tarvelle
