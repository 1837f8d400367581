// The small pictures of the windows: suit symbols, card counter cells, tool-bar glyphs, pause pictures, tree images, option previews and ratings.
#include "tools/rgf/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <numbers>

#include "table/CardArt.h"
#include "table/CardBacks.h"
#include "tools/rgf/CardPictures.h"
#include "tools/rgf/ResourceFolder.h"
#include "tools/rgf/TablePictures.h"
#include "tools/rgf/Textures.h"

namespace tarvelle::rgf {

namespace {

using cardart::Suit;

// The colours that the windows treat as transparent in these pictures.
const QColor kMaroon(128, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);

const QColor kHeartRed(210, 20, 30);
const QColor kInk(20, 20, 20);

QImage canvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A picture drawn with soft edges, laid on a transparent colour: what is more
// than half covered keeps its colour, the rest becomes the key, so no edge
// carries a fringe of the key into the window.
QImage onKey(const QImage& drawn, const QColor& key) {
    QImage out(drawn.size(), QImage::Format_RGB32);
    const QImage plain = drawn.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < plain.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(plain.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < plain.width(); ++x) {
            QRgb pixel = qAlpha(in[x]) >= 128 ? (in[x] | 0xFF000000u) : key.rgb();
            if (qAlpha(in[x]) >= 128 && pixel == key.rgb()) pixel ^= 0x00000001u;
            line[x] = pixel;
        }
    }
    return out;
}

QImage draw(int width, int height, const std::function<void(QPainter&)>& paint) {
    QImage image = canvas(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    paint(p);
    return image;
}

const char* suitWord(Suit suit) {
    switch (suit) {
        case Suit::Hearts: return "HEARTS";
        case Suit::Diamonds: return "DIAMONDS";
        case Suit::Clubs: return "CLUBS";
        case Suit::Spades: return "SPADES";
    }
    return "";
}

QColor suitColour(Suit suit) {
    return suit == Suit::Hearts || suit == Suit::Diamonds ? kHeartRed : kInk;
}

void addSuits(ResourceFolder& folder) {
    for (int s = 0; s < 4; ++s) {
        const auto suit = static_cast<Suit>(s);
        folder.addBitmap(QStringLiteral("SUIT_") + QLatin1String(suitWord(suit)), draw(11, 11, [&](QPainter& p) {
            p.fillPath(cardart::suitPath(suit, QRectF(0.5, 0.5, 10, 10)), suitColour(suit));
        }));
        // The card counter's row heads: 16 wide, a row of 18 high.
        folder.addBitmap(QStringLiteral("CARD_") + QLatin1String(suitWord(suit)), draw(16, 18, [&](QPainter& p) {
            p.fillPath(cardart::suitPath(suit, QRectF(2, 3, 12, 12)), suitColour(suit));
        }));
    }
}

// The card counter's cells, 14 x 18: not watched, face up, face down.
void addCounterCells(ResourceFolder& folder) {
    const QRectF cell(1.5, 1.5, 11, 15);
    folder.addBitmap(QStringLiteral("Card_None"), draw(14, 18, [&](QPainter& p) {
        QPainterPath outline;
        outline.addRoundedRect(cell, 2, 2);
        p.strokePath(outline, QPen(QColor(150, 150, 150), 1.0, Qt::DotLine));
    }));
    for (int rank = 1; rank <= 13; ++rank) {
        const QString text = cardart::rankText(rank);
        folder.addBitmap(QStringLiteral("Card_%1_Up").arg(rank), draw(14, 18, [&](QPainter& p) {
            QPainterPath outline;
            outline.addRoundedRect(cell, 2, 2);
            p.fillPath(outline, QColor(255, 255, 255));
            p.strokePath(outline, QPen(QColor(90, 90, 90), 1.0));
            cardart::drawFittedText(p, text, QRectF(3, 4, 8, 10), kInk, true, false);
        }));
        folder.addBitmap(QStringLiteral("Card_%1_Down").arg(rank), draw(14, 18, [&](QPainter& p) {
            QPainterPath outline;
            outline.addRoundedRect(cell, 2, 2);
            p.fillPath(outline, QColor(40, 70, 160));
            p.strokePath(outline, QPen(QColor(20, 30, 80), 1.0));
            cardart::drawFittedText(p, text, QRectF(3, 4, 8, 10), QColor(255, 255, 255), true, false);
        }));
    }
}

QPainterPath curvedArrow(bool toLeft) {
    QPainterPath path;
    path.moveTo(13, 12);
    path.cubicTo(13, 5, 8, 4, 5.5, 6.5);
    QPainterPath stroke = QPainterPathStroker(QPen(Qt::black, 2.6, Qt::SolidLine, Qt::RoundCap))
                              .createStroke(path);
    QPainterPath head;
    head.moveTo(1.5, 4);
    head.lineTo(8, 3);
    head.lineTo(5, 10.5);
    head.closeSubpath();
    stroke.addPath(head);
    stroke.setFillRule(Qt::WindingFill);
    stroke = stroke.simplified();
    if (!toLeft) {
        QTransform mirror;
        mirror.translate(16, 0);
        mirror.scale(-1, 1);
        stroke = mirror.map(stroke);
    }
    return stroke;
}

QImage greyed(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int grey = 128 + qGray(line[x]) / 3;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 2 / 3);
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void addToolBar(ResourceFolder& folder) {
    const auto arrow = [](bool toLeft) {
        return draw(16, 16, [toLeft](QPainter& p) {
            const QPainterPath shape = curvedArrow(toLeft).translated(0, 1);
            p.fillPath(shape, QColor(30, 90, 190));
            p.strokePath(shape, QPen(QColor(10, 40, 100), 0.8));
        });
    };
    const QImage undo = arrow(true);
    const QImage redo = arrow(false);
    const QImage autoplay = draw(16, 16, [](QPainter& p) {
        QPainterPath card;
        card.addRoundedRect(QRectF(1.5, 3.5, 9, 12), 1.5, 1.5);
        p.fillPath(card, QColor(255, 255, 255));
        p.strokePath(card, QPen(QColor(60, 60, 60), 1.0));
        p.fillPath(cardart::suitPath(Suit::Hearts, QRectF(3.5, 7, 5, 5)), kHeartRed);
        QPainterPath bolt;
        bolt.addPolygon(QPolygonF({QPointF(12, 0.5), QPointF(8.5, 8), QPointF(11.5, 8),
                                   QPointF(9.5, 15.5), QPointF(15, 6), QPointF(12, 6),
                                   QPointF(14.5, 0.5)}));
        p.fillPath(bolt, QColor(250, 200, 20));
        p.strokePath(bolt, QPen(QColor(150, 100, 0), 0.7));
    });
    folder.addBitmap(QStringLiteral("TB_UNDO"), undo);
    folder.addBitmap(QStringLiteral("TB_UNDO_DIS"), greyed(undo));
    folder.addBitmap(QStringLiteral("TB_REDO"), redo);
    folder.addBitmap(QStringLiteral("TB_REDO_DIS"), greyed(redo));
    folder.addBitmap(QStringLiteral("TB_AUTOPLAY"), autoplay);
    folder.addBitmap(QStringLiteral("TB_AUTOPLAY_DIS"), greyed(autoplay));
    const auto cancel = [](bool down) {
        return draw(16, 16, [down](QPainter& p) {
            const double shift = down ? 1 : 0;
            p.setPen(QPen(down ? QColor(150, 20, 20) : QColor(210, 40, 40), 2.6, Qt::SolidLine,
                          Qt::RoundCap));
            p.drawLine(QPointF(4 + shift, 4 + shift), QPointF(12 + shift, 12 + shift));
            p.drawLine(QPointF(12 + shift, 4 + shift), QPointF(4 + shift, 12 + shift));
        });
    };
    folder.addBitmap(QStringLiteral("TB_CANC_UP"), cancel(false));
    folder.addBitmap(QStringLiteral("TB_CANC_DOWN"), cancel(true));
}

void addPause(ResourceFolder& folder) {
    const auto lettering = [](int width, int height, const QString& text, QColor fill) {
        return onKey(draw(width, height, [&](QPainter& p) {
                         cardart::drawFittedText(p, text, QRectF(3, 3, width - 4, height - 4),
                                                 QColor(0, 30, 0), true, true);
                         cardart::drawFittedText(p, text, QRectF(1, 1, width - 4, height - 4), fill,
                                                 true, true);
                     }),
                     kGreen);
    };
    folder.addBitmap(QStringLiteral("BMP_PAUSE_1"),
                     lettering(320, 84, QStringLiteral("Paused"), QColor(250, 220, 110)));
    folder.addBitmap(QStringLiteral("BMP_PAUSE_2"),
                     lettering(360, 28, QStringLiteral("Press a key or click to go on playing"),
                               QColor(235, 240, 235)));
}

void addSoundIcons(ResourceFolder& folder) {
    const auto speaker = [](QPainter& p) {
        QPainterPath body;
        body.addPolygon(QPolygonF({QPointF(1.5, 6), QPointF(5, 6), QPointF(9, 2.5),
                                   QPointF(9, 13.5), QPointF(5, 10), QPointF(1.5, 10)}));
        body.closeSubpath();
        p.fillPath(body, QColor(60, 60, 70));
    };
    folder.addBitmap(QStringLiteral("SOUND_ENABLED"), onKey(draw(16, 16, [&](QPainter& p) {
                         speaker(p);
                         p.setPen(QPen(QColor(30, 90, 190), 1.4, Qt::SolidLine, Qt::RoundCap));
                         p.setBrush(Qt::NoBrush);
                         p.drawArc(QRectF(6, 4.5, 7, 7), -50 * 16, 100 * 16);
                         p.drawArc(QRectF(4, 2, 11.5, 12), -50 * 16, 100 * 16);
                     }),
                     kGreen));
    folder.addBitmap(QStringLiteral("SOUND_DISABLED"), onKey(draw(16, 16, [&](QPainter& p) {
                         speaker(p);
                         p.setPen(QPen(QColor(200, 30, 30), 1.6, Qt::SolidLine, Qt::RoundCap));
                         p.drawLine(QPointF(10.5, 5.5), QPointF(15, 10.5));
                         p.drawLine(QPointF(15, 5.5), QPointF(10.5, 10.5));
                     }),
                     kGreen));
}

// Ratings of the game information: a row of marks, `filled` of `count` lit.
QImage rating(int count, int filled, QColor lit, bool rising) {
    return draw(60, 16, [&](QPainter& p) {
        const double step = 60.0 / count;
        for (int i = 0; i < count; ++i) {
            const double height = rising ? 5 + 10.0 * (i + 1) / count : 12;
            QPainterPath bar;
            bar.addRoundedRect(QRectF(i * step + 1.5, 15 - height, step - 3, height), 1.5, 1.5);
            p.fillPath(bar, i < filled ? lit : QColor(215, 215, 215));
            p.strokePath(bar, QPen(QColor(110, 110, 110), 0.8));
        }
    });
}

// Where a game stands between chance and skill: a marker on a scale.
QImage scale(int position) {
    return draw(60, 16, [&](QPainter& p) {
        QLinearGradient gradient(0, 0, 60, 0);
        gradient.setColorAt(0, QColor(240, 170, 40));
        gradient.setColorAt(1, QColor(50, 110, 210));
        QPainterPath track;
        track.addRoundedRect(QRectF(2, 6, 56, 5), 2.5, 2.5);
        p.fillPath(track, gradient);
        p.strokePath(track, QPen(QColor(110, 110, 110), 0.8));
        const double x = 6 + position * 12;
        QPainterPath marker;
        marker.addEllipse(QPointF(x, 8.5), 5, 5);
        p.fillPath(marker, QColor(255, 255, 255));
        p.strokePath(marker, QPen(QColor(40, 40, 40), 1.2));
    });
}

void addRatings(ResourceFolder& folder) {
    const QColor time(60, 140, 210);
    folder.addBitmap(QStringLiteral("PROG_TIME_QUICK"), rating(3, 1, time, false));
    folder.addBitmap(QStringLiteral("PROG_TIME_MEDIUM"), rating(3, 2, time, false));
    folder.addBitmap(QStringLiteral("PROG_TIME_LONG"), rating(3, 3, time, false));
    folder.addBitmap(QStringLiteral("PROG_DIFF_EASY"), rating(3, 1, QColor(70, 170, 70), true));
    folder.addBitmap(QStringLiteral("PROG_DIFF_MEDIUM"), rating(3, 2, QColor(230, 180, 30), true));
    folder.addBitmap(QStringLiteral("PROG_DIFF_HARD"), rating(3, 3, QColor(210, 50, 40), true));
    const char* skill[] = {"CHANCEONLY", "MOSTLYCHANCE", "MODERATE", "MOSTLYSKILL", "DIFFICULT"};
    for (int i = 0; i < 5; ++i) {
        folder.addBitmap(QStringLiteral("PROG_SKILL_") + QLatin1String(skill[i]), scale(i));
    }
    const char* chance[] = {"VERYLOW", "LOW", "MEDIUM", "HIGH", "VERYHIGH"};
    for (int i = 0; i < 5; ++i) {
        folder.addBitmap(QStringLiteral("PROG_CHAN_") + QLatin1String(chance[i]),
                         rating(5, i + 1, QColor(70, 170, 70), true));
    }
    folder.addBitmap(QStringLiteral("PROG_DISABLED"), rating(5, 0, QColor(), true));
}

// Tree images, 16 x 16 on maroon: folders in their colours, and small cards
// carrying the sign of each game type.
QImage folderIcon(QColor colour, bool open, bool star) {
    return onKey(draw(16, 16, [&](QPainter& p) {
                     const QColor edge = shade(colour, 0.55);
                     QPainterPath back;
                     back.addPolygon(QPolygonF({QPointF(1, 3), QPointF(6, 3), QPointF(7.5, 4.5),
                                                QPointF(15, 4.5), QPointF(15, 14), QPointF(1, 14)}));
                     back.closeSubpath();
                     p.fillPath(back, shade(colour, 0.8));
                     p.strokePath(back, QPen(edge, 1.0));
                     QPainterPath front;
                     if (open) {
                         front.addPolygon(QPolygonF({QPointF(3.5, 7.5), QPointF(15.5, 7.5),
                                                     QPointF(13, 14), QPointF(1, 14)}));
                     } else {
                         front.addRect(QRectF(1, 6.5, 14, 7.5));
                     }
                     front.closeSubpath();
                     p.fillPath(front, colour);
                     p.strokePath(front, QPen(edge, 1.0));
                     if (star) {
                         QPolygonF shape;
                         for (int i = 0; i < 10; ++i) {
                             const double r = i % 2 == 0 ? 4.2 : 1.8;
                             const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
                             shape << QPointF(8.5 + r * std::cos(a), 10.5 + r * std::sin(a));
                         }
                         QPainterPath path;
                         path.addPolygon(shape);
                         p.fillPath(path, QColor(250, 250, 250));
                         p.strokePath(path, QPen(QColor(160, 120, 0), 0.7));
                     }
                 }),
                 kMaroon);
}

QImage typeIcon(QColor colour, const QString& sign) {
    return onKey(draw(16, 16, [&](QPainter& p) {
                     QPainterPath card;
                     card.addRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.8, 1.8);
                     p.fillPath(card, QColor(255, 255, 255));
                     p.strokePath(card, QPen(QColor(70, 70, 70), 1.0));
                     p.fillRect(QRectF(3.5, 1.5, 9, 3), colour);
                     cardart::drawFittedText(p, sign, QRectF(4, 6, 8, 8), shade(colour, 0.7), true,
                                             false);
                 }),
                 kMaroon);
}

void addTreeImages(ResourceFolder& folder) {
    struct FolderImage {
        const char* name;
        QColor colour;
        bool star;
    };
    const FolderImage folders[] = {
        {"", QColor(240, 200, 80), false},     {"S_", QColor(240, 180, 40), true},
        {"D_", QColor(90, 140, 220), false},   {"F_", QColor(100, 190, 90), false},
        {"C_", QColor(240, 140, 60), false},   {"I_", QColor(170, 110, 210), false},
        {"T_", QColor(60, 180, 180), false},
    };
    for (const FolderImage& f : folders) {
        folder.addBitmap(QLatin1String(f.name) + QStringLiteral("TREE1"), folderIcon(f.colour, false, f.star));
        folder.addBitmap(QLatin1String(f.name) + QStringLiteral("TREE2"), folderIcon(f.colour, true, f.star));
    }
    struct TypeImage {
        const char* name;
        QColor colour;
        const char* sign;
    };
    const TypeImage types[] = {
        {"1DECK", QColor(40, 120, 200), "1"},          {"2DECK", QColor(40, 80, 170), "2"},
        {"ADDITION", QColor(200, 120, 20), "+"},       {"BAKERSDOZEN", QColor(170, 90, 40), "13"},
        {"BELEAGUEREDCASTLE", QColor(120, 120, 120), "BC"}, {"CANFIELD", QColor(30, 150, 110), "C"},
        {"FAN", QColor(220, 90, 150), "F"},            {"FORTYTHIEVES", QColor(150, 60, 40), "40"},
        {"FREECELL", QColor(40, 160, 200), "FC"},      {"KLONDIKE", QColor(210, 40, 40), "K"},
        {"MEMORY", QColor(140, 80, 200), "M"},         {"PAIRING", QColor(230, 160, 20), "="},
        {"PUZZLE", QColor(90, 160, 60), "?"},          {"QUEENOFITALY", QColor(190, 40, 120), "Q"},
        {"ROW", QColor(60, 100, 140), "R"},            {"SIMPLEGAMES", QColor(110, 180, 60), "S"},
        {"SPIDER", QColor(50, 50, 50), "Sp"},          {"ORIGINAL", QColor(230, 180, 0), "*"},
    };
    for (const TypeImage& t : types) {
        const QString suffix = QLatin1String(t.name) == QLatin1String("ORIGINAL")
                                   ? QStringLiteral("TREE5_ORIGINAL_TYPE")
                                   : QStringLiteral("TREE5_") + QLatin1String(t.name) + QStringLiteral("_TYPE");
        folder.addBitmap(suffix, typeIcon(t.colour, QLatin1String(t.sign)));
    }
    folder.addBitmap(QStringLiteral("TREE5_CUSTOMIZED_GAMES"), typeIcon(QColor(240, 120, 40), QStringLiteral("C*")));
    folder.addBitmap(QStringLiteral("N_TREE3"), typeIcon(QColor(120, 120, 120), QStringLiteral("i")));
    folder.addBitmap(QStringLiteral("N_TREE4"), typeIcon(QColor(60, 140, 60), QStringLiteral("!")));
    folder.addBitmap(QStringLiteral("N_TREE5"), typeIcon(QColor(40, 110, 200), QStringLiteral("?")));
}

// The previews of the options dialog: cards of the first set at the medium
// size on green felt.
class Preview {
public:
    explicit Preview(const Decks& decks) : decks_(decks) {}
    QImage face(int image, QSize size = QSize(59, 80)) const {
        return cardart::renderFace(decks_.renderer(1), 1, image, size);
    }
    QImage back(QSize size) const {
        return cardart::renderBack(7, size, [this](int set) { return decks_.renderer(set); });
    }

private:
    const Decks& decks_;
};

QImage feltArea(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0, 96, 0));
    return image;
}

