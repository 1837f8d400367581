// The game definition files and their compilation into GAMES.DAT.
#include "tools/gamesdat/GameDefinition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "records/Files.h"
#include "tests/support/TempFolder.h"

namespace tarvelle::gamedefs {
namespace {

std::vector<GameDefinition> collection() {
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::directory_iterator(TARVELLE_GAME_DEFINITIONS))
        if (entry.path().extension() == ".game") paths.push_back(entry.path().string());
    std::sort(paths.begin(), paths.end());
    std::vector<GameDefinition> games;
    for (const auto& path : paths) {
        Error error;
        auto game = parseDefinition(*files::readFile(path), path, error);
        EXPECT_TRUE(game) << error.message;
        if (game) games.push_back(*game);
    }
    return games;
}

TEST(GamesDat, DecodingAndEncodingGiveTheSameBytes) {
    const std::string built = testing::builtGamesDat();
    const auto games = collection();
    EXPECT_EQ(encodeGamesDat(games), built);
    Error error;
    auto decoded = decodeGamesDat(built, error);
    ASSERT_TRUE(decoded) << error.message;
    EXPECT_EQ(encodeGamesDat(*decoded), built);
    // The decoded definitions read back as the same games.
    for (const auto& game : *decoded) {
        auto again = parseDefinition(formatDefinition(game), "decoded", error);
        ASSERT_TRUE(again) << error.message << "\n" << formatDefinition(game);
        EXPECT_EQ(again->values, game.values) << game.name;
    }
}

TEST(GamesDat, EveryDefinitionIsARealGameWithItsHelp) {
    const auto games = collection();
    Error error;
    EXPECT_TRUE(checkCollection(games, error)) << error.message;
    auto freecell = std::find_if(games.begin(), games.end(), [](const auto& g) { return g.id == 1; });
    ASSERT_NE(freecell, games.end());
    EXPECT_EQ(freecell->name, "FreeCell");
    for (const auto& g : games) {
        EXPECT_FALSE(g.help.empty()) << g.source;
        EXPECT_EQ(definitionFileName(g), std::filesystem::path(g.source).filename().string());
    }
}

// A game whose piles cannot take a card, or whose stock cannot be played, is
// unplayable however well it deals: every group a game uses is laid out, every
// pile may hold cards, and a stock that is dealt cards has somewhere to send them.
TEST(GamesDat, EveryGameLaysOutAndCanPlayWhatItDeals) {
    for (const auto& g : collection()) {
        if (g.hidden) continue;
        SCOPED_TRACE(g.source);
        auto v = [&](int index) { return g.values[static_cast<size_t>(index)]; };
        const int tableau = v(rule::TableauPiles);
        if (v(rule::Foundations) > 0) {
            EXPECT_NE(v(rule::FoundationStyle), 0);
            EXPECT_GT(v(rule::FoundationMost), 0) << "foundations that take no card";
        }
        if (tableau > 0) {
            EXPECT_NE(v(rule::TableauStyle), 0);
            EXPECT_TRUE(v(rule::TableauMost) == -1 || v(rule::TableauMost) > 0) << "tableau piles that take no card";
        }
        if (v(rule::Reserves) > 0) {
            EXPECT_NE(v(rule::ReserveStyle), 0);
        }
        if (v(rule::SecondWastePiles) > 0) {
            EXPECT_NE(v(rule::SecondWasteStyle), 0);
        }
        if (v(rule::StockPiles) > 0) {
            EXPECT_NE(v(rule::StockStyle), 0);
        }
        // The waste that a stock press turns cards onto is laid out beside the stock.
        EXPECT_EQ(v(rule::HasWaste) == 1, v(rule::StockPiles) == 2);
        if (v(rule::StockDeal) > 0) {
            EXPECT_EQ(v(rule::HasStock), 1);
            const bool rowDeals = (tableau > 0 && (v(rule::TableauRowDeal) != 0 || v(rule::TableauRowDeal + tableau - 1) != 0)) ||
                                  v(rule::ReserveRowDeal) != 0;
            EXPECT_TRUE(v(rule::HasWaste) == 1 || rowDeals || v(rule::SecondWasteStyle) != 0)
                << "a stock that no press can deal from";
        }
    }
}

TEST(GameDefinition, ListsExpandOverTheirBlock) {
    EXPECT_EQ(expandList({1, 2, 3}, 5, 8), (std::vector<int>{1, 2, 3, 3, 3, 0, 0, 0}));
    EXPECT_EQ(expandList({4}, 0, 3), (std::vector<int>{4, 0, 0}));
    EXPECT_EQ(expandList({1, 2, 3}, 2, 4), (std::vector<int>{1, 2, 3, 0}));
}

TEST(GameDefinition, ValuesByNameAndWord) {
    Error error;
    auto g = parseDefinition(
        "[game]\nid = 12\nname = Test Game\ntype = 7\nmarks = wide new\ngroups = children\n"
        "[rules]\ndeck_cards = 52\ntableau_piles = 4\ntableau.deal = 3 2\ngroup.skill = mostly_chance\np9 = -3\n"
        "[help]\n\nFirst line.\n# kept as text\n\n",
        "t.game", error);
    ASSERT_TRUE(g) << error.message;
    EXPECT_TRUE(g->wide && g->isNew && g->children && !g->hidden);
    EXPECT_EQ(g->values[291], 3);
    EXPECT_EQ(g->values[294], 2);
    EXPECT_EQ(g->values[295], 0);
    EXPECT_EQ(g->values[369], 3);
    EXPECT_EQ(g->values[9], -3);
    EXPECT_EQ(g->help, "First line.\n# kept as text\n");
}

TEST(GameDefinition, MistakesAreRefusedWithTheirLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"[game]\nid = 1\nname = A\ntype = 1\n[rules]\ntableau_pile = 4\n", "t.game:6: unknown rule tableau_pile"},
        {"[game]\nid = 1\nname = A\ntype = 1\n[rules]\ndeals = 1\ndeals = 2\n", "t.game:7: the key deals is given twice"},
        {"[game]\nid = 1\nname = A\ntype = 1\n[rules]\ndeals = x\n", "t.game:6: the value x of deals is not a number"},
        {"[game]\nid = 1\nname = A\ntype = 1\n[rules]\ndeals = 40000\n", "does not fit in 16 bits"},
        {"[game]\nid = 1\nname = A\ntype = 1\n[rules]\nfoundations = 17\n", "foundations must lie from 0 to 16"},
        {"[game]\nid = 1\nname = A\ntype = 1\n[rules]\nreserve.deal = 1 1 1 1 1 1 1 1 1\n", "at most 8 values"},
        {"[game]\nid = 1\nname = A\ntype = 1\n[rules]\ndeck_cards = 60\n", "deck_cards must be at most 52, or 104"},
        {"[game]\nid = 1\nname = A\ntype = 1\n[rules]\np47 = 3\n", "parameter 47 has a name: game_kind"},
        {"[game]\nid = 1\nname = A\ntype = 1\n[rules]\np374 = 3\n", "does not exist"},
        {"[game]\nname = A\ntype = 1\n", "needs an id"},
        {"[game]\nid = 1\nname = Caf\xc3\xa9\ntype = 1\n", "plain characters"},
        {"[game]\nid = 1\nname = A\ntype = 1\ncolour = red\n", "unknown key colour"},
        {"[game]\nid = 1\nname = A\ntype = 1\n[layout]\n", "unknown section"},
    };
    for (const auto& [text, message] : cases) {
        Error error;
        EXPECT_FALSE(parseDefinition(text, "t.game", error)) << text;
        EXPECT_NE(error.message.find(message), std::string::npos) << error.message;
    }
}

