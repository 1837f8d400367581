// Preparing, starting and dealing: the collection deals every card once, and
// the deal steps place the cards their rules name.
#include "engine/Dealing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "engine/Shuffle.h"
#include "engine/Table.h"
#include "records/IniFile.h"
#include "records/Numbers.h"
#include "records/SettingsFields.h"
#include "tests/support/TempFolder.h"

namespace tarvelle {
namespace {

using testing::cardsOnTable;

std::vector<int> fullDeck(const RuleTable& r) {
    std::vector<int> codes;
    for (int c = 1; c <= r[rule::DeckCards]; ++c) codes.push_back(c);
    if (r[rule::DeckHasJokers] == 1)
        for (int j = 1; j <= r[rule::Jokers]; ++j) codes.push_back(104 + j);
    std::sort(codes.begin(), codes.end());
    return codes;
}

struct Collection : ::testing::Test {
    testing::TestEngine engine;
    // Autoplay stays off so that the table is the one the deal made.
    void SetUp() override {
        ASSERT_TRUE(engine.initialise());
        engine.state->autoplayChecked = false;
    }
};

TEST_F(Collection, EveryGameDealsEveryCardOnceAndTheSameTableTwice) {
    const auto& games = engine.state->catalogue.gameList();
    ASSERT_GE(games.size(), 8u);
    const char* numbers[] = {"1", "0", "9999999999999", "1234567890123", "402", "7000000000007"};
    for (const auto& game : games) {
        for (const char* number : numbers) {
            SCOPED_TRACE(game.name() + " game number " + number);
            ASSERT_TRUE(engine.deal(game.id(), number));
            const auto first = buildSnapshot(*engine.state);
            EXPECT_EQ(cardsOnTable(*engine.state), fullDeck(engine.state->rules));
            ASSERT_TRUE(engine.deal(game.id(), number));
            EXPECT_EQ(buildSnapshot(*engine.state), first);
        }
    }
    EXPECT_TRUE(engine.host.messages.empty());
}

// Many more numbers, dealt straight from the prepared rules: numbers of every
// length, with runs of zeros (the digit that turns the search forwards) and nines.
TEST_F(Collection, EveryGameDealsEveryCardOnceForAnyNumber) {
    std::vector<std::string> numbers{"", "10", "9090909090909", "1000000000000", "0000000000009"};
    std::uint64_t x = 0x9E3779B97F4A7C15ull;
    while (numbers.size() < 250) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        std::string n = std::to_string(x % 10000000000000ull);
        // Every third number has some of its digits turned to zero.
        if (numbers.size() % 3 == 0)
            for (size_t i = x % 5; i < n.size(); i += 3) n[i] = '0';
        numbers.push_back(n);
    }
    EngineState& s = *engine.state;
    auto dealNumber = [&](const std::string& number) {
        s.rules.restorePerPile();
        s.piles.clear();
        s.settings.put(setting::GameNumber, number);
        deal(s);
        return buildSnapshot(s);
    };
    std::map<int, TableSnapshot> lastTables;
    for (const auto& game : s.catalogue.gameList()) {
        s.settings.put(setting::GameId, formatFixed(game.id(), 4));
        ASSERT_TRUE(prepareGame(s)) << game.name();
        const auto deck = fullDeck(s.rules);
        for (const auto& number : numbers) {
            lastTables[game.id()] = dealNumber(number);
            ASSERT_EQ(cardsOnTable(s), deck) << game.name() << " game number " << number;
        }
    }
    // Whatever game was dealt before, a game and number give the same table.
    const auto& games = s.catalogue.gameList();
    for (auto game = games.rbegin(); game != games.rend(); ++game) {
        s.settings.put(setting::GameId, formatFixed(game->id(), 4));
        ASSERT_TRUE(prepareGame(s));
        EXPECT_EQ(dealNumber(numbers.back()), lastTables[game->id()]) << game->name();
    }
}

TEST_F(Collection, KlondikeDealsItsStaircase) {
    ASSERT_TRUE(engine.deal(0, "1234567"));
    const EngineState& s = *engine.state;
    for (int k = 0; k < 7; ++k) {
        const std::string& pile = s.piles.tableau[static_cast<size_t>(k)];
        ASSERT_EQ(positions(pile), k + 1);
        for (int at = 0; at <= k; ++at) EXPECT_EQ(s.cards.isFaceDown(codeAt(pile, at)), at < k);
    }
    EXPECT_EQ(positions(s.piles.stock()), 24);
    EXPECT_TRUE(s.cards.isFaceDown(topCard(s.piles.stock())));
    EXPECT_TRUE(s.piles.waste().empty());
}

TEST_F(Collection, StartingAGameResetsItsState) {
    EngineState& s = *engine.state;
    s.catalogue.setMovesMade(2);
    s.settings.put(setting::UndoTaken, "1");
    s.undoLog.steps.push_back({});
    ASSERT_TRUE(engine.deal(1, "55"));
    EXPECT_TRUE(s.flags[Flag::InProgress]);
    EXPECT_TRUE(s.flags[Flag::ClockRunning]);
    EXPECT_FALSE(s.flags[Flag::Won]);
    EXPECT_EQ(s.catalogue.movesMade(), 0);
    EXPECT_EQ(s.catalogue.dealsMade(), 1);
    // Start game sets the score to 0; the deal then scores the table: 52 cards, none played out.
    EXPECT_EQ(s.settings.get(setting::Score), "-52");
    EXPECT_EQ(s.settings.get(setting::UndoTaken), "0");
    EXPECT_EQ(s.undoLog.stepCount(), 0);
    EXPECT_TRUE(s.commands.pause);
    EXPECT_EQ(IniFile(configPath(s.settings)).readString("Game_Numbers", "Game001", ""), "55");
}

TEST_F(Collection, ANumberThatIsNoNumberIsNotDealt) {
    ASSERT_TRUE(engine.deal(0, "12a4"));
    const std::string number = engine.state->settings.get(setting::GameNumber);
    EXPECT_TRUE(isDealableNumber(number));
    EXPECT_EQ(cardsOnTable(*engine.state), fullDeck(engine.state->rules));
    ASSERT_EQ(engine.host.messages.size(), 1u);
    EXPECT_EQ(engine.host.messages[0].text,
              "The game number 12a4 cannot be dealt: a game number holds digits only.\r"
              "A new game number is dealt instead.");
}

TEST_F(Collection, NewGameNumberComesFromTheGenerator) {
    EngineState& s = *engine.state;
    s.random.setSeed(1);
    s.settings.put(setting::GameId, "0001");
    ASSERT_TRUE(prepareGame(s));
    ASSERT_TRUE(startGame(s, StartOptions{}));
    // The jitter of irregular piles draws first, then the number.
    RandomGenerator expected;
    expected.setSeed(1);
    for (int i = 0; i < 7 * 13; ++i) expected.below(4);
    EXPECT_EQ(s.settings.get(setting::GameNumber), drawGameNumber(expected));
}

TEST_F(Collection, JitterNeverMovesTheBottomCard) {
    EngineState& s = *engine.state;
    regenerateJitter(s);
    const JitterTable first = s.jitter;
    regenerateJitter(s);
    EXPECT_NE(s.jitter, first);
    for (const auto& row : s.jitter) {
        EXPECT_EQ(row[0], 0);
        int sum = 0;
        for (int d : row) {
            sum += d;
            EXPECT_GE(sum, -2);
            EXPECT_LE(sum, 2);
        }
    }
}

// Games that put cards on their foundations before play: the ranks those
// foundations start with, foundation by foundation, for every deal.
TEST_F(Collection, FoundationsStartWithTheCardsTheirGamesName) {
    struct Case {
        int game;
        std::vector<int> codes;  // exact cards, or empty for "one card of the rank below each"
        std::vector<int> ranks;
    };
    const Case cases[] = {
        {31, {}, {1, 2, 3, 4}},                           // Calculation
        {18, {1, 14, 27, 40, 53, 66, 79, 92}, {}},        // Lucas: all eight aces
        {26, {1, 14, 27, 40}, {}},                        // Beleaguered Castle
        {30, {1, 14, 27, 40}, {}},                        // Trefoil
    };
    for (const Case& c : cases) {
        for (const char* number : {"1", "402", "9999999999999"}) {
            SCOPED_TRACE("game " + std::to_string(c.game) + " number " + number);
            ASSERT_TRUE(engine.deal(c.game, number));
            const EngineState& s = *engine.state;
            const size_t count = c.codes.empty() ? c.ranks.size() : c.codes.size();
            ASSERT_EQ(s.rules.foundations(), static_cast<int>(count));
            for (size_t k = 0; k < count; ++k) {
                // Autoplay may have built on them since; the bottom card is the one dealt.
                const int dealt = bottomCard(s.piles.foundations[k]);
                if (c.codes.empty()) EXPECT_EQ(rank(dealt), c.ranks[k]) << "foundation " << k;
                else EXPECT_EQ(dealt, c.codes[k]) << "foundation " << k;
                EXPECT_EQ(s.rules[rule::FoundationBase + static_cast<int>(k)], rank(dealt));
            }
        }
    }
}

// Canfield and Rainbow share one base rank, taken from the card dealt to the
// first foundation, and deal their reserve face up; Baker's Dozen sends every
// king under its pile.
TEST_F(Collection, DealtBasesAndKingsUnderTheirPiles) {
    for (int game : {6, 24}) {
        ASSERT_TRUE(engine.deal(game, "31415"));
        const EngineState& s = *engine.state;
        const int base = rank(bottomCard(s.piles.foundations[0]));
        for (int k = 0; k < 4; ++k) EXPECT_EQ(s.rules[rule::FoundationBase + k], base) << game;
        // The reserve lies face up: only a face-up reserve card can be played,
        // and nothing turns the next one up once its top card is gone.
        const auto reserve = codesOf(s.piles.reserves[0]);
        EXPECT_FALSE(reserve.empty());
        for (int c : reserve) EXPECT_FALSE(s.cards.isFaceDown(c)) << game;
    }
    ASSERT_TRUE(engine.deal(25, "31415"));
    for (int k = 0; k < 13; ++k) {
        const auto codes = codesOf(engine.state->piles.tableau[static_cast<size_t>(k)]);
        const auto firstOther = std::find_if(codes.begin(), codes.end(), [](int c) { return rank(c) != 13; });
        EXPECT_TRUE(std::none_of(firstOther, codes.end(), [](int c) { return rank(c) == 13; })) << "pile " << k;
    }
}

// "King only" on a customized Scorpion: its foundations have a special base,
// not a rank, so an empty pile takes a king rather than nothing.
TEST_F(Collection, KingOnlyFillOfACustomizedGameWithoutABaseRank) {
    EngineState& s = *engine.state;
    s.settings.put(setting::GameId, "0033");
    ASSERT_EQ(s.catalogue.WriteCustomGame("My Scorpion", 0, 1, 1), 8000);
    ASSERT_TRUE(engine.deal(8000, "77"));
    for (int k = 0; k < 7; ++k) EXPECT_EQ(s.rules[rule::TableauEmpty + k], 13) << "pile " << k;
}

// Deals of hand-made rule tables.
struct Deal : ::testing::Test {
    HeadlessHost host;
    EngineState state{host, "/nowhere/", "/nowhere/"};
    RuleTable& r = state.rules;
    void SetUp() override {
        r.set(rule::DeckCards, 52);
        state.settings.put(setting::GameNumber, "3141592653589");
    }
    const std::string& tableau(int k) { return state.piles.tableau[static_cast<size_t>(k)]; }
    const std::string& foundation(int k) { return state.piles.foundations[static_cast<size_t>(k)]; }
    void dealAll(int piles, int each) {
        r.set(rule::TableauPiles, piles);
        for (int k = 0; k < piles; ++k) r.set(rule::TableauDeal + k, each);
    }
};

TEST_F(Deal, FaceUpPatternZeroLeavesThePileDown) {
    dealAll(2, 5);
    r.set(rule::TableauFaceUp + 1, 2);
    deal(state);
    for (int c : codesOf(tableau(0))) EXPECT_TRUE(state.cards.isFaceDown(c));
    EXPECT_TRUE(state.cards.isFaceDown(codeAt(tableau(1), 2)));
    EXPECT_FALSE(state.cards.isFaceDown(codeAt(tableau(1), 3)));
}

TEST_F(Deal, FoundationStartingCards) {
    r.set(rule::Foundations, 8);
    const int starts[] = {95, 95, 95, 95, 95, 95, 95, 95};
    for (int k = 0; k < 8; ++k) r.set(rule::FoundationStart + k, starts[k]);
    deal(state);
    const int expected[] = {13, 26, 39, 52, 1, 14, 27, 40};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(foundation(k), codeText(expected[k]));
        EXPECT_EQ(r[rule::FoundationBase + k], rank(expected[k]));
    }
}

