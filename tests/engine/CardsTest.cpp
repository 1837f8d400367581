// Card codes and the properties that follow from them.
#include "engine/Cards.h"

#include <gtest/gtest.h>

namespace tarvelle {
namespace {

struct CardCase {
    int code, rank, suit;
    bool red, face, joker;
    int image;
};

TEST(Cards, PropertiesOfCodes) {
    const CardCase cases[] = {
        {1, 1, 0, true, false, false, 0},    {13, 13, 0, true, true, false, 12},
        {14, 1, 1, true, false, false, 13},  {26, 13, 1, true, true, false, 25},
        {27, 1, 2, false, false, false, 26}, {40, 1, 3, false, false, false, 39},
        {52, 13, 3, false, true, false, 51}, {53, 1, 0, true, false, false, 0},
        {54, 2, 0, true, false, false, 1},   {78, 13, 1, true, true, false, 25},
        {79, 1, 2, false, false, false, 26}, {104, 13, 3, false, true, false, 51},
        {105, 100, -1, false, false, true, 52}, {108, 100, -1, false, false, true, 52},
        {0, 0, -1, false, false, false, 52},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(rank(c.code), c.rank);
        EXPECT_EQ(suitIndex(c.code), c.suit);
        EXPECT_EQ(isRed(c.code), c.red);
        EXPECT_EQ(isFaceCard(c.code), c.face);
        EXPECT_EQ(isJoker(c.code), c.joker);
        if (c.code > 0) {
            EXPECT_EQ(imageIndex(c.code), c.image);
        }
    }
    EXPECT_EQ(rank(109), -1);
    EXPECT_EQ(nextRankWrapping(13), 1);
    EXPECT_EQ(previousRankWrapping(1), 13);
    EXPECT_EQ(rankLetter(1), "A");
    EXPECT_EQ(rankLetter(10), "10");
    EXPECT_EQ(rankLetter(12), "Q");
}

TEST(CardTable, LinesOfAFreshStart) {
    CardTable table;
    EXPECT_EQ(table.line(1), "CUORI_A        10011");
    EXPECT_EQ(table.line(2), "CUORI_02       10021");
    EXPECT_EQ(table.line(10), "CUORI_10       10101");
    EXPECT_EQ(table.line(13), "CUORI_K        10131");
    EXPECT_EQ(table.line(14), "QUADR_A        20141");
    EXPECT_EQ(table.line(52), "PICCH_K        40521");
    EXPECT_EQ(table.line(53), "CUORI_A        10531");
    EXPECT_EQ(table.line(104), "PICCH_K        41041");
    EXPECT_EQ(table.line(105), "JOKER          41051");
    EXPECT_EQ(table.line(108), "JOKER          41081");
    table.setFaceFlag(40, '0');
    EXPECT_EQ(table.line(40), "PICCH_A        40400");
    EXPECT_TRUE(table.isFaceDown(40));
    EXPECT_FALSE(table.isFaceDown(0));
    EXPECT_FALSE(table.isFaceDown(-3));
}

}  // namespace
}  // namespace tarvelle
