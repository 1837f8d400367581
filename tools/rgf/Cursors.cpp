// The twelve pointer shapes of the table: two arrows and two hands of each side, plain and while dragging.
#include "tools/rgf/Cursors.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "tools/rgf/ResourceFolder.h"

namespace tarvelle::rgf {

namespace {

constexpr int kSize = 32;

struct Look {
    QColor fill;
    QColor outline;
};

QPainterPath arrowPath() {
    QPainterPath path;
    path.addPolygon(QPolygonF({QPointF(1, 1), QPointF(1, 18), QPointF(5, 14.2), QPointF(8, 21),
                               QPointF(10.8, 19.8), QPointF(7.9, 13), QPointF(13.2, 13)}));
    path.closeSubpath();
    return path;
}

// A right hand seen from its back, the index finger up; `closed` folds the
// fingers round a card that is being dragged.
QPainterPath handPath(bool closed) {
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    if (!closed) hand.addRoundedRect(QRectF(9, 1, 5, 16), 2.5, 2.5);
    const double knuckleTop = closed ? 10 : 11;
    for (int i = 0; i < (closed ? 4 : 3); ++i) {
        const double x = closed ? 9 + i * 4.5 : 14 + i * 4.5;
        hand.addRoundedRect(QRectF(x - (closed ? 0 : 0.5), knuckleTop, 4.6, 8), 2.3, 2.3);
    }
    hand.addRoundedRect(QRectF(8.5, 14, 18, 12), 4, 4);
    hand.addRoundedRect(QRectF(11, 22, 13, 8), 2, 2);
    // The thumb leans out from the side of the palm.
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-2.5, -10, 5, 11), 2.5, 2.5);
    QTransform lean;
    lean.translate(10.5, 22);
    lean.rotate(-50);
    thumb = lean.map(thumb);
    hand.addPath(thumb);
    return hand.simplified();
}

QImage drawShape(const QPainterPath& shape, const Look& look, bool mirror, bool withCard) {
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (mirror) {
        p.translate(kSize, 0);
        p.scale(-1, 1);
    }
    if (withCard) {
        QPainterPath card;
        card.addRoundedRect(QRectF(15.5, 17.5, 11, 14), 1.5, 1.5);
        p.fillPath(card, QColor(255, 255, 255));
        p.strokePath(card, QPen(QColor(0, 0, 0), 1.0));
        p.fillRect(QRectF(17.5, 19.5, 7, 10), QColor(40, 80, 170));
    }
    p.fillPath(shape, look.fill);
    p.strokePath(shape, QPen(look.outline, 1.0));
    return image;
}

}  // namespace

void addCursors(ResourceFolder& folder) {
    const Look white{QColor(255, 255, 255), QColor(0, 0, 0)};
    const Look black{QColor(0, 0, 0), QColor(255, 255, 255)};
    const Look skin{QColor(246, 206, 166), QColor(90, 50, 20)};
    // The A shapes show over the table, the B shapes while a card is dragged.
    for (const bool dragging : {false, true}) {
        const QString state = dragging ? QStringLiteral("B") : QStringLiteral("A");
        folder.addCursor(QStringLiteral("CUR_ARROW1") + state, drawShape(arrowPath(), white, false, dragging),
                         QPoint(1, 1));
        folder.addCursor(QStringLiteral("CUR_ARROW2") + state, drawShape(arrowPath(), black, false, dragging),
                         QPoint(1, 1));
        const QPainterPath hand = handPath(dragging);
        const QPoint rightTip = dragging ? QPoint(17, 18) : QPoint(11, 1);
        const QPoint leftTip(kSize - 1 - rightTip.x(), rightTip.y());
        folder.addCursor(QStringLiteral("CUR_RIGHT_HAND1") + state, drawShape(hand, white, false, false), rightTip);
        folder.addCursor(QStringLiteral("CUR_RIGHT_HAND2") + state, drawShape(hand, skin, false, false), rightTip);
        folder.addCursor(QStringLiteral("CUR_LEFT_HAND1") + state, drawShape(hand, white, true, false), leftTip);
        folder.addCursor(QStringLiteral("CUR_LEFT_HAND2") + state, drawShape(hand, skin, true, false), leftTip);
    }
}

}  // namespace tarvelle::rgf
