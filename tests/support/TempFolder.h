// A fresh folder for one test, removed afterwards; and an engine whose program
// folder holds the GAMES.DAT of the build.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/EngineState.h"
#include "engine/HeadlessHost.h"

namespace tarvelle::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder path with its trailing separator.
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + name; }
    void write(const std::string& name, const std::string& content) const;
    std::string read(const std::string& name) const;

private:
    std::string path_;
};

// The GAMES.DAT that the build compiled from the game definitions.
std::string builtGamesDat();

// An engine on a program folder of its own, with the built GAMES.DAT (unless
// told otherwise) and DATA beside it.
struct TestEngine {
    explicit TestEngine(bool withGamesDat = true);
    TempFolder folder;
    HeadlessHost host;
    std::unique_ptr<EngineState> state;

    // Runs the start-up of the engine; false when it would end the program.
    bool initialise();
    // Makes the game current, prepares it and deals the game number, with autoplay off.
    bool deal(int gameId, const std::string& gameNumber);
};

// Every card code on the table, gaps left out, sorted: what play must never
// lose or double.
std::vector<int> cardsOnTable(const EngineState& s);

}  // namespace tarvelle::testing
