// The table layout: from the game's layout descriptors, the window metrics and
// the card size to the top-left corner of every pile of the current game.
#pragma once

#include "engine/EngineState.h"

namespace tarvelle {

// The main window as the layout sees it, in pixels of the table image.
struct WindowMetrics {
    int tableWidth = 0;  // main window width less the width of the vertical scroll bar
    int formHeight = 0;  // main window height
    int top = 5;         // bottom edge of the first visible tool panel; 5 when none shows
    int bottom = 0;      // client height - 1
    int screenWidth = 0;
    int screenHeight = 0;
    int scrollPosition = 0;  // the vertical scroll bar's position when the layout runs
};

// The metrics of a table area (the widget that shows the table image) of the
// given size on a screen: `top` is the bottom edge of the tool panel drawn
// over the table (5 when none shows), `scrollBarWidth` the width kept for the
// vertical scroll bar. The form height is the area's height plus the 40 rows
// of title and menu bar that the layout's bottom row allows for.
WindowMetrics metricsForTable(int width, int height, int top, int scrollBarWidth, int screenWidth,
                              int screenHeight);

// A main window of the given outer size filling a screen of that size, as the
// command-line tool and the tests draw it: 40 rows of title and menu bar
// above a table area with a 30-pixel tool panel over its top, and 16 pixels
// kept for the vertical scroll bar. The table area is `width` x (`height` - 40).
WindowMetrics metricsForWindow(int width, int height);

// The layout values kept with the positions in the catalogue's table.
namespace layout_value {
inline constexpr int StockCopyX = 88;          // 3 values: X of the stock-group slots
inline constexpr int StockCopyScrolledY = 91;  // 3 values: their Y less the scroll position
inline constexpr int StockCopyY = 94;          // 3 values: their Y
}  // namespace layout_value

// The card size from the card-size letter ("B", "M", "L"; any other letter
// keeps the size there is) and the shadow depth from the shadow setting.
void applyCardSize(EngineState& state);

// Computes the fan offsets and lays out every pile of the current game. Piles
// that no style places keep the hidden positions the table preparation wrote.
void layOutTable(EngineState& state, const WindowMetrics& metrics);

// Stores the scroll position and refreshes the stock-group copies, as a change
// of the scroll bar does.
void setScrollPosition(EngineState& state, int position);

// The stock-group copies of a slot (0-2) as the layout stored them.
struct StockCopy {
    int x = 0;
    int scrolledY = 0;
    int y = 0;
};
StockCopy stockCopy(const EngineState& state, int slot);

// Whether the style of the tableau descriptor is one of the hand-made
// arrangements that place every pile themselves.
bool isSpecialStyle(int style);

}  // namespace tarvelle
