// GAMES.DAT: the character shift, the game list, rule columns, groups and damage.
#include "engine/GamesFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>

#include "engine/Dealing.h"
#include "engine/RuleLoading.h"
#include "engine/Table.h"
#include "records/Files.h"
#include "records/Numbers.h"
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

// The collection's own GAMES.DAT with one kind of damage each: the games it
// touches are refused by name, every other game still deals its whole deck.
TEST(DamagedGamesFile, RefusesOnlyTheGamesConcerned) {
    using Lines = std::vector<std::string>;
    auto find = [](const Lines& lines, std::string_view start) {
        return static_cast<size_t>(std::find_if(lines.begin(), lines.end(),
                                                [&](const std::string& l) { return l.starts_with(start); }) -
                                   lines.begin());
    };
    // The [Sect2] line of parameter k.
    auto ruleLine = [&](Lines& lines, int k) -> std::string& {
        const std::string index = formatFixed(k, 4);
        for (size_t i = find(lines, "[Sect2]") + 1; i < lines.size(); ++i)
            if (lines[i].starts_with(index)) return lines[i];
        throw std::logic_error("GAMES.DAT has no line for parameter " + index);
    };
    auto column = [](int g) { return gamesfile::kFirstValue + gamesfile::kColumnWidth * static_cast<size_t>(g); };
    struct Case {
        const char* damage;
        std::function<void(Lines&)> apply;
        std::vector<int> refused;  // -1: every game
        int listed;                // games the list still offers
    };
    const Case cases[] = {
        {"a value that is no number",
         [&](Lines& l) { ruleLine(l, rule::TableauPiles).replace(column(5), 2, shift("7x")); }, {5}, 35},
        {"a line that ends before the last game's value",
         [&](Lines& l) { ruleLine(l, rule::TableauDeal).resize(column(34)); }, {34}, 35},
        {"a line that holds only its index",
         [&](Lines& l) { ruleLine(l, rule::DeckCards).resize(4); }, {-1}, 35},
        {"no rule section", [&](Lines& l) { l[find(l, "[Sect2]")] = "[Sect9]"; }, {-1}, 35},
        {"a game line cut inside its id", [&](Lines& l) { l[find(l, "[Sect1]") + 11].resize(6); }, {}, 34},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.damage);
        testing::TestEngine engine{false};
        Lines lines = files::splitLines(testing::builtGamesDat());
        c.apply(lines);
        engine.folder.write("GAMES.DAT", files::joinLines(lines));
        ASSERT_TRUE(engine.initialise());
        EngineState& s = *engine.state;
        EXPECT_EQ(static_cast<int>(s.catalogue.AllGameNames().size()), c.listed);
        for (int id = 0; id <= 34; ++id) {
            const std::string name = s.catalogue.GameName(id);
            if (name.empty()) continue;
            const bool refused = std::count(c.refused.begin(), c.refused.end(), id) ||
                                 (!c.refused.empty() && c.refused[0] == -1);
            const size_t shown = engine.host.messages.size();
            if (refused) {
                EXPECT_FALSE(engine.deal(id, "5")) << name;
                ASSERT_EQ(engine.host.messages.size(), shown + 1) << name;
                EXPECT_NE(engine.host.messages.back().text.find(name), std::string::npos) << name;
            } else {
                ASSERT_TRUE(engine.deal(id, "5")) << name;
                int cards = 0;
                for (const auto& line : buildSnapshot(s))
                    for (size_t at = 0; at + 4 <= line.size(); at += 4) cards += line.compare(at, 3, "000") != 0;
                EXPECT_EQ(cards, s.rules[rule::DeckCards]) << name;
            }
        }
    }
}

// Damaged records of GAM_CUST.DAT: a game that cannot be played is refused by
// name, one whose override cannot be read plays as its base game, and the
// built-in games go on.
TEST(DamagedCustomGames, RefuseOnlyTheGameConcerned) {
    struct Case {
        const char* damage;
        std::string record;  // the lines of one record, after the header
        bool plays;
        int turned;  // rule 21 when it plays
    };
    const std::string name = "Mine" + std::string(46, ' ');
    const Case cases[] = {
        {"a sound record", "8000" + name + "0000\r\n0030011\r\n", true, 3},
        {"an override that is no number", "8000" + name + "0000\r\nabc-011\r\n", true, 1},
        {"an override cut short", "8000" + name + "0000\r\n00\r\n", true, 1},
        {"a base that is no number", "8000" + name + "00x0\r\n0030011\r\n", false, 0},
        {"a base that is no game", "8000" + name + "0777\r\n0030011\r\n", false, 0},
        {"a record cut before its override", "8000" + name + "0000\r\n", false, 0},
        {"a head cut before its base", "8000Mine\r\n0030011\r\n", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.damage);
        testing::TestEngine engine;
        engine.folder.write("DATA/GAM_CUST.DAT", "[R-0301]\r\n" + c.record);
        ASSERT_TRUE(engine.initialise());
        const size_t shown = engine.host.messages.size();
        EXPECT_EQ(engine.deal(8000, "5"), c.plays);
        if (c.plays) {
            EXPECT_EQ(engine.state->rules[rule::StockTurnCount], c.turned);
        } else {
            ASSERT_EQ(engine.host.messages.size(), shown + 1);
            EXPECT_NE(engine.host.messages.back().text.find("Mine"), std::string::npos);
        }
        EXPECT_TRUE(engine.deal(1, "5"));
    }
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

TEST_F(SmallFile, GameListWithoutAGameIsReported) {
    install({"[Sect1]", "", "", "[Sect2]", rules(21, {"1"})});
    ASSERT_TRUE(engine.initialise());
    ASSERT_EQ(engine.host.messages.size(), 1u);
    EXPECT_EQ(engine.host.messages[0].text,
              "GAMES.DAT holds no game list: no game can be played.\rReinstall the program to repair the file.");
}

}  // namespace
}  // namespace tarvelle
