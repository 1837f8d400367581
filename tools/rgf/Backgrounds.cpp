// The table backgrounds of the library: tileable textures "B101"-"B111" and "B257"-"B324", and the demo background "Y001".
#include "tools/rgf/Backgrounds.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "table/CardArt.h"
#include "tools/rgf/ResourceFolder.h"
#include "tools/rgf/Textures.h"

namespace tarvelle::rgf {

namespace {

constexpr int kTile = 256;
constexpr double kTau = 2 * std::numbers::pi;

double fraction(double x) { return x - std::floor(x); }

QImage felt(std::uint32_t seed, QColor base) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const double cloud = n.fbm(u, v, 4, 4);
        const double fibre = n.cell(x, y, 7);
        return shade(base, 0.86 + 0.2 * cloud + 0.08 * (fibre - 0.5));
    });
}

// Threads over and under in a plain weave, every thread `thread` pixels wide.
QImage cloth(std::uint32_t seed, QColor warp, QColor weft, int thread) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const bool across = ((x / thread) + (y / thread)) % 2 == 0;
        const double inThread = across ? (y % thread + 0.5) / thread : (x % thread + 0.5) / thread;
        const double round = std::sin(inThread * std::numbers::pi);
        const QColor colour = across ? weft : warp;
        return shade(colour, 0.7 + 0.35 * round + 0.1 * (n.fbm(u, v, 16, 2) - 0.5) +
                                 0.05 * (n.cell(x, y, 3) - 0.5));
    });
}

// Tartan: crossing bands of colour over a twill.
QImage tartan(std::uint32_t seed, QColor ground, QColor band, QColor line) {
    const TileNoise n(seed);
    const auto stripe = [&](int p) {
        const int m = p % 64;
        if (m < 24) return 0;
        if (m < 30) return 2;
        if (m < 52) return 1;
        if (m < 54) return 2;
        return 0;
    };
    const QColor colours[] = {ground, band, line};
    return fillTile(kTile, [&](double, double, int x, int y) {
        const bool twill = ((x + y) / 2) % 2 == 0;
        const QColor a = colours[stripe(x)];
        const QColor b = colours[stripe(y)];
        const QColor c = twill ? mix(a, b, 0.35) : mix(b, a, 0.35);
        return shade(c, 0.92 + 0.12 * n.cell(x, y, 5));
    });
}

QImage wood(std::uint32_t seed, QColor light, QColor dark, int plank) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const int row = y / plank;
        const double shift = n.cell(row, 0, 11);
        const double grainU = u + shift;
        const double warp = n.fbm(grainU, v, 2, 8, 4);
        const double rings = fraction((y % plank) / 6.0 + warp * 6 + shift * 10);
        double t = 0.25 + 0.5 * std::pow(rings, 4) + 0.25 * n.fbm(grainU, v, 4, 64, 2);
        const int joint = static_cast<int>(shift * kTile + (row % 2) * 128) % kTile;
        const bool seam = y % plank == 0 || x == joint;
        if (seam) t = 1.2;
        const double tint = 0.92 + 0.16 * n.cell(row, x > joint ? 1 : 0, 12);
        return shade(mix(light, dark, t), tint);
    });
}

// Wooden blocks of four strips each, the strips turning with every block.
QImage parquet(std::uint32_t seed, QColor light, QColor dark) {
    const TileNoise n(seed);
    constexpr int kBlock = 32;
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const int bx = x / kBlock;
        const int by = y / kBlock;
        const bool across = (bx + by) % 2 == 0;
        const int inBlock = across ? y % kBlock : x % kBlock;
        const int strip = inBlock / 8;
        const double along = across ? u : v;
        const double grain = n.fbm(across ? along : u, across ? v : along, across ? 8 : 64,
                                   across ? 64 : 8, 3);
        double t = 0.3 + 0.5 * grain + 0.25 * n.cell(bx * 4 + strip, by, 21) - 0.12;
        if (inBlock % 8 == 0) t = 1.1;
        return mix(light, dark, t);
    });
}

