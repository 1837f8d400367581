// Move legality: the building kinds, the empty and direction rules, the
// destination tests, the sequence rules and what may be picked up.
#include <gtest/gtest.h>

#include "engine/Legality.h"
#include "tests/engine/TableFixture.h"

namespace tarvelle {
namespace {

using namespace testing;

struct FitCase {
    const char* name;
    bool foundation;
    int building, direction, wrap, base, empty, pile;
    int lower, moving;
    bool fits;
};

std::ostream& operator<<(std::ostream& out, const FitCase& c) { return out << c.name; }

constexpr int T = 0;  // tableau pile 1

const FitCase kFitCases[] = {
    // name                                               fdn  B   D  W  O   E   k  L            M            fits
    {"same suit up: five of hearts on four of hearts",    false, 0, 1, 0, 1, 13, T, hearts(4), hearts(5), true},
    {"same suit up: not on four of diamonds",             false, 0, 1, 0, 1, 13, T, diamonds(4), hearts(5), false},
    {"same suit up: not on six of hearts",                false, 0, 1, 0, 1, 13, T, hearts(6), hearts(5), false},
    {"up or down: a five on a four",                      false, 2, 2, 0, 1, 13, T, clubs(4), hearts(5), true},
    {"up or down: a five on a six",                       false, 2, 2, 0, 1, 13, T, clubs(6), hearts(5), true},
    {"direction 3 allows nothing",                        false, 2, 3, 0, 1, 13, T, clubs(4), hearts(5), false},
    {"foundation of base 7: an ace on a king",            true,  0, 1, 0, 7, 7,  0, hearts(13), hearts(1), true},
    {"foundation of base 1: no ace on a king",            true,  0, 1, 0, 1, 1,  0, hearts(13), hearts(1), false},
    {"foundation down of base 13: nothing on an ace",     true,  0, 0, 0, 13, 13, 0, hearts(1), hearts(13), false},
    {"empty value 13 takes a king",                       false, 3, 0, 0, 1, 13, T, 0, hearts(13), true},
    {"empty value 13 takes no queen",                     false, 3, 0, 0, 1, 13, T, 0, hearts(12), false},
    {"empty value -1 takes any card",                     false, 3, 0, 0, 1, -1, T, 0, hearts(5), true},
    {"empty value 0 takes nothing",                       false, 3, 0, 0, 1, 0,  T, 0, hearts(5), false},
    {"base rank -1 opens every empty pile",               false, 3, 0, 0, -1, 0, T, 0, hearts(5), true},
    {"empty value 82 takes nothing",                      false, 2, 0, 0, 1, 82, T, 0, hearts(13), false},
    {"empty value 86 takes a single card",                false, 2, 0, 0, 1, 86, T, 0, hearts(5), true},
    {"empty value 88 takes a card from elsewhere",        false, 2, 0, 0, 1, 88, T, 0, hearts(5), true},
    {"alternate colours: red five on black six",          false, 3, 0, 0, 1, 13, T, spades(6), hearts(5), true},
    {"alternate colours: not red on red",                 false, 3, 0, 0, 1, 13, T, diamonds(6), hearts(5), false},
    {"same colour: red five on red six",                  false, 1, 0, 0, 1, 13, T, diamonds(6), hearts(5), true},
    {"different suit: five of hearts on six of spades",   false, 21, 0, 0, 1, 13, T, spades(6), hearts(5), true},
    {"different suit: not on six of hearts",              false, 21, 0, 0, 1, 13, T, hearts(6), hearts(5), false},
    {"never",                                             false, 4, 0, 0, 1, -1, T, hearts(6), hearts(5), false},
    {"always",                                            false, 12, 3, 0, 1, 0, T, hearts(2), spades(9), true},
    {"a card never goes on itself",                       false, 12, 0, 0, 1, -1, T, hearts(5), hearts(5), false},
    {"down onto the base rank without wrap: nothing",     false, 2, 0, 0, 1, 13, T, hearts(1), clubs(13), false},
    {"down with wrap: a king on an ace",                  false, 2, 0, 1, 1, 13, T, hearts(1), clubs(13), true},
    {"wrap value 2: a two on an ace",                     false, 2, 1, 2, 5, 13, T, hearts(1), clubs(2), true},
    {"wrap value 2: a queen on a king",                   false, 2, 0, 2, 5, 13, T, hearts(13), clubs(12), true},
    {"up on a king only an ace",                          false, 2, 1, 0, 5, 13, T, hearts(13), clubs(1), true},
    {"complete-run base: nothing on an ace",              false, 2, 0, 0, 83, -1, T, hearts(1), clubs(13), false},
    {"kind 14 onto an empty pile: an ace",                false, 14, 0, 0, 1, 0, T, 0, hearts(1), true},
    {"kind 15 onto an empty pile: a two",                 false, 15, 0, 0, 1, 0, T, 0, hearts(2), true},
    {"kind 16 onto an empty pile: a three",               false, 16, 0, 0, 1, 0, T, 0, hearts(3), true},
    {"kind 14 wraps: an ace on a queen",                  false, 14, 0, 0, 1, 0, T, hearts(12), clubs(1), true},
    {"kind 20: an ace on a king",                         true,  20, 1, 0, 1, 1, 0, hearts(13), clubs(1), true},
    {"kind 24: no queen on a king",                       false, 24, 0, 0, 1, 13, T, hearts(13), hearts(12), false},
    {"kind 11: no queen on a jack",                       false, 11, 1, 0, 1, 13, T, hearts(11), hearts(12), false},
    {"kind 25 up: same suit two ranks up",                false, 25, 1, 0, 1, 13, T, hearts(5), hearts(7), true},
    {"kind 25 down: same suit two ranks down",            false, 25, 0, 0, 1, 13, T, hearts(5), hearts(3), true},
    {"kind 61: a two on a king",                          false, 61, 1, 0, 1, 13, T, hearts(13), hearts(2), true},
    {"kind 28: an empty pile takes anything",             false, 28, 0, 0, 1, 0, T, 0, hearts(9), true},
    {"kind 28: on a king only a queen",                   false, 28, 0, 0, 1, 0, T, hearts(13), clubs(12), true},
    {"kind 28: no ace on a king",                         false, 28, 0, 0, 1, 0, T, hearts(13), clubs(1), false},
    {"kind 60: same suit only",                           false, 60, 0, 0, 1, 0, T, hearts(8), clubs(7), false},
    {"kind 34: one down, any suit",                       false, 34, 3, 0, 1, 13, T, hearts(6), clubs(5), true},
    {"kind 35: a king on an ace",                         false, 35, 3, 0, 1, 13, T, hearts(1), clubs(13), true},
    {"kind 37: twice the rank",                           false, 37, 3, 0, 1, 13, T, hearts(4), clubs(8), true},
    {"kind 37: twice the rank, counted modulo 13",        false, 37, 3, 0, 1, 13, T, hearts(7), clubs(1), true},
    {"kind 39: no queen",                                 false, 39, 3, 0, 1, 13, T, hearts(11), clubs(12), false},
    {"kind 39: an empty pile takes an ace",               false, 39, 3, 0, 1, 13, T, 0, clubs(1), true},
    {"kind 44: no king",                                  false, 44, 3, 0, 1, 13, T, hearts(12), clubs(13), false},
    {"kind 43: same suit two ranks up",                   false, 43, 3, 0, 1, 13, T, hearts(5), hearts(7), true},
    {"kind 56: the same rank",                            false, 56, 3, 0, 1, -1, T, hearts(5), clubs(5), true},
    {"kind 56: never onto an empty pile",                 false, 56, 3, 0, 1, -1, T, 0, clubs(5), false},
    {"kind 68: up or down, wrapping",                     false, 68, 3, 0, 1, -1, T, hearts(13), clubs(1), true},
    {"kind 69: only onto an empty tableau pile",          false, 69, 3, 0, 1, 0, T, hearts(3), clubs(4), false},
    {"kind 73: pile 4 takes a four",                      false, 73, 3, 0, 1, 0, 3, 0, clubs(4), true},
    {"kind 73: pile 4 takes no five",                     false, 73, 3, 0, 1, 0, 3, 0, clubs(5), false},
};

class CardFits : public TableFixture, public ::testing::WithParamInterface<FitCase> {};

TEST_P(CardFits, ByBuildingKind) {
    useGame(1);
    const FitCase& c = GetParam();
    FitQuery q;
    q.lower = c.lower;
    q.moving = c.moving;
    q.emptyValue = c.empty;
    q.pile = c.pile;
    q.wrap = c.wrap;
    q.foundation = c.foundation;
    q.building = c.building;
    q.direction = c.direction;
    q.base = c.base;
    // The lower card lies on the pile so that the rules that look at the pile see it.
    if (c.lower) lay(c.foundation ? Collection::Foundations : Collection::Tableau, c.pile, {c.lower});
    EXPECT_EQ(cardFits(s(), q), c.fits);
}

INSTANTIATE_TEST_SUITE_P(Rules, CardFits, ::testing::ValuesIn(kFitCases));

class Legality : public TableFixture {
protected:
    void SetUp() override { useGame(1); }
};

// A run of four in alternating colours on pile 1, a jack on pile 2, piles 3-7
// holding a card each and pile 8 empty; two free cells of four are empty.
void layFreeCellRun(Legality& t, EngineState& s) {
    (void)t;
    auto lay = [&](Collection c, int slot, std::initializer_list<int> cards) {
        for (int card : cards) appendCardToSlot(s, c, slot, card, '1');
    };
    lay(Collection::Tableau, 0, {clubs(10), hearts(9), spades(8), diamonds(7)});
    lay(Collection::Tableau, 1, {hearts(11)});
    for (int k = 2; k < 7; ++k) lay(Collection::Tableau, k, {clubs(1 + k)});
    lay(Collection::Reserves, 0, {spades(1)});
    lay(Collection::Reserves, 1, {spades(2)});
}

TEST_F(Legality, FreeCellFormulaCountsEmptyCellsAndPiles) {
    rule(rule::MoveSize, -5);
    layFreeCellRun(*this, s());
    // Two empty cells and one empty pile: four cards onto a card, three into the empty pile.
    EXPECT_TRUE(mayPickUp(s(), clubs(10), "Fila1"));
    EXPECT_TRUE(mayDrop(s(), clubs(10), "Fila2"));
    EXPECT_FALSE(mayDrop(s(), clubs(10), "Fila8"));
    EXPECT_TRUE(mayDrop(s(), hearts(9), "Fila8"));
    lay(Collection::Reserves, 2, {spades(3)});
    EXPECT_FALSE(mayPickUp(s(), clubs(10), "Fila1"));
}

TEST_F(Legality, SequenceSizeByRuleEleven) {
    layFreeCellRun(*this, s());
    const MovingCards four = movingCards(s(), clubs(10));
    ASSERT_EQ(four.count, 4);
    struct Case {
        int value;
        bool allowed;
    };
    for (const Case c : {Case{-1, true}, Case{-12, false}, Case{-13, true}, Case{3, false}, Case{4, true},
                         Case{0, false}, Case{-6, false}, Case{-7, false}}) {
        rule(rule::MoveSize, c.value);
        EXPECT_EQ(sequenceSizeAllowed(s(), four, false), c.allowed) << "rule 11 = " << c.value;
    }
    rule(rule::MoveSize, -12);
    lay(Collection::Tableau, 7, {spades(13), hearts(12)});
    EXPECT_TRUE(sequenceSizeAllowed(s(), movingCards(s(), spades(13)), false));
}

TEST_F(Legality, ASequenceNeverGoesBackOnItsOwnPile) {
    layFreeCellRun(*this, s());
    EXPECT_FALSE(mayDrop(s(), hearts(9), "Fila1"));
    EXPECT_FALSE(mayDrop(s(), diamonds(7), "Fila1"));
}

TEST_F(Legality, AMovedSequenceMustBeBuilt) {
    lay(Collection::Tableau, 0, {clubs(10), hearts(9), diamonds(8)});
    lay(Collection::Tableau, 1, {hearts(11)});
    rule(rule::MoveSize, -1);
    EXPECT_FALSE(mayPickUp(s(), clubs(10), "Fila1"));
    EXPECT_FALSE(sequenceIsBuilt(s(), clubs(10), 1));
    rule(rule::MovedSequenceBuilt, 0);
    EXPECT_TRUE(sequenceIsBuilt(s(), clubs(10), 1));
    // Rule 2 = 10 checks the suit alone, without the direction.
    rule(rule::MovedSequenceBuilt, 10);
    lay(Collection::Tableau, 2, {hearts(7), hearts(6)});
    EXPECT_TRUE(sequenceIsBuilt(s(), hearts(7), 1));
}

TEST_F(Legality, FaceDownCardsAreTurnedNotPickedUp) {
    lay(Collection::Tableau, 0, {clubs(9), hearts(8)});
    lay(Collection::Tableau, 1, {hearts(10)});
    faceDown(hearts(10));
    faceDown(clubs(9));
    EXPECT_FALSE(mayDrop(s(), hearts(8), "Fila2"));
    EXPECT_FALSE(mayPickUp(s(), clubs(9), "Fila1"));
    EXPECT_FALSE(mayPickUp(s(), hearts(10), "Fila2"));
    EXPECT_TRUE(mayPickUp(s(), hearts(8), "Fila1"));
}

TEST_F(Legality, FoundationsTakeOneCardAtATime) {
    lay(Collection::Tableau, 0, {hearts(2), spades(1)});
    EXPECT_FALSE(mayDrop(s(), hearts(2), "Dest1"));
    EXPECT_TRUE(mayDrop(s(), spades(1), "Dest1"));
    rule(rule::FoundationBuilding, 10);
    lay(Collection::Tableau, 1, {hearts(12)});
    EXPECT_TRUE(mayDrop(s(), hearts(12), "Dest1"));
    EXPECT_FALSE(mayDrop(s(), spades(1), "Dest1"));
}

TEST_F(Legality, ReserveKinds) {
    lay(Collection::Tableau, 0, {hearts(13)});
    lay(Collection::Tableau, 1, {hearts(5)});
    struct Case {
        int kind;
        bool king, five;
    };
    for (const Case c : {Case{4, false, false}, Case{8, true, false}, Case{13, true, true}, Case{9, true, false},
                         Case{0, true, true}}) {
        rule(rule::ReserveKind + 1, c.kind);
        EXPECT_EQ(mayDrop(s(), hearts(13), "Appogg2"), c.king) << "kind " << c.kind;
        EXPECT_EQ(mayDrop(s(), hearts(5), "Appogg2"), c.five) << "kind " << c.kind;
    }
    // Kind 8 counts reserve 1, whichever reserve is the target.
    rule(rule::ReserveKind + 1, 8);
    lay(Collection::Reserves, 0, {clubs(1), clubs(2), clubs(3)});
    EXPECT_FALSE(mayDrop(s(), hearts(13), "Appogg2"));
}

TEST_F(Legality, WhatMayBePickedUp) {
    lay(Collection::StockGroup, kWaste, {hearts(4), hearts(5)});
    lay(Collection::Foundations, 0, {clubs(1)});
    lay(Collection::Foundations, 1, {spades(1), spades(2)});
    lay(Collection::Reserves, 0, {diamonds(3), diamonds(4)});
    EXPECT_TRUE(mayPickUp(s(), hearts(5), "Mazzo_Vis"));
    EXPECT_FALSE(mayPickUp(s(), hearts(4), "Mazzo_Vis"));
    rule(rule::WasteKind, 2);
    EXPECT_FALSE(mayPickUp(s(), hearts(5), "Mazzo_Vis"));
    rule(rule::FoundationTakeBack, 2);
    EXPECT_FALSE(mayPickUp(s(), clubs(1), "Dest1"));
    EXPECT_TRUE(mayPickUp(s(), spades(2), "Dest2"));
    rule(rule::FoundationTakeBack, 0);
    EXPECT_FALSE(mayPickUp(s(), spades(2), "Dest2"));
    EXPECT_TRUE(mayPickUp(s(), diamonds(4), "Appogg1"));
    EXPECT_FALSE(mayPickUp(s(), diamonds(3), "Appogg1"));
    rule(rule::ReservePickUp, -11);
    EXPECT_TRUE(mayPickUp(s(), diamonds(3), "Appogg1"));
    EXPECT_FALSE(mayPickUp(s(), diamonds(3), "Appogg2"));
}

TEST_F(Legality, BeforeTheFirstMoveOnlyTableauToFoundation) {
    rule(rule::FirstMovesToFoundations, 1);
    lay(Collection::Tableau, 0, {hearts(1)});
    lay(Collection::Tableau, 1, {hearts(3)});
    lay(Collection::Reserves, 0, {spades(1)});
    EXPECT_TRUE(mayDrop(s(), hearts(1), "Dest1"));
    EXPECT_FALSE(mayDrop(s(), hearts(1), "Appogg2"));
    EXPECT_FALSE(mayPickUp(s(), spades(1), "Appogg1"));
    s().catalogue.setMovesMade(1);
    EXPECT_TRUE(mayDrop(s(), hearts(1), "Appogg2"));
    EXPECT_TRUE(mayPickUp(s(), spades(1), "Appogg1"));
}

TEST_F(Legality, ColourBalanceOfEmptyValue85) {
    for (int k = 0; k < 4; ++k) rule(rule::FoundationBase + k, 85);
    rule(rule::FoundationBuilding, 0);
    lay(Collection::Foundations, 1, {hearts(1)});
    lay(Collection::Foundations, 2, {diamonds(1)});
    lay(Collection::Tableau, 0, {clubs(1)});
    lay(Collection::Tableau, 1, {hearts(1) + 52});
    // Two red aces are started: a third red one breaks the balance, a black one keeps it.
    EXPECT_TRUE(mayDrop(s(), clubs(1), "Dest1"));
    EXPECT_FALSE(mayDrop(s(), hearts(1) + 52, "Dest1"));
}

TEST_F(Legality, KindsThatLookAtWhereTheCardComesFrom) {
    rule(rule::TableauBuilding + 1, 17);
    lay(Collection::Tableau, 0, {hearts(5)});
    lay(Collection::Reserves, 0, {hearts(6)});
    lay(Collection::Tableau, 1, {clubs(9)});
    EXPECT_FALSE(mayDrop(s(), hearts(5), "Fila2"));
    EXPECT_TRUE(mayDrop(s(), hearts(6), "Fila2"));
    rule(rule::TableauBuilding + 1, 19);
    EXPECT_FALSE(mayDrop(s(), hearts(6), "Fila2"));
}

TEST_F(Legality, GridColumnsGiveCardsBottomUp) {
    rule(rule::GridRows, 2);
    rule(rule::GridColumns, 4);
    lay(Collection::Tableau, 0, {hearts(5)});
    lay(Collection::Tableau, 4, {hearts(6)});
    EXPECT_FALSE(columnIsFree(s(), 0));
    EXPECT_FALSE(mayPickUp(s(), hearts(5), "Fila1"));
    EXPECT_TRUE(mayPickUp(s(), hearts(6), "Fila5"));
}

}  // namespace
}  // namespace tarvelle
