#include "gameday/ProbablePitchers.h"

#include <gtest/gtest.h>

#include "TempFolder.h"

namespace quillbat {
namespace {

const std::string kData = QUILLBAT_TEST_DATA "/gameday";

// The names and away ERA of TEX at ANA are checked through the game list (GetGamesTest.cpp).
TEST(ProbablePitchersTest, OnlyTheGamesOwnElementsOnARealMixedDay) {
    auto pitchers =
        ReadProbablePitchers(testing::ReadFile(kData + "/year_2013/month_04/day_22/master_scoreboard.xml"));
    std::vector<std::string> ids;
    for (const auto& g : pitchers) ids.push_back(g.gameId);
    EXPECT_EQ(ids, (std::vector<std::string>{"2013/04/22/texmlb-anamlb-1", "2013/04/22/milmlb-sdnmlb-1",
                                             "2013/04/22/arimlb-sfnmlb-1"}));
    const GamePitchers* tex = FindGamePitchers(pitchers, "2013/04/22/texmlb-anamlb-1");
    ASSERT_NE(tex, nullptr);
    EXPECT_EQ(tex->home.number + " " + tex->home.wins + "-" + tex->home.losses, "55 0-3");
    EXPECT_EQ(tex->home.era, "8.59");  // not s_era
    EXPECT_EQ(FindGamePitchers(pitchers, "2013/04/22/oakmlb-bosmlb-1"), nullptr);  // in progress
}

TEST(ProbablePitchersTest, OddMarkup) {
    std::string text(
        "<games><game id=\"a\"><home_probable_pitcher_note era=\"9\"/>"
        "<home_probable_pitcher\tname_display_roster=\"O&apos;Day &amp; Co\"\nxera=\"1\" era=\"2.50\"/>"
        "</game><game id=\"b\"><away_probable_pitcher name_display_roster=\"Mu&#241;oz\" era=\"1.00"
        "</game><gameday id=\"c\"/></games>");
    auto pitchers = ReadProbablePitchers(text);
    ASSERT_EQ(pitchers.size(), 2u);
    EXPECT_EQ(pitchers[0].home.name, "O'Day & Co");
    EXPECT_EQ(pitchers[0].home.era, "2.50");
    EXPECT_EQ(pitchers[0].away.name, "");
    EXPECT_EQ(pitchers[1].away.name, "Mu\xC3\xB1oz");
    EXPECT_EQ(pitchers[1].away.era, "");  // no closing quote
    EXPECT_TRUE(ReadProbablePitchers("").empty());
}

}  // namespace
}  // namespace quillbat