TEST_F(Deal, FoundationStartsBySuitRankAndCode) {
    r.set(rule::Foundations, 5);
    const int starts[] = {20, 21, 55, 7, 140};
    for (int k = 0; k < 5; ++k) r.set(rule::FoundationStart + k, starts[k]);
    deal(state);
    const int first = bottomCard(foundation(0));
    ASSERT_NE(first, 0);
    EXPECT_NE(suitIndex(bottomCard(foundation(1))), suitIndex(first));
    EXPECT_EQ(rank(bottomCard(foundation(2))), 5);
    EXPECT_EQ(foundation(3), "046");  // suit 3, rank 7
    EXPECT_EQ(foundation(4), "040");  // code 140 - 100
}

TEST_F(Deal, DealtBaseRanksAndFillBelowTheBase) {
    dealAll(3, 2);
    r.set(rule::Foundations, 4);
    r.set(rule::FoundationBasesFromDeal, 1);
    r.set(rule::TableauEmpty + 0, 91);
    r.set(rule::TableauEmpty + 2, 91);
    r.set(rule::ExtraFoundationCard, 1);
    deal(state);
    ASSERT_EQ(positions(foundation(0)), 2);
    const int base = rank(bottomCard(foundation(0)));
    for (int k = 0; k < 16; ++k) EXPECT_EQ(r[rule::FoundationBase + k], base);
    EXPECT_EQ(r[rule::TableauEmpty + 0], previousRankWrapping(base));
    EXPECT_EQ(r[rule::TableauEmpty + 1], 0);
}

