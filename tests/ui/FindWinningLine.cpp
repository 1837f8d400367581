// Prints a winning line of play for a deal, found by the search the window's
// tests use: find-winning-line GAME NUMBER [POSITIONS] (the positions
// expanded in all, or in each stretch between two deals).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "records/Numbers.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/WinningLine.h"

using namespace tarvelle;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: find-winning-line GAME NUMBER [POSITIONS]\n");
        return 2;
    }
    testing::TestEngine engine;
    if (!engine.initialise() || !engine.deal(std::atoi(argv[1]), argv[2])) {
        std::fprintf(stderr, "the game does not deal\n");
        return 2;
    }
    testing::SearchPlan plan = testing::planFor(*engine.state);
    if (argc > 3) plan.positions = std::atoi(argv[3]);
    const auto began = std::chrono::steady_clock::now();
    const auto line = testing::findWinningLine(*engine.state, plan);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    if (!line) {
        std::fprintf(stderr, "no win found (%.1f s)\n", seconds);
        return 1;
    }
    for (const auto& action : *line) std::printf("%s\n", testing::actionText(action).c_str());
    std::fprintf(stderr, "%zu actions (%.1f s)\n", line->size(), seconds);
    return 0;
}
