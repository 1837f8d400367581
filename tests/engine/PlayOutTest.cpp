// The deal's play-outs to the foundations, which ask the foundation test.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/Dealing.h"
#include "engine/Legality.h"
#include "records/SettingsFields.h"
#include "tests/engine/TableFixture.h"

namespace tarvelle {
namespace {

using namespace testing;

class PlayOut : public TableFixture {
protected:
    std::vector<int> everyCard() {
        std::vector<int> cards;
        for (int line = 0; line < kSnapshotLines; ++line) {
            const PileRef slot = snapshotSlot(line);
            for (int c : codesOf(*s().piles.pile(slot.collection, slot.slot)))
                if (c != kGap) cards.push_back(c);
        }
        std::sort(cards.begin(), cards.end());
        return cards;
    }
    // Every foundation holds a run of one suit, one rank up from the card below.
    void expectFoundationRuns() {
        for (int f = 0; f < s().rules.foundations(); ++f) {
            const auto cards = codesOf(s().piles.foundations[static_cast<size_t>(f)]);
            for (size_t i = 1; i < cards.size(); ++i) {
                EXPECT_EQ(suitIndex(cards[i]), suitIndex(cards[i - 1])) << "foundation " << f + 1;
                EXPECT_EQ(rank(cards[i]), nextRankWrapping(rank(cards[i - 1]))) << "foundation " << f + 1;
            }
        }
    }
    int onFoundations() {
        int n = 0;
        for (const auto& f : s().piles.foundations) n += cardsIn(f);
        return n;
    }
    // Deals again with the rules as the test changed them.
    void dealAgain() {
        s().piles.clear();
        deal(s());
    }
};

TEST_F(PlayOut, AcesDealtToTheFoundationsDrawPlayableCardsOut) {
    useGame(1);
    for (const int start : {93, 94}) {
        for (int f = 0; f < 4; ++f) rule(rule::FoundationStart + f, start);
        dealAgain();
        EXPECT_EQ(everyCard().size(), 52u) << start;
        for (int f = 0; f < 4; ++f) EXPECT_EQ(bottomCard(s().piles.foundations[static_cast<size_t>(f)]), 13 * f + 1);
        expectFoundationRuns();
        // No card left at the top of a pile could still go out.
        for (int k = 0; k < 8; ++k) {
            const int top = topCard(s().piles.tableau[static_cast<size_t>(k)]);
            for (int f = 0; f < 4 && top; ++f)
                if (start == 93 || f == k) {
                    EXPECT_FALSE(foundationTest(s(), f, top)) << start << " pile " << k + 1;
                }
        }
    }
}

TEST_F(PlayOut, KingsAndAcesOfValue95) {
    useGame(4);  // Forty Thieves: eight foundations of two decks
    for (int f = 0; f < 8; ++f) rule(rule::FoundationStart + f, 95);
    for (int f = 0; f < 4; ++f) rule(rule::FoundationDirection + f, 0);
    dealAgain();
    for (int f = 0; f < 4; ++f) EXPECT_EQ(bottomCard(s().piles.foundations[static_cast<size_t>(f)]), 13 * (f + 1));
    for (int f = 4; f < 8; ++f) EXPECT_EQ(bottomCard(s().piles.foundations[static_cast<size_t>(f)]), 13 * f - 51);
    EXPECT_EQ(everyCard().size(), 104u);
}

TEST_F(PlayOut, AcesOfValue96AreReplacedFromTheStock) {
    useGame(0);  // Klondike
    rule(rule::FoundationStart, 96);
    for (int k = 0; k < 7; ++k) rule(rule::TableauFaceUp + k, 7);
    dealAgain();
    EXPECT_EQ(everyCard().size(), 52u);
    int aces = 0;
    for (int f = 0; f < 4; ++f) {
        const auto cards = codesOf(s().piles.foundations[static_cast<size_t>(f)]);
        ASSERT_LE(cards.size(), 1u);
        if (!cards.empty()) {
            EXPECT_EQ(rank(cards[0]), 1);
            ++aces;
        }
    }
    EXPECT_EQ(cardsIn(s().piles.stock()), 24 - aces);
    for (int k = 0; k < 7; ++k) EXPECT_EQ(cardsIn(s().piles.tableau[static_cast<size_t>(k)]), k + 1);
}

TEST_F(PlayOut, ArrangementsTwoAndFourLeadPilesWithKingsOrQueens) {
    useGame(1);
    for (const auto& [arrangement, leader] : {std::pair{2, 13}, std::pair{4, 12}}) {
        rule(rule::Arrangement, arrangement);
        for (int k = 0; k < 8; ++k) rule(rule::TableauDeal + k, 0);
        dealAgain();
        EXPECT_EQ(everyCard().size(), 52u) << arrangement;
        int led = 0;
        for (int k = 0; k < 8; ++k) {
            const std::string& pile = s().piles.tableau[static_cast<size_t>(k)];
            if (pile.empty()) continue;
            EXPECT_EQ(rank(bottomCard(pile)), leader) << arrangement << " pile " << k + 1;
            ++led;
        }
        // The play-out takes cards from any position, so whole piles may go out.
        EXPECT_LE(led, 4) << arrangement;
        EXPECT_GT(onFoundations(), 0) << arrangement;
        expectFoundationRuns();
        rule(rule::Arrangement, 0);
    }
}

TEST_F(PlayOut, ArrangementSevenPlaysEachBottomCardToItsFoundation) {
    useGame(1);
    rule(rule::Arrangement, 7);
    bool somePlayed = false;
    for (int number = 1; number < 40 && !somePlayed; ++number) {
        s().settings.put(setting::GameNumber, std::to_string(number));
        dealAgain();
        EXPECT_EQ(everyCard().size(), 52u);
        for (int f = 0; f < 4; ++f) {
            const auto cards = codesOf(s().piles.foundations[static_cast<size_t>(f)]);
            ASSERT_LE(cards.size(), 1u);
            if (!cards.empty()) {
                EXPECT_EQ(rank(cards[0]), 1);
                somePlayed = true;
            }
        }
    }
    EXPECT_TRUE(somePlayed);
}

}  // namespace
}  // namespace tarvelle
