// The table layout: from the game's layout descriptors, the window metrics and
// the card size to the top-left corner of every pile of the current game.
#include "table/Layout.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/CardPositions.h"
#include "records/SettingsFields.h"

namespace tarvelle {

namespace {

constexpr int kUnused = -10000;

using V = TMainGame::FanValue;

// One pile group's descriptor: row digit, style and count.
struct Descriptor {
    int row = 0;
    int style = 0;
    int count = 0;
};

Descriptor descriptorOf(const RuleTable& r, int styleRule, int rowRule, int count) {
    Descriptor d;
    d.style = r[styleRule];
    d.row = std::clamp(r[rowRule], 0, 9);
    d.count = count;
    return d;
}

// Raw access to the position tables: the getters of TMainGame subtract the
// scroll position, the layout works on stored values.
struct Table {
    TMainGame& c;

    int stockX(int k) const { return c.stockX(k); }
    int stockY(int k) const { return c.value(56 + k); }
    void stock(int k, int x, int y) { c.setStockPosition(k, x, y); }
    int foundationX(int k) const { return c.foundationX(k); }
    int foundationY(int k) const { return c.value(17 + k); }
    void foundation(int k, int x, int y) { c.setFoundationPosition(k, x, y); }
    int reserveX(int k) const { return c.reserveX(k); }
    int reserveY(int k) const { return c.value(43 + k); }
    void reserve(int k, int x, int y) { c.setReservePosition(k, x, y); }
    int tableauX(int k) const {
        return k >= 0 && k < 30 ? c.tableauX[static_cast<size_t>(k)] : kUnused;
    }
    int tableauY(int k) const {
        return k >= 0 && k < 30 ? c.tableauY[static_cast<size_t>(k)] : kUnused;
    }
    void tableau(int k, int x, int y) { c.setTableauPosition(k, x, y); }
    void tableauX(int k, int x) { c.setTableauPosition(k, x, tableauY(k)); }
};

// One run of the layout over the current game.
class LayoutRun {
public:
    LayoutRun(EngineState& state, const WindowMetrics& metrics)
        : s_(state), r_(state.rules), t_{state.catalogue}, m_(metrics) {
        W = state.cardWidth;
        H = state.cardHeight;
        S = state.shadowDepth;
        stock_ = descriptorOf(r_, rule::StockStyle, rule::StockRow,
                              std::clamp(r_[rule::StockPiles], 0, 2));
        foundations_ =
            descriptorOf(r_, rule::FoundationStyle, rule::FoundationRow, r_.foundations());
        tableau_ = descriptorOf(r_, rule::TableauStyle, rule::TableauRow, r_.tableauPiles());
        reserves_ = descriptorOf(r_, rule::ReserveStyle, rule::ReserveRow, r_.reserves());
        secondWaste_ = descriptorOf(r_, rule::SecondWasteStyle, rule::SecondWasteRow,
                                    std::clamp(r_[rule::SecondWastePiles], 0, 1));
        hasStock_ = r_[rule::HasStock] == 1;
        hasWaste_ = r_[rule::HasWaste] == 1;
    }

    void run() {
        computeRows();
        fanRooms();
        if (isSpecialStyle(tableau_.style)) {
            special();
        } else {
            generic();
            // A tableau that the reserves run into starts again beside them,
            // once: a second run that still overlaps is kept as it is.
            if (reserves_.count > 0 && reserves_.style == 5 && tableauHitsLastReserve()) {
                const int edge = t_.reserveX(reserves_.count - 1) + W + 86;
                fixedLeftEdge_ = edge > 0 ? edge : G;
                computeRows();
                fanRooms();
                generic();
            }
        }
        finish();
    }

private:
    // --- Rows and columns -------------------------------------------------

