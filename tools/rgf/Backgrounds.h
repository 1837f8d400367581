// The table backgrounds of the library: tileable textures "B101"-"B111" and "B257"-"B324", and the demo background "Y001".
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace tarvelle::rgf {

class ResourceFolder;

struct Background {
    int number;
    QString description;  // what the picture shows, for the list of backgrounds
    QImage tile;
};

// Every background picture of the library, in number order.
std::vector<Background> makeBackgrounds();
QImage demoBackground();

void addBackgrounds(ResourceFolder& folder);

}  // namespace tarvelle::rgf
