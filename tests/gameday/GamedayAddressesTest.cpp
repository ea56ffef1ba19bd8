// Gameday addresses and local names, and the refusal of ids that could leave their folder.

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "gameday/GamedayAddresses.h"
#include "platform/FileSystem.h"

namespace quillbat::testing {
namespace {

const std::string kBase = "http://gd2.mlb.com/components/game/mlb";

TEST(GamedayDatePath, KeepsTwoDigitMonthAndDay) {
    EXPECT_EQ(GamedayDatePath("07/04/2014"), "year_2014/month_07/day_04");
    EXPECT_EQ(GamedayDatePath("7/4/2014"), "year_2014/month_07/day_04");
    EXPECT_EQ(GamedayDatePath("12/31/2009"), "year_2009/month_12/day_31");
    EXPECT_EQ(GamedayDatePath("13/01/2014"), "");
    EXPECT_EQ(GamedayDatePath(""), "");
}

TEST(GamedayAddresses, DayGameAndFileUrls) {
    Settings settings;
    settings.gamedayBaseUrl = kBase;
    std::string day = DayUrl(settings, "04/22/2013");
    EXPECT_EQ(day, kBase + "/year_2013/month_04/day_22");
    EXPECT_EQ(MasterScoreboardUrl(day), day + "/master_scoreboard.xml");

    std::string game = GameUrl(day, GameFolder("2013_04_22_oakmlb_bosmlb_1"));
    EXPECT_EQ(game, day + "/gid_2013_04_22_oakmlb_bosmlb_1");
    EXPECT_EQ(BoxScoreUrl(game), game + "/boxscore.xml");
    EXPECT_EQ(PlayersUrl(game), game + "/players.xml");
    EXPECT_EQ(PlayerGameUrl(game, "434378", true), game + "/pitchers/434378.xml");
    EXPECT_EQ(PlayerGameUrl(game, "434378", false), game + "/batters/434378.xml");
    EXPECT_EQ(PlayerSeasonUrl(kBase, SeasonOfDate("04/22/2013"), "1", true),
              kBase + "/year_2013/pitchers/1.xml");
    EXPECT_EQ(PlayerSeasonUrl(kBase, "2013", "1", false), kBase + "/year_2013/batters/1.xml");
}

TEST(GamedayAddresses, UnsafeIdsGiveNoAddress) {
    for (const char* id : {"../../x", "", "12/34", "12 ", "-1", "1e5"}) {
        EXPECT_EQ(PlayerGameUrl("http://h/g", id, true), "") << id;
        EXPECT_EQ(PlayerSeasonUrl("http://h", "2014", id, false), "") << id;
        EXPECT_EQ(PlayerGameFile("/t", id), "") << id;
        EXPECT_EQ(PlayerSeasonFile("/t", id), "") << id;
    }
    EXPECT_EQ(GameFolder("../../2013_04_22"), "");
    EXPECT_EQ(GameFolder("a?b"), "");
    EXPECT_EQ(GameUrl("http://h/day", GameFolder("")), "");
}

TEST(CheckPlayerId, LogsTheRefusedId) {
    TempFolder folder;
    Settings settings;
    settings.programLog = folder / "Quillbat.log";
    EXPECT_TRUE(CheckPlayerId(settings, "605242"));
    EXPECT_FALSE(FileExists(settings.programLog));
    EXPECT_FALSE(CheckPlayerId(settings, "../../x"));
    std::string log = ReadFile(settings.programLog);
    EXPECT_NE(log.find(" Skipped player id \"../../x\": not all digits\r\n"), std::string::npos) << log;
}

TEST(FlatTablePath, ReplacesOnlyTheFirstXmlInAnyCase) {
    EXPECT_EQ(FlatTablePath("/tmp/quillbat/boxscore.xml"), "/tmp/quillbat/boxscore.xls");
    EXPECT_EQ(FlatTablePath("/tmp/BOX.XML"), "/tmp/BOX.xls");
    EXPECT_EQ(FlatTablePath("/tmp/a.Xml.d/b.xml"), "/tmp/a.xls.d/b.xml");
    EXPECT_EQ(FlatTablePath("/tmp/players.txt"), "");
}

}  // namespace
}  // namespace quillbat::testing