TEST_F(Deal, FillBelowTheBaseNeedsABaseRank) {
    const std::pair<int, int> cases[] = {
        {1, 13}, {5, 4}, {13, 12},    // a rank: the one below it, wrapping
        {0, 13}, {-1, 13}, {-2, 13},  // no base, any card, a joker
        {81, 13}, {83, 13}, {93, 13}, // special foundation rules
    };
    dealAll(2, 1);
    for (auto [base, fill] : cases) {
        state.piles.clear();
        r.set(rule::FoundationBase, base);
        r.set(rule::TableauEmpty + 0, 91);
        r.set(rule::TableauEmpty + 1, -1);
        deal(state);
        EXPECT_EQ(r[rule::TableauEmpty + 0], fill) << "base " << base;
        EXPECT_EQ(r[rule::TableauEmpty + 1], -1) << "base " << base;
    }
}

TEST_F(Deal, OneCardOfARankAndJokersToTheTableau) {
    r.set(rule::DeckHasJokers, 1);
    r.set(rule::Jokers, 2);
    r.set(rule::TableauPiles, 3);
    r.set(rule::TableauDeal + 0, 1013);
    r.set(rule::TableauDeal + 1, 1502);
    r.set(rule::TableauDeal + 2, 3);
    r.set(rule::SecondWasteCard, 112);
    deal(state);
    EXPECT_EQ(rank(topCard(tableau(0))), 13);
    EXPECT_TRUE(state.cards.isFaceDown(topCard(tableau(0))));
    EXPECT_EQ(tableau(1), "106");
    EXPECT_EQ(positions(tableau(2)), 3);
    EXPECT_EQ(state.piles.secondWaste(), "012");
}

