// tarvelle-rgf: renders and synthesises every resource of TAR.RGF into a folder and its rcc list.
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>

#include "tools/rgf/Backgrounds.h"
#include "tools/rgf/CardPictures.h"
#include "tools/rgf/Cursors.h"
#include "tools/rgf/Glyphs.h"
#include "tools/rgf/ResourceFolder.h"
#include "tools/rgf/Sounds.h"
#include "tools/rgf/TablePictures.h"

using namespace tarvelle::rgf;

namespace {

// The lettering of every picture comes from these files, so that the library
// does not depend on which fonts a machine happens to prefer.
constexpr const char* kFonts[] = {
    "DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf"};

bool loadFonts(const QString& fontFolder) {
    for (const char* font : kFonts) {
        if (QFontDatabase::addApplicationFont(fontFolder + QLatin1Char('/') + QLatin1String(font)) < 0) {
            std::fprintf(stderr, "tarvelle-rgf: cannot load the font %s/%s\n", qPrintable(fontFolder),
                         font);
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: tarvelle-rgf OUTPUT-FOLDER QRC-FILE CARD-DECKS-FOLDER FONT-FOLDER\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString output = QString::fromLocal8Bit(argv[1]);
    const QString qrc = QString::fromLocal8Bit(argv[2]);
    if (!loadFonts(QString::fromLocal8Bit(argv[4]))) return 1;
    Decks decks;
    if (!decks.load(QString::fromLocal8Bit(argv[3]))) return 1;

    ResourceFolder folder(output);
    folder.addFile(QStringLiteral("TAR.RGF"), "Tarvelle resource library 1\n");
    addCardPictures(folder, decks);
    addTablePictures(folder);
    addBackgrounds(folder);
    addGlyphs(folder, decks);
    addCursors(folder);
    addSounds(folder);
    if (!folder.write(qrc)) return 1;
    std::printf("tarvelle-rgf: %d resources\n", folder.count());
    return 0;
}