QImage marble(std::uint32_t seed, QColor ground, QColor vein, int turns) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int, int) {
        const double turbulence = n.fbm(u, v, 3, 3, 5, 0.55);
        const double s = std::sin(kTau * (turns * u + v) + 9 * turbulence);
        const double veins = std::pow(1 - std::abs(s), 9);
        const double cloud = n.fbm(u, v, 5, 3);
        return mix(shade(ground, 0.9 + 0.15 * cloud), vein, veins * 0.85);
    });
}

QImage brushedMetal(std::uint32_t seed, QColor base) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int, int y) {
        const double streak = n.fbm(u, v, 1, 128, 3);
        const double row = n.cell(0, y, 4);
        const double sheen = 0.5 + 0.5 * std::sin(kTau * (u + 0.3 * n.fbm(u, v, 2, 2, 2)));
        return shade(base, 0.78 + 0.2 * streak + 0.06 * row + 0.14 * sheen);
    });
}

QImage treadPlate(std::uint32_t seed, QColor base) {
    const TileNoise n(seed);
    constexpr int kCell = 32;
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const double cx = (x % kCell) - kCell / 2.0 + 0.5;
        const double cy = (y % kCell) - kCell / 2.0 + 0.5;
        const bool turned = ((x / kCell) + (y / kCell)) % 2 == 0;
        const double a = turned ? (cx + cy) / std::sqrt(2.0) : (cx - cy) / std::sqrt(2.0);
        const double b = turned ? (cx - cy) / std::sqrt(2.0) : (cx + cy) / std::sqrt(2.0);
        const double ridge = (a / 11) * (a / 11) + (b / 3) * (b / 3);
        double factor = 0.85 + 0.1 * n.fbm(u, v, 1, 64, 2);
        if (ridge < 1) factor += 0.25 * (1 - ridge) - (a + b > 0 ? 0.1 : 0);
        return shade(base, factor);
    });
}

QImage hammered(std::uint32_t seed, QColor base) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int, int) {
        const CellDistance d = cellDistance(n, u, v, 16);
        const double dent = std::clamp(d.nearest * 1.6, 0.0, 1.0);
        return shade(base, 0.7 + 0.45 * dent + 0.08 * n.fbm(u, v, 8, 2));
    });
}

QImage paper(std::uint32_t seed, QColor base, double fibres, double specks) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const double cloud = n.fbm(u, v, 4, 4);
        const double fibre = n.fbm(u, v, 32, 128, 2);
        QColor colour = shade(base, 0.93 + 0.08 * cloud + fibres * (fibre - 0.5) +
                                        0.03 * (n.cell(x, y, 8) - 0.5));
        if (n.cell(x, y, 9) < specks) colour = shade(colour, 0.7);
        return colour;
    });
}

QImage bricks(std::uint32_t seed, QColor brick, QColor mortar, int height, int width) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const int row = y / height;
        const int sx = x + (row % 2) * width / 2;
        const int column = (sx / width) % (kTile / width);
        const bool joint = y % height < 3 || sx % width < 3;
        const double rough = n.fbm(u, v, 16, 3);
        if (joint) return shade(mortar, 0.9 + 0.2 * rough);
        const double tint = 0.78 + 0.32 * n.cell(column, row, 13);
        return shade(brick, tint * (0.88 + 0.24 * rough));
    });
}

QImage stones(std::uint32_t seed, QColor stone, QColor mortar, int cells, double gap) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int, int) {
        const CellDistance d = cellDistance(n, u, v, cells);
        const double edge = d.second - d.nearest;
        const double rough = n.fbm(u, v, 16, 3);
        if (edge < gap) return shade(mortar, 0.85 + 0.25 * rough);
        const double tint = 0.75 + 0.4 * n.cell(d.id, 0, 14);
        const double bevel = std::clamp((edge - gap) * 8, 0.0, 1.0);
        return shade(stone, tint * (0.8 + 0.15 * bevel + 0.2 * rough));
    });
}

