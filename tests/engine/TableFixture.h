// A table set up card by card on the rules of a game of the collection, for the rule tests.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "engine/Table.h"
#include "tests/support/TempFolder.h"

namespace tarvelle::testing {

// Cards by suit and rank.
constexpr int hearts(int r) { return r; }
constexpr int diamonds(int r) { return 13 + r; }
constexpr int clubs(int r) { return 26 + r; }
constexpr int spades(int r) { return 39 + r; }

class TableFixture : public ::testing::Test {
protected:
    // The game whose rules the table starts from: FreeCell unless a test says otherwise.
    void useGame(int id) {
        ASSERT_TRUE(engine.initialise());
        s().autoplayChecked = false;
        ASSERT_TRUE(engine.deal(id, "1"));
        s().catalogue.setMovesMade(0);
        s().catalogue.setDealsMade(1);
        s().piles.clear();
        for (int code = 1; code <= kCardCodes; ++code) s().cards.setFaceFlag(code, '1');
        s().undoLog.clear();
        s().redoLog.clear();
    }

    EngineState& s() { return *engine.state; }
    void rule(int index, int value) { s().rules.set(index, value); }

    // Lays the cards on the pile, bottom first, face up.
    void lay(Collection c, int slot, std::initializer_list<int> cards) {
        std::string& pile = *s().piles.pile(c, slot);
        pile.clear();
        for (int card : cards) appendCardToSlot(s(), c, slot, card, '1');
    }
    void faceDown(int card) { s().cards.setFaceFlag(card, '0'); }

    TestEngine engine;
};

}  // namespace tarvelle::testing
