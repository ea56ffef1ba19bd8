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

// One game per id with every field, its own probable pitchers and the double-header marks are
// read from each day of the sample world (tests/sample/GamedayLayoutTest.cpp) and from the real
// scoreboards (tests/app/GetGamesTest.cpp); many double headers in HostileSizeTest.cpp.
TEST(ReadGamesFromTableTest, MissingColumnsLeaveFieldsEmptyAndAHeaderAloneGivesNoGames) {
    std::vector<std::string> header = {"id", "away_team_city", "home_team_city", "away_loss", "era"};
    GridSheet sheet({header, {"g1", "Boston", "Home", "5", "3.00"}});
    GameTable games = ReadGamesFromTable(sheet, {});
    ASSERT_EQ(games.Rows(), 1);
    EXPECT_EQ(games.At(kAwayCity, 1), "Boston");
    EXPECT_EQ(games.At(kAwayLosses, 1), "");  // records only with an away_win column
    EXPECT_EQ(games.At(kHomePitcherEra, 1), "");
    EXPECT_EQ(games.At(kVenue, 1), "");
    EXPECT_EQ(ReadGamesFromTable(GridSheet({header}), {}).Rows(), 0);
}

}  // namespace
}  // namespace quillbat
