// The 27 card backs drawn at any pixel size: the decks' own backs and pictures of our own.
#include "table/CardBacks.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QSvgRenderer>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "table/CardArt.h"

namespace tarvelle::cardart {

namespace {

// Every picture is drawn on a card of 71 x 96 units, scaled to the pixels.
constexpr double kW = 71.0;
constexpr double kH = 96.0;
const QRectF kInner(3.0, 3.0, kW - 6.0, kH - 6.0);

// The pictures' own scattering: the same on every build and every screen.
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    double next() {
        state_ = state_ * 134775813u + 1u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24);
    }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    std::uint32_t state_;
};

void fillVertical(QPainter& p, const QRectF& area, QColor top, QColor bottom) {
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.fillRect(area, gradient);
}

void disc(QPainter& p, QPointF centre, double radius, QColor colour) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    p.fillPath(path, colour);
}

void oval(QPainter& p, QPointF centre, double rx, double ry, QColor colour) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    p.fillPath(path, colour);
}

void line(QPainter& p, QPointF from, QPointF to, QColor colour, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    p.setPen(Qt::NoPen);
}

QPainterPath polygonPath(const std::vector<QPointF>& points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points.begin(), points.end())));
    path.closeSubpath();
    return path;
}

// A mountain ridge from the left edge to the right, filled down to the
// bottom: a few broad swells for the peaks, roughened by halving steps.
QPainterPath ridge(double baseY, double height, int peaks, std::uint32_t seed, double jag) {
    Scatter scatter(seed);
    constexpr int kSteps = 64;
    std::vector<double> rough(kSteps + 1, 0.0);
    double amplitude = jag;
    for (int step = kSteps; step > 1; step /= 2) {
        for (int i = step / 2; i < kSteps; i += step) {
            rough[static_cast<std::size_t>(i)] =
                (rough[static_cast<std::size_t>(i - step / 2)] +
                 rough[static_cast<std::size_t>(i + step / 2)]) / 2 + amplitude * scatter.between(-1, 1);
        }
        amplitude *= 0.55;
    }
    const double phase = scatter.between(0, 2 * std::numbers::pi);
    std::vector<QPointF> points;
    points.emplace_back(0, kH);
    for (int i = 0; i <= kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        const double swell = std::abs(std::sin(t * peaks * std::numbers::pi * 0.9 + phase));
        const double y = 0.35 + 0.6 * swell + rough[static_cast<std::size_t>(i)];
        points.emplace_back(kW * t, baseY - height * y);
    }
    points.emplace_back(kW, kH);
    return polygonPath(points);
}

void sprinkleStars(QPainter& p, int count, std::uint32_t seed, double maxY, QColor colour) {
    Scatter scatter(seed);
    for (int i = 0; i < count; ++i) {
        const QPointF at(scatter.between(kInner.left(), kInner.right()),
                         scatter.between(kInner.top(), maxY));
        disc(p, at, scatter.between(0.25, 0.7), colour);
    }
}

QPainterPath star(QPointF centre, double outer, double inner, int points, double turn = 0) {
    std::vector<QPointF> corners;
    for (int i = 0; i < points * 2; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = turn - std::numbers::pi / 2 + i * std::numbers::pi / points;
        corners.emplace_back(centre.x() + radius * std::cos(angle),
                             centre.y() + radius * std::sin(angle));
    }
    return polygonPath(corners);
}

void boat(QPainter& p) {
    fillVertical(p, QRectF(0, 0, kW, 62), QColor(30, 40, 96), QColor(244, 140, 60));
    disc(p, QPointF(40, 60), 11, QColor(255, 200, 90));
    fillVertical(p, QRectF(0, 60, kW, 40), QColor(40, 60, 120), QColor(12, 20, 50));
    Scatter scatter(1);
    for (int i = 0; i < 14; ++i) {
        const double y = 62 + i * 2.2;
        const double half = 9 - i * 0.5 + scatter.between(-1.5, 1.5);
        line(p, QPointF(40 - half, y), QPointF(40 + half, y), QColor(255, 190, 100, 150), 0.8);
    }
    QPainterPath hull;
    hull.moveTo(12, 70);
    hull.lineTo(44, 70);
    hull.lineTo(39, 76);
    hull.lineTo(17, 76);
    hull.closeSubpath();
    p.fillPath(hull, QColor(60, 30, 20));
    line(p, QPointF(28, 70), QPointF(28, 30), QColor(60, 30, 20), 1.2);
    p.fillPath(polygonPath({{29, 32}, {29, 68}, {45, 68}}), QColor(250, 244, 225));
    p.fillPath(polygonPath({{27, 36}, {27, 68}, {15, 68}}), QColor(235, 225, 200));
    p.fillPath(polygonPath({{28, 30}, {34, 32}, {28, 34}}), QColor(200, 30, 30));
}

