// The run-time generator and new game numbers.
#include "engine/Random.h"

#include <gtest/gtest.h>

namespace tarvelle {
namespace {

TEST(Random, GameNumbersFromASeed) {
    const std::pair<std::uint32_t, std::vector<std::string>> cases[] = {
        {0, {"0000000000000", "1744311646140", "1833083427436"}},
        {1, {"0270195687553", "0552883792280", "2140495088670"}},
        {123456789, {"2152128317610", "0132771262577", "6899515421205"}},
        {4294967295u, {"1953812886489", "0687007826160", "0215198859960"}},
    };
    for (const auto& [seed, numbers] : cases) {
        RandomGenerator random;
        random.setSeed(seed);
        for (const auto& expected : numbers) EXPECT_EQ(drawGameNumber(random), expected) << seed;
    }
}

TEST(Random, DrawsStayBelowTheBound) {
    RandomGenerator random;
    random.setSeed(99);
    for (int i = 0; i < 1000; ++i) EXPECT_LT(random.below(7), 7u);
    EXPECT_EQ(random.below(0), 0u);
}

}  // namespace
}  // namespace tarvelle