QImage tiles(std::uint32_t seed, QColor tile, QColor grout, int size) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const int gx = x % size;
        const int gy = y % size;
        if (gx < 2 || gy < 2) return shade(grout, 0.95 + 0.1 * n.cell(x, y, 2));
        const double glaze = 1.0 + 0.06 * (1 - (gx + gy) / (2.0 * size));
        return shade(tile, glaze * (0.97 + 0.05 * n.fbm(u, v, 8, 2)) *
                               (0.96 + 0.06 * n.cell(x / size, y / size, 3)));
    });
}

// A colour wheel walked by noise: hue from the first field, brightness from the second.
QImage plasma(std::uint32_t seed, double hue, double spread, double saturation, int period) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int, int) {
        const double a = n.fbm(u, v, period, period, 5, 0.6);
        const double b = n.fbm(u + 0.37, v + 0.71, period, 3);
        const double h = fraction(hue + spread * (a * 2 - 0.5));
        return QColor::fromHsvF(static_cast<float>(h), static_cast<float>(saturation),
                                static_cast<float>(0.45 + 0.4 * b));
    });
}

QImage fantasy(std::uint32_t seed, QColor a, QColor b, QColor c) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int, int) {
        const double w = n.fbm(u, v, 2, 4);
        const double s = 0.5 + 0.5 * std::sin(kTau * (u + 2 * v) + 10 * w);
        const double t = 0.5 + 0.5 * std::cos(kTau * (2 * u - v) + 8 * n.fbm(u, v, 3, 3));
        return mix(mix(a, b, s), c, t * 0.6);
    });
}

QImage checks(std::uint32_t seed, QColor a, QColor b, int size) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const bool dark = ((x / size) + (y / size)) % 2 == 0;
        return shade(dark ? a : b, 0.95 + 0.1 * n.fbm(u, v, 16, 2));
    });
}

QImage diamonds(std::uint32_t seed, QColor a, QColor b, int size) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const double px = (x % size) - size / 2.0 + 0.5;
        const double py = (y % (size * 2)) / 2.0 - size / 2.0 + 0.25;
        const bool inside = std::abs(px) + std::abs(py) < size / 2.0 - 1;
        const double rim = std::abs(std::abs(px) + std::abs(py) - size / 2.0);
        QColor colour = inside ? a : b;
        if (rim < 1.2) colour = shade(b, 0.7);
        return shade(colour, 0.95 + 0.1 * n.fbm(u, v, 8, 2));
    });
}

QImage hexagons(std::uint32_t seed, QColor face, QColor line) {
    const TileNoise n(seed);
    // Hexagon centres on a lattice that repeats in 256 x 256: 8 across, 5 x 2 rows.
    constexpr double kDx = kTile / 8.0;
    constexpr double kDy = kTile / 10.0;
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        double best = 1e9;
        double second = 1e9;
        int id = 0;
        for (int r = -1; r <= 11; ++r) {
            for (int c = -1; c <= 9; ++c) {
                const double cx = c * kDx + (r % 2 != 0 ? kDx / 2 : 0);
                const double cy = r * kDy;
                const double d = std::hypot(x + 0.5 - cx, (y + 0.5 - cy) * 1.15);
                if (d < best) {
                    second = best;
                    best = d;
                    id = ((r + 10) % 10) * 8 + (c + 8) % 8;
                } else if (d < second) {
                    second = d;
                }
            }
        }
        if (second - best < 2.2) return line;
        return shade(face, 0.85 + 0.25 * n.cell(id, 0, 4) + 0.05 * n.fbm(u, v, 8, 2));
    });
}

