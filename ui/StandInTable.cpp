// A plain table until the layout and card sets of the table side are in
// place: piles in rows, cards drawn as faces with rank and suit, a green baize.
#include "ui/StandInTable.h"

#include <QPainter>
#include <QPainterPath>

#include "engine/CardPositions.h"
#include "engine/Cards.h"
#include "engine/Table.h"

namespace tarvelle {

namespace {
constexpr int kHidden = -10000;
}

void layOutStandIn(EngineState& s, int tableWidth) {
    computeFanOffsets(s);
    const int w = s.cardWidth, h = s.cardHeight, gap = 10, top = 10;
    TMainGame& c = s.catalogue;
    const bool stock = s.rules[rule::HasStock] == 1;
    const bool waste = s.rules[rule::HasWaste] == 1 || s.rules[rule::StockTurnCount] > 0;
    c.setStockPosition(kStock, stock ? gap : kHidden, top);
    c.setStockPosition(kWaste, waste ? gap + (w + gap) * (stock ? 1 : 0) : kHidden, top);
    c.setStockPosition(kSecondWaste, kHidden, kHidden);
    const int foundations = s.rules.foundations();
    const int tableau = s.rules.tableauPiles();
    const int columns = std::max({tableau, foundations + 2, 8});
    const int width = std::max(tableWidth, columns * (w + gap) + gap);
    for (int k = 0; k < kFoundationSlots; ++k) {
        if (k < foundations) c.setFoundationPosition(k, width - (foundations - k) * (w + gap), top);
        else c.setFoundationPosition(k, kHidden, kHidden);
    }
    const int row = top + h + 20;
    for (int k = 0; k < 30; ++k) {
        if (k < tableau) c.setTableauPosition(k, gap + k * (w + gap), row);
        else c.setTableauPosition(k, kHidden, kHidden);
    }
    const int reserveRow = row + h + 8 * c.value(TMainGame::FaceUpVerticalStep) + 40;
    for (int k = 0; k < kReserveSlots; ++k) {
        if (k < s.rules.reserves()) c.setReservePosition(k, gap + k * (w + gap), reserveRow);
        else c.setReservePosition(k, kHidden, kHidden);
    }
}

QImage standInCard(const EngineState& s, int code, bool faceUp, qreal ratio) {
    const int w = s.cardWidth, h = s.cardHeight;
    QImage image(QSize(w, h) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 4, 4);
    if (!faceUp || code <= 0) {
        p.fillPath(outline, QColor(0x1d, 0x3f, 0x8f));
        p.setPen(QPen(QColor(0xd8, 0xe0, 0xf0), 1));
        p.drawRoundedRect(QRectF(4.5, 4.5, w - 9, h - 9), 2, 2);
        p.setPen(Qt::black);
        p.drawPath(outline);
        return image;
    }
    p.fillPath(outline, Qt::white);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawPath(outline);
    static const char* const kSuits[] = {"\u2665", "\u2666", "\u2663", "\u2660"};
    const QColor ink = isJoker(code) ? QColor(0x60, 0x20, 0x80) : isRed(code) ? QColor(0xc0, 0, 0) : Qt::black;
    const QString rankText = isJoker(code) ? QStringLiteral("J\nO\nK") : QString::fromStdString(rankLetter(rank(code)));
    const QString suitText = isJoker(code) ? QStringLiteral("\u2605") : QString::fromUtf8(kSuits[suitIndex(code)]);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(8, h / 6));
    font.setBold(true);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRect(3, 2, w / 2, h / 4), Qt::AlignLeft | Qt::AlignTop, rankText);
    p.drawText(QRect(w / 2, 2, w / 2 - 3, h / 4), Qt::AlignRight | Qt::AlignTop, suitText);
    font.setPixelSize(std::max(10, h / 3));
    p.setFont(font);
    p.drawText(QRect(0, h / 4, w, h * 3 / 4 - 2), Qt::AlignCenter, suitText);
    return image;
}

void drawStandInTable(const EngineState& s, QImage& table, int lifted, const CardPictures& pictures) {
    QPainter p(&table);
    p.fillRect(QRect(QPoint(0, 0), table.deviceIndependentSize().toSize()), QColor(0, 0x70, 0x30));
    const int w = s.cardWidth, h = s.cardHeight;
    auto drawPile = [&](PileRef pile) {
        const Point at = pilePosition(s, pile);
        if (isHidden(at)) return;
        p.setPen(QPen(QColor(0, 0x50, 0x20), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRect(at.x + 1, at.y + 1, w - 2, h - 2), 4, 4);
        const std::string& text = *s.piles.pile(pile.collection, pile.slot);
        for (int i = 0; i < positions(text); ++i) {
            const int code = codeAt(text, i);
            if (code == lifted && lifted != 0) break;
            if (code == kGap) continue;
            const Point c = cardPositionAt(s, pile, i);
            if (isHidden(c)) continue;
            p.drawImage(QPoint(c.x, c.y), pictures(code, !s.cards.isFaceDown(code)));
        }
    };
    for (int k = 0; k < kStockSlots; ++k) drawPile({Collection::StockGroup, k});
    for (int k = 0; k < s.rules.foundations(); ++k) drawPile({Collection::Foundations, k});
    for (int k = 0; k < s.rules.tableauPiles(); ++k) drawPile({Collection::Tableau, k});
    for (int k = 0; k < s.rules.reserves(); ++k) drawPile({Collection::Reserves, k});
}

}  // namespace tarvelle
