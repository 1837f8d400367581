// The top band of the main window: where the time and score panels, the demo
// bar and the two lines at the table's upper edge go.
#include "ui/TopBand.h"

namespace tarvelle {

TopBandLayout layOutTopBand(const TopBandInput& in) {
    TopBandLayout out;
    const int toolBarHeight = in.toolBarShown ? in.toolBarHeight : 0;
    const int panelTop = (toolBarHeight - in.panelHeight) / 2;
    out.time = {in.windowWidth - 15 - in.timeWidth, panelTop, in.timeWidth, in.panelHeight};
    out.score = in.showTime ? BandRect{out.time.left - 5 - in.scoreWidth, panelTop, in.scoreWidth, in.panelHeight}
                            : BandRect{in.windowWidth - 15 - in.scoreWidth, panelTop, in.scoreWidth, in.panelHeight};
    int bottom = in.toolBarShown ? in.toolBarTop + in.toolBarHeight : in.toolBarTop;
    const int width = in.toolBarShown ? in.toolBarWidth : in.windowWidth;
    if (in.demo) {
        out.demoLine = {0, bottom, width, 2};
        out.demoBar = {0, bottom + 2, width, in.demoHeight};
        out.demoVisible = true;
        bottom += 2 + in.demoHeight;
    }
    out.greyLine = {0, bottom, width, 1};
    out.blackLine = {0, bottom + 1, width, 1};
    out.bandBottom = bottom + 2;
    // A panel that would cover the toolbar's buttons stays hidden.
    const bool bandShown = in.toolBarShown;
    out.scoreVisible = bandShown && in.showScore && out.score.left > in.exitButtonRight + 3;
    out.timeVisible = bandShown && in.showTime && out.time.left > in.exitButtonRight + 3;
    return out;
}

}  // namespace tarvelle