QImage cubes(std::uint32_t, QColor top, QColor left, QColor right) {
    // Isometric cubes drawn with a painter over every wrapped position.
    QImage tile(kTile, kTile, QImage::Format_RGB32);
    tile.fill(left);
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(shade(left, 0.6), 1.0));
    // Eight cubes across and ten rows down, a little taller than true
    // isometry, so that the pattern repeats within the tile.
    const double h = kTile / 16.0;
    const double s = kTile / 15.0;
    const int rows = 12;
    for (int r = -1; r < rows; ++r) {
        for (int c = -1; c < 10; ++c) {
            const double cx = c * 2 * h + (r % 2 != 0 ? h : 0);
            const double cy = r * 1.5 * s;
            const QPointF centre(cx, cy);
            const QPointF up(cx, cy - s), ul(cx - h, cy - s / 2), ur(cx + h, cy - s / 2);
            const QPointF dl(cx - h, cy + s / 2), dr(cx + h, cy + s / 2), down(cx, cy + s);
            p.setBrush(top);
            p.drawPolygon(QPolygonF({up, ur, centre, ul}));
            p.setBrush(left);
            p.drawPolygon(QPolygonF({ul, centre, down, dl}));
            p.setBrush(right);
            p.drawPolygon(QPolygonF({centre, ur, dr, down}));
        }
    }
    return tile;
}

QImage stripes(std::uint32_t seed, QColor a, QColor b, int width, bool diagonal) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const int at = diagonal ? (x + y) : y;
        const double phase = (at % (2 * width)) / static_cast<double>(2 * width);
        const double soft = 0.5 + 0.5 * std::cos(kTau * phase);
        return shade(mix(a, b, soft), 0.95 + 0.08 * n.fbm(u, v, 16, 2));
    });
}

// Rows of cane stalks with their nodes.
QImage caneBrake(std::uint32_t seed, QColor cane, QColor gap) {
    const TileNoise n(seed);
    constexpr int kCane = 16;
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const int stalk = x / kCane;
        const double across = (x % kCane + 0.5) / kCane;
        if (across < 0.08 || across > 0.92) return gap;
        const double round = std::sin(across * std::numbers::pi);
        const int nodeAt = static_cast<int>(n.cell(stalk, 0, 5) * 64);
        const bool node = (y + nodeAt) % 64 < 3;
        const double factor = 0.6 + 0.5 * round + (node ? -0.25 : 0) + 0.1 * n.fbm(u, v, 16, 64, 2);
        return shade(cane, factor);
    });
}

// Fine loops of a carpet pile.
QImage moquette(std::uint32_t seed, QColor base) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const double loop = std::sin(kTau * x / 4.0) * std::sin(kTau * y / 4.0);
        return shade(base, 0.88 + 0.08 * loop + 0.14 * n.fbm(u, v, 8, 3) +
                               0.1 * (n.cell(x, y, 6) - 0.5));
    });
}

QImage polka(std::uint32_t seed, QColor ground, QColor dot, int spacing, double radius) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const int row = y / spacing;
        const double cx = (x + (row % 2) * spacing / 2) % spacing - spacing / 2.0 + 0.5;
        const double cy = y % spacing - spacing / 2.0 + 0.5;
        const double d = std::hypot(cx, cy);
        const double cover = std::clamp(radius - d + 0.5, 0.0, 1.0);
        return shade(mix(ground, dot, cover), 0.96 + 0.06 * n.fbm(u, v, 8, 2));
    });
}

QImage scales(std::uint32_t seed, QColor scale, QColor rim, int size) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        // Each row of half circles overlaps the row above it.
        for (int k = 1; k >= 0; --k) {
            const int row = y / (size / 2) + k;
            const double cy = row * (size / 2.0);
            const double cx0 = (row % 2) * size / 2.0;
            const double cx = std::round((x - cx0) / size) * size + cx0;
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d < size * 0.62) {
                const double t = d / (size * 0.62);
                const QColor c = t > 0.86 ? rim : shade(scale, 1.1 - 0.35 * t);
                return shade(c, 0.95 + 0.08 * n.fbm(u, v, 8, 2));
            }
        }
        return rim;
    });
}

QImage painted(QColor ground, const std::function<void(QPainter&)>& draw) {
    QImage tile(kTile, kTile, QImage::Format_RGB32);
    tile.fill(ground);
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Everything is drawn nine times, shifted by a tile each way, so that what
    // crosses an edge comes back on the other side.
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            p.save();
            p.translate(dx * kTile, dy * kTile);
            draw(p);
            p.restore();
        }
    }
    return tile;
}