    void computeRows() {
        tableWidth_ = m_.tableWidth;
        if (m_.formHeight < 500) tableWidth_ -= 10;
        tableWidth_ -= 2;
        M = m_.formHeight >= 500 ? 10 : 5;
        row1_ = m_.top + M + (stock_.row == 1 ? 15 : 0);
        row2_ = row1_ + M + H + (stock_.row == 2 || stock_.style == 3 ? 15 : 0);
        row3_ = row2_ + M + H;
        row4_ = row3_ + M + H;
        bottomRow_ = m_.formHeight > 0.8 * m_.screenHeight ? m_.formHeight - H - 50
                                                           : m_.screenHeight - H - 30;
        middleRow_ = row2_ + (row3_ - row2_) / 2;
        if (tableau_.style == 15) {
            row1_ = m_.top + 15;
            row2_ = row1_ + 5 + H;
            row3_ = row2_ + 5 + H;
        }
        c1_ = std::max(m_.top + (m_.bottom - m_.top - (3 * H + 20)) / 2, m_.top + 2);
        d1_ = std::max(m_.top + (m_.bottom - m_.top - (4 * H + 30)) / 2, m_.top + 2);
        G = tableWidth_ >= 650 ? 10 : 3;
        if (stock_.count > 0) {
            G += S;
            const int st = stock_.style;
            if (st == 3 || st == 4 || st == 5 || st == 16 || st == 19 || secondWaste_.style == 4)
                G += 15;
        }
    }

    int rowY(int digit) const {
        switch (digit) {
            case 2: return row2_;
            case 3: return row3_;
            case 4: return row4_;
            case 5: return bottomRow_;
            case 6: return middleRow_;
            default: return row1_;
        }
    }
    // The three centred rows, continued every H + 10 below the third.
    int centredRow(int i) const { return c1_ + i * (H + 10); }
    // The four centred rows, continued the same way.
    int centredRow4(int i) const { return d1_ + i * (H + 10); }

    void fanRooms() {
        TMainGame& c = s_.catalogue;
        c.setValue(V::VerticalFanRoom, H);
        c.setValue(V::HorizontalFanRoom, W);
        const int kind = r_[rule::TableauFan];
        if (kind == 3 || kind != 1) return;
        const int t = tableau_.row;
        if (t < 1 || t > 3) return;
        std::optional<int> next;
        for (int digit = t + 1; digit <= 4 && !next; ++digit)
            for (const Descriptor* d : {&stock_, &foundations_, &reserves_})
                if (d->count > 0 && d->row == digit) next = digit;
        c.setValue(V::VerticalFanRoom, next ? rowY(*next) - rowY(t) : m_.formHeight - rowY(t));
    }

    // --- Generic styles ---------------------------------------------------

    void generic() {
        if (tableau_.count > 0) placeTableau();
        if (stock_.count > 0) placeStockGroup();
        if (foundations_.count > 0) placeFoundations();
        if (tableau_.count > 0 && tableau_.style == 20) placeTableauUnderFoundations();
        if (reserves_.count > 0) placeReserves();
        if (secondWaste_.count > 0) placeSecondWaste();
    }

    static int clampGap(int g) { return std::clamp(g, 4, 20); }

    void placeRow(int x0, int gap, int y) {
        for (int k = 0, x = x0; k < tableau_.count; ++k, x += W + gap) t_.tableau(k, x, y);
    }

    // Rows of `perRow` piles starting at x0 on the rows that rowOf gives.
    template <typename RowOf>
    void placeGrid(int x0, int gap, int perRow, RowOf rowOf) {
        perRow = std::max(perRow, 1);
        for (int k = 0; k < tableau_.count; ++k) {
            const int column = k % perRow, row = k / perRow;
            t_.tableau(k, x0 + column * (W + gap), rowOf(row));
        }
    }

