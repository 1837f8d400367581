// The table's own pictures at each card size: empty-pile and rank marks, shadow strips and 3D border strips.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace tarvelle::rgf {

class ResourceFolder;

// The mark suffixes of "W" + size letter + suffix.
QImage mark(const QString& suffix, QSize card);

// Strip 1 runs down the right edge of a card, strip 2 along its bottom; black
// dots on white, which stands for transparent.
QImage shadowStrip(int strip, QSize card);

// The pile's thickness: strip 1 beside the right edge (16 wide), strip 2
// under the bottom edge (16 high). Column (row) k holds the edge of a card
// lying 15 - k pixels below the top card, starting k pixels along, so cutting
// at 15 - d in both directions gives the d cards under the top one; blue
// (0x0000FF) stands for transparent.
QImage borderStrip(int strip, QSize card);

void addTablePictures(ResourceFolder& folder);

}  // namespace tarvelle::rgf