void magi(QPainter& p) {
    fillVertical(p, QRectF(0, 0, kW, kH), QColor(10, 14, 48), QColor(48, 32, 84));
    sprinkleStars(p, 60, 2, 62, QColor(255, 255, 230));
    QPainterPath tail;
    tail.moveTo(52, 20);
    tail.lineTo(18, 4);
    tail.lineTo(16, 9);
    tail.closeSubpath();
    QLinearGradient glow(QPointF(52, 20), QPointF(16, 6));
    glow.setColorAt(0, QColor(255, 240, 180, 220));
    glow.setColorAt(1, QColor(255, 240, 180, 0));
    p.fillPath(tail, glow);
    p.fillPath(star(QPointF(52, 20), 6, 1.6, 8), QColor(255, 236, 150));
    QPainterPath dune;
    dune.moveTo(0, 74);
    dune.cubicTo(20, 64, 40, 80, 71, 68);
    dune.lineTo(71, 96);
    dune.lineTo(0, 96);
    p.fillPath(dune, QColor(196, 152, 92));
    QPainterPath near;
    near.moveTo(0, 86);
    near.cubicTo(30, 78, 50, 90, 71, 84);
    near.lineTo(71, 96);
    near.lineTo(0, 96);
    p.fillPath(near, QColor(160, 116, 64));
    const QColor robes[] = {QColor(120, 40, 140), QColor(170, 30, 40), QColor(30, 110, 70)};
    for (int i = 0; i < 3; ++i) {
        const double x = 18 + i * 14;
        const double foot = 75 - i * 1.5;
        p.fillPath(polygonPath({{x, foot - 15}, {x - 5, foot}, {x + 5, foot}}), robes[i]);
        disc(p, QPointF(x, foot - 16.5), 2.4, QColor(120, 80, 50));
        p.fillPath(polygonPath({{x - 2.4, foot - 18.5}, {x - 2.4, foot - 21.5}, {x - 1.2, foot - 20},
                                {x, foot - 22}, {x + 1.2, foot - 20}, {x + 2.4, foot - 21.5},
                                {x + 2.4, foot - 18.5}}),
                   QColor(240, 200, 60));
        disc(p, QPointF(x + 3, foot - 9), 1.2, QColor(240, 200, 60));
    }
}

void snowman(QPainter& p) {
    fillVertical(p, QRectF(0, 0, kW, kH), QColor(24, 56, 104), QColor(96, 140, 190));
    QPainterPath ground;
    ground.moveTo(0, 78);
    ground.cubicTo(25, 72, 45, 74, 71, 80);
    ground.lineTo(71, 96);
    ground.lineTo(0, 96);
    p.fillPath(ground, QColor(240, 246, 252));
    const QColor snow(250, 252, 255);
    const QColor shade(200, 214, 232);
    disc(p, QPointF(35.5, 76), 14, shade);
    disc(p, QPointF(34.5, 75), 13, snow);
    disc(p, QPointF(35.5, 54), 10, shade);
    disc(p, QPointF(34.8, 53.3), 9.3, snow);
    disc(p, QPointF(35.5, 37), 7, shade);
    disc(p, QPointF(35, 36.5), 6.5, snow);
    p.fillRect(QRectF(28, 29, 15, 2), QColor(20, 20, 24));
    p.fillRect(QRectF(30.5, 19, 10, 10.5), QColor(20, 20, 24));
    p.fillRect(QRectF(30.5, 26, 10, 1.6), QColor(190, 30, 30));
    disc(p, QPointF(32.8, 35.5), 0.9, QColor(20, 20, 20));
    disc(p, QPointF(38.2, 35.5), 0.9, QColor(20, 20, 20));
    p.fillPath(polygonPath({{35.5, 37.2}, {43, 39}, {35.5, 39.2}}), QColor(240, 120, 20));
    for (int i = 0; i < 5; ++i) disc(p, QPointF(33 + i * 1.3, 40.5 + (i == 0 || i == 4 ? -0.6 : 0)), 0.55, QColor(30, 30, 30));
    p.fillRect(QRectF(28, 43, 15, 3), QColor(200, 30, 40));
    p.fillRect(QRectF(38, 44, 3, 9), QColor(200, 30, 40));
    for (int i = 0; i < 3; ++i) disc(p, QPointF(35.5, 49 + i * 4), 1.0, QColor(30, 30, 30));
    line(p, QPointF(26, 52), QPointF(14, 44), QColor(110, 70, 40), 1.2);
    line(p, QPointF(17, 46), QPointF(15, 41), QColor(110, 70, 40), 1.0);
    line(p, QPointF(45, 52), QPointF(57, 45), QColor(110, 70, 40), 1.2);
    line(p, QPointF(54, 47), QPointF(58, 42), QColor(110, 70, 40), 1.0);
    sprinkleStars(p, 70, 3, 93, QColor(255, 255, 255, 220));
}