QImage starPattern(QColor ground, QColor starColour) {
    return painted(ground, [&](QPainter& p) {
        for (int r = 0; r < 8; ++r) {
            for (int c = 0; c < 8; ++c) {
                const QPointF at(c * 32 + (r % 2) * 16 + 8, r * 32 + 8);
                QPolygonF star;
                for (int i = 0; i < 10; ++i) {
                    const double radius = i % 2 == 0 ? 7 : 3;
                    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
                    star << at + QPointF(radius * std::cos(a), radius * std::sin(a));
                }
                p.setBrush(starColour);
                p.drawPolygon(star);
            }
        }
    });
}

QImage quatrefoils(QColor ground, QColor shape) {
    return painted(ground, [&](QPainter& p) {
        p.setBrush(shape);
        for (int r = 0; r < 8; ++r) {
            for (int c = 0; c < 8; ++c) {
                const QPointF at(c * 32 + 16, r * 32 + 16);
                for (const QPointF& d : {QPointF(-5, 0), QPointF(5, 0), QPointF(0, -5), QPointF(0, 5)}) {
                    p.drawEllipse(at + d, 5, 5);
                }
                p.setBrush(ground);
                p.drawEllipse(at, 2.5, 2.5);
                p.setBrush(shape);
            }
        }
    });
}

QImage waves(std::uint32_t seed, QColor a, QColor b) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int, int) {
        const double s = std::sin(kTau * (8 * v + 0.08 * std::sin(kTau * 4 * u)));
        return shade(mix(a, b, 0.5 + 0.5 * s), 0.95 + 0.08 * n.fbm(u, v, 8, 2));
    });
}

QImage grass(std::uint32_t seed) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const double blades = n.fbm(u, v, 64, 4, 3);
        const double patch = n.fbm(u, v, 3, 3);
        const QColor c = mix(QColor(40, 90, 30), QColor(120, 170, 60), blades * 0.8 + patch * 0.4);
        return shade(c, 0.9 + 0.15 * n.cell(x, y, 3));
    });
}

QImage sand(std::uint32_t seed) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const double ripple = std::sin(kTau * (7 * v + 2 * u + 1.2 * n.fbm(u, v, 3, 3)));
        return shade(QColor(214, 186, 130), 0.9 + 0.06 * ripple + 0.1 * (n.cell(x, y, 4) - 0.5));
    });
}

QImage water(std::uint32_t seed) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int, int) {
        const double a = n.fbm(u, v, 4, 4);
        const double b = n.fbm(u + 0.5, v + 0.25, 4, 4);
        const double caustic = std::pow(1 - std::abs(std::sin(kTau * (a * 3 + b * 2))), 6);
        return mix(QColor(10, 70, 110), QColor(150, 220, 240), 0.2 + 0.2 * a + 0.55 * caustic);
    });
}

QImage leaves(std::uint32_t seed) {
    const TileNoise n(seed);
    return painted(QColor(60, 40, 20), [&](QPainter& p) {
        for (int i = 0; i < 140; ++i) {
            const QPointF at(n.cell(i, 0, 1) * kTile, n.cell(i, 0, 2) * kTile);
            const QColor colour = QColor::fromHsvF(static_cast<float>(0.03 + 0.1 * n.cell(i, 0, 3)),
                                                   0.8f, static_cast<float>(0.5 + 0.4 * n.cell(i, 0, 4)));
            p.save();
            p.translate(at);
            p.rotate(360 * n.cell(i, 0, 5));
            QPainterPath leaf;
            leaf.moveTo(-14, 0);
            leaf.quadTo(0, -9, 14, 0);
            leaf.quadTo(0, 9, -14, 0);
            p.fillPath(leaf, colour);
            p.setPen(QPen(shade(colour, 0.6), 0.8));
            p.drawLine(QPointF(-13, 0), QPointF(13, 0));
            p.setPen(Qt::NoPen);
            p.restore();
        }
    });
}

