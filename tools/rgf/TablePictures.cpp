// The table's own pictures at each card size: empty-pile and rank marks, shadow strips and 3D border strips.
#include "tools/rgf/TablePictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "table/CardArt.h"
#include "tools/rgf/CardPictures.h"
#include "tools/rgf/ResourceFolder.h"

namespace tarvelle::rgf {

namespace {

// Marks are light lines over whatever background the table has: half
// transparent white, so they show on dark felt and on pale paper alike.
const QColor kLine(255, 255, 255, 150);
const QColor kSymbol(255, 255, 255, 120);
const QColor kFill(255, 255, 255, 28);

struct RankMark {
    const char* suffix;
    int rank;
};
constexpr RankMark kRankMarks[] = {
    {"010", 1},  {"012", 2},  {"013", 3},  {"014", 4},  {"015", 5},  {"016", 6}, {"017", 7},
    {"018", 8},  {"019", 9},  {"020", 10}, {"006", 11}, {"003", 12}, {"011", 13},
};
constexpr const char* kOtherMarks[] = {"_WASTE", "_TABLEAU", "001", "004", "005",
                                       "008", "009", "021", "022"};

void circleArrow(QPainter& p, QPointF centre, double radius, double width) {
    QPainterPath arc;
    arc.arcMoveTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 80);
    arc.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 80, 290);
    p.strokePath(arc, QPen(kSymbol, width, Qt::SolidLine, Qt::FlatCap));
    const QPointF end = arc.currentPosition();
    const double a = (80 + 290) * std::numbers::pi / 180;
    const QPointF tangent(std::sin(a), std::cos(a));  // clockwise direction of travel reversed
    const QPointF normal(std::cos(a), -std::sin(a));
    QPainterPath head;
    head.moveTo(end + normal * (width * 1.6));
    head.lineTo(end - normal * (width * 1.6));
    head.lineTo(end - tangent * (width * 2.2));
    head.closeSubpath();
    p.fillPath(head, kSymbol);
}

}  // namespace

QImage mark(const QString& suffix, QSize card) {
    QImage image(card, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = card.width();
    const double h = card.height();
    const double line = w < cardart::kSmallFaceWidth ? 1.0 : 1.5;
    const QPainterPath outline = cardart::cardOutline(QSizeF(w, h));
    p.fillPath(outline, kFill);
    p.strokePath(outline, QPen(kLine, line));
    const QPointF centre(w / 2, h / 2);
    const double unit = w / 71.0;
    const QString s = suffix.toUpper();
    for (const RankMark& rank : kRankMarks) {
        if (s == QLatin1String(rank.suffix)) {
            cardart::drawFittedText(p, cardart::rankText(rank.rank),
                                    QRectF(w * 0.18, h * 0.25, w * 0.64, h * 0.5), kSymbol, true,
                                    false);
            return image;
        }
    }
    if (s == QLatin1String("_WASTE")) {
        // A small fan of cards: where turned cards go.
        for (int i = -1; i <= 1; ++i) {
            p.save();
            p.translate(centre + QPointF(0, h * 0.12));
            p.rotate(i * 18);
            QPainterPath card;
            card.addRoundedRect(QRectF(-w * 0.14, -h * 0.3, w * 0.28, h * 0.3), 2 * unit, 2 * unit);
            p.strokePath(card, QPen(kSymbol, line));
            p.restore();
        }
    } else if (s == QLatin1String("001")) {
        QPainterPath inner;
        inner.addRoundedRect(QRectF(w * 0.2, h * 0.2, w * 0.6, h * 0.6), 3 * unit, 3 * unit);
        p.strokePath(inner, QPen(kSymbol, line, Qt::DashLine));
    } else if (s == QLatin1String("004")) {
        // Any suit may start here.
        const double side = std::min(w, h) * 0.26;
        const QPointF cells[] = {{-1, -1}, {0, -1}, {-1, 0}, {0, 0}};
        for (int i = 0; i < 4; ++i) {
            const QPointF at = centre + cells[i] * (side * 1.15) + QPointF(side * 0.075, side * 0.075);
            p.fillPath(cardart::suitPath(static_cast<cardart::Suit>(i), QRectF(at, QSizeF(side, side))),
                       kSymbol);
        }
    } else if (s == QLatin1String("005")) {
        const double radius = w * 0.22;
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 == 0 ? radius : radius * 0.42;
            const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
            star << centre + QPointF(r * std::cos(a), r * std::sin(a));
        }
        QPainterPath path;
        path.addPolygon(star);
        p.fillPath(path, kSymbol);
    } else if (s == QLatin1String("008")) {
        // No more turns through the stock.
        const double radius = w * 0.24;
        QPainterPath ring;
        ring.addEllipse(centre, radius, radius);
        p.strokePath(ring, QPen(QColor(255, 120, 110, 170), 3 * unit + 0.5));
        const QPointF d(radius * 0.7, radius * 0.7);
        p.setPen(QPen(QColor(255, 120, 110, 170), 3 * unit + 0.5));
        p.drawLine(centre - QPointF(d.x(), -d.y()), centre + QPointF(d.x(), -d.y()));
    } else if (s == QLatin1String("009")) {
        const double side = w * 0.44;
        p.fillPath(cardart::suitPath(cardart::Suit::Diamonds,
                                     QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side)),
                   kSymbol);
    } else if (s == QLatin1String("021")) {
        const double radius = w * 0.22;
        QPainterPath ring;
        ring.addEllipse(centre, radius, radius);
        p.strokePath(ring, QPen(kSymbol, 3 * unit + 0.5));
        QPainterPath dot;
        dot.addEllipse(centre, radius * 0.3, radius * 0.3);
        p.fillPath(dot, kSymbol);
    } else if (s == QLatin1String("022")) {
        // The stock can be turned again.
        circleArrow(p, centre, w * 0.22, 3 * unit + 0.5);
    }
    return image;
}