TEST_F(Deal, DeckCompositions) {
    r.set(rule::Arrangement, 11);
    dealAll(4, 1);
    deal(state);
    std::vector<int> ranks;
    for (int k = 0; k < 4; ++k) ranks.push_back(rank(topCard(tableau(k))));
    std::sort(ranks.begin(), ranks.end());
    EXPECT_EQ(ranks, (std::vector<int>{1, 2, 3, 4}));

    state.piles.clear();
    r.set(rule::Arrangement, 9);
    dealAll(16, 4);
    deal(state);
    std::vector<int> codes;
    for (int k = 0; k < 16; ++k)
        for (int c : codesOf(tableau(k))) codes.push_back(c);
    std::sort(codes.begin(), codes.end());
    EXPECT_EQ(codes, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 27, 28, 29}));

    state.piles.clear();
    r.set(rule::Arrangement, 12);
    r.set(rule::DeckCards, 104);
    dealAll(3, 12);
    deal(state);
    codes.clear();
    for (int k = 0; k < 3; ++k)
        for (int c : codesOf(tableau(k))) codes.push_back(c);
    std::sort(codes.begin(), codes.end());
    EXPECT_EQ(codes, (std::vector<int>{1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95}));
}

TEST_F(Deal, KingsGoToTheBottomAndHeartsLeaveForKindTwentyTwo) {
    dealAll(4, 13);
    r.set(rule::AfterDeal, 1);
    deal(state);
    for (int k = 0; k < 4; ++k) {
        const auto codes = codesOf(tableau(k));
        auto firstOther = std::find_if(codes.begin() + 1, codes.end(), [](int c) { return rank(c) != 13; });
        EXPECT_TRUE(std::all_of(firstOther, codes.end(), [](int c) { return rank(c) != 13; }));
    }

    state.piles.clear();
    r.set(rule::AfterDeal, 0);
    r.set(rule::GameKind, 22);
    dealAll(1, 10);
    r.set(rule::StockDeal, 42);
    deal(state);
    EXPECT_EQ(bottomCard(state.piles.stock()), 13);
    EXPECT_EQ(topCard(tableau(0)), 12);
    EXPECT_EQ(positions(tableau(0)) + positions(state.piles.stock()), 52);
}

