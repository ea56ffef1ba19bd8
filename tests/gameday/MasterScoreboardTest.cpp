#include "gameday/MasterScoreboard.h"

#include <gtest/gtest.h>

#include "GridSheet.h"
#include "TempFolder.h"

namespace quillbat {
namespace {

using testing::GridSheet;
using namespace GameField;

const std::string kData = QUILLBAT_TEST_DATA "/gameday";

TEST(ReadGameByScanningTest, OneRealPreviewGame) {
    GameTable games = ReadGameByScanning(testing::ReadFile(kData + "/single/scoreboard_one_game.xml"));
    ASSERT_EQ(games.Rows(), 1);
    EXPECT_EQ(games.At(kAwayCity, 1), "Texas");
    EXPECT_EQ(games.At(kHomeCity, 1), "LA Angels");
    EXPECT_EQ(games.At(kGamedayId, 1), "2013_04_22_texmlb_anamlb_1");
    EXPECT_EQ(games.At(kVenue, 1), "Angel Stadium of Anaheim");
    EXPECT_EQ(games.At(kHomePitcherName, 1), "Blanton");
    EXPECT_EQ(games.At(kHomePitcherEra, 1), "8.59");
    EXPECT_EQ(games.At(kAwayPitcherName, 1), "Holland, D");
    EXPECT_EQ(games.At(kAwayPitcherNumber, 1), "45");
    EXPECT_EQ(games.At(kAwayPitcherEra, 1), "1.64");
    EXPECT_EQ(games.At(kAwayFileCode, 1), "tex");
    EXPECT_EQ(games.At(kHomeFileCode, 1), "ana");
    EXPECT_EQ(games.At(kAwayLeagueId, 1), "103");
    EXPECT_EQ(games.At(kGameId, 1), "");
    EXPECT_EQ(games.At(kDoubleHeaderGame, 1), "");
}

TEST(ReadGameByScanningTest, FileWithoutGamesGivesOneEmptyGame) {
    GameTable games = ReadGameByScanning("<games/>\n");
    ASSERT_EQ(games.Rows(), 1);
    EXPECT_EQ(games.At(kAwayCity, 1), "");
}

const std::vector<std::string> kHeader = {"id",
                                          "venue",
                                          "away_team_city",
                                          "home_team_city",
                                          "gameday",
                                          "away_win",
                                          "away_loss",
                                          "home_win",
                                          "home_loss",
                                          "away_file_code",
                                          "home_file_code",
                                          "away_team_name",
                                          "home_team_name",
                                          "away_league_id",
                                          "home_league_id",
                                          "name_display_roster",
                                          "number",
                                          "wins",
                                          "losses",
                                          "era",
                                          "name_display_roster2",
                                          "number2",
                                          "wins2",
                                          "losses2",
                                          "era2",
                                          "inning"};

std::vector<std::string> GameRow(const std::string& id, const std::string& away, const std::string& inning) {
    return {id,   "Park " + id, away,    "Home",  "gd_" + id, "10",  "5",     "6",   "9",
            "aw", "hm",         "Aways", "Homes", "103",      "104", "HomeP", "55",  "1",
            "2",  "3.00",       "AwayP", "45",    "4",        "0",   "1.50",  inning};
}

TEST(ReadGamesFromTableTest, OneGamePerIdWithEveryField) {
    GridSheet sheet(
        {kHeader, GameRow("g1", "Boston", "1"), GameRow("g1", "Boston", "2"), GameRow("g2", "Texas", "1")});
    std::vector<GamePitchers> pitchers = {
        {"g1", {"HomeP", "55", "1", "2", "3.00"}, {"AwayP", "45", "4", "0", "1.50"}}};
    GameTable games = ReadGamesFromTable(sheet, pitchers);
    ASSERT_EQ(games.Rows(), 2);
    EXPECT_EQ(games.At(kAwayCity, 1), "Boston");
    EXPECT_EQ(games.At(kVenue, 1), "Park g1");
    EXPECT_EQ(games.At(kGamedayId, 1), "gd_g1");
    EXPECT_EQ(games.At(kAwayWins, 1), "10");
    EXPECT_EQ(games.At(kHomeLosses, 1), "9");
    EXPECT_EQ(games.At(kAwayPitcherName, 1), "AwayP");
    EXPECT_EQ(games.At(kAwayPitcherEra, 1), "1.50");
    EXPECT_EQ(games.At(kHomePitcherName, 1), "HomeP");
    EXPECT_EQ(games.At(kHomePitcherEra, 1), "3.00");
    EXPECT_EQ(games.At(kGameId, 1), "g1");
    EXPECT_EQ(games.At(kHomeLeagueId, 1), "104");
    EXPECT_EQ(games.At(kAwayCity, 2), "Texas");
    EXPECT_EQ(games.At(kDoubleHeaderGame, 2), "");
    // The table's own name_display_roster columns belong to other elements (a game in
    // progress has a batter and a pitcher): without probable pitchers the fields stay empty.
    EXPECT_EQ(games.At(kHomePitcherName, 2), "");
    EXPECT_EQ(games.At(kAwayPitcherEra, 2), "");
}

TEST(ReadGamesFromTableTest, MissingRecordOrPitcherColumnsLeaveFieldsEmpty) {
    std::vector<std::string> header = {"id", "away_team_city", "home_team_city", "away_loss", "era"};
    GridSheet sheet({header, {"g1", "Boston", "Home", "5", "3.00"}});
    GameTable games = ReadGamesFromTable(sheet, {});
    ASSERT_EQ(games.Rows(), 1);
    EXPECT_EQ(games.At(kAwayCity, 1), "Boston");
    EXPECT_EQ(games.At(kAwayLosses, 1), "");  // records only with an away_win column
    EXPECT_EQ(games.At(kHomePitcherEra, 1), "");
    EXPECT_EQ(games.At(kVenue, 1), "");
}

TEST(ReadGamesFromTableTest, DoubleHeaders) {
    GridSheet sheet({kHeader, GameRow("a", "Boston", "1"), GameRow("b", "Texas", "1"),
                     GameRow("c", "Boston", "1"), GameRow("d", "Boston", "1"), GameRow("e", "Texas", "1")});
    GameTable games = ReadGamesFromTable(sheet, {});
    ASSERT_EQ(games.Rows(), 5);
    std::vector<std::string> marks;
    for (int g = 1; g <= 5; ++g) marks.push_back(games.At(kDoubleHeaderGame, g));
    EXPECT_EQ(marks, (std::vector<std::string>{"1", "1", "2", "", "2"}));
}

TEST(ReadGamesFromTableTest, HeaderOnlyGivesNoGames) {
    GridSheet sheet({kHeader});
    EXPECT_EQ(ReadGamesFromTable(sheet, {}).Rows(), 0);
}

}  // namespace
}  // namespace quillbat
