// Tileable textures for the table's backgrounds: noise, weaves, wood, stone and patterns that repeat seamlessly.
#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>
#include <functional>

namespace tarvelle::rgf {

// Value noise that repeats every `period` lattice cells; fbm sums octaves of
// it, each twice as fine, so a tile of size period x cell repeats exactly.
class TileNoise {
public:
    explicit TileNoise(std::uint32_t seed) : seed_(seed) {}
    // x, y in lattice cells; the result lies in [0, 1].
    double noise(double x, double y, int periodX, int periodY, int octave = 0) const;
    // Octaves of noise over a tile: u, v in [0, 1) across the tile, the
    // coarsest octave with periodX x periodY cells.
    double fbm(double u, double v, int periodX, int periodY, int octaves,
               double falloff = 0.5) const;
    double fbm(double u, double v, int period, int octaves) const {
        return fbm(u, v, period, period, octaves);
    }
    // A whole-number hash in [0, 1) of a cell.
    double cell(int x, int y, int salt = 0) const;

private:
    std::uint32_t seed_;
};

// The distance to the nearest and second nearest of a tileable scatter of
// points, one per cell of a cells x cells grid: the basis of stones and cells.
struct CellDistance {
    double nearest;
    double second;
    int id;  // which point was nearest
};
CellDistance cellDistance(const TileNoise& noise, double u, double v, int cells);

// Fills a square tile by asking for the colour of each pixel (u, v in [0, 1)).
QImage fillTile(int size, const std::function<QColor(double u, double v, int x, int y)>& colour);

QColor mix(const QColor& a, const QColor& b, double t);
QColor shade(const QColor& colour, double factor);

}  // namespace tarvelle::rgf
