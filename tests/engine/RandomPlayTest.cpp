// A seeded random player plays every game of the collection through the moves
// that the rules allow: every card stays on the table once, undo returns the
// deal and redo the last table.
#include <gtest/gtest.h>

#include <random>

#include "engine/PlayerMoves.h"
#include "engine/Table.h"
#include "records/Undo.h"
#include "tests/support/TempFolder.h"

namespace tarvelle {
namespace {

using testing::cardsOnTable;

constexpr int kMovesPerGame = 3000;

struct Played {
    int actions = 0;
    bool ended = false;
};

// Plays at random among the legal moves and presses until none is left, the game ends or the moves run out.
Played playAtRandom(EngineState& s, std::mt19937& random, const std::vector<int>& deck, const std::string& game) {
    Played played;
    for (; played.actions < kMovesPerGame; ++played.actions) {
        const auto moves = legalMoves(s);
        const auto clicks = legalClicks(s);
        const size_t choices = moves.size() + clicks.size();
        if (choices == 0) break;
        const size_t pick = std::uniform_int_distribution<size_t>(0, choices - 1)(random);
        if (pick < moves.size()) {
            const LegalMove& m = moves[pick];
            EXPECT_TRUE(playerMove(s, m.card, m.key)) << game << ": move " << codeText(m.card) << " " << m.key;
        } else {
            const std::string& key = clicks[pick - moves.size()];
            EXPECT_TRUE(playerClick(s, key)) << game << ": click " << key;
        }
        const auto cards = cardsOnTable(s);
        EXPECT_EQ(cards, deck) << game << ": the cards changed after action " << played.actions;
        if (cards != deck || ::testing::Test::HasFailure()) break;
        if (s.flags[Flag::Ended]) {
            played.ended = true;
            break;
        }
    }
    return played;
}

TEST(RandomPlay, EveryGameKeepsItsCardsAndUndoesBackToTheDeal) {
    testing::TestEngine engine;
    ASSERT_TRUE(engine.initialise());
    EngineState& s = *engine.state;
    const auto games = s.catalogue.gameList();
    ASSERT_FALSE(games.empty());
    for (const auto& entry : games) {
        const int id = entry.id();
        const std::string game = entry.name();
        SCOPED_TRACE(game);
        s.autoplayChecked = false;
        ASSERT_TRUE(engine.deal(id, "2026121114")) << game;
        // The deck is what the deal put on the table: some deals leave cards out by design.
        const std::vector<int> deck = cardsOnTable(s);
        const TableSnapshot dealt = buildSnapshot(s);
        std::mt19937 random(static_cast<unsigned>(1000 + id));

        const Played played = playAtRandom(s, random, deck, game);
        if (::testing::Test::HasFailure()) return;
        const TableSnapshot last = buildSnapshot(s);
        const int steps = s.undoLog.stepCount();
        EXPECT_TRUE(played.actions == kMovesPerGame || played.ended || legalMoves(s).empty()) << game;

        for (int i = 0; i < steps; ++i) ASSERT_TRUE(undo(s, true)) << game << ": undo " << i;
        EXPECT_EQ(buildSnapshot(s), dealt) << game << ": undoing every step is not the deal";
        EXPECT_EQ(s.catalogue.dealsMade(), 1) << game;
        EXPECT_EQ(s.catalogue.movesMade(), 0) << game;
        EXPECT_EQ(s.redoLog.stepCount(), steps) << game;

        for (int i = 0; i < steps; ++i) ASSERT_TRUE(redo(s, true)) << game << ": redo " << i;
        EXPECT_EQ(buildSnapshot(s), last) << game << ": redoing every step is not the last table";
        EXPECT_EQ(cardsOnTable(s), deck) << game;
        std::cout << "[ played   ] " << game << ": " << played.actions << " actions, " << steps << " undo steps"
                  << (played.ended ? ", ended" : "") << "\n";
    }
}

}  // namespace
}  // namespace tarvelle
