// bench-dispatcher: headless dispatcher moves and legal-move enumerations per second, for FreeCell and Spider.
#include <chrono>
#include <cstdio>
#include <random>
#include <string>

#include "app/ProgramFolder.h"
#include "engine/Dealing.h"
#include "engine/EngineInit.h"
#include "engine/HeadlessHost.h"
#include "engine/PlayerMoves.h"
#include "records/Numbers.h"
#include "records/SettingsFields.h"

using namespace tarvelle;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kMovesPerDeal = 400;
constexpr int kTotalMoves = 200000;

bool dealGame(EngineState& state, int id, long long number) {
    state.settings.put(setting::GameId, formatFixed(id, 4));
    state.settings.put(setting::GameName, state.catalogue.GameName(id));
    state.settings.put(setting::GameNumber, std::to_string(number));
    state.autoplayChecked = false;
    StartOptions options;
    options.animate = false;
    options.newNumber = false;
    return prepareGame(state) && startGame(state, options);
}

void bench(EngineState& state, int id) {
    const std::string name = state.catalogue.GameName(id);
    std::mt19937 random(42);
    Clock::duration moving{}, listing{};
    long long moves = 0, listings = 0, deal = 1;
    while (moves < kTotalMoves) {
        if (!dealGame(state, id, deal++)) {
            std::printf("%s: cannot be dealt\n", name.c_str());
            return;
        }
        for (int i = 0; i < kMovesPerDeal && moves < kTotalMoves; ++i) {
            const auto t0 = Clock::now();
            const auto legal = legalMoves(state);
            const auto clicks = legalClicks(state);
            const auto t1 = Clock::now();
            listing += t1 - t0;
            ++listings;
            const size_t choices = legal.size() + clicks.size();
            if (choices == 0) break;
            const size_t pick = std::uniform_int_distribution<size_t>(0, choices - 1)(random);
            const auto t2 = Clock::now();
            if (pick < legal.size()) playerMove(state, legal[pick].card, legal[pick].key);
            else playerClick(state, clicks[pick - legal.size()]);
            moving += Clock::now() - t2;
            ++moves;
        }
    }
    auto perSecond = [](long long n, Clock::duration d) {
        return static_cast<double>(n) / std::chrono::duration<double>(d).count();
    };
    std::printf("%-10s %10.0f dispatcher moves/s %10.0f legal-move enumerations/s (%lld moves, %lld deals)\n",
                name.c_str(), perSecond(moves, moving), perSecond(listings, listing), moves, deal - 1);
}

}  // namespace

int main(int, char** argv) {
    HeadlessHost host;
    const std::string folder = programFolder(argv[0]);
    EngineState state(host, folder, chooseDataFolder(folder));
    if (!initialiseEngine(state)) {
        std::fprintf(stderr, "bench-dispatcher: cannot start the engine in %s\n", folder.c_str());
        return 2;
    }
    bench(state, state.catalogue.GameIdOfName("FreeCell"));
    bench(state, state.catalogue.GameIdOfName("Spider"));
    return 0;
}