void dragon(QPainter& p) {
    p.fillRect(QRectF(0, 0, kW, kH), QColor(150, 20, 24));
    p.setPen(QPen(QColor(200, 60, 50), 0.6));
    for (double y = 6; y < kH; y += 8) {
        for (double x = 6; x < kW; x += 8) p.drawRect(QRectF(x - 2, y - 2, 4, 4));
    }
    p.setPen(Qt::NoPen);
    QPainterPath body;
    body.moveTo(8, 88);
    body.cubicTo(40, 96, 66, 80, 52, 64);
    body.cubicTo(40, 50, 14, 62, 18, 44);
    body.cubicTo(22, 28, 46, 38, 42, 24);
    const QColor gold(236, 184, 48);
    const QColor dark(140, 90, 10);
    p.strokePath(body, QPen(dark, 9, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(body, QPen(gold, 7, Qt::SolidLine, Qt::RoundCap));
    const double length = body.length();
    for (int i = 1; i < 22; ++i) {
        const double t = body.percentAtLength(length * i / 22.0);
        const QPointF at = body.pointAtPercent(t);
        const double angle = body.angleAtPercent(t) * std::numbers::pi / 180.0;
        const QPointF normal(-std::sin(angle), -std::cos(angle));
        const QPointF along(std::cos(angle), -std::sin(angle));
        p.fillPath(polygonPath({at + normal * 3.0 - along * 1.5, at + normal * 6.0,
                                at + normal * 3.0 + along * 1.5}),
                   QColor(40, 130, 60));
        p.setPen(QPen(dark, 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(at.x() - 1.6, at.y() - 1.6, 3.2, 3.2), 200 * 16, 140 * 16);
        p.setPen(Qt::NoPen);
    }
    oval(p, QPointF(40, 21), 7, 5, dark);
    oval(p, QPointF(40, 21), 6.2, 4.3, gold);
    p.fillPath(polygonPath({{34, 20}, {26, 22}, {27, 25}, {35, 24}}), gold);
    line(p, QPointF(44, 17), QPointF(52, 9), dark, 1.2);
    line(p, QPointF(41, 17), QPointF(45, 8), dark, 1.2);
    line(p, QPointF(27, 23), QPointF(20, 30), QColor(40, 130, 60), 0.8);
    disc(p, QPointF(38, 19.5), 1.2, QColor(200, 20, 20));
    QRadialGradient pearl(QPointF(56, 34), 5);
    pearl.setColorAt(0, QColor(255, 255, 240));
    pearl.setColorAt(1, QColor(255, 150, 40));
    QPainterPath ball;
    ball.addEllipse(QPointF(56, 34), 4.5, 4.5);
    p.fillPath(ball, pearl);
}

void daisy(QPainter& p, QPointF centre, double radius, QColor petals, QColor heart) {
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 45.0);
        oval(p, QPointF(0, -radius * 0.62), radius * 0.28, radius * 0.5, petals);
        p.restore();
    }
    disc(p, centre, radius * 0.35, heart);
}

void flowers(QPainter& p) {
    fillVertical(p, QRectF(0, 0, kW, 50), QColor(120, 190, 250), QColor(200, 235, 255));
    fillVertical(p, QRectF(0, 50, kW, 46), QColor(110, 190, 70), QColor(50, 130, 40));
    disc(p, QPointF(56, 15), 6, QColor(255, 220, 60));
    Scatter scatter(5);
    const QColor colours[] = {QColor(255, 255, 255), QColor(255, 120, 170), QColor(255, 220, 40),
                              QColor(170, 110, 230), QColor(255, 140, 60)};
    for (int i = 0; i < 9; ++i) {
        const double x = 8 + (i % 3) * 21 + scatter.between(-3, 3);
        const double y = 42 + (i / 3) * 16 + scatter.between(-3, 3);
        line(p, QPointF(x, y), QPointF(x + scatter.between(-2, 2), y + 14), QColor(30, 110, 30), 1.0);
        oval(p, QPointF(x + 2.5, y + 9), 2.4, 1.1, QColor(40, 140, 40));
        daisy(p, QPointF(x, y), 5.5, colours[i % 5], QColor(250, 180, 20));
    }
}

// Basket weave: cells of strips that run across and down in turn.
void weave(QPainter& p, double cell, int strips, QColor light, QColor dark, QColor gap) {
    p.fillRect(QRectF(-kH, -kH, 3 * kH, 3 * kH), gap);
    const double strip = cell / strips;
    for (int row = -12; row < 24; ++row) {
        for (int col = -12; col < 24; ++col) {
            const QRectF box(col * cell, row * cell, cell, cell);
            const bool across = (row + col) % 2 == 0;
            for (int s = 0; s < strips; ++s) {
                const QRectF band = across ? QRectF(box.left(), box.top() + s * strip + 0.3,
                                                    cell, strip - 0.6)
                                           : QRectF(box.left() + s * strip + 0.3, box.top(),
                                                    strip - 0.6, cell);
                QLinearGradient shine(across ? band.topLeft() : band.topLeft(),
                                      across ? band.topRight() : band.bottomLeft());
                shine.setColorAt(0, dark);
                shine.setColorAt(0.5, light);
                shine.setColorAt(1, dark);
                p.fillRect(band, shine);
            }
        }
    }
}

void plaiting2(QPainter& p) {
    weave(p, 9, 3, QColor(232, 190, 120), QColor(160, 110, 50), QColor(80, 50, 20));
}

void plaiting1(QPainter& p) {
    p.translate(kW / 2, kH / 2);
    p.rotate(45);
    p.translate(-kW / 2, -kH / 2);
    weave(p, 8, 2, QColor(220, 232, 255), QColor(40, 80, 170), QColor(16, 30, 80));
}

void lattice(QPainter& p, QColor ground, QColor lines) {
    p.fillRect(QRectF(0, 0, kW, kH), ground);
    p.setPen(QPen(lines, 0.7));
    for (double d = -kH; d < kW + kH; d += 6) {
        p.drawLine(QPointF(d, 0), QPointF(d + kH, kH));
        p.drawLine(QPointF(d, 0), QPointF(d - kH, kH));
    }
    p.setPen(Qt::NoPen);
    for (double y = 0; y < kH + 6; y += 6) {
        for (double x = std::fmod(y / 6, 2) == 0 ? 0 : 3; x < kW + 6; x += 6) {
            disc(p, QPointF(x + 1.5, y), 0.9, lines);
        }
    }
    p.setPen(QPen(lines, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(6, 6, kW - 12, kH - 12), 3, 3);
    p.setPen(QPen(ground, 2.2));
    p.drawRoundedRect(QRectF(8, 8, kW - 16, kH - 16), 2, 2);
    p.setPen(Qt::NoPen);
    p.fillPath(star(QPointF(kW / 2, kH / 2), 12, 5, 8), ground);
    p.fillPath(star(QPointF(kW / 2, kH / 2), 10, 4, 8), lines);
    disc(p, QPointF(kW / 2, kH / 2), 3.5, ground);
}

void sun(QPainter& p) {
    fillVertical(p, QRectF(0, 0, kW, kH), QColor(40, 110, 210), QColor(130, 190, 250));
    const QPointF centre(kW / 2, kH / 2);
    for (int i = 0; i < 16; ++i) {
        const double a = i * std::numbers::pi / 8;
        const double b = a + std::numbers::pi / 16;
        const double c = a - std::numbers::pi / 16;
        p.fillPath(polygonPath({centre + QPointF(16 * std::cos(b), 16 * std::sin(b)),
                                centre + QPointF(60 * std::cos(a), 60 * std::sin(a)),
                                centre + QPointF(16 * std::cos(c), 16 * std::sin(c))}),
                   i % 2 == 0 ? QColor(255, 210, 40) : QColor(255, 150, 30));
    }
    QRadialGradient face(centre, 16);
    face.setColorAt(0, QColor(255, 240, 120));
    face.setColorAt(1, QColor(250, 180, 20));
    QPainterPath disk;
    disk.addEllipse(centre, 15, 15);
    p.fillPath(disk, face);
    disc(p, centre + QPointF(-5, -3), 1.6, QColor(120, 60, 10));
    disc(p, centre + QPointF(5, -3), 1.6, QColor(120, 60, 10));
    p.setPen(QPen(QColor(120, 60, 10), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - 7, centre.y() - 6, 14, 13), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    disc(p, centre + QPointF(-9, 3), 2.2, QColor(255, 130, 80, 140));
    disc(p, centre + QPointF(9, 3), 2.2, QColor(255, 130, 80, 140));
}

void teddy(QPainter& p) {
    p.fillRect(QRectF(0, 0, kW, kH), QColor(246, 200, 216));
    for (double y = 4; y < kH; y += 9) {
        for (double x = std::fmod(y, 18) < 9 ? 4 : 8.5; x < kW; x += 9) {
            disc(p, QPointF(x, y), 1.3, QColor(255, 240, 246));
        }
    }
    const QColor fur(160, 104, 44);
    const QColor light(220, 176, 120);
    disc(p, QPointF(22, 26), 6.5, fur);
    disc(p, QPointF(49, 26), 6.5, fur);
    disc(p, QPointF(22, 26), 3.5, light);
    disc(p, QPointF(49, 26), 3.5, light);
    oval(p, QPointF(35.5, 68), 16, 19, fur);
    oval(p, QPointF(35.5, 70), 10, 12, light);
    oval(p, QPointF(19, 62), 5, 9, fur);
    oval(p, QPointF(52, 62), 5, 9, fur);
    oval(p, QPointF(25, 86), 7, 5, fur);
    oval(p, QPointF(46, 86), 7, 5, fur);
    oval(p, QPointF(25, 86.5), 4, 3, light);
    oval(p, QPointF(46, 86.5), 4, 3, light);
    disc(p, QPointF(35.5, 38), 14, fur);
    oval(p, QPointF(35.5, 44), 7, 5.5, light);
    oval(p, QPointF(35.5, 41.5), 2.6, 1.9, QColor(50, 30, 20));
    line(p, QPointF(35.5, 43), QPointF(35.5, 46), QColor(50, 30, 20), 0.8);
    disc(p, QPointF(30, 35), 1.6, QColor(30, 20, 10));
    disc(p, QPointF(41, 35), 1.6, QColor(30, 20, 10));
    disc(p, QPointF(30.5, 34.5), 0.5, QColor(255, 255, 255));
    disc(p, QPointF(41.5, 34.5), 0.5, QColor(255, 255, 255));
    p.fillPath(polygonPath({{35.5, 53}, {28, 49}, {28, 57}}), QColor(200, 30, 60));
    p.fillPath(polygonPath({{35.5, 53}, {43, 49}, {43, 57}}), QColor(200, 30, 60));
    disc(p, QPointF(35.5, 53), 1.8, QColor(230, 50, 80));
}

void rose(QPainter& p, QPointF at, double radius) {
    for (double side : {-1.0, 1.0}) {
        p.save();
        p.translate(at + QPointF(side * radius * 1.05, radius * 0.7));
        p.rotate(side * 35);
        oval(p, QPointF(0, 0), radius * 0.75, radius * 0.35, QColor(50, 130, 50));
        p.restore();
    }
    disc(p, at, radius, QColor(150, 10, 30));
    disc(p, at, radius * 0.82, QColor(200, 24, 48));
    p.setPen(QPen(QColor(120, 0, 20), radius * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        const double r = radius * (0.7 - i * 0.16);
        p.drawArc(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), (i * 100) * 16, 230 * 16);
    }
    p.setPen(Qt::NoPen);
}

void roses(QPainter& p) {
    p.fillRect(QRectF(0, 0, kW, kH), QColor(24, 52, 30));
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 3; ++col) {
            const double x = 13 + col * 22.5 + (row % 2) * 11 - 5;
            const double y = 12 + row * 18.5;
            rose(p, QPointF(x, y), 5.5);
        }
    }
}

void japaneseWoman(QPainter& p) {
    p.fillRect(QRectF(0, 0, kW, kH), QColor(244, 232, 206));
    disc(p, QPointF(46, 32), 17, QColor(214, 40, 40));
    QPainterPath branch;
    branch.moveTo(0, 14);
    branch.cubicTo(14, 10, 22, 20, 34, 12);
    branch.moveTo(14, 13);
    branch.cubicTo(18, 20, 16, 26, 22, 30);
    p.strokePath(branch, QPen(QColor(80, 50, 40), 1.4, Qt::SolidLine, Qt::RoundCap));
    Scatter scatter(16);
    for (int i = 0; i < 12; ++i) {
        const QPointF at = branch.pointAtPercent(scatter.next()) +
                           QPointF(scatter.between(-3, 3), scatter.between(-3, 3));
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * std::numbers::pi / 5;
            disc(p, at + QPointF(1.3 * std::cos(a), 1.3 * std::sin(a)), 1.1, QColor(246, 170, 190));
        }
        disc(p, at, 0.6, QColor(200, 60, 90));
    }
    QPainterPath kimono;
    kimono.moveTo(31, 50);
    kimono.cubicTo(22, 56, 20, 74, 16, 90);
    kimono.lineTo(46, 90);
    kimono.cubicTo(44, 74, 42, 58, 35, 50);
    kimono.closeSubpath();
    p.fillPath(kimono, QColor(40, 50, 110));
    p.fillPath(polygonPath({{31, 50}, {33, 58}, {35, 50}}), QColor(240, 240, 240));
    p.fillRect(QRectF(22, 61, 22, 5), QColor(220, 170, 50));
    p.fillRect(QRectF(22, 62.5, 22, 1.2), QColor(200, 40, 40));
    for (int i = 0; i < 6; ++i) disc(p, QPointF(22 + i * 4, 78 + (i % 2) * 5), 1.4, QColor(246, 170, 190));
    disc(p, QPointF(33, 45), 4.6, QColor(250, 240, 232));
    QPainterPath hair;
    hair.addEllipse(QPointF(33.5, 42.8), 5.2, 3.6);
    hair.addEllipse(QPointF(34, 37.5), 3.6, 2.8);
    p.fillPath(hair, QColor(20, 16, 20));
    line(p, QPointF(30, 36), QPointF(39, 39), QColor(200, 160, 60), 0.6);
    line(p, QPointF(47, 52), QPointF(36, 64), QColor(80, 50, 40), 0.8);
    QPainterPath parasol;
    parasol.moveTo(38, 52);
    parasol.quadTo(47, 40, 58, 48);
    parasol.quadTo(48, 48, 38, 52);
    p.fillPath(parasol, QColor(200, 40, 60));
}

