// The top band of the main window: where the time and score panels, the demo
// bar and the two lines at the table's upper edge go.
#pragma once

namespace tarvelle {

struct BandRect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    bool operator==(const BandRect&) const = default;
};

struct TopBandInput {
    int windowWidth = 0;
    bool toolBarShown = true;
    int toolBarTop = 0;
    int toolBarHeight = 0;
    int toolBarWidth = 0;
    int exitButtonRight = 0;  // right edge of the visible toolbar's Exit button
    int timeWidth = 0, scoreWidth = 0, panelHeight = 0;
    bool showTime = true, showScore = true;
    bool demo = false;
    int demoHeight = 0;
};

struct TopBandLayout {
    BandRect time, score;  // panel places, in the toolbar's coordinates
    bool timeVisible = false, scoreVisible = false;
    BandRect demoLine, demoBar;
    bool demoVisible = false;
    BandRect greyLine, blackLine;
    int bandBottom = 0;  // where the table begins, below the black line
};

TopBandLayout layOutTopBand(const TopBandInput& in);

}  // namespace tarvelle
