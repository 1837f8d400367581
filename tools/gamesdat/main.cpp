// tarvelle-gamesdat: compiles the game definitions into GAMES.DAT and decodes
// a GAMES.DAT back into definitions.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "records/Files.h"
#include "tools/gamesdat/GameDefinition.h"

namespace fs = std::filesystem;
using namespace tarvelle;

namespace {

int usage() {
    std::cerr << "usage: tarvelle-gamesdat encode OUTPUT.DAT DEFINITIONS-FOLDER\n"
                 "       tarvelle-gamesdat decode GAMES.DAT OUTPUT-FOLDER\n";
    return 2;
}

int encode(const std::string& output, const std::string& folder) {
    std::vector<std::string> paths;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.path().extension() == ".game") paths.push_back(entry.path().string());
    if (ec) {
        std::cerr << "tarvelle-gamesdat: cannot read " << folder << ": " << ec.message() << "\n";
        return 1;
    }
    std::sort(paths.begin(), paths.end());
    std::vector<gamedefs::GameDefinition> games;
    for (const auto& path : paths) {
        auto text = files::readFile(path);
        if (!text) {
            std::cerr << "tarvelle-gamesdat: cannot read " << path << "\n";
            return 1;
        }
        gamedefs::Error error;
        auto game = gamedefs::parseDefinition(*text, fs::path(path).filename().string(), error);
        if (!game) {
            std::cerr << "tarvelle-gamesdat: " << error.message << "\n";
            return 1;
        }
        games.push_back(std::move(*game));
    }
    gamedefs::Error error;
    if (!gamedefs::checkCollection(games, error)) {
        std::cerr << "tarvelle-gamesdat: " << error.message << "\n";
        return 1;
    }
    const std::string stored = gamedefs::encodeGamesDat(games);
    // An unchanged file is left alone, so nothing that depends on it is rebuilt.
    if (auto old = files::readFile(output); old && *old == stored) return 0;
    if (!files::replaceFile(output, stored)) {
        std::cerr << "tarvelle-gamesdat: cannot write " << output << "\n";
        return 1;
    }
    return 0;
}

int decode(const std::string& input, const std::string& folder) {
    auto text = files::readFile(input);
    if (!text) {
        std::cerr << "tarvelle-gamesdat: cannot read " << input << "\n";
        return 1;
    }
    gamedefs::Error error;
    auto games = gamedefs::decodeGamesDat(*text, error);
    if (!games) {
        std::cerr << "tarvelle-gamesdat: " << input << ": " << error.message << "\n";
        return 1;
    }
    files::makeDirectory(folder);
    for (const auto& game : *games) {
        const std::string path = folder + "/" + gamedefs::definitionFileName(game);
        if (!files::replaceFile(path, gamedefs::formatDefinition(game))) {
            std::cerr << "tarvelle-gamesdat: cannot write " << path << "\n";
            return 1;
        }
    }
    if (gamedefs::encodeGamesDat(*games) != *text)
        std::cerr << "tarvelle-gamesdat: note: " << input
                  << " holds text that the definitions do not keep; encoding them gives another file\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return usage();
    const std::string command = argv[1];
    if (command == "encode") return encode(argv[2], argv[3]);
    if (command == "decode") return decode(argv[2], argv[3]);
    return usage();
}