void stars(QPainter& p) {
    p.fillRect(QRectF(0, 0, kW, kH), QColor(14, 24, 76));
    sprinkleStars(p, 50, 17, kH, QColor(200, 210, 255));
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 4; ++col) {
            const double x = 9 + col * 18 + (row % 2) * 9 - (row % 2 ? 0 : 0);
            const double y = 8 + row * 13.5;
            const double size = (row + col) % 2 == 0 ? 5 : 3.4;
            p.fillPath(star(QPointF(x, y), size, size * 0.42, 5), QColor(246, 200, 60));
        }
    }
}

void eagle(QPainter& p) {
    fillVertical(p, QRectF(0, 0, kW, kH), QColor(60, 40, 110), QColor(250, 150, 70));
    disc(p, QPointF(20, 66), 9, QColor(255, 210, 120));
    p.fillPath(ridge(82, 20, 3, 18, 0.12), QColor(90, 50, 80));
    p.fillPath(ridge(92, 12, 2, 19, 0.16), QColor(50, 24, 50));
    const QColor bird(36, 22, 16);
    for (double side : {-1.0, 1.0}) {
        const auto at = [&](double x, double y) { return QPointF(35.5 + side * x, y); };
        QPainterPath wing;
        wing.moveTo(at(2, 40));
        wing.cubicTo(at(10, 30), at(18, 24), at(30, 22));
        wing.lineTo(at(31, 25));
        wing.lineTo(at(27, 27));
        wing.lineTo(at(30, 30));
        wing.lineTo(at(25, 31));
        wing.lineTo(at(27, 35));
        wing.lineTo(at(21, 35));
        wing.cubicTo(at(14, 38), at(8, 44), at(3, 47));
        wing.closeSubpath();
        p.fillPath(wing, bird);
    }
    oval(p, QPointF(35.5, 44), 4, 8, bird);
    disc(p, QPointF(35.5, 34.5), 3.2, QColor(240, 236, 224));
    p.fillPath(polygonPath({{35.5, 35.5}, {38, 37}, {35.5, 38.5}}), QColor(240, 190, 40));
    p.fillPath(polygonPath({{32, 50}, {39, 50}, {41, 58}, {35.5, 56}, {30, 58}}), QColor(240, 236, 224));
}

