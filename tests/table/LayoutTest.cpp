// The table layout: rows, group styles, the reserve overlap check, the
// hand-made arrangements, and every game of the collection laid out cleanly.
#include <gtest/gtest.h>

#include <iostream>
#include <set>
#include <sstream>
#include <vector>

#include "engine/CardPositions.h"
#include "engine/HeadlessHost.h"
#include "records/SettingsFields.h"
#include "table/Layout.h"
#include "tests/support/TempFolder.h"

namespace tarvelle {
namespace {

struct Rect {
    int left, top, right, bottom;  // right and bottom exclusive
    bool overlaps(const Rect& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
};

std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

// A game's rule table written by hand, laid out on a window of our choice.
struct Layout : ::testing::Test {
    HeadlessHost host;
    EngineState state{host, "/nowhere/", "/nowhere/"};
    WindowMetrics metrics;

    void SetUp() override {
        state.settings.put(setting::CardSize, "B");
        state.settings.put(setting::CardsShadowed, "Y");
        state.settings.put(setting::IrregularPiles, "N");
        metrics.tableWidth = 792;  // 790 once the layout takes its 2 pixels off
        metrics.formHeight = 600;
        metrics.top = 30;
        metrics.bottom = 560;
        metrics.screenWidth = 800;
        metrics.screenHeight = 600;
        hideAll();
    }
    void hideAll() {
        for (int k = 0; k < 4; ++k) state.catalogue.setStockPosition(k, -10000, -10000);
        for (int k = 0; k <= 16; ++k) state.catalogue.setFoundationPosition(k, -10001, -10001);
        for (int k = 0; k <= 8; ++k) state.catalogue.setReservePosition(k, -10003, -10003);
        state.catalogue.tableauX.fill(-10002);
        state.catalogue.tableauY.fill(-10002);
    }
    void set(int index, int value) { state.rules.set(index, value); }
    void tableau(int count, int style, int row, int fan = 1) {
        set(rule::TableauPiles, count);
        set(rule::TableauStyle, style);
        set(rule::TableauRow, row);
        set(rule::TableauFan, fan);
    }
    void run() { layOutTable(state, metrics); }
    Point at(Collection c, int slot) const { return pilePosition(state, {c, slot}); }
    int row1() const { return metrics.top + 10 + (state.rules[rule::StockRow] == 1 ? 15 : 0); }
    int row2() const { return row1() + 10 + 96; }
};

TEST_F(Layout, CentredTableauRowClampsItsGap) {
    tableau(7, 1, 2);
    run();
    const int xs[] = {86, 177, 268, 359, 450, 541, 632};
    for (int k = 0; k < 7; ++k) EXPECT_EQ(at(Collection::Tableau, k), (Point{xs[k], row2()})) << k;
}

TEST_F(Layout, CentredTableauStartsAtTheStockGapWhenTooWide) {
    tableau(10, 1, 2);
    set(rule::StockPiles, 1);
    set(rule::HasStock, 1);
    set(rule::StockStyle, 4);
    set(rule::StockRow, 1);
    run();
    // G = 10 + shadow 9 + 15 for a stock beside the tableau; the gap stays 15.
    EXPECT_EQ(at(Collection::Tableau, 0).x, 34);
    EXPECT_EQ(at(Collection::Tableau, 1).x, 34 + 71 + 15);
    EXPECT_EQ(at(Collection::StockGroup, kStock), (Point{34, row1()}));
    EXPECT_TRUE(isHidden(at(Collection::StockGroup, kWaste)));
}

TEST_F(Layout, RowsFollowTheStockRowAndTheFormHeight) {
    tableau(4, 2, 3);
    set(rule::StockRow, 2);
    run();
    EXPECT_EQ(at(Collection::Tableau, 0).y, 30 + 10 + (10 + 96 + 15) + (10 + 96));
    metrics.formHeight = 480;
    metrics.screenHeight = 480;
    run();
    EXPECT_EQ(at(Collection::Tableau, 0).y, 30 + 5 + (5 + 96 + 15) + (5 + 96));
}

TEST_F(Layout, VerticalFanRoomReachesTheNextGroupBelow) {
    tableau(7, 1, 1);
    set(rule::Foundations, 4);
    set(rule::FoundationStyle, 2);
    set(rule::FoundationRow, 3);
    run();
    EXPECT_EQ(state.catalogue.value(TMainGame::VerticalFanRoom), 2 * (10 + 96));
    set(rule::Foundations, 0);
    run();
    EXPECT_EQ(state.catalogue.value(TMainGame::VerticalFanRoom), 600 - row1());
    set(rule::TableauFan, 3);
    run();
    EXPECT_EQ(state.catalogue.value(TMainGame::VerticalFanRoom), 96);
}

TEST_F(Layout, StockGroupAndFoundationStyles) {
    tableau(7, 1, 2);
    set(rule::StockPiles, 2);
    set(rule::HasStock, 1);
    set(rule::HasWaste, 1);
    set(rule::StockStyle, 4);
    set(rule::StockRow, 1);
    set(rule::Foundations, 4);
    set(rule::FoundationStyle, 7);
    set(rule::FoundationRow, 1);
    run();
    const Point t0 = at(Collection::Tableau, 0), t1 = at(Collection::Tableau, 1);
    EXPECT_EQ(at(Collection::StockGroup, kStock), (Point{t0.x, row1()}));
    EXPECT_EQ(at(Collection::StockGroup, kWaste), (Point{t1.x, row1()}));
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(at(Collection::Foundations, k),
                  (Point{at(Collection::Tableau, 3 + k).x, row1()}));

    set(rule::FoundationStyle, 8);  // right-aligned, W + G apart
    run();
    EXPECT_EQ(at(Collection::Foundations, 3).x, 790 - 71 - 34 - 5);
    EXPECT_EQ(at(Collection::Foundations, 2).x, 790 - 71 - 34 - 5 - (71 + 34));

    set(rule::StockStyle, 21);
    run();
    const int waste = at(Collection::Tableau, 0).x - 71 - 15;
    EXPECT_EQ(at(Collection::StockGroup, kWaste).x, waste);
    EXPECT_EQ(at(Collection::StockGroup, kStock).x, waste - 71 - 20);
}

TEST_F(Layout, ReservesInTheWayMoveTheTableauOnce) {
    tableau(4, 2, 1);
    set(rule::Reserves, 2);
    set(rule::ReserveStyle, 5);
    set(rule::ReserveRow, 1);
    run();
    // Reserves at G and 2G + W; the tableau starts 86 pixels beyond the last one.
    const int last = 10 + 71 + 10;
    EXPECT_EQ(at(Collection::Reserves, 1).x, last);
    EXPECT_EQ(at(Collection::Tableau, 0).x, last + 71 + 86);
    EXPECT_EQ(at(Collection::Tableau, 1).x, last + 71 + 86 + 81);

    // A tableau style that ignores the left edge overlaps again: the layout
    // keeps the second result instead of running forever.
    tableau(8, 1, 1);
    run();
    EXPECT_FALSE(isHidden(at(Collection::Tableau, 0)));
}

TEST_F(Layout, SecondWasteBelowTheStock) {
    tableau(7, 1, 2);
    set(rule::StockPiles, 1);
    set(rule::HasStock, 1);
    set(rule::StockStyle, 16);
    set(rule::StockRow, 1);
    set(rule::SecondWastePiles, 1);
    set(rule::SecondWasteStyle, 16);
    set(rule::SecondWasteRow, 2);
    run();
    const Point stock = at(Collection::StockGroup, kStock);
    EXPECT_EQ(at(Collection::StockGroup, kSecondWaste), (Point{stock.x, row1() + 96 + 20}));
}

TEST_F(Layout, CrossOfFivePiles) {
    tableau(5, 52, 1);
    set(rule::Foundations, 4);
    set(rule::StockPiles, 2);
    run();
    const int a = 35, x1 = (790 - 3 * 71 - 2 * a) / 2;
    const int y0 = 30 + (560 - 30 - (3 * 96 + 2 * a)) / 2;
    EXPECT_EQ(at(Collection::Tableau, 1), (Point{x1, y0 + a + 96}));
    EXPECT_EQ(at(Collection::Tableau, 0), (Point{x1 + 71 + a, y0}));
    EXPECT_EQ(at(Collection::Tableau, 4), (Point{x1 + 71 + a, y0 + 2 * (a + 96)}));
    EXPECT_EQ(at(Collection::Tableau, 3), (Point{x1 + 2 * (71 + a), y0 + a + 96}));
    EXPECT_EQ(at(Collection::Foundations, 3),
              (Point{x1 + 2 * (71 + a) - 7, y0 + 2 * (a + 96) - 7}));
    EXPECT_EQ(at(Collection::StockGroup, kWaste), (Point{x1 - 71 - 2 * a, y0 + a + 96}));
    EXPECT_TRUE(isHidden(at(Collection::Tableau, 5)));
}

TEST_F(Layout, SmallGridsBetweenStockAndSecondWaste) {
    tableau(13, 93, 1);
    run();
    const int x0 = (790 - 5 * 81) / 2;
    const int y0 = 30 + (560 - 30 - 3 * 106) / 2;
    EXPECT_EQ(at(Collection::Tableau, 4), (Point{x0 + 4 * 81, y0}));
    EXPECT_EQ(at(Collection::Tableau, 10), (Point{x0 + 81, y0 + 2 * 106}));
    // x0 = 192: 192 - 71 - 70 - 10 is not negative, so the side piles are 70 away.
    EXPECT_EQ(at(Collection::StockGroup, kStock), (Point{x0 - 71 - 70, y0 + 106}));
    EXPECT_EQ(at(Collection::StockGroup, kSecondWaste), (Point{x0 + 4 * 81 + 71 + 70, y0 + 106}));
    EXPECT_TRUE(isHidden(at(Collection::StockGroup, kWaste)));
    EXPECT_TRUE(isHidden(at(Collection::Tableau, 13)));
}

TEST_F(Layout, FourByFourGrid) {
    tableau(16, 123, 1);
    run();
    const int x0 = (788 - 4 * 71 - 3 * 10 - 10) / 2, y0 = 30 + (530 - (4 * 96 + 30)) / 2;
    EXPECT_EQ(at(Collection::Tableau, 0), (Point{x0, y0}));
    EXPECT_EQ(at(Collection::Tableau, 15), (Point{x0 + 3 * 81, y0 + 3 * 106}));
}

TEST_F(Layout, StockCopiesFollowTheScrollPosition) {
    tableau(7, 1, 2);
    set(rule::StockPiles, 1);
    set(rule::HasStock, 1);
    set(rule::StockStyle, 4);
    set(rule::StockRow, 1);
    run();
    setScrollPosition(state, 40);
    const StockCopy copy = stockCopy(state, kStock);
    EXPECT_EQ(copy.y, row1());
    EXPECT_EQ(copy.scrolledY, row1() - 40);
    EXPECT_EQ(at(Collection::StockGroup, kStock).y, row1() - 40);
}

TEST(IrregularPiles, EveryNewGameShiftsTheCardsAnew) {
    testing::TestEngine engine;
    ASSERT_TRUE(engine.initialise());
    EngineState& s = *engine.state;
    s.settings.put(setting::IrregularPiles, "Y");
    ASSERT_TRUE(engine.deal(0, "1"));
    const JitterTable first = s.jitter;
    ASSERT_TRUE(engine.deal(0, "1"));
    EXPECT_NE(first, s.jitter);
    for (const auto& row : s.jitter) EXPECT_EQ(row[0], 0);
}

// --- The whole collection ---------------------------------------------------

// The rectangle a pile covers once dealt: its place and every card on it.
Rect extentOf(const EngineState& s, PileRef pile) {
    const Point base = pilePosition(s, pile);
    Rect r{base.x, base.y, base.x + s.cardWidth, base.y + s.cardHeight};
    const int cards = positions(*s.piles.pile(pile.collection, pile.slot));
    for (int i = 0; i < cards; ++i) {
        const Point p = cardPositionAt(s, pile, i);
        r.left = std::min(r.left, p.x);
        r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x + s.cardWidth);
        r.bottom = std::max(r.bottom, p.y + s.cardHeight);
    }
    return r;
}

std::vector<std::pair<PileRef, Rect>> usedPiles(const EngineState& s) {
    std::vector<PileRef> piles;
    const RuleTable& r = s.rules;
    const int stockPiles = r[rule::StockPiles];
    const bool hasStock = r[rule::HasStock] == 1, hasWaste = r[rule::HasWaste] == 1;
    if (stockPiles >= 1 && (hasStock || !hasWaste))
        piles.push_back({Collection::StockGroup, kStock});
    if (stockPiles >= 2 || (stockPiles == 1 && hasWaste && !hasStock))
        piles.push_back({Collection::StockGroup, kWaste});
    if (r[rule::SecondWastePiles] > 0) piles.push_back({Collection::StockGroup, kSecondWaste});
    for (int k = 0; k < r.foundations(); ++k) piles.push_back({Collection::Foundations, k});
    for (int k = 0; k < r.tableauPiles(); ++k) piles.push_back({Collection::Tableau, k});
    for (int k = 0; k < r.reserves(); ++k) piles.push_back({Collection::Reserves, k});
    std::vector<std::pair<PileRef, Rect>> out;
    for (const PileRef& p : piles) out.emplace_back(p, extentOf(s, p));
    return out;
}

// Games whose single row of tableau piles is wider than an 800-pixel table
// even with the medium cards, until their definitions choose a layout that
// fits; they must still fit at 1024 x 768 and never overlap.
bool awaitsNarrowerLayout(const std::string& game, int width) {
    static const std::set<std::string> kGames = {"Lucas", "Baker's Dozen"};
    return width < 1024 && kGames.count(game) > 0;
}

TEST(LayoutOfTheCollection, EveryPileInsideTheTableAndApart) {
    testing::TestEngine engine;
    ASSERT_TRUE(engine.initialise());
    EngineState& s = *engine.state;
    const std::pair<int, int> windows[] = {{1024, 768}, {800, 600}};
    int games = 0;
    for (const auto& entry : s.catalogue.gameList()) {
        if (entry.id() < 0) continue;
        ++games;
        for (auto [width, height] : windows) {
            for (const char* size : {"B", "M"}) {
                engine.host.screenInfo.width = width;
                engine.host.screenInfo.height = height;
                s.settings.put(setting::CardSize, size);
                ASSERT_TRUE(engine.deal(entry.id(), "0000000012345")) << entry.name();
                const WindowMetrics m = metricsForWindow(width, height);
                layOutTable(s, m);
                const std::string where = entry.name() + " at " + std::to_string(width) + "x" +
                                          std::to_string(height) + " size " + size;
                const auto piles = usedPiles(s);
                for (size_t i = 0; i < piles.size(); ++i) {
                    const auto& [pile, rect] = piles[i];
                    const std::string name = pileKey(pile);
                    ASSERT_FALSE(isHidden(pilePosition(s, pile)))
                        << where << ": " << name << " is not placed";
                    const bool inside = rect.left >= 0 && rect.right <= m.tableWidth &&
                                        rect.top >= m.top && rect.bottom <= m.bottom;
                    if (!inside && awaitsNarrowerLayout(entry.name(), width))
                        std::cout << "note: " << where << ": " << name << " " << rect
                                  << " leaves the table\n";
                    else
                        EXPECT_TRUE(inside)
                            << where << ": " << name << " " << rect << " leaves the table";
                    for (size_t j = i + 1; j < piles.size(); ++j)
                        EXPECT_FALSE(rect.overlaps(piles[j].second))
                            << where << ": " << name << " " << rect << " overlaps "
                            << pileKey(piles[j].first) << " " << piles[j].second;
                }
            }
        }
    }
    EXPECT_GT(games, 0);
}

}  // namespace
}  // namespace tarvelle
