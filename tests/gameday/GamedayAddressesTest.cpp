// Gameday dates and local names, and the refusal of ids that could leave their folder. The
// addresses of a day, a game and its files are requested from a served world by the game list,
// pipeline and player file tests (GetGamesTest.cpp, CreatePipelineTest.cpp, PlayerDataTest.cpp).

#include <gtest/gtest.h>

#include "gameday/GamedayAddresses.h"

namespace quillbat::testing {
namespace {

TEST(GamedayDatePath, KeepsTwoDigitMonthAndDay) {
    EXPECT_EQ(GamedayDatePath("07/04/2014"), "year_2014/month_07/day_04");
    EXPECT_EQ(GamedayDatePath("7/4/2014"), "year_2014/month_07/day_04");
    EXPECT_EQ(GamedayDatePath("12/31/2009"), "year_2009/month_12/day_31");
    EXPECT_EQ(GamedayDatePath("13/01/2014"), "");
    EXPECT_EQ(GamedayDatePath(""), "");
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

TEST(FlatTablePath, ReplacesOnlyTheFirstXmlInAnyCase) {
    EXPECT_EQ(FlatTablePath("/tmp/quillbat/boxscore.xml"), "/tmp/quillbat/boxscore.xls");
    EXPECT_EQ(FlatTablePath("/tmp/BOX.XML"), "/tmp/BOX.xls");
    EXPECT_EQ(FlatTablePath("/tmp/a.Xml.d/b.xml"), "/tmp/a.xls.d/b.xml");
    EXPECT_EQ(FlatTablePath("/tmp/players.txt"), "");
}

}  // namespace
}  // namespace quillbat::testing
