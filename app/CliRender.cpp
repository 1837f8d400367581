// tarvelle-cli render: a dealt game drawn as the main window shows it, to a PNG file.
#include "app/CliRender.h"

#include <QImage>
#include <iostream>
#include <optional>

#include "app/CliGame.h"
#include "app/CliHost.h"
#include "engine/EngineInit.h"
#include "engine/HeadlessHost.h"
#include "records/Numbers.h"
#include "table/Layout.h"
#include "table/LibraryPictures.h"
#include "table/ResourceLibrary.h"
#include "table/TablePainter.h"

namespace tarvelle {

namespace {

int fail(const std::string& message) { return cliFailure(message); }

// The host of a main window of the given size on a screen of that size: the
// table hooks of the engine go to the table painter, messages to standard error.
class RenderHost : public CliHost {
public:
    RenderHost(int width, int height) : metrics(metricsForWindow(width, height)) {
        screenInfo.width = width;
        screenInfo.height = height;
        screenInfo.bitsPerPixel = 32;
    }

    void layOutTable() override {
        if (state) tarvelle::layOutTable(*state, metrics);
    }
    void reloadCardImages() override {
        if (view) view->reloadCardImages();
    }
    void chooseRandomLooks() override {
        if (view) view->chooseRandomLooks();
    }
    void clearTableImage() override {
        if (view) view->clearTableImage();
    }
    void drawDealtTable(bool animate) override {
        if (view) view->drawDealtTable(animate);
    }

    WindowMetrics metrics;
    EngineState* state = nullptr;
    TablePainter* view = nullptr;
};

std::optional<std::pair<int, int>> windowSize(std::string_view text) {
    const size_t x = text.find('x');
    if (x == std::string_view::npos) return std::nullopt;
    const std::string_view w = text.substr(0, x), h = text.substr(x + 1);
    if (!isDigits(w) || !isDigits(h) || w.size() > 5 || h.size() > 5) return std::nullopt;
    const int width = static_cast<int>(*parseInteger(w)),
              height = static_cast<int>(*parseInteger(h));
    if (width < 320 || height < 240 || width > 8192 || height > 8192) return std::nullopt;
    return std::pair{width, height};
}

}  // namespace

int renderCommand(const std::vector<std::string_view>& args, const std::string& programFolder) {
    if (args.size() < 3 || args.size() > 4) {
        std::cerr << "usage: tarvelle-cli render GAME NUMBER FILE.png [WIDTHxHEIGHT]\n";
        return 2;
    }
    const std::string_view game = args[0], number = args[1];
    const std::string file(args[2]);
    if (!isDigits(game) || game.size() > 4)
        return fail("GAME must be a game id: " + std::string(game));
    if (!isDigits(number) || number.size() > 13)
        return fail("the game number must be 1 to 13 digits: " + std::string(number));
    std::pair<int, int> size{1024, 768};
    if (args.size() == 4) {
        const auto parsed = windowSize(args[3]);
        if (!parsed)
            return fail("the window size must be WIDTHxHEIGHT, from 320x240: " +
                        std::string(args[3]));
        size = *parsed;
    }

    ResourceLibrary library;
    const std::string libraryPath = programFolder + "TAR.RGF";
    if (!library.load(QString::fromStdString(libraryPath)))
        return fail("Can't find/load " + toLowerAscii(libraryPath));
    const LibraryPictures pictures(library);

    RenderHost host(size.first, size.second);
    EngineState state(host, programFolder, chooseDataFolder(programFolder));
    TablePainter view(state, pictures);
    host.state = &state;
    host.view = &view;
    view.setScreenSize(size.first, size.second);

    if (int status = startDealtGame(state, game, number)) return status;

    const QImage shown =
        view.tableImage().copy(0, view.scrollPosition(), size.first, host.metrics.bottom + 1);
    if (!shown.save(QString::fromStdString(file), "PNG")) return fail("cannot write " + file);
    return 0;
}

}  // namespace tarvelle
