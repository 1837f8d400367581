// Card faces drawn at any pixel size: from the scalable decks, or large rank and suit when small.
#include "table/CardArt.h"

#include <QFont>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <array>

namespace tarvelle::cardart {

namespace {

// Set 001 is the classic deck drawn for exactly the big card size; 002 bold
// cartoon courts with large indices; 003 the penguin deck, the clearest at
// the medium size that small screens fall back to; 004 engraved courts of the
// last century; 005 the Egyptian deck on cream paper.
const std::array<FaceSetStyle, kFaceSets> kStyles = {{
    {"svg-standard", "standard.svgz", "", QColor(255, 255, 255), QColor(214, 0, 0),
     QColor(0, 0, 0), QColor(30, 60, 160), QColor(60, 60, 60), false, QSize(71, 96)},
    {"svg-nicu-white", "white.svgz", "red_joker", QColor(255, 255, 255), QColor(230, 20, 20),
     QColor(10, 10, 10), QColor(40, 150, 60), QColor(90, 90, 90), false, QSize()},
    {"svg-penguins", "penguins.svgz", "", QColor(255, 255, 255), QColor(230, 0, 0),
     QColor(0, 0, 0), QColor(240, 170, 0), QColor(70, 70, 70), false, QSize()},
    {"svg-dondorf", "dondorf.svgz", "joker", QColor(253, 252, 247), QColor(200, 20, 30),
     QColor(20, 20, 20), QColor(40, 80, 140), QColor(80, 80, 80), true, QSize()},
    {"svg-ancient-egyptians", "Ancient_Egyptians.svgz", "", QColor(244, 236, 206),
     QColor(168, 30, 20), QColor(40, 30, 20), QColor(190, 140, 40), QColor(120, 100, 60), true, QSize()},
}};

constexpr std::array<const char*, 4> kSuitWords = {"heart", "diamond", "club", "spade"};
constexpr std::array<const char*, 13> kRankWords = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "jack", "queen", "king"};

bool isRed(Suit suit) { return suit == Suit::Hearts || suit == Suit::Diamonds; }

QImage blankImage(QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void drawPaper(QPainter& painter, QSize pixels, const FaceSetStyle& style) {
    const QPainterPath outline = cardOutline(pixels);
    painter.fillPath(outline, style.paper);
    painter.setPen(QPen(style.border, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
}

// The jester's cap of our own jokers, filling the box.
void drawJesterCap(QPainter& painter, const QRectF& box, const FaceSetStyle& style) {
    const auto at = [&](double x, double y) {
        return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
    };
    const auto point = [&](double left, double tipX, double tipY, double right, QColor colour) {
        QPainterPath path;
        path.moveTo(at(left, 0.74));
        path.quadTo(at((left + tipX) / 2 - 0.05, 0.35), at(tipX, tipY));
        path.quadTo(at((right + tipX) / 2 + 0.02, 0.45), at(right, 0.74));
        path.closeSubpath();
        painter.fillPath(path, colour);
    };
    point(0.16, 0.02, 0.22, 0.42, style.red);
    point(0.58, 0.98, 0.22, 0.84, style.red);
    point(0.32, 0.5, 0.02, 0.68, style.black);
    QPainterPath band;
    band.addRoundedRect(QRectF(at(0.12, 0.72), at(0.88, 0.92)), box.width() * 0.05,
                        box.width() * 0.05);
    painter.fillPath(band, style.accent);
    const QColor bell(228, 180, 20);
    const double radius = box.width() * 0.07;
    for (const QPointF& tip : {at(0.02, 0.22), at(0.5, 0.02), at(0.98, 0.22)}) {
        QPainterPath ball;
        ball.addEllipse(tip, radius, radius);
        painter.fillPath(ball, bell);
    }
}

QImage drawSmallFace(int faceSet, int imageIndex, QSize pixels) {
    const FaceSetStyle& style = faceSetStyle(faceSet);
    QImage image = blankImage(pixels);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawPaper(painter, pixels, style);
    const double w = pixels.width();
    const double h = pixels.height();
    const QRectF rankBox(0.08 * w, 0.05 * h, 0.54 * w, 0.40 * h);
    const double bigSide = std::min(0.64 * w, 0.44 * h);
    const QRectF bigBox(0.5 * w - bigSide / 2, 0.71 * h - bigSide / 2, bigSide, bigSide);
    if (imageIndex == kJokerImage) {
        drawFittedText(painter, QStringLiteral("JK"), rankBox, style.red, true, style.serif);
        drawJesterCap(painter, bigBox.adjusted(-0.08 * w, 0, 0.08 * w, 0), style);
        return image;
    }
    const auto suit = static_cast<Suit>(imageIndex / 13);
    const int rank = imageIndex % 13 + 1;
    const QColor ink = isRed(suit) ? style.red : style.black;
    drawFittedText(painter, rankText(rank), rankBox, ink, true, style.serif);
    const double smallSide = 0.28 * w;
    painter.fillPath(suitPath(suit, QRectF(0.66 * w, 0.09 * h, smallSide, smallSide)), ink);
    if (rank > 10) {
        QPainterPath frame;
        frame.addRoundedRect(bigBox.adjusted(-0.06 * w, -0.03 * h, 0.06 * w, 0.03 * h), 0.08 * w,
                             0.08 * w);
        painter.fillPath(frame, style.accent);
        painter.fillPath(suitPath(suit, bigBox.adjusted(0.1 * bigSide, 0.1 * bigSide,
                                                        -0.1 * bigSide, -0.1 * bigSide)),
                         style.paper);
    } else {
        painter.fillPath(suitPath(suit, bigBox), ink);
    }
    return image;
}

// Our joker for the decks that have none, in the deck's colours.
QImage drawJoker(int faceSet, QSize pixels) {
    const FaceSetStyle& style = faceSetStyle(faceSet);
    QImage image = blankImage(pixels);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawPaper(painter, pixels, style);
    const double w = pixels.width();
    const double h = pixels.height();
    const QString word = QStringLiteral("JOKER");
    const double letter = h * 0.075;
    for (int i = 0; i < word.size(); ++i) {
        const QRectF box(w * 0.05, h * 0.05 + i * letter * 1.1, w * 0.11, letter);
        drawFittedText(painter, word.mid(i, 1), box, style.red, true, style.serif);
        painter.save();
        painter.translate(w, h);
        painter.rotate(180);
        drawFittedText(painter, word.mid(i, 1), box, style.red, true, style.serif);
        painter.restore();
    }
    drawJesterCap(painter, QRectF(w * 0.2, h * 0.28, w * 0.6, h * 0.42), style);
    return image;
}

}  // namespace

QPainterPath cardOutline(QSizeF size) {
    const double radius = std::clamp(size.width() * 0.06, 1.5, 12.0);
    QPainterPath path;
    path.addRoundedRect(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0), radius, radius);
    return path;
}

const FaceSetStyle& faceSetStyle(int faceSet) {
    if (faceSet < 1 || faceSet > kFaceSets) faceSet = 1;
    return kStyles[static_cast<std::size_t>(faceSet - 1)];
}

QString faceElement(int imageIndex) {
    if (imageIndex < 0 || imageIndex >= 52) return {};
    return QString::fromLatin1(kRankWords[static_cast<std::size_t>(imageIndex % 13)]) +
           QLatin1Char('_') +
           QString::fromLatin1(kSuitWords[static_cast<std::size_t>(imageIndex / 13)]);
}

QString rankText(int rank) {
    switch (rank) {
        case 1: return QStringLiteral("A");
        case 11: return QStringLiteral("J");
        case 12: return QStringLiteral("Q");
        case 13: return QStringLiteral("K");
        default: return QString::number(rank);
    }
}

QPainterPath suitPath(Suit suit, const QRectF& box) {
    QPainterPath path;
    switch (suit) {
        case Suit::Hearts:
            path.moveTo(0.5, 0.97);
            path.cubicTo(0.36, 0.78, 0.0, 0.6, 0.0, 0.3);
            path.cubicTo(0.0, 0.11, 0.14, 0.02, 0.27, 0.02);
            path.cubicTo(0.39, 0.02, 0.47, 0.1, 0.5, 0.2);
            path.cubicTo(0.53, 0.1, 0.61, 0.02, 0.73, 0.02);
            path.cubicTo(0.86, 0.02, 1.0, 0.11, 1.0, 0.3);
            path.cubicTo(1.0, 0.6, 0.64, 0.78, 0.5, 0.97);
            break;
        case Suit::Diamonds:
            path.moveTo(0.5, 0.0);
            path.quadTo(0.66, 0.28, 0.88, 0.5);
            path.quadTo(0.66, 0.72, 0.5, 1.0);
            path.quadTo(0.34, 0.72, 0.12, 0.5);
            path.quadTo(0.34, 0.28, 0.5, 0.0);
            break;
        case Suit::Spades:
            path.moveTo(0.5, 0.0);
            path.cubicTo(0.36, 0.2, 0.0, 0.38, 0.0, 0.62);
            path.cubicTo(0.0, 0.79, 0.13, 0.87, 0.26, 0.87);
            path.cubicTo(0.36, 0.87, 0.43, 0.83, 0.47, 0.76);
            path.cubicTo(0.45, 0.88, 0.4, 0.95, 0.3, 1.0);
            path.lineTo(0.7, 1.0);
            path.cubicTo(0.6, 0.95, 0.55, 0.88, 0.53, 0.76);
            path.cubicTo(0.57, 0.83, 0.64, 0.87, 0.74, 0.87);
            path.cubicTo(0.87, 0.87, 1.0, 0.79, 1.0, 0.62);
            path.cubicTo(1.0, 0.38, 0.64, 0.2, 0.5, 0.0);
            break;
        case Suit::Clubs: {
            path.addEllipse(QPointF(0.5, 0.25), 0.23, 0.23);
            path.addEllipse(QPointF(0.25, 0.58), 0.23, 0.23);
            path.addEllipse(QPointF(0.75, 0.58), 0.23, 0.23);
            path.addEllipse(QPointF(0.5, 0.5), 0.14, 0.14);
            QPainterPath stem;
            stem.moveTo(0.47, 0.55);
            stem.cubicTo(0.46, 0.8, 0.4, 0.93, 0.3, 1.0);
            stem.lineTo(0.7, 1.0);
            stem.cubicTo(0.6, 0.93, 0.54, 0.8, 0.53, 0.55);
            stem.closeSubpath();
            path.addPath(stem);
            path.setFillRule(Qt::WindingFill);
            path = path.simplified();
            break;
        }
    }
    QTransform toBox;
    toBox.translate(box.left(), box.top());
    toBox.scale(box.width(), box.height());
    return toBox.map(path);
}

void drawFittedText(QPainter& painter, const QString& text, const QRectF& box, const QColor& colour,
                    bool bold, bool serif) {
    QFont font(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferOutline);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty()) return;
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    painter.fillPath(fit.map(path), colour);
}

QImage renderFace(QSvgRenderer* deck, int faceSet, int imageIndex, QSize pixels) {
    if (imageIndex < 0 || imageIndex >= kFaceImages || pixels.isEmpty()) return {};
    if (pixels.width() < kSmallFaceWidth) return drawSmallFace(faceSet, imageIndex, pixels);
    const FaceSetStyle& style = faceSetStyle(faceSet);
    QString element = faceElement(imageIndex);
    if (imageIndex == kJokerImage) {
        if (*style.jokerElement == '\0') return drawJoker(faceSet, pixels);
        element = QString::fromLatin1(style.jokerElement);
    }
    if (deck == nullptr || !deck->isValid() || !deck->elementExists(element)) return {};
    return renderDeckElement(*deck, element, pixels, style.nativeSize);
}

QImage renderDeckElement(QSvgRenderer& deck, const QString& element, QSize pixels,
                         QSize nativeSize) {
    QSize drawn = pixels;
    if (!nativeSize.isEmpty()) {
        const int times = std::max((pixels.width() + nativeSize.width() - 1) / nativeSize.width(),
                                   (pixels.height() + nativeSize.height() - 1) / nativeSize.height());
        drawn = nativeSize * times;
    }
    QImage image = blankImage(drawn);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        deck.render(&painter, element, QRectF(QPointF(0, 0), QSizeF(drawn)));
    }
    if (drawn == pixels) return image;
    return image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace tarvelle::cardart
