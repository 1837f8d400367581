// tarvelle-cli: the engine without a window, for scripted checks and tests.
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/CliGame.h"
#include "app/CliHost.h"
#include "app/CliPlay.h"
#include "app/CliRender.h"
#include "app/ProgramFolder.h"
#include "engine/Cards.h"
#include "engine/EngineInit.h"
#include "engine/HeadlessHost.h"
#include "engine/Random.h"
#include "engine/Shuffle.h"
#include "engine/Table.h"
#include "records/Numbers.h"

using namespace tarvelle;

namespace {

int fail(const std::string& message) { return cliFailure(message); }

int usage() {
    std::cerr << "usage: tarvelle-cli games\n"
                 "       tarvelle-cli shuffle NUMBER CARDS JOKERS\n"
                 "       tarvelle-cli numbers SEED COUNT\n"
                 "       tarvelle-cli deal GAME NUMBER\n"
                 "       tarvelle-cli play GAME NUMBER\n"
                 "       tarvelle-cli render GAME NUMBER FILE.png [WIDTHxHEIGHT]\n";
    return 2;
}

int games(EngineState& state) {
    if (!startEngine(state)) return fail("cannot find " + state.gamesDatPath());
    for (const auto& entry : state.catalogue.gameList())
        if (entry.id() >= 0) std::cout << entry.id() << "\t" << entry.name() << "\n";
    return 0;
}

int shuffle(Host& host, std::string_view gameNumber, std::string_view cards, std::string_view jokers) {
    if (!isGameNumber(gameNumber)) return fail("the game number must be 1 to 13 digits: " + std::string(gameNumber));
    auto deck = cliNumber(cards, 104);
    if (!deck || *deck < 1) return fail("CARDS must be a number from 1 to 104: " + std::string(cards));
    auto extra = cliNumber(jokers, 4);
    if (!extra) return fail("JOKERS must be a number from 0 to 4: " + std::string(jokers));
    RuleTable rules;
    rules.set(rule::DeckCards, *deck);
    rules.set(rule::Jokers, *extra);
    rules.set(rule::DeckHasJokers, *extra > 0 ? 1 : 0);
    auto list = buildDealList(rules, gameNumber, host);
    std::string line;
    for (int code : *list) {
        if (!line.empty()) line += ' ';
        line += codeText(code);
    }
    std::cout << line << "\n";
    return 0;
}

int numbers(std::string_view seed, std::string_view count) {
    auto s = cliNumber(seed, 4294967295LL);
    if (!s) return fail("SEED must be a number from 0 to 4294967295: " + std::string(seed));
    auto n = cliNumber(count, 100000000LL);
    if (!n) return fail("COUNT must be a number from 0 to 100000000: " + std::string(count));
    RandomGenerator random;
    random.setSeed(static_cast<std::uint32_t>(*s));
    std::string out;
    for (long long i = 0; i < *n; ++i) {
        out += drawGameNumber(random);
        out += '\n';
        if (out.size() > 65536) {
            std::cout << out;
            out.clear();
        }
    }
    std::cout << out;
    return 0;
}

int dealGame(EngineState& state, std::string_view game, std::string_view gameNumber) {
    if (int status = startDealtGame(state, game, gameNumber)) return status;
    for (const auto& line : buildSnapshot(state)) std::cout << line << "\n";
    return 0;
}

int playGame(EngineState& state, std::string_view game, std::string_view gameNumber) {
    if (int status = startDealtGame(state, game, gameNumber)) return status;
    return playSession(state, std::cin, std::cout);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty()) return usage();
    CliHost host;
    const std::string folder = programFolder(argv[0]);
    const std::string_view command = args[0];
    if (command == "shuffle" && args.size() == 4) return shuffle(host, args[1], args[2], args[3]);
    if (command == "numbers" && args.size() == 3) return numbers(args[1], args[2]);
    if (command == "render") return renderCommand({args.begin() + 1, args.end()}, folder);
    if (command != "games" && command != "deal" && command != "play") return usage();
    EngineState state(host, folder, chooseDataFolder(folder));
    if (command == "games" && args.size() == 1) return games(state);
    if (command == "deal" && args.size() == 3) return dealGame(state, args[1], args[2]);
    if (command == "play" && args.size() == 3) return playGame(state, args[1], args[2]);
    return usage();
}
