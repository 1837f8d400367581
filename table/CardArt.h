// Card faces and backs drawn at any pixel size: from the scalable decks and from patterns of our own.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;
class QSvgRenderer;

namespace tarvelle::cardart {

inline constexpr int kFaceSets = 5;
inline constexpr int kBacks = 27;
inline constexpr int kFaceImages = 53;  // 52 cards in card-code order, then the joker
inline constexpr int kJokerImage = 52;

// Below this width a face shows only its rank and suit, large: a deck's own
// face is no longer readable there.
inline constexpr int kSmallFaceWidth = 40;

enum class Suit { Hearts, Diamonds, Clubs, Spades };

// Where a face set comes from and how its small faces and its joker look.
struct FaceSetStyle {
    const char* deckFolder;  // the deck's folder among the installed card decks
    const char* deckFile;    // its scalable file in that folder
    const char* jokerElement;  // the deck's own joker, or "" when we draw one
    QColor paper;
    QColor red;
    QColor black;
    QColor accent;   // court cards and our joker
    QColor border;
    bool serif;      // the rank lettering of the small faces
    // A deck drawn for one pixel size, with bitmaps inside: drawn at a whole
    // multiple of that size and then scaled, since its bitmaps come out
    // slightly different from run to run when the painter scales them by an
    // uneven factor. Empty for decks of pure outlines.
    QSize nativeSize;
};

// Face sets count from 1; a number out of range gives the first set's style.
const FaceSetStyle& faceSetStyle(int faceSet);

// The deck element of a face image 0-51: 0-12 hearts ace to king, then
// diamonds, clubs and spades ("1_heart" ... "king_spade").
QString faceElement(int imageIndex);

// A suit symbol filling the box.
QPainterPath suitPath(Suit suit, const QRectF& box);

// The rank text of a rank 1-13: "A", "2" ... "10", "J", "Q", "K".
QString rankText(int rank);

// Draws a text as a filled outline scaled to fit the box, centred in it.
void drawFittedText(QPainter& painter, const QString& text, const QRectF& box, const QColor& colour,
                    bool bold, bool serif);

// Draws one element of a deck into an image of that pixel size, transparent
// around it.
QImage renderDeckElement(QSvgRenderer& deck, const QString& element, QSize pixels,
                         QSize nativeSize);

// A face image (0-52) of a face set at the given pixel size. The deck may be
// null for small faces and for sets whose joker we draw; a face that needs the
// deck without one gives an empty image. Outside the rounded card outline the
// image is transparent.
QImage renderFace(QSvgRenderer* deck, int faceSet, int imageIndex, QSize pixels);

// The rounded outline of a card of that pixel size; its corners stay within
// the three pixels that the table cuts from every card.
QPainterPath cardOutline(QSizeF size);

}  // namespace tarvelle::cardart