void fish(QPainter& p, QPointF at, double size, bool facingLeft, QColor body, QColor stripes,
          QColor fin) {
    p.save();
    p.translate(at);
    if (!facingLeft) p.scale(-1, 1);
    p.scale(size, size);
    p.fillPath(polygonPath({{5, 0}, {10, -4}, {9.5, 0}, {10, 4}}), fin);
    QPainterPath shape;
    shape.addEllipse(QPointF(0, 0), 6, 3.8);
    p.fillPath(shape, body);
    p.save();
    p.setClipPath(shape);
    for (double x : {-2.5, 1.5}) p.fillRect(QRectF(x, -5, 1.3, 10), stripes);
    p.restore();
    p.fillPath(polygonPath({{-1, -3.6}, {2, -6}, {4, -3}}), fin);
    disc(p, QPointF(-3.8, -0.8), 0.9, QColor(255, 255, 255));
    disc(p, QPointF(-3.9, -0.8), 0.45, QColor(0, 0, 0));
    p.restore();
}

void tropicalFish(QPainter& p) {
    fillVertical(p, QRectF(0, 0, kW, kH), QColor(20, 130, 190), QColor(6, 40, 80));
    QPainterPath sand;
    sand.moveTo(0, 86);
    sand.cubicTo(20, 82, 50, 90, 71, 84);
    sand.lineTo(71, 96);
    sand.lineTo(0, 96);
    p.fillPath(sand, QColor(214, 190, 130));
    for (int i = 0; i < 5; ++i) {
        QPainterPath weed;
        const double x = 6 + i * 14;
        weed.moveTo(x, 90);
        weed.cubicTo(x - 5, 80, x + 5, 72, x - 1, 60 + (i % 2) * 6);
        p.strokePath(weed, QPen(QColor(40, 150, 80), 2.2, Qt::SolidLine, Qt::RoundCap));
    }
    fish(p, QPointF(24, 24), 1.6, true, QColor(250, 120, 20), QColor(255, 255, 255), QColor(230, 90, 10));
    fish(p, QPointF(48, 46), 1.4, false, QColor(250, 220, 40), QColor(30, 70, 200), QColor(30, 70, 200));
    fish(p, QPointF(22, 66), 1.2, true, QColor(40, 90, 230), QColor(250, 220, 40), QColor(250, 220, 40));
    fish(p, QPointF(52, 74), 0.9, false, QColor(230, 60, 140), QColor(255, 240, 255), QColor(160, 40, 160));
    p.setPen(QPen(QColor(220, 240, 255, 200), 0.6));
    p.setBrush(Qt::NoBrush);
    Scatter scatter(19);
    for (int i = 0; i < 9; ++i) {
        const double r = scatter.between(0.8, 1.8);
        p.drawEllipse(QPointF(58 + scatter.between(-3, 3), 8 + i * 4.5), r, r);
    }
    p.setPen(Qt::NoPen);
}

