// The settings record: fields by position and width, trimming and padding.
#include "records/SettingsRecord.h"

#include <gtest/gtest.h>

#include "records/SettingsFields.h"

namespace tarvelle {
namespace {

TEST(SettingsRecord, NewRecordHoldsFolderAndConfigName) {
    SettingsRecord r("/games/tarvelle/");
    EXPECT_EQ(r.get(setting::DataFolder), "/games/tarvelle/");
    EXPECT_EQ(r.get(setting::ConfigFileName), "DATA\\CFG.DAT");
    EXPECT_EQ(configPath(r), "/games/tarvelle/DATA\\CFG.DAT");
    EXPECT_EQ(r.get(setting::Player), "");
}

TEST(SettingsRecord, PutTrimsLeadingBlanksAndCutsToWidth) {
    SettingsRecord r;
    r.put(setting::Player, "  Anna");
    EXPECT_EQ(r.get(setting::Player), "Anna");
    r.put(setting::Player, std::string(31, 'x'));
    EXPECT_EQ(r.get(setting::Player), std::string(30, 'x'));
    // The cut never spills into the next field.
    EXPECT_EQ(r.get(setting::RunWins), "");
    r.put(setting::GameName, "Spider");
    r.put(setting::GameName, "");
    EXPECT_EQ(r.get(setting::GameName), "");
    r.put(setting::GameId, "-1");
    EXPECT_EQ(r.get(setting::GameId), "-1");
}

TEST(SettingsRecord, BlocksAreSeparate) {
    SettingsRecord r;
    r.put(249, 1, "Y");
    r.put(251, 1, "N");
    r.put(501, 3, "abc");
    EXPECT_EQ(r.get(249, 1), "Y");
    EXPECT_EQ(r.get(251, 1), "N");
    EXPECT_EQ(r.get(501, 3), "abc");
    // Positions 250, 500 and from 1000 on hold nothing.
    r.put(250, 1, "Z");
    r.put(500, 1, "Z");
    r.put(1000, 1, "Z");
    EXPECT_EQ(r.get(250, 1), "");
    EXPECT_EQ(r.get(1000, 1), "");
    // A field near a block's end makes the block grow.
    r.put(701, 200, std::string(200, 's'));
    EXPECT_EQ(r.get(701, 200), std::string(200, 's'));
}

}  // namespace
}  // namespace tarvelle