TEST(GameDefinition, CollectionRefusesTwiceUsedIdsAndNames) {
    GameDefinition a, b;
    a.id = 1, a.name = "Alpha", a.source = "a.game";
    b.id = 1, b.name = "Beta", b.source = "b.game";
    Error error;
    EXPECT_FALSE(checkCollection({a, b}, error));
    EXPECT_EQ(error.message, "b.game: the id 1 is used by a.game too");
    b.id = 2, b.name = "ALPHA";
    EXPECT_FALSE(checkCollection({a, b}, error));
    b.name = "Beta";
    EXPECT_TRUE(checkCollection({a, b}, error));
}

TEST(GameDefinition, HiddenGamesKeepNoColumn) {
    GameDefinition shown, hidden;
    shown.id = 0, shown.name = "Shown", shown.values[21] = 5;
    hidden.id = 1, hidden.name = "Hidden", hidden.hidden = true, hidden.values[21] = 9;
    const std::string stored = encodeGamesDat({hidden, shown});
    Error error;
    auto decoded = decodeGamesDat(stored, error);
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->size(), 2u);
    EXPECT_EQ((*decoded)[0].values[21], 5);
    EXPECT_TRUE((*decoded)[1].hidden);
    EXPECT_EQ(encodeGamesDat(*decoded), stored);
}

}  // namespace
}  // namespace tarvelle::gamedefs