void addOptionPreviews(ResourceFolder& folder, const Decks& decks) {
    const Preview preview(decks);
    for (const bool shadow : {true, false}) {
        QImage image = feltArea(160, 110);
        QPainter p(&image);
        p.drawImage(14, 12, preview.face(39));
        const QPoint lifted(64, 20);
        if (shadow) {
            QImage mask = canvas(59 + 9, 80 + 9);
            {
                QPainter m(&mask);
                m.setPen(Qt::NoPen);
                for (int y = 0; y < mask.height(); ++y) {
                    for (int x = 0; x < mask.width(); ++x) {
                        const bool band = (x >= 59 && y >= 7) || (y >= 80 && x >= 8);
                        if (band && (x + y) % 2 == 0) mask.setPixelColor(x, y, QColor(0, 0, 0));
                    }
                }
            }
            p.drawImage(lifted, mask);
        }
        p.drawImage(lifted, preview.face(11));
        p.end();
        folder.addBitmap(shadow ? QStringLiteral("CARD_WITH_SHADOW") : QStringLiteral("CARD_WITHOUT_SHADOW"),
                         image.convertToFormat(QImage::Format_RGB32));
    }
    // Irregular piles: every card but the bottom one of a column moves a
    // little sideways.
    for (const bool irregular : {true, false}) {
        QImage image = feltArea(170, 126);
        QPainter p(&image);
        const int faces[3][4] = {{12, 24, 36, 10}, {9, 47, 7, 19}, {51, 14, 2, 30}};
        const int jitter[3][4] = {{0, 3, -2, 2}, {0, -3, 1, -2}, {0, 2, 4, -1}};
        for (int column = 0; column < 3; ++column) {
            for (int k = 0; k < 4; ++k) {
                const int dx = irregular ? jitter[column][k] : 0;
                p.drawImage(5 + column * 51 + dx, 4 + k * 14, preview.face(faces[column][k]));
            }
        }
        p.end();
        folder.addBitmap(irregular ? QStringLiteral("CARD_IRR_PILES_YES") : QStringLiteral("CARD_IRR_PILES_NO"),
                         image.convertToFormat(QImage::Format_RGB32));
    }
    // The strips of the animated previews, frames of 160 x 80 side by side:
    // a card glides from the stock to a pile, or simply appears there. Red
    // stands for the control's own colour.
    const auto frame = [&](QPainter& p, int index, double t) {
        const int left = index * 160;
        p.drawImage(left + 8, 10, preview.back(QSize(44, 60)));
        const QImage card = preview.face(0, QSize(44, 60));
        const double x = 8 + (108 - 8) * t;
        const double y = 10 - 8 * std::sin(t * std::numbers::pi);
        p.drawImage(QPointF(left + x, y), card);
    };
    QImage moving = canvas(160 * 12, 80);
    {
        QPainter p(&moving);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int i = 0; i < 12; ++i) frame(p, i, i / 11.0);
    }
    folder.addBitmap(QStringLiteral("ANIMATED_YES"), onKey(moving, kRed));
    QImage still = canvas(160 * 2, 80);
    {
        QPainter p(&still);
        frame(p, 0, 0);
        frame(p, 1, 1);
    }
    folder.addBitmap(QStringLiteral("ANIMATED_NO"), onKey(still, kRed));
}

}  // namespace

void addGlyphs(ResourceFolder& folder, const Decks& decks) {
    addSuits(folder);
    addCounterCells(folder);
    addToolBar(folder);
    addPause(folder);
    addSoundIcons(folder);
    addRatings(folder);
    addTreeImages(folder);
    addOptionPreviews(folder, decks);
}

}  // namespace tarvelle::rgf