    void placeTableau() {
        const int n = tableau_.count;
        const int st = tableau_.style;
        const int y = rowY(tableau_.row);
        const int tw = tableWidth_;
        const bool stockBeside = stock_.style == 4 || secondWaste_.style == 4;
        gap_ = 10;
        switch (st) {
            case 1:
            case 14:
            case 15: {
                int g = clampGap((tw - n * W) / (n + 1));
                if (st == 1 && stockBeside) g = std::max(g, 15);
                int x0 = (tw - (n * W + (n - 1) * g)) / 2;
                if (x0 < G) {
                    if (st == 1) {
                        x0 = G;
                    } else {
                        if (n > 1)
                            g = clampGap(
                                g - static_cast<int>(std::trunc((G - x0) / double(n - 1) + 0.99)));
                        x0 = m_.screenWidth < 650 ? G - 2 : G;
                    }
                }
                gap_ = g;
                const int widened = st != 1 && stockBeside && g < 15 ? stock_.count - 1 : 0;
                for (int k = 0, x = x0; k < n; ++k) {
                    t_.tableau(k, x, y);
                    x += W + (k < widened ? 15 : g);
                }
                break;
            }
            case 2: {
                const int g = tw >= 650 ? 10 : 5;
                const int x0 = fixedLeftEdge_ ? *fixedLeftEdge_ : (tw - n * W - (n - 1) * g) / 2;
                gap_ = g;
                placeRow(x0, g, y);
                break;
            }
            case 3:
            case 11:
            case 12:
            case 21: {
                const int k = st == 3 || st == 12 ? 1 : 2;
                int g = (tw - (n + k) * W - 2 - 30) / (n + 1 + k);
                if (g < 4)
                    g = 4;
                else if (g > 20)
                    g = 15;
                if (st == 21) g = 2;
                int x0 = std::max((tw - 10 - 30 + g - ((k + n) * W + (n - 1 + k) * g)) / 2, G);
                x0 += (22 + W) * k + (st == 11 || st == 12 ? 15 : 0);
                gap_ = g;
                placeRow(x0, g, y);
                break;
            }
            case 10: {
                const int rows = std::max(r_[rule::TableauGridRows], 1);
                const int g = static_cast<int>(std::trunc(0.85 * W));
                gap_ = g;
                if (rows == 1)
                    placeRow(15, g, centredRow(0));
                else
                    placeGrid(15, g, n / rows, [&](int row) { return centredRow(row); });
                break;
            }
            case 13: placeRow(m_.screenHeight < 500 ? 8 : 2 * 9 + 30, 4, y); break;
            case 18: {
                const int rows = std::max(r_[rule::TableauGridRows], 1);
                const int perRow = std::max(n / rows, 1);
                const int g = std::max((tw - W * perRow - 2) / (perRow + 1),
                                       static_cast<int>(std::trunc(1.5 * W)));
                gap_ = g;
                const int first = std::max(tableau_.row, 1) - 1;
                placeGrid(m_.screenHeight < 500 ? 15 : G + 10, g, perRow,
                          [&](int row) { return centredRow4(first + row); });
                break;
            }
            case 20:
                // Placed under the foundations once they lie; the row is known now.
                gap_ = 10;
                for (int k = 0; k < n; ++k) t_.tableau(k, t_.tableauX(k), y);
                break;
            default: break;
        }
    }

    void placeTableauUnderFoundations() {
        const int n = tableau_.count;
        const int first = t_.foundationX(0);
        const int last = t_.foundationX(foundations_.count - 1);
        const int x0 = first + (last + W - first - W * n - 10 * (n - 1)) / 2;
        for (int k = 0; k < n; ++k) t_.tableauX(k, x0 + k * (W + 10));
    }

    // Which stock-group slots the game shows: the stock, then the waste; a game
    // with a waste and no stock shows the waste alone.
    bool usesStock() const { return stock_.count >= 1 && (hasStock_ || !hasWaste_); }
    bool usesWaste() const {
        return stock_.count >= 2 || (stock_.count == 1 && hasWaste_ && !hasStock_);
    }

    void placeStockGroup() {
        const int y = rowY(stock_.row);
        const int x0 = t_.tableauX(0);
        std::optional<int> stockX, wasteX;
        int wasteY = y;
        switch (stock_.style) {
            case 3:
                stockX = x0 - W - 22;
                wasteX = stockX;
                wasteY = row2_;
                break;
            case 4:
                if (hasStock_ && hasWaste_) {
                    stockX = x0;
                    wasteX = t_.tableauX(1);
                } else if (hasWaste_) {
                    wasteX = x0;
                } else {
                    stockX = x0;
                }
                break;
            case 5:
                stockX = G;
                wasteX = G + W + G;
                break;
            case 11:
                wasteX = x0 - W - 45;
                stockX = *wasteX - W - 15;
                break;
            case 13:
                stockX = m_.screenHeight < 500 ? 15 : 15 + S / 2;
                wasteX = *stockX + W + 15;
                break;
            case 16:
            case 19: {
                const int x = x0 - W - (stock_.style == 16 ? 30 : 60);
                if (hasStock_ || !hasWaste_)
                    stockX = x;
                else
                    wasteX = x;
                break;
            }
            case 21:
                wasteX = x0 - W - 15;
                stockX = *wasteX - W - 20;
                break;
            default: break;
        }
        if (usesStock() && stockX) t_.stock(kStock, *stockX, y);
        if (usesWaste() && wasteX) t_.stock(kWaste, *wasteX, wasteY);
    }