TEST_F(Deal, ArrangementsOnTheDealtTableau) {
    dealAll(4, 13);
    r.set(rule::Arrangement, 3);
    deal(state);
    for (int k = 0; k < 4; ++k) {
        std::vector<int> ranks;
        for (int c : codesOf(tableau(k))) ranks.push_back(rank(c));
        std::sort(ranks.begin(), ranks.end());
        EXPECT_EQ(std::adjacent_find(ranks.begin(), ranks.end()), ranks.end()) << "pile " << k;
    }

    state.piles.clear();
    r.set(rule::Arrangement, 8);
    deal(state);
    int gaps = 0;
    for (int k = 0; k < 4; ++k) {
        gaps += positions(tableau(k)) - cardsIn(tableau(k));
        for (int c : codesOf(tableau(k))) EXPECT_NE(rank(c), 1);
    }
    EXPECT_EQ(gaps, 4);

    state.piles.clear();
    r.set(rule::Arrangement, 6);
    dealAll(13, 0);
    deal(state);
    for (int k = 0; k < 13; ++k) {
        EXPECT_EQ(positions(tableau(k)), 4);
        for (int c : codesOf(tableau(k))) EXPECT_EQ(rank(c), k + 1);
    }
}

TEST_F(Deal, KingsAtTheBottomTradePlacesWithTheStock) {
    dealAll(13, 1);
    for (int k = 0; k < 13; ++k) r.set(rule::TableauFaceUp + k, 1);
    r.set(rule::StockDeal, 39);
    r.set(rule::StockFaceState, 1);
    r.set(rule::Arrangement, 1);
    deal(state);
    for (int k = 0; k < 13; ++k) EXPECT_NE(rank(bottomCard(tableau(k))), 13);
    EXPECT_EQ(positions(state.piles.stock()), 39);
    // The face-up kings lie face down in the face-down stock.
    for (int c : codesOf(state.piles.stock())) EXPECT_TRUE(state.cards.isFaceDown(c)) << c;
}

// Kings dealt one to a pile before the arrangement leave none to lead: the
// rest of the list is still dealt.
TEST_F(Deal, RunsWithoutALeaderLeftStillDealEveryCard) {
    dealAll(4, 1013);
    r.set(rule::Arrangement, 2);
    deal(state);
    int cards = 0;
    for (int k = 0; k < 4; ++k) cards += cardsIn(tableau(k));
    EXPECT_EQ(cards, 52);
    EXPECT_EQ(positions(tableau(0)), 49);
}

// The play-outs of the deal take a card from under others; the cards above it stay.
TEST_F(Deal, PlayOutsTakeCardsFromUnderOthers) {
    auto klondikeFoundations = [&](int base) {
        r.set(rule::Foundations, 4);
        for (int f = 0; f < 4; ++f) {
            r.set(rule::FoundationBase + f, base);
            r.set(rule::FoundationDirection + f, 1);
            r.set(rule::FoundationMost + f, 13);
        }
    };
    for (const char* number : {"1", "3141592653589", "27", "9999999999999"}) {
        SCOPED_TRACE(number);
        // Starting value 96: every ace goes out and the stock fills its place.
        state.piles.clear();
        state.settings.put(setting::GameNumber, number);
        dealAll(4, 8);
        r.set(rule::Arrangement, 0);
        r.set(rule::StockDeal, 20);
        klondikeFoundations(1);
        r.set(rule::FoundationStart, 96);
        deal(state);
        int played = 0;
        for (int f = 0; f < 4; ++f) played += positions(foundation(f));
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(positions(tableau(k)), 8) << "pile " << k;
            for (int c : codesOf(tableau(k))) EXPECT_NE(rank(c), 1) << "pile " << k;
        }
        const auto stock = codesOf(state.piles.stock());
        EXPECT_EQ(played + std::count_if(stock.begin(), stock.end(), [](int c) { return rank(c) == 1; }), 4);
        EXPECT_EQ(static_cast<int>(stock.size()), 20 - played);

        // Arrangement 7: the bottom card of pile k goes to foundation k.
        state.piles.clear();
        r.set(rule::FoundationStart, 0);
        klondikeFoundations(-1);
        dealAll(4, 13);
        r.set(rule::StockDeal, 0);
        r.set(rule::Arrangement, 7);
        deal(state);
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(positions(foundation(k)), 1) << "foundation " << k;
            EXPECT_EQ(positions(tableau(k)), 12) << "pile " << k;
        }
    }
}

