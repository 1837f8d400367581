// Engine start-up: the game chosen from CFG.DAT.
#include "engine/EngineInit.h"

#include <gtest/gtest.h>

#include "records/SettingsFields.h"
#include "tests/support/TempFolder.h"

namespace tarvelle {
namespace {

// At start-up a game id that names no game leaves no game chosen.
TEST(StartupGame, UnknownGameIdIsNoGame) {
    for (const char* stored : {"999", "-7", "8000", "0x10"}) {
        testing::TestEngine engine;
        engine.folder.write("DATA/CFG.DAT", std::string("[Preference]\r\nGame=") + stored + "\r\nGame_name=Old\r\n");
        ASSERT_TRUE(engine.initialise());
        const bool known = std::string(stored) == "0x10";
        EXPECT_EQ(engine.state->settings.get(setting::GameId), known ? "0016" : "-1") << stored;
        EXPECT_EQ(engine.state->settings.get(setting::GameName), known ? "Old" : "") << stored;
    }
}

}  // namespace
}  // namespace tarvelle