    void placeFoundations() {
        const int f = foundations_.count;
        const int n = tableau_.count;
        const int y = rowY(foundations_.row);
        const int tw = tableWidth_;
        int h = std::max(gap_ / 3, 1);
        auto fromLeft = [&](int x0, int step) {
            for (int k = 0; k < f; ++k) t_.foundation(k, x0 + k * step, y);
        };
        auto fromRight = [&](int last, int step) {
            for (int k = 0; k < f; ++k) t_.foundation(k, last - (f - 1 - k) * step, y);
        };
        auto overLastTableauPiles = [&] {
            for (int k = 0; k < f; ++k) {
                const int slot = n - f + k;
                if (slot >= 0) t_.foundation(k, t_.tableauX(slot), y);
            }
        };
        switch (foundations_.style) {
            case 1:
                h = std::max((tw - f * W - 2) / (f + 1), 1);
                fromLeft(h, W + h);
                break;
            case 2:
                h = std::max(gap_ / 2, 1);
                fromLeft((tw - (f * W + (f - 1) * h)) / 2, W + h);
                break;
            case 7: overLastTableauPiles(); break;
            case 8: fromRight(tw - W - G - 5, W + G); break;
            case 9: fromRight(t_.tableauX(n - 1), W + h); break;
            case 13:
                if (m_.screenHeight < 500)
                    fromRight(t_.tableauX(n - 1), W + 1);
                else
                    overLastTableauPiles();
                break;
            case 17: {
                const int beside = usesWaste() ? kWaste : kStock;
                const bool small = m_.screenHeight < 500;
                const int x0 = t_.stockX(beside) + W + (small ? 10 : 20);
                for (int k = 0; k < f; ++k)
                    t_.foundation(k, x0 + k * (W + (small ? 1 : 3)), t_.stockY(beside));
                break;
            }
            default: break;
        }
    }

    void placeReserves() {
        const int count = reserves_.count;
        const int n = tableau_.count;
        const int y = rowY(reserves_.row);
        const int h = std::max(gap_ / 3, 1);
        switch (reserves_.style) {
            case 4:
                for (int k = 0; k < count; ++k) t_.reserve(k, t_.tableauX(k), y);
                break;
            case 5:
                for (int k = 0; k < count; ++k) t_.reserve(k, G + k * (W + G), y);
                break;
            case 6:
                for (int k = 0; k < count; ++k) t_.reserve(k, t_.tableauX(0) + k * (W + h), y);
                break;
            case 7:
                for (int k = 0; k < count; ++k) t_.reserve(k, t_.tableauX(n - count + k), y);
                break;
            case 11: t_.reserve(0, t_.stockX(kWaste), y); break;
            case 12: t_.reserve(0, t_.tableauX(0) - W - (n < 8 ? 45 : 22), y); break;
            default: break;
        }
    }

    void placeSecondWaste() {
        const int digit = secondWaste_.row;
        switch (secondWaste_.style) {
            case 6: t_.stock(kSecondWaste, t_.tableauX(1), rowY(digit)); break;
            case 7: t_.stock(kSecondWaste, t_.tableauX(tableau_.count - 1), rowY(digit)); break;
            case 16:
                t_.stock(kSecondWaste, t_.stockX(kStock), rowY(std::max(digit - 1, 1)) + H + 20);
                break;
            default: break;
        }
    }

    // --- The overlap check of the reserves beside the tableau ---------------