QImage sky(std::uint32_t seed) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int, int) {
        const double c = n.fbm(u, v, 3, 3, 5, 0.55);
        return mix(QColor(60, 120, 200), QColor(250, 250, 255), std::clamp((c - 0.42) * 3.2, 0.0, 1.0));
    });
}

QImage starField(std::uint32_t seed) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const double nebula = n.fbm(u, v, 3, 4);
        QColor c = mix(QColor(6, 8, 28), QColor(60, 30, 90), std::pow(nebula, 2.5));
        const double s = n.cell(x, y, 9);
        if (s > 0.996) c = QColor(255, 255, 240);
        else if (s > 0.99) c = mix(c, QColor(200, 210, 255), 0.6);
        return c;
    });
}

QImage denim(std::uint32_t seed) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const bool twill = ((x + y) % 4) < 2;
        const QColor c = twill ? QColor(40, 70, 130) : QColor(120, 150, 190);
        return shade(c, 0.85 + 0.25 * n.fbm(u, v, 4, 64, 3) + 0.06 * (n.cell(x, y, 2) - 0.5));
    });
}

QImage leather(std::uint32_t seed, QColor base) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int, int) {
        const CellDistance d = cellDistance(n, u, v, 40);
        const double crease = std::clamp((d.second - d.nearest) * 6, 0.0, 1.0);
        return shade(base, 0.7 + 0.3 * crease + 0.15 * n.fbm(u, v, 4, 3));
    });
}

QImage cork(std::uint32_t seed) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int x, int y) {
        const double grain = n.fbm(u, v, 32, 3);
        const double pit = n.cell(x / 3, y / 3, 4);
        QColor c = mix(QColor(150, 100, 50), QColor(210, 160, 100), grain);
        if (pit > 0.93) c = shade(c, 0.6);
        return shade(c, 0.92 + 0.1 * n.cell(x, y, 5));
    });
}

QImage pebbles(std::uint32_t seed) {
    const TileNoise n(seed);
    return fillTile(kTile, [&](double u, double v, int, int) {
        const CellDistance d = cellDistance(n, u, v, 12);
        const double edge = d.second - d.nearest;
        if (edge < 0.1) return QColor(50, 44, 40);
        const QColor stone = QColor::fromHsvF(static_cast<float>(0.05 + 0.08 * n.cell(d.id, 0, 3)),
                                              static_cast<float>(0.1 + 0.25 * n.cell(d.id, 0, 4)),
                                              static_cast<float>(0.45 + 0.4 * n.cell(d.id, 0, 5)));
        return shade(stone, 0.75 + 0.35 * std::clamp(edge * 3, 0.0, 1.0) + 0.1 * n.fbm(u, v, 16, 2));
    });
}

QImage demoTile() {
    QImage tile = felt(999, QColor(20, 40, 90));
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            for (int k = 0; k < 2; ++k) {
                p.save();
                p.translate(dx * kTile + 64 + k * 128, dy * kTile + 64 + k * 128);
                p.rotate(-30);
                cardart::drawFittedText(p, QStringLiteral("DEMO"), QRectF(-60, -18, 120, 36),
                                        QColor(255, 255, 255, 36), true, false);
                p.restore();
            }
        }
    }
    return tile;
}

}  // namespace

