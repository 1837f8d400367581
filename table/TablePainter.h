// The table on screen: the table image and the background image, and every
// drawing operation the main window calls to keep them showing the game.
//
// How the main window uses it:
// - At start-up: setScreenSize(screen width, screen height), then
//   reloadCardImages().
// - Its Host forwards the engine's table hooks here:
//     layOutTable()          -> tarvelle::layOutTable(state, metrics) (Layout.h)
//     reloadCardImages(), chooseRandomLooks(), clearTableImage(),
//     drawDealtTable(animate), redrawPile(pile, effect)
//                            -> the calls of the same names
//     redrawChangedPiles(before, now, effect) -> redrawChangedPiles()
//     repaintTable()         -> repaint(metrics)
//     drawEmptyStockMarker(pile, ms) -> drawMark(pile); after the time, redrawPile(pile)
//     updateScrollExtent()   -> decideScroll(client height, bar shown)
// - Painting: copy tableImage() from row scrollPosition() onto the widget;
//   nothing else draws on the widget. onChanged names the rectangles of the
//   table image that changed, for update().
// - After anything that changes the piles (a move, a stock press, undo, a
//   face turned up): redrawChangedPiles(). It redraws the piles whose cards,
//   faces or marks differ from what it last drew, and what they covered,
//   each area exactly as a full repaint draws it.
// - On a resize (not while paused; setPaused() makes repaint() do nothing):
//   setScreenSize() when the screen changed, then repaint(metrics), then
//   decideScroll(): Grow -> growImages(amount), repaint(metrics), show the
//   bar with its maximum grown by amount - 30; Hide -> bar to 0 and hidden,
//   setScrollBarShown(false), setScreenSize() and repaint(metrics).
// - On a scroll: setScrollPosition(state, position) from Layout.h and a
//   widget update; the table image holds the whole table, so nothing is redrawn.
// - A change of card size, face set or back: reloadCardImages() then repaint().
#pragma once

#include <QImage>
#include <QRect>
#include <array>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/CardPositions.h"
#include "engine/EngineState.h"
#include "table/Backgrounds.h"
#include "table/CardImages.h"
#include "table/Layout.h"
#include "table/PictureSource.h"

namespace tarvelle {

// What the vertical scroll bar should do after a full draw.
struct ScrollDecision {
    enum class Action { Keep, Hide, Grow };
    Action action = Action::Keep;
    int amount = 0;  // Grow: rows the images gained; the bar's maximum grows by amount - 30
};

class TablePainter {
public:
    TablePainter(EngineState& state, const PictureSource& pictures);

    CardImages& cardImages() { return cards_; }

    // --- The two off-screen images ------------------------------------------
    // Both become the screen size plus 30 pixels each way, painted with the
    // background; after a full draw the scroll position is back at 0, and so
    // must the scroll bar be.
    void setScreenSize(int width, int height);
    const QImage& tableImage() const { return table_; }
    // For the card motion, which paints the moving image into the table
    // image; what it paints stays until the piles under it are redrawn.
    QImage& tableImage() { return table_; }
    const QImage& backgroundImage() const { return background_; }
    // A point at window y lies at table image y + scrollPosition().
    int scrollPosition() const;
    // The screen's device pixel ratio: the images hold that many pixels per
    // table pixel (their own devicePixelRatio() says so), and cards are drawn
    // from the decks at that size instead of scaling the stored pictures.
    // Every coordinate of this interface stays in table pixels.
    void setDevicePixelRatio(qreal ratio);
    qreal devicePixelRatio() const { return ratio_; }

    // --- What a new game asks for ---------------------------------------------
    void reloadCardImages() { cards_.setCardSize(); }
    // The random background, face set and back that the settings ask for.
    void chooseRandomLooks();
    // Paints the current background into the background image and the table image.
    void clearTableImage();
    // Draws every pile of the game in progress into the table image (nothing
    // when no game is in progress); the scroll position goes back to 0.
    void drawTable();
    void drawDealtTable(bool /*animate*/) { drawTable(); }
    // For the deal animation: the table before the cards of the reserves and
    // the tableau arrive, with the marks of those piles drawn instead (not
    // when the tableau lies side by side). The animation then lands the cards
    // of dealOrder() one by one and ends with drawTable().
    void drawTableBeforeDeal();
    struct DealtCard {
        PileRef pile;
        int index;  // position in the pile, 0 at the bottom
    };
    std::vector<DealtCard> dealOrder() const;
    // Layout, background, table and selection highlight, from scratch;
    // nothing while the game is paused.
    void repaint(const WindowMetrics& metrics);
    void setPaused(bool paused) { paused_ = paused; }