    bool tableauHitsLastReserve() const {
        const int k = reserves_.count - 1;
        const int rx = t_.reserveX(k), ry = t_.reserveY(k);
        if (rx < kHiddenBelow) return false;
        const int rRight = rx + W, rBottom = ry + H;
        for (int slot = 0; slot < kTableauSlots; ++slot) {
            const int tx = t_.tableauX(slot), ty = t_.tableauY(slot);
            if (tx < kHiddenBelow || ty < kHiddenBelow) continue;
            const int left = tx - 85, right = tx + W + 85, top = ty, bottom = ty + H;
            auto inside = [&](int x, int y) {
                return x >= left && x <= right && y >= top && y <= bottom;
            };
            if (inside(rx, ry) || inside(rRight, ry) || inside(rx, rBottom) ||
                inside(rRight, rBottom))
                return true;
            const bool edgeInRange =
                (rx >= left && rx <= right) || (rRight >= left && rRight <= right);
            if (!edgeInRange) continue;
            for (int y = ry; y <= rBottom; y += 50)
                if (y >= top && y <= bottom) return true;
        }
        return false;
    }

    // --- Hand-made arrangements ---------------------------------------------

    void hideAll() {
        for (int k = 0; k < 4; ++k) t_.stock(k, kUnused, kUnused);
        for (int k = 0; k <= kFoundationSlots; ++k) t_.foundation(k, kUnused, kUnused);
        for (int k = 0; k <= kReserveSlots; ++k) t_.reserve(k, kUnused, kUnused);
        for (int k = 0; k < 30; ++k) t_.tableau(k, kUnused, kUnused);
    }

    void special() {
        hideAll();
        switch (tableau_.style) {
            case 52: cross(); break;
            case 93: smallGrid({5, 5, 3}, m_.formHeight < 500 ? 6 : 10); break;
            case 94: smallGrid({3, 3, 3}, 10); break;
            case 95: smallGrid({4, 4, 4}, 10); break;
            case 123: grid4x4(); break;
            default: break;
        }
    }

    // Five tableau piles in a cross, the foundations in its corners, the
    // stock and waste to the left.
    void cross() {
        const int a = m_.formHeight >= 500 ? 35 : 25;
        const int x1 = std::max((tableWidth_ - 3 * W - 2 * a) / 2, W + 2 * a + 25);
        const int xc = x1 + W + a, x3 = xc + W + a;
        const int y0 = std::max(m_.top + (m_.bottom - m_.top - (3 * H + 2 * a)) / 2, row1_);
        const int ym = y0 + a + H, y4 = ym + a + H;
        t_.tableau(0, xc, y0);
        t_.tableau(1, x1, ym);
        t_.tableau(2, xc, ym);
        t_.tableau(3, x3, ym);
        t_.tableau(4, xc, y4);
        t_.foundation(0, x1 + 7, y0 + 7);
        t_.foundation(1, x3 - 7, y0 + 7);
        t_.foundation(2, x1 + 7, y4 - 7);
        t_.foundation(3, x3 - 7, y4 - 7);
        t_.stock(kStock, x1 - W - 2 * a, y0);
        t_.stock(kWaste, x1 - W - 2 * a, ym);
    }

    // Rows of piles between the stock on the left and the second waste on the
    // right; a short last row sits under the second column on.
    void smallGrid(std::initializer_list<int> rows, int a) {
        const int columns = *std::max_element(rows.begin(), rows.end());
        int x0 = (tableWidth_ - columns * (W + a)) / 2;
        int m = 70;
        if (x0 - W - 70 - a < 0) m = 35;
        if (m == 35 && x0 - W - 35 - a < 0) m = 15;
        if (m == 15 && x0 - W - 15 - a < 0) x0 = W + 15 + G;
        const int y0 = std::max(m_.top + (m_.bottom - m_.top - 3 * (H + a)) / 2, row1_);
        int slot = 0, row = 0;
        for (int inRow : rows) {
            const int firstColumn = inRow < columns ? 1 : 0;
            for (int c = 0; c < inRow; ++c, ++slot)
                t_.tableau(slot, x0 + (firstColumn + c) * (W + a), y0 + row * (H + a));
            ++row;
        }
        const int stockY = y0 + H + a;
        t_.stock(kStock, x0 - W - m, stockY);
        t_.stock(kSecondWaste, x0 + (columns - 1) * (W + a) + W + m, stockY);
    }

    void grid4x4() {
        const bool second = secondWaste_.count > 0;
        int a = second ? 5 : 10;
        if (m_.formHeight < 500) a = 1;
        const int columnFactor = second ? 6 : 4, rowFactor = second ? 4 : 3;
        const int x0 =
            std::max(((tableWidth_ - 2) - columnFactor * W - rowFactor * a - 10) / 2, 25);
        const int y0 = m_.top + (m_.bottom - m_.top - (4 * H + 3 * a)) / 2;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) t_.tableau(4 * r + c, x0 + c * (W + a), y0 + r * (H + a));
        if (second)
            t_.stock(kSecondWaste, x0 + 3 * (W + a) + a + 2 * W, t_.tableauY(7) + (W + a) / 2);
    }

