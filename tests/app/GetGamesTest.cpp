#include "app/GameList.h"

#include <gtest/gtest.h>

#include "GameWorld.h"

namespace quillbat {
namespace {

using testing::GameWorld;

class GetGamesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(world.Start(ctx), ""); }
    GameWorld world;
    AppContext ctx{world.ui};
};

TEST_F(GetGamesTest, EveryRealDayListsItsGames) {
    auto expected = testing::ExpectedGameLists();
    ASSERT_EQ(expected.size(), 16u);
    for (const auto& [day, entries] : expected) {
        SCOPED_TRACE(day);
        GameListOutcome outcome = GetGames(ctx, testing::DateOfDayPath(day));
        EXPECT_EQ(outcome.status, GameListStatus::Listed);
        EXPECT_EQ(outcome.entries, entries);
        EXPECT_EQ(outcome.selected, 0u);
    }
    EXPECT_TRUE(world.ui.messages.empty());
    EXPECT_EQ(ctx.settings.season, "2017");
}

// Cities, ids, codes and leagues are read from a real scoreboard by the list and pipeline tests
// and from every day of the sample world (tests/sample/GamedayLayoutTest.cpp).
TEST_F(GetGamesTest, GameRecordsCarryWhatCreateNeeds) {
    ASSERT_EQ(GetGames(ctx, "04/22/2013").status, GameListStatus::Listed);
    using namespace GameField;
    // TEX at ANA (game 11) was in preview with both probable pitchers.
    EXPECT_EQ(ctx.games.At(kGameId, 11), "2013/04/22/texmlb-anamlb-1");
    EXPECT_EQ(ctx.games.At(kHomePitcherName, 11), "Blanton");
    EXPECT_EQ(ctx.games.At(kAwayPitcherName, 11), "Holland, D");
    EXPECT_EQ(ctx.games.At(kAwayPitcherEra, 11), "1.64");
    EXPECT_EQ(ctx.games.At(kVenue, 1), "Fenway Park");
    EXPECT_EQ(ctx.games.At(kAwayWins, 1), "12");
    EXPECT_EQ(world.ui.busyCalls, (std::vector<bool>{true, false}));
}

TEST_F(GetGamesTest, FailedDownloadIsLoggedAndKeepsTheGames) {
    ASSERT_EQ(GetGames(ctx, "04/22/2013").status, GameListStatus::Listed);
    GameListOutcome outcome = GetGames(ctx, "04/23/2013");  // no such day on the server
    EXPECT_EQ(outcome.status, GameListStatus::DownloadFailed);
    EXPECT_EQ(ctx.games.Rows(), 13);
    EXPECT_EQ(world.ui.messages.size(), 1u);
    std::string log = world.ProgramLog();
    std::string url =
        world.server.Url("/components/game/mlb/year_2013/month_04/day_23/master_scoreboard.xml");
    auto first = log.find(" error downloading master scoreboard\r\n");
    ASSERT_NE(first, std::string::npos) << log;
    EXPECT_NE(log.find("   url = " + url + "\r\n", first), std::string::npos) << log;
    EXPECT_NE(log.find("   err = Download failed", first), std::string::npos) << log;
}

TEST_F(GetGamesTest, ScoreboardThatIsNotXmlIsAFailedDownloadSayingWhy) {
    for (const std::string& page : {std::string("<html><body>Service Unavailable</body>"),
                                    std::string("\x89PNG\0\x01", 6), std::string()}) {
        world.ui.messages.clear();
        world.AddScoreboard("year_2014/month_12/day_25", page);
        EXPECT_EQ(GetGames(ctx, "12/25/2014").status, GameListStatus::DownloadFailed);
        ASSERT_EQ(world.ui.messages.size(), 1u);
        EXPECT_EQ(world.ui.messages[0].text,
                  "Error attempting to get games for selected date!  See .LOG file for details.");
    }
    EXPECT_NE(world.ProgramLog().find("   err = " + ctx.settings.tempFolder +
                                      "/scoreboard.xml: not well-formed XML ("),
              std::string::npos)
        << world.ProgramLog();

    world.AddScoreboard("year_2014/month_12/day_25",
                        "<games>\n<game away_team_city=\"Boston\" home_team_city=\"Texas\"/>\n</games>\n");
    EXPECT_EQ(GetGames(ctx, "12/25/2014").status, GameListStatus::Listed)
        << "one game without rows still reads";
}

}  // namespace
}  // namespace quillbat