void lake(QPainter& p) {
    fillVertical(p, QRectF(0, 0, kW, 56), QColor(110, 170, 230), QColor(220, 236, 250));
    p.fillPath(ridge(50, 24, 3, 20, 0.12), QColor(110, 130, 170));
    p.fillPath(ridge(56, 12, 2, 21, 0.16), QColor(40, 90, 60));
    fillVertical(p, QRectF(0, 56, kW, 40), QColor(70, 120, 170), QColor(30, 60, 100));
    p.save();
    p.translate(0, 112);
    p.scale(1, -1);
    p.setClipRect(QRectF(0, 0, kW, 56));
    p.fillPath(ridge(50, 24, 3, 20, 0.12), QColor(110, 130, 170, 90));
    p.fillPath(ridge(56, 12, 2, 21, 0.16), QColor(40, 90, 60, 120));
    p.restore();
    Scatter scatter(20);
    for (int i = 0; i < 16; ++i) {
        const double y = scatter.between(60, 92);
        const double x = scatter.between(5, 60);
        line(p, QPointF(x, y), QPointF(x + scatter.between(4, 10), y), QColor(230, 240, 255, 120), 0.5);
    }
}

void cloud(QPainter& p, QPointF at, double size) {
    QPainterPath puff;
    puff.addEllipse(at + QPointF(-size, 0), size * 0.9, size * 0.7);
    puff.addEllipse(at + QPointF(0, -size * 0.4), size * 1.1, size * 0.95);
    puff.addEllipse(at + QPointF(size * 1.1, 0), size * 0.85, size * 0.65);
    puff.addEllipse(at + QPointF(0, size * 0.2), size * 1.5, size * 0.6);
    puff.setFillRule(Qt::WindingFill);
    p.fillPath(puff.translated(0.5, 0.8), QColor(170, 190, 220));
    p.fillPath(puff, QColor(255, 255, 255));
}