    // --- Finish -------------------------------------------------------------

    void finish() {
        if (t_.stockY(kWaste) == kUnused) t_.stock(kWaste, t_.stockX(kWaste), t_.stockY(kStock));
        for (int k = 1; k <= 3; ++k)
            if (t_.foundationY(k) == kUnused)
                t_.foundation(k, t_.foundationX(k), t_.foundationY(0));
        for (int k = 1; k <= 6; ++k)
            if (t_.tableauY(k) == kUnused) t_.tableau(k, t_.tableauX(k), t_.tableauY(0));
        TMainGame& c = s_.catalogue;
        if (r_[rule::TableauFan] == 2) {
            const int room = t_.tableauY(0) == t_.tableauY(1) ? t_.tableauX(1) - t_.tableauX(0)
                                                              : t_.foundationX(0) - t_.tableauX(0);
            c.setValue(V::HorizontalFanRoom, std::abs(room));
        }
        setScrollPosition(s_, m_.scrollPosition);
    }

    EngineState& s_;
    const RuleTable& r_;
    Table t_;
    const WindowMetrics m_;
    int W = 71, H = 96, S = 9, M = 10, G = 10;
    Descriptor stock_, foundations_, tableau_, reserves_, secondWaste_;
    bool hasStock_ = false, hasWaste_ = false;
    int tableWidth_ = 0;
    int row1_ = 0, row2_ = 0, row3_ = 0, row4_ = 0, bottomRow_ = 0, middleRow_ = 0, c1_ = 0,
        d1_ = 0;
    int gap_ = 10;  // the tableau gap, which the foundation and reserve styles follow
    std::optional<int> fixedLeftEdge_;
};

}  // namespace

WindowMetrics metricsForTable(int width, int height, int top, int scrollBarWidth, int screenWidth,
                              int screenHeight) {
    constexpr int kTitleAndMenu = 40;
    WindowMetrics m;
    m.screenWidth = screenWidth;
    m.screenHeight = screenHeight;
    m.tableWidth = width - scrollBarWidth;
    m.formHeight = height + kTitleAndMenu;
    m.top = top;
    m.bottom = height - 1;
    return m;
}

WindowMetrics metricsForWindow(int width, int height) {
    constexpr int kTitleAndMenu = 40, kToolPanel = 30, kScrollBar = 16;
    return metricsForTable(width, height - kTitleAndMenu, kToolPanel, kScrollBar, width, height);
}

void applyCardSize(EngineState& state) {
    const std::string size = state.settings.get(setting::CardSize);
    if (size == "B" || size == "M" || size == "L") {
        const Point wh = cardSizeOf(size[0]);
        state.cardWidth = wh.x;
        state.cardHeight = wh.y;
    }
    state.shadowDepth = state.settings.get(setting::CardsShadowed) == "N" ? 0 : 9;
}

void layOutTable(EngineState& state, const WindowMetrics& metrics) {
    applyCardSize(state);
    computeFanOffsets(state);
    LayoutRun(state, metrics).run();
}

void setScrollPosition(EngineState& state, int position) {
    TMainGame& c = state.catalogue;
    c.setScrollOffset(position);
    for (int k = 0; k < kStockSlots; ++k) {
        c.setValue(layout_value::StockCopyX + k, c.stockX(k));
        c.setValue(layout_value::StockCopyScrolledY + k, c.stockY(k));
        c.setValue(layout_value::StockCopyY + k, c.value(56 + k));
    }
}

StockCopy stockCopy(const EngineState& state, int slot) {
    const TMainGame& c = state.catalogue;
    return {c.value(layout_value::StockCopyX + slot),
            c.value(layout_value::StockCopyScrolledY + slot),
            c.value(layout_value::StockCopyY + slot)};
}

bool isSpecialStyle(int style) {
    return (style >= 51 && style <= 101) || (style >= 103 && style <= 134);
}

}  // namespace tarvelle