std::vector<Background> makeBackgrounds() {
    std::vector<Background> all;
    const auto add = [&all](int number, const char* description, QImage tile) {
        all.push_back({number, QString::fromLatin1(description), std::move(tile)});
    };
    // The pictures for displays of few colours, then the fixed colours' felts.
    add(101, "parquet", parquet(101, QColor(200, 150, 90), QColor(110, 70, 30)));
    add(102, "moquette", moquette(102, QColor(130, 40, 40)));
    add(103, "cloth", cloth(103, QColor(30, 110, 50), QColor(40, 130, 60), 4));
    add(104, "cane-brake", caneBrake(104, QColor(210, 180, 100), QColor(70, 50, 20)));
    add(105, "thousand rows", stripes(105, QColor(30, 90, 60), QColor(50, 120, 80), 4, false));
    add(106, "green felt", felt(106, QColor(20, 110, 40)));
    add(107, "blue felt", felt(107, QColor(30, 50, 170)));
    add(108, "deep green felt", felt(108, QColor(10, 80, 20)));
    add(109, "navy felt", felt(109, QColor(20, 30, 110)));
    add(110, "olive felt", felt(110, QColor(110, 110, 30)));
    add(111, "teal felt", felt(111, QColor(20, 110, 110)));
    // Colours fantasy
    add(257, "fantasy, sea blues", fantasy(257, QColor(20, 60, 120), QColor(40, 140, 160), QColor(10, 30, 60)));
    add(258, "fantasy, sunset", fantasy(258, QColor(150, 40, 60), QColor(220, 120, 40), QColor(60, 20, 70)));
    add(259, "fantasy, forest", fantasy(259, QColor(20, 80, 40), QColor(110, 150, 50), QColor(10, 40, 30)));
    add(260, "fantasy, violet", fantasy(260, QColor(80, 40, 130), QColor(170, 90, 170), QColor(30, 20, 60)));
    add(261, "fantasy, ember", fantasy(261, QColor(90, 20, 10), QColor(200, 80, 20), QColor(30, 10, 10)));
    // Fractal
    add(262, "fractal, blue and green", plasma(262, 0.45, 0.25, 0.7, 3));
    add(263, "fractal, fire", plasma(263, 0.02, 0.12, 0.85, 3));
    add(264, "fractal, rainbow", plasma(264, 0.0, 1.0, 0.6, 2));
    add(265, "fractal, purple", plasma(265, 0.75, 0.2, 0.6, 4));
    add(266, "fractal, jade", plasma(266, 0.36, 0.1, 0.6, 4));
    // Geometricals
    add(267, "green checks", checks(267, QColor(30, 100, 50), QColor(40, 125, 65), 32));
    add(268, "blue diamonds", diamonds(268, QColor(40, 70, 150), QColor(30, 50, 110), 32));
    add(269, "hexagons", hexagons(269, QColor(60, 110, 130), QColor(20, 40, 50)));
    add(270, "cubes", cubes(270, QColor(170, 160, 140), QColor(110, 100, 90), QColor(70, 64, 58)));
    add(271, "diagonal stripes", stripes(271, QColor(110, 30, 40), QColor(140, 50, 55), 8, true));
    add(272, "small checks", checks(272, QColor(60, 60, 80), QColor(75, 75, 100), 8));
    // Marbles
    add(273, "white marble", marble(273, QColor(230, 228, 222), QColor(120, 120, 130), 1));
    add(274, "green marble", marble(274, QColor(30, 90, 60), QColor(200, 230, 210), 2));
    add(275, "black marble", marble(275, QColor(30, 30, 34), QColor(200, 200, 200), 1));
    add(276, "rose marble", marble(276, QColor(210, 160, 150), QColor(120, 60, 60), 2));
    add(277, "blue marble", marble(277, QColor(50, 80, 140), QColor(220, 230, 250), 1));
    add(278, "sand marble", marble(278, QColor(200, 180, 140), QColor(110, 80, 50), 2));
    // Metal
    add(279, "brushed steel", brushedMetal(279, QColor(150, 155, 160)));
    add(280, "brushed gold", brushedMetal(280, QColor(190, 150, 60)));
    add(281, "hammered copper", hammered(281, QColor(170, 100, 60)));
    add(282, "tread plate", treadPlate(282, QColor(140, 145, 150)));
    add(283, "hammered bronze", hammered(283, QColor(130, 100, 50)));
    // Nature
    add(284, "grass", grass(284));
    add(285, "sand", sand(285));
    add(286, "water", water(286));
    add(287, "autumn leaves", leaves(287));
    add(288, "clouds", sky(288));
    add(289, "pebbles", pebbles(289));
    // Others
    add(290, "starry night", starField(290));
    add(291, "denim", denim(291));
    add(292, "leather", leather(292, QColor(110, 60, 30)));
    add(293, "cork", cork(293));
    // Patterns
    add(294, "polka dots", polka(294, QColor(30, 70, 120), QColor(230, 230, 240), 32, 6));
    add(295, "waves", waves(295, QColor(20, 90, 130), QColor(40, 140, 170)));
    add(296, "fish scales", scales(296, QColor(50, 140, 120), QColor(20, 60, 50), 32));
    add(297, "stars", starPattern(QColor(20, 30, 80), QColor(220, 190, 80)));
    add(298, "quatrefoils", quatrefoils(QColor(90, 30, 40), QColor(200, 160, 90)));
    // Surfaces
    add(299, "dark green baize", felt(299, QColor(10, 70, 30)));
    add(300, "blue baize", felt(300, QColor(20, 60, 130)));
    add(301, "red baize", felt(301, QColor(120, 20, 30)));
    add(302, "purple baize", felt(302, QColor(70, 30, 100)));
    add(303, "grey baize", felt(303, QColor(90, 95, 100)));
    // Tissue
    add(304, "green linen", cloth(304, QColor(40, 100, 50), QColor(60, 120, 60), 3));
    add(305, "blue linen", cloth(305, QColor(40, 60, 120), QColor(60, 80, 140), 3));
    add(306, "burgundy cloth", cloth(306, QColor(110, 20, 40), QColor(130, 30, 50), 4));
    add(307, "natural linen", cloth(307, QColor(190, 175, 140), QColor(205, 190, 155), 3));
    add(308, "tartan", tartan(308, QColor(20, 60, 30), QColor(20, 30, 90), QColor(170, 30, 30)));
    // Paper
    add(309, "white paper", paper(309, QColor(240, 238, 230), 0.04, 0.0));
    add(310, "parchment", paper(310, QColor(226, 206, 160), 0.06, 0.001));
    add(311, "kraft paper", paper(311, QColor(170, 130, 80), 0.08, 0.002));
    add(312, "recycled paper", paper(312, QColor(200, 196, 184), 0.05, 0.006));
    add(313, "rice paper", paper(313, QColor(236, 232, 214), 0.14, 0.0));
    // Walls
    add(314, "red bricks", bricks(314, QColor(160, 60, 40), QColor(190, 185, 175), 16, 32));
    add(315, "yellow bricks", bricks(315, QColor(200, 170, 100), QColor(120, 110, 100), 16, 32));
    add(316, "stone wall", stones(316, QColor(140, 140, 135), QColor(70, 65, 60), 6, 0.06));
    add(317, "sandstone blocks", bricks(317, QColor(200, 170, 120), QColor(150, 130, 100), 32, 64));
    add(318, "white tiles", tiles(318, QColor(230, 232, 235), QColor(150, 150, 150), 32));
    // Wood
    add(319, "oak planks", wood(319, QColor(200, 160, 100), QColor(120, 80, 40), 32));
    add(320, "walnut", wood(320, QColor(130, 90, 60), QColor(60, 36, 20), 32));
    add(321, "pine", wood(321, QColor(230, 200, 140), QColor(170, 120, 60), 64));
    add(322, "mahogany", wood(322, QColor(140, 60, 40), QColor(70, 24, 16), 32));
    add(323, "dark parquet", parquet(323, QColor(130, 80, 40), QColor(60, 30, 10)));
    add(324, "cherry", wood(324, QColor(180, 100, 70), QColor(100, 44, 30), 64));
    return all;
}

QImage demoBackground() { return demoTile(); }

void addBackgrounds(ResourceFolder& folder) {
    for (const Background& background : makeBackgrounds()) {
        folder.addBitmap(QStringLiteral("B%1").arg(background.number, 3, 10, QLatin1Char('0')),
                         background.tile);
    }
    folder.addBitmap(QStringLiteral("Y001"), demoBackground());
}

}  // namespace tarvelle::rgf