void clouds(QPainter& p) {
    fillVertical(p, QRectF(0, 0, kW, kH), QColor(40, 110, 210), QColor(170, 210, 250));
    cloud(p, QPointF(20, 16), 6);
    cloud(p, QPointF(52, 34), 7);
    cloud(p, QPointF(18, 52), 5);
    cloud(p, QPointF(46, 70), 8);
    cloud(p, QPointF(16, 86), 5);
}

void sea(QPainter& p) {
    fillVertical(p, QRectF(0, 0, kW, 30), QColor(250, 220, 170), QColor(250, 240, 220));
    disc(p, QPointF(52, 16), 6, QColor(230, 70, 50));
    for (int row = 0; row < 9; ++row) {
        const double y = 26 + row * 8.5;
        const double shift = (row % 2) * 6;
        QPainterPath wave;
        wave.moveTo(-12, kH);
        wave.lineTo(-12, y);
        for (double x = -12 + shift; x < kW + 12; x += 12) {
            wave.cubicTo(x + 3, y - 6, x + 9, y - 6, x + 12, y);
        }
        wave.lineTo(kW + 12, kH);
        wave.closeSubpath();
        const int blue = 170 - row * 14;
        QLinearGradient depth(QPointF(0, y - 6), QPointF(0, y + 8));
        depth.setColorAt(0, QColor(40, 90 + row * 4, std::min(255, blue + 60)));
        depth.setColorAt(1, QColor(10, 40, blue));
        p.fillPath(wave, depth);
        p.strokePath(wave, QPen(QColor(255, 255, 255, 200), 0.9));
    }
}

void mountains1(QPainter& p) {
    fillVertical(p, QRectF(0, 0, kW, kH), QColor(60, 120, 210), QColor(200, 226, 250));
    QLinearGradient snow(QPointF(0, 16), QPointF(0, 60));
    snow.setColorAt(0, QColor(255, 255, 255));
    snow.setColorAt(0.35, QColor(240, 246, 255));
    snow.setColorAt(0.45, QColor(120, 140, 170));
    snow.setColorAt(1, QColor(70, 90, 120));
    p.fillPath(ridge(58, 56, 3, 23, 0.2), snow);
    p.fillPath(ridge(74, 26, 2, 24, 0.16), QColor(60, 100, 80));
    p.fillPath(ridge(90, 16, 3, 25, 0.2), QColor(30, 60, 40));
}

void mountains2(QPainter& p) {
    fillVertical(p, QRectF(0, 0, kW, kH), QColor(90, 40, 120), QColor(250, 170, 90));
    disc(p, QPointF(40, 40), 10, QColor(255, 230, 160));
    p.fillPath(ridge(52, 34, 3, 26, 0.16), QColor(170, 90, 130));
    p.fillPath(ridge(66, 28, 3, 27, 0.16), QColor(120, 60, 110));
    p.fillPath(ridge(80, 22, 3, 28, 0.16), QColor(80, 36, 80));
    p.fillPath(ridge(94, 16, 2, 29, 0.16), QColor(44, 18, 44));
}

void hills(QPainter& p) {
    fillVertical(p, QRectF(0, 0, kW, kH), QColor(110, 180, 250), QColor(220, 240, 255));
    disc(p, QPointF(54, 16), 7, QColor(255, 226, 80));
    cloud(p, QPointF(20, 20), 4);
    const QColor greens[] = {QColor(140, 200, 90), QColor(100, 170, 70), QColor(70, 140, 50),
                             QColor(40, 110, 40)};
    for (int i = 0; i < 4; ++i) {
        const double base = 52 + i * 12;
        QPainterPath hill;
        hill.moveTo(0, kH);
        hill.lineTo(0, base);
        const double phase = i * 1.7;
        for (int s = 1; s <= 36; ++s) {
            const double x = kW * s / 36;
            hill.lineTo(x, base - 6 * std::sin(x / 14 + phase) - 3 * std::sin(x / 7 + phase * 2));
        }
        hill.lineTo(kW, kH);
        hill.closeSubpath();
        p.fillPath(hill, greens[i]);
        if (i == 1) {
            p.fillRect(QRectF(44, base - 12, 8, 6), QColor(250, 240, 220));
            p.fillPath(polygonPath({{43, base - 12}, {48, base - 17}, {53, base - 12}}), QColor(200, 40, 40));
            p.fillRect(QRectF(47, base - 9, 2, 3), QColor(110, 70, 40));
        }
        if (i == 2) {
            for (double x : {10.0, 18.0}) {
                p.fillRect(QRectF(x - 0.6, base - 10, 1.2, 5), QColor(100, 60, 30));
                disc(p, QPointF(x, base - 12), 3.2, QColor(30, 100, 40));
            }
        }
    }
}