QImage shadowStrip(int strip, QSize card) {
    constexpr int kBand = 7;
    const QSize size = strip == 1 ? QSize(kBand, card.height()) : QSize(card.width() - 8, kBand);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixel(x, y, (x + y) % 2 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
    return image;
}

QImage borderStrip(int strip, QSize card) {
    constexpr int kDepth = 16;
    const int length = strip == 1 ? card.height() : card.width();
    QImage image = strip == 1 ? QImage(kDepth, length + 15, QImage::Format_RGB32)
                              : QImage(length + 15, kDepth, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255));
    for (int k = 0; k < kDepth; ++k) {
        // The bottom card of the pile gets the dark outline, the cards above
        // it alternate light and grey edges.
        const QRgb colour = k == kDepth - 1 ? qRgb(80, 80, 80)
                            : (kDepth - 1 - k) % 2 == 1 ? qRgb(236, 236, 236)
                                                        : qRgb(192, 192, 192);
        for (int along = k; along < k + length; ++along) {
            if (strip == 1) image.setPixel(k, along, colour);
            else image.setPixel(along, k, colour);
        }
    }
    return image;
}

void addTablePictures(ResourceFolder& folder) {
    for (const CardSize& size : kCardSizes) {
        const QString letter = QString(QLatin1Char(size.letter));
        for (const RankMark& rank : kRankMarks) {
            const QString suffix = QLatin1String(rank.suffix);
            folder.addBitmap(QLatin1Char('W') + letter + suffix, mark(suffix, size.pixels));
        }
        for (const char* suffix : kOtherMarks) {
            folder.addBitmap(QLatin1Char('W') + letter + QLatin1String(suffix),
                             mark(QLatin1String(suffix), size.pixels));
        }
        for (int strip = 1; strip <= 2; ++strip) {
            folder.addBitmap(QStringLiteral("SHADOW_") + letter + QString::number(strip),
                             shadowStrip(strip, size.pixels));
            folder.addBitmap(QStringLiteral("3D_BORDER_") + letter + QString::number(strip),
                             borderStrip(strip, size.pixels));
        }
    }
}

}  // namespace tarvelle::rgf
