// Tileable textures for the table's backgrounds: noise, weaves, wood, stone and patterns that repeat seamlessly.
#include "tools/rgf/Textures.h"

#include <algorithm>
#include <cmath>

namespace tarvelle::rgf {

namespace {

std::uint32_t hash(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B1u;
    for (std::uint32_t v : {a, b, c}) {
        h ^= v + 0x7F4A7C15u + (h << 6) + (h >> 2);
        h *= 0x85EBCA6Bu;
        h ^= h >> 13;
    }
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

int wrap(int value, int period) {
    const int r = value % period;
    return r < 0 ? r + period : r;
}

double smooth(double t) { return t * t * (3 - 2 * t); }

}  // namespace

double TileNoise::cell(int x, int y, int salt) const {
    return static_cast<double>(hash(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y),
                                    static_cast<std::uint32_t>(salt), seed_) >>
                               8) /
           static_cast<double>(1u << 24);
}

double TileNoise::noise(double x, double y, int periodX, int periodY, int octave) const {
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = smooth(x - x0);
    const double fy = smooth(y - y0);
    const auto at = [&](int cx, int cy) {
        return cell(wrap(cx, periodX), wrap(cy, periodY), 1000 + octave);
    };
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
    return top + (bottom - top) * fy;
}

double TileNoise::fbm(double u, double v, int periodX, int periodY, int octaves,
                      double falloff) const {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * noise(u * periodX, v * periodY, periodX, periodY, o);
        total += weight;
        weight *= falloff;
        periodX *= 2;
        periodY *= 2;
    }
    return sum / total;
}

CellDistance cellDistance(const TileNoise& noise, double u, double v, int cells) {
    const double x = u * cells;
    const double y = v * cells;
    const int cx = static_cast<int>(std::floor(x));
    const int cy = static_cast<int>(std::floor(y));
    CellDistance best{1e9, 1e9, 0};
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int gx = cx + dx;
            const int gy = cy + dy;
            const int wx = wrap(gx, cells);
            const int wy = wrap(gy, cells);
            const double px = gx + 0.15 + 0.7 * noise.cell(wx, wy, 1);
            const double py = gy + 0.15 + 0.7 * noise.cell(wx, wy, 2);
            const double d = std::hypot(px - x, py - y);
            if (d < best.nearest) {
                best.second = best.nearest;
                best.nearest = d;
                best.id = wy * cells + wx;
            } else if (d < best.second) {
                best.second = d;
            }
        }
    }
    return best;
}

QImage fillTile(int size, const std::function<QColor(double u, double v, int x, int y)>& colour) {
    QImage tile(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < size; ++x) {
            line[x] = colour(static_cast<double>(x) / size, static_cast<double>(y) / size, x, y).rgb();
        }
    }
    return tile;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QColor shade(const QColor& colour, double factor) {
    const auto channel = [factor](float c) {
        return static_cast<float>(std::clamp(c * factor, 0.0, 1.0));
    };
    return QColor::fromRgbF(channel(colour.redF()), channel(colour.greenF()), channel(colour.blueF()));
}

}  // namespace tarvelle::rgf
