// The marks on empty piles: stock and waste by the redeal state, foundations
// and tableau piles by their rank rules, reserves by their family.
#include <gtest/gtest.h>

#include "engine/HeadlessHost.h"
#include "table/PileMarks.h"

namespace tarvelle {
namespace {

struct Marks : ::testing::Test {
    HeadlessHost host;
    EngineState state{host, "/nowhere/", "/nowhere/"};
    std::optional<std::string> of(Collection c, int slot = 0) { return markOf(state, {c, slot}); }
    void set(int index, int value) { state.rules.set(index, value); }
};

TEST(RankMarks, EveryRuleValueWithAMark) {
    const std::pair<int, const char*> cases[] = {
        {1, "010"},  {58, "010"}, {81, "010"}, {85, "010"}, {2, "012"},  {90, "012"}, {3, "013"},
        {10, "020"}, {11, "006"}, {12, "003"}, {13, "011"}, {64, "011"}, {84, "011"}};
    for (auto [value, suffix] : cases) EXPECT_EQ(rankMarkSuffix(value), suffix) << value;
    for (int value : {0, -1, 14, 83, 94}) EXPECT_EQ(rankMarkSuffix(value), std::nullopt) << value;
}

TEST_F(Marks, StockShowsWhetherARedealIsLeft) {
    state.catalogue.setDealsMade(1);
    set(rule::Deals, -1);  // unlimited redeals
    set(rule::RedealKind, 1);
    EXPECT_EQ(of(Collection::StockGroup), "022");
    set(rule::Deals, 1);
    EXPECT_EQ(of(Collection::StockGroup), "008");  // the waste holds nothing to redeal
    state.piles.waste() = "001002";
    EXPECT_EQ(of(Collection::StockGroup), "008");
    set(rule::Deals, 3);
    set(rule::RedealKind, 0);
    EXPECT_EQ(of(Collection::StockGroup), "022");
    set(rule::GameKind, 8);
    EXPECT_EQ(of(Collection::StockGroup), "021");
}

TEST_F(Marks, WasteByTheStockAndTheRedeals) {
    set(rule::HasStock, 1);
    EXPECT_EQ(of(Collection::StockGroup, kWaste), "_WASTE");
    set(rule::HasStock, 0);
    set(rule::Deals, 0);
    EXPECT_EQ(of(Collection::StockGroup, kWaste), "008");
    set(rule::Deals, 2);
    EXPECT_EQ(of(Collection::StockGroup, kWaste), std::nullopt);  // redeals off
    set(rule::RedealKind, 1);
    state.catalogue.setDealsMade(1);
    EXPECT_EQ(of(Collection::StockGroup, kWaste), "022");
    state.catalogue.setDealsMade(2);
    EXPECT_EQ(of(Collection::StockGroup, kWaste), "008");
    EXPECT_EQ(of(Collection::StockGroup, kSecondWaste), "_WASTE");
}

TEST_F(Marks, FoundationsTableauAndReserves) {
    set(rule::FoundationBase + 2, 13);
    EXPECT_EQ(of(Collection::Foundations, 2), "011");
    set(rule::FoundationBuilding + 2, 10);
    EXPECT_EQ(of(Collection::Foundations, 2), "003");
    set(rule::FoundationBase + 3, 83);
    EXPECT_EQ(of(Collection::Foundations, 3), "004");
    set(rule::FoundationBase + 3, 94);
    EXPECT_EQ(of(Collection::Foundations, 3), std::nullopt);

    EXPECT_EQ(of(Collection::Tableau, 1), "_TABLEAU");  // no fill rule at all
    set(rule::TableauEmpty + 1, 13);
    EXPECT_EQ(of(Collection::Tableau, 1), "011");
    set(rule::TableauEmpty, -1);
    EXPECT_EQ(of(Collection::Tableau, 2), "004");
    set(rule::TableauEmpty + 2, 94);
    EXPECT_EQ(of(Collection::Tableau, 2), std::nullopt);

    EXPECT_EQ(of(Collection::Reserves, 3), "001");
    set(rule::ReserveKind, 9);
    EXPECT_EQ(of(Collection::Reserves, 3), "009");
    set(rule::ReserveKind, 8);
    EXPECT_EQ(of(Collection::Reserves, 3), "011");
}

}  // namespace
}  // namespace tarvelle