void horse(QPainter& p) {
    p.fillRect(QRectF(0, 0, kW, kH), QColor(26, 70, 42));
    p.setPen(QPen(QColor(220, 180, 80), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(5, 5, kW - 10, kH - 10), 3, 3);
    for (int i = 0; i < 4; ++i) {
        const QPointF corner(i % 2 == 0 ? 9 : kW - 9, i < 2 ? 9 : kH - 9);
        p.setPen(Qt::NoPen);
        p.fillPath(star(corner, 2.6, 1.0, 4), QColor(220, 180, 80));
    }
    p.setPen(Qt::NoPen);
    oval(p, QPointF(kW / 2, kH / 2), 26, 34, QColor(220, 180, 80));
    oval(p, QPointF(kW / 2, kH / 2), 24.5, 32.5, QColor(246, 236, 210));
    const auto at = [](double x, double y) { return QPointF(13 + x * 44, 20 + y * 58); };
    QPainterPath head;
    head.moveTo(at(0.78, 1.0));
    head.quadTo(at(0.86, 0.55), at(0.72, 0.28));
    head.lineTo(at(0.66, 0.02));
    head.lineTo(at(0.58, 0.16));
    head.quadTo(at(0.44, 0.14), at(0.3, 0.3));
    head.quadTo(at(0.18, 0.42), at(0.1, 0.54));
    head.quadTo(at(0.06, 0.62), at(0.16, 0.66));
    head.quadTo(at(0.3, 0.68), at(0.4, 0.6));
    head.quadTo(at(0.5, 0.7), at(0.44, 0.8));
    head.quadTo(at(0.34, 0.92), at(0.3, 1.0));
    head.closeSubpath();
    p.fillPath(head, QColor(70, 40, 24));
    QPainterPath mane;
    mane.moveTo(at(0.64, 0.12));
    mane.quadTo(at(0.9, 0.4), at(0.86, 0.98));
    mane.lineTo(at(0.8, 0.98));
    mane.quadTo(at(0.84, 0.5), at(0.62, 0.2));
    mane.closeSubpath();
    p.fillPath(mane, QColor(30, 16, 10));
    disc(p, at(0.42, 0.3), 1.3, QColor(250, 240, 220));
    disc(p, at(0.14, 0.56), 0.9, QColor(30, 16, 10));
}

using Picture = void (*)(QPainter&);

void classicRed(QPainter& p) { lattice(p, QColor(170, 24, 28), QColor(246, 200, 190)); }
void classicOrange(QPainter& p) { lattice(p, QColor(226, 112, 16), QColor(255, 232, 190)); }

// Backs 1-27; null where the back is the deck's own.
constexpr Picture kPictures[kBacks] = {
    boat,        magi,          snowman, dragon,  flowers,  plaiting2,    nullptr,
    classicRed,  classicOrange, sun,     plaiting1, nullptr, teddy,       roses,
    nullptr,     japaneseWoman, stars,   eagle,   tropicalFish, lake,     clouds,
    sea,         mountains1,    nullptr, mountains2, hills,  horse,
};

}  // namespace

int backFaceSet(int backNumber) {
    switch (backNumber) {
        case 7: return 1;   // the classic deck's blue back
        case 12: return 5;  // the pyramid of the Egyptian deck
        case 15: return 4;  // the engraved flower of the old deck
        case 24: return 3;  // the penguin
        default: return 0;
    }
}

QImage renderBack(int backNumber, QSize pixels,
                  const std::function<QSvgRenderer*(int faceSet)>& deckOfSet) {
    if (backNumber < 1 || backNumber > kBacks || pixels.isEmpty()) return {};
    if (const int faceSet = backFaceSet(backNumber); faceSet != 0) {
        QSvgRenderer* deck = deckOfSet ? deckOfSet(faceSet) : nullptr;
        if (deck == nullptr || !deck->isValid() || !deck->elementExists(QStringLiteral("back"))) {
            return {};
        }
        return renderDeckElement(*deck, QStringLiteral("back"), pixels,
                                 faceSetStyle(faceSet).nativeSize);
    }
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath outline = cardOutline(pixels);
    p.fillPath(outline, QColor(255, 255, 255));
    p.save();
    p.scale(pixels.width() / kW, pixels.height() / kH);
    QPainterPath inner;
    inner.addRoundedRect(kInner, 2.5, 2.5);
    p.setClipPath(inner);
    p.setPen(Qt::NoPen);
    kPictures[backNumber - 1](p);
    p.restore();
    p.setClipping(false);
    p.setPen(QPen(QColor(90, 90, 90), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    return image;
}

}  // namespace tarvelle::cardart