// Rule tables as a damaged GAMES.DAT could give them: every deal ends, and no
// card lies twice on the table or outside the codes of the cards.
TEST_F(Deal, AnyRuleTableDealsEachCardAtMostOnce) {
    std::uint64_t x = 0x2545F4914F6CDD1Dull;
    auto pick = [&](std::initializer_list<int> values) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        return *(values.begin() + static_cast<long>(x % values.size()));
    };
    auto upTo = [&](int most) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        return static_cast<int>(x % static_cast<std::uint64_t>(most + 1));
    };
    for (int round = 0; round < 2000; ++round) {
        r = RuleTable{};
        state.piles.clear();
        r.set(rule::DeckCards, pick({52, 104, 32, 0, 60, -4}));
        r.set(rule::DeckHasJokers, pick({0, 1, 2}));
        r.set(rule::Jokers, upTo(6) - 1);
        r.set(rule::Foundations, upTo(17));
        r.set(rule::TableauPiles, upTo(30));
        r.set(rule::Reserves, upTo(9));
        r.set(rule::Arrangement, upTo(14));
        r.set(rule::FoundationBasesFromDeal, upTo(2));
        r.set(rule::ExtraFoundationCard, upTo(1));
        r.set(rule::AfterDeal, upTo(1));
        r.set(rule::GameKind, pick({0, 11, 22}));
        r.set(rule::SecondWasteCard, pick({0, 12, 112, 500}));
        r.set(rule::TableauPileByPile, upTo(1));
        r.set(rule::StockDeal, upTo(60));
        r.set(rule::WasteDeal, upTo(5));
        r.set(rule::SecondWasteDeal, upTo(3));
        r.set(rule::StockFaceState, upTo(1));
        for (int k = 0; k < 16; ++k) {
            r.set(rule::FoundationStart + k, pick({0, 20, 21, 51, 63, 91, 92, 93, 94, 95, 96, 1, 13, 140, 208, -1}));
            r.set(rule::FoundationBase + k, pick({-2, -1, 0, 1, 7, 13, 83}));
            r.set(rule::FoundationDirection + k, upTo(2));
            r.set(rule::FoundationBuilding + k, upTo(40));
        }
        for (int k = 0; k < 28; ++k) {
            r.set(rule::TableauDeal + k, pick({0, 1, 3, 7, 13, 1001, 1013, 1020, 1501, 1504, 30000}));
            r.set(rule::TableauFaceUp + k, upTo(16) - 3);
            r.set(rule::TableauEmpty + k, pick({-1, 0, 13, 91, 83}));
        }
        for (int l = 0; l < 8; ++l) {
            r.set(rule::ReserveDeal + l, upTo(5));
            r.set(rule::ReserveFaceUp + l, upTo(6) - 3);
        }
        state.settings.put(setting::GameNumber, std::to_string(x % 10000000000000ull));
        deal(state);
        std::vector<int> seen(kCardCodes + 1, 0);
        for (const auto& line : buildSnapshot(state))
            for (size_t at = 0; at + 4 <= line.size(); at += 4) {
                const int code = codeOf(line.substr(at, 3));
                ASSERT_GE(code, 0) << "round " << round;
                ASSERT_LE(code, kCardCodes) << "round " << round;
                if (code == kGap) continue;
                ASSERT_EQ(++seen[static_cast<size_t>(code)], 1) << "card " << code << " round " << round;
            }
    }
    host.messages.clear();
}

}  // namespace
}  // namespace tarvelle