    // --- After a change -----------------------------------------------------------
    // Redraws the piles that changed since they were last drawn and what lay
    // under them, each area exactly as a full repaint would draw it.
    void redrawChangedPiles();
    // Redraws one pile and the area it covered, whether it changed or not.
    void redrawPile(PileRef pile);
    // Shows the pile as `shownPile` (the cards a drag lifted off it gone) and
    // redraws what the cards left uncovered; the model is not changed.
    void redrawAfterRemoval(PileRef pile, std::string_view shownPile);

    // --- Single drawings (window coordinates) ------------------------------------
    // A card face with its rounded corners; the grey bottom-right corner marks
    // the top card of a stock-side pile. A code without a face draws nothing.
    void drawCard(int code, Point at, bool greyCorner = false);
    void drawBack(Point at, bool greyCorner = false);
    // The mark "W" + size + suffix on the pile's place (by default the mark of
    // the empty pile, such as the redeal mark shown for a moment on the
    // stock); the next redraw of changed piles puts back what the pile shows.
    void drawMark(PileRef pile, std::optional<std::string> suffix = std::nullopt);
    // The picture of a card as the table draws it (the back when face down or
    // for -1), at the images' pixels; null for a code without a face.
    QImage cardPicture(int code, bool faceUp) const;
    // The background's pixels back into the four corners of the rectangle.
    void restoreCorners(const QRect& windowRect);

    // --- Selection games ------------------------------------------------------------
    // Shows the cards collected in foundation 1 inverted at their places.
    void highlightSelection();
    // Shows them normally again and empties foundation 1.
    void clearSelection();

    // --- Scrolling -----------------------------------------------------------------
    // The lowest bottom edge (table image y) of anything drawn since the last full draw.
    int tableExtent() const { return extent_; }
    ScrollDecision decideScroll(int clientHeight, bool barShown) const;
    // Both images grow by `rows`; the caller repaints.
    void growImages(int rows);
    // While the bar shows, a fading background reaches 80 rows further.
    void setScrollBarShown(bool shown) { scrollBarShown_ = shown; }

    // Table image rectangles that changed.
    std::function<void(const QRect&)> onChanged;

private:
    struct DrawStep {
        enum class Kind { StockSide, Card, Mark };
        Kind kind;
        PileRef pile;
        int index;   // card position in the pile (Card)
        QRect rect;  // table image rectangle it paints
    };
    static constexpr int kPileCount =
        kStockSlots + kFoundationSlots + kTableauSlots + kReserveSlots;

    void makeImages();
    QRect bounds() const;
    QRect toPixels(const QRect& tableRect) const;
    QPoint toPixels(QPoint tablePoint) const;
    static int pileIndex(PileRef pile);
    static PileRef pileAt(int index);
    bool isShown(PileRef pile) const;
    // Whether the piles are drawn: while a game is in progress or the demo player runs.
    bool gameOnTable() const;
    QPoint toTable(Point windowPoint) const;
    QRect cardRect(Point windowPoint) const;
    std::vector<DrawStep> drawSteps() const;
    void addPileSteps(std::vector<DrawStep>& steps, PileRef pile) const;
    std::string lookOf(PileRef pile) const;
    void remember(const std::vector<DrawStep>& steps);
    void redrawArea(const QRect& area, const std::vector<DrawStep>& steps);
    void runStep(const DrawStep& step, const QRect& clip);
    void drawStockSide(PileRef pile, const QRect& clip);
    void drawImage(const QImage& image, QPoint at, const QRect& clip, bool corners,
                   bool greyCorner);
    void drawFace(int code, bool faceDown, QPoint at, const QRect& clip, bool greyCorner);
    void restoreCornersAt(const QRect& rect, const QRect& clip);
    void invert(const QRect& rect, const QRect& clip);
    void copyBackground(const QRect& area);
    void changed(const QRect& rect);

    EngineState& state_;
    const PictureSource& pictures_;
    CardImages cards_;
    QImage table_;
    QImage background_;
    int extent_ = 0;
    bool scrollBarShown_ = false;
    bool paused_ = false;
    int screenWidth_ = 0, screenHeight_ = 0;
    int width_ = 0, height_ = 0;  // of the images, in table pixels
    qreal ratio_ = 1;
    std::set<int> selected_;
    std::array<std::string, kPileCount> looks_;
    std::array<QRect, kPileCount> extents_;
};

// The thickness of a stock-side pile of n cards: 0 for one card or none, 1
// for two, then one more pixel every seven cards, at most 15.
int stockThickness(int cards);

}  // namespace tarvelle
