// Games that need a larger screen are shown with the medium cards, and the
// player's own cards come back with the next game that fits.
#include <gtest/gtest.h>

#include "engine/Dealing.h"
#include "records/SettingsFields.h"
#include "tests/support/TempFolder.h"
#include "tools/gamesdat/GameDefinition.h"

namespace tarvelle {
namespace {

// The built collection with Klondike and FreeCell asking for an 800 x 600 screen.
std::string collectionNeedingWiderScreens() {
    gamedefs::Error error;
    auto games = gamedefs::decodeGamesDat(testing::builtGamesDat(), error);
    if (!games) throw std::runtime_error(error.message);
    for (auto& game : *games)
        if (game.id == 0 || game.id == 1) game.values[rule::ScreenWidthNeeded] = 1;
    return gamedefs::encodeGamesDat(*games);
}

TEST(CardSetFallback, MediumCardsOnASmallScreenAndBackAfterwards) {
    testing::TestEngine engine(false);
    engine.folder.write("GAMES.DAT", collectionNeedingWiderScreens());
    engine.state =
        std::make_unique<EngineState>(engine.host, engine.folder.path(), engine.folder.path());
    ASSERT_TRUE(engine.initialise());
    SettingsRecord& st = engine.state->settings;
    st.put(setting::CardSize, "B");
    st.put(setting::CardSet, "002");
    st.put(setting::BackCard, "007");
    engine.host.screenInfo.width = 640;

    ASSERT_TRUE(engine.deal(0, "1"));
    EXPECT_EQ(st.get(setting::CardSize), "M");
    EXPECT_EQ(st.get(setting::CardSet), "003");
    EXPECT_EQ(engine.state->cardWidth, 71) << "the images are the window's to reload";
    ASSERT_EQ(engine.host.messages.size(), 1u);
    EXPECT_EQ(
        engine.host.messages[0].text,
        "Your video card's display is 640x480 pixels. For the best graphics display the screen "
        "resolution should be set to 800x600 pixels or higher. However, it's possible to play "
        "Klondike using predefined card and deck sets.");

    ASSERT_TRUE(engine.deal(1, "1"));
    EXPECT_EQ(engine.host.messages.size(), 1u) << "once per run";
    EXPECT_EQ(st.get(setting::CardSize), "M");

    ASSERT_TRUE(engine.deal(3, "1"));  // Spider fits any screen
    EXPECT_EQ(st.get(setting::CardSize), "B");
    EXPECT_EQ(st.get(setting::CardSet), "002");
    EXPECT_EQ(st.get(setting::BackCard), "007");
    EXPECT_EQ(st.get(setting::SavedCardSet), "");
}

}  // namespace
}  // namespace tarvelle
