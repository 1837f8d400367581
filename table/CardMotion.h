// Card motion: the moving image that carries dragged and gliding cards over
// the table, the straight-line glide with its step and delay, and the deal.
#pragma once

#include <functional>
#include <vector>

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include "engine/EngineState.h"

namespace tarvelle {

// The length of one glide step along the leading axis for a distance of
// `distance` pixels (its absolute value); 0 means the card lands at once.
int glideStep(int distance, bool slow);

// The points at which a glide from start to end shows the card before it is
// drawn at the end; empty when the step is 0.
std::vector<QPoint> glidePoints(QPoint start, QPoint end, bool slow);

// What the moving image is drawn on: the window's table and its table image.
class MotionCanvas {
public:
    virtual ~MotionCanvas() = default;
    // The picture of the table; painting the window copies it, then the moving image over it.
    virtual QImage& tableImage() = 0;
    // Where the window's top-left corner lies in the table image (the table scrolls in it).
    virtual QPoint tableOrigin() const { return {}; }
    // Paints the part of the window at once, without handling any input.
    virtual void repaintNow(const QRect& area) = 0;
    // A wait that handles no input.
    virtual void wait(int milliseconds) = 0;
};

// The picture of a card at the current card size: its face, or its back for -1
// or when face down.
using CardPictures = std::function<QImage(int code, bool faceUp)>;

// How the shadow of the moving image looks.
enum class MotionShadow { None, Strips, Dotted };

class CardMotion {
public:
    CardMotion(EngineState& state, MotionCanvas& canvas, CardPictures pictures);

    // Fills the moving image with the card, or, when the source rectangle is
    // taller than one card, with the card and the cards above it in its pile.
    void buildMovingImage(int code, const QRect& source);

    // Draws the moving image at (x, y); false when it moved less than one
    // pixel and nothing was drawn. With paintIntoTable the image becomes part
    // of the table image and leaves the overlay.
    bool showAt(QPoint at, bool paintIntoTable, bool final);

    // Glides the card (the back for -1) from start to end.
    struct Glide {
        bool buildImage = true;
        bool shadowLanding = false;
        bool slow = false;
        bool paintAtEnd = true;
    };
    void moveCard(int code, QPoint start, QPoint end, const Glide& how);

    // Dropped cards that a pile took: lifted by S - 2, then glided onto their place.
    void dropDragged(QPoint landing);

    // Takes the overlay off the window without painting it into the table.
    void hide();

    // Draws the moving image and its shadow over the table; the window's paint handler calls it.
    void paintOverlay(QPainter& painter) const;

    bool visible() const { return visible_; }
    QRect lastRect() const { return last_; }
    QRect sourceRect() const { return source_; }
    const QImage& image() const { return image_; }
    // The area the overlay covers on the window, shadow included.
    QRect coveredArea() const;

    // The cards of a deal: each flies from the deal source to its place.
    struct DealtCard {
        int code = 0;
        bool faceUp = true;
        QPoint destination;
        bool flies = true;  // false for a card whose place is the source pile itself
    };
    // One card of the deal animation: shown at the source, a back left there,
    // then the card glides slowly to its place, painted into the table image.
    void dealCard(const DealtCard& card, QPoint source);

private:
    bool shadowsOn() const;
    // Paints the picture into the table image at a window point.
    void paintIntoTable(const QImage& picture, const QRect& windowRect);
    int speedDelay() const;

    EngineState& state_;
    MotionCanvas& canvas_;
    CardPictures pictures_;
    QImage image_;
    QRect source_;
    QRect last_;
    bool visible_ = false;
    bool hasLast_ = false;
    bool glideShadowOff_ = false;
    MotionShadow shadow_ = MotionShadow::None;
};

}  // namespace tarvelle
