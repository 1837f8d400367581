// bench-table: the time of a full repaint of the table and of redrawing one
// pile, on a 1920 x 1080 screen, with the resource library when it is built.
#include <QPainter>
#include <chrono>
#include <cstdio>
#include <memory>

#include "app/ProgramFolder.h"
#include "engine/Dealing.h"
#include "engine/EngineInit.h"
#include "engine/HeadlessHost.h"
#include "engine/Table.h"
#include "records/Numbers.h"
#include "records/SettingsFields.h"
#include "table/LibraryPictures.h"
#include "table/ResourceLibrary.h"
#include "table/TablePainter.h"

using namespace tarvelle;

namespace {

// Card-sized pictures of plain colours with transparent corners, for a build
// without the library: drawing costs the same whatever the pictures show.
class PlainPictures : public PictureSource {
public:
    QImage picture(std::string_view name) const override {
        const char size = name.size() > 1 ? name[1] : 'B';
        const int W = size == 'M'   ? 59
                      : size == 'L' ? 25
                                    : 71,
                  H = size == 'M'   ? 80
                      : size == 'L' ? 32
                                    : 96;
        const bool sheet = name[0] == 'C' && name.size() == 6;
        QImage image(sheet ? 5 * W : W, sheet ? 3 * H : H, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(240, 240, 230));
        for (int y = 0; y < image.height(); y += H)
            for (int x = 0; x < image.width(); x += W)
                painter.drawRoundedRect(x, y, W - 1, H - 1, 4, 4);
        return image;
    }
};

template <typename F>
double millisecondsPer(int rounds, F&& f) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) f();
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    return spent.count() / rounds;
}

}  // namespace

int main(int, char** argv) {
    const std::string folder = programFolder(argv[0]);
    ResourceLibrary library;
    const bool haveLibrary = library.load(QString::fromStdString(folder + "TAR.RGF"));
    const LibraryPictures libraryPictures(library);
    const PlainPictures plainPictures;
    const PictureSource& pictures =
        haveLibrary ? static_cast<const PictureSource&>(libraryPictures) : plainPictures;

    HeadlessHost host;
    host.screenInfo = {1920, 1080, 32};
    EngineState state(host, folder, chooseDataFolder(folder));
    if (!initialiseEngine(state)) {
        std::fprintf(stderr, "bench-table: GAMES.DAT is missing in %s\n", folder.c_str());
        return 1;
    }
    TablePainter view(state, pictures);
    view.setScreenSize(1920, 1080);
    view.reloadCardImages();
    const WindowMetrics metrics = metricsForWindow(1920, 1080);

    std::printf("pictures: %s\n", haveLibrary ? "TAR.RGF" : "plain stand-ins (no TAR.RGF)");
    for (int game : {0, 3}) {
        state.settings.put(setting::GameId, formatFixed(game, 4));
        state.settings.put(setting::GameName, state.catalogue.GameName(game));
        state.settings.put(setting::GameNumber, "0000000012345");
        StartOptions options;
        options.animate = false;
        options.newNumber = false;
        if (!prepareGame(state) || !startGame(state, options)) return 1;
        const double full = millisecondsPer(50, [&] { view.repaint(metrics); });
        const PileRef pile{Collection::Tableau, 6};
        const double one = millisecondsPer(2000, [&] { view.redrawPile(pile); });
        // A move of one card between two piles, as after a drop.
        std::string& from = state.piles.tableau[5];
        std::string& to = state.piles.tableau[6];
        const double move = millisecondsPer(2000,
                                            [&] {
                                                to += from.substr(from.size() - 3);
                                                from.resize(from.size() - 3);
                                                view.redrawChangedPiles();
                                                from += to.substr(to.size() - 3);
                                                to.resize(to.size() - 3);
                                                view.redrawChangedPiles();
                                            }) /
                            2;
        std::printf(
            "%-12s full repaint %.3f ms, one-pile redraw %.3f ms, one-card move %.3f ms "
            "(1920x1080)\n",
            state.catalogue.GameName(game).c_str(), full, one, move);
    }
    return 0;
}
