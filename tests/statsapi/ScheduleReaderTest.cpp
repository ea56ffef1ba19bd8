#include "statsapi/ScheduleReader.h"

#include <gtest/gtest.h>

#include "StatsApiData.h"
#include "TestText.h"

namespace quillbat {
namespace {

using namespace GameField;
using testing::kStatsApiData;

const std::string kSchedule =
    kStatsApiData + "/schedule_date_2026-03-18_hydrate_probablePitcher_pregame.json";

std::string Pitcher(const GameTable& g, int row, const GameSideFields& f) {
    if (g.At(f.pitcherName, row).empty()) return "";
    return g.At(f.pitcherName, row) + " #" + g.At(f.pitcherNumber, row) + " " + g.At(f.pitcherWins, row) +
           "-" + g.At(f.pitcherLosses, row) + " " + g.At(f.pitcherEra, row);
}

// Each game as the expected file writes it.
std::string Line(const GameTable& g, int row) {
    return g.At(kAwayCity, row) + " at " + g.At(kHomeCity, row) + " | " + g.At(kAwayWins, row) + "-" +
           g.At(kAwayLosses, row) + " | " + g.At(kHomeWins, row) + "-" + g.At(kHomeLosses, row) + " | " +
           Pitcher(g, row, kAwayFields) + " | " + Pitcher(g, row, kHomeFields) + " | " + g.At(kGameId, row);
}

TEST(ScheduleReaderTest, RealScheduleAgainstExpectedGamesTeamsAndVenue) {
    GameTable games;
    ASSERT_EQ(ReadScheduleFile(kSchedule, testing::TeamDatabaseRows(), games), "");
    ASSERT_EQ(games.Rows(), 13);
    std::vector<std::string> lines;
    for (int row = 1; row <= games.Rows(); ++row) lines.push_back(Line(games, row));
    EXPECT_EQ(lines, testing::ExpectedCases(kStatsApiData + "/expected_schedule_2026-03-18.txt")[""]);
    // The fields the expected file leaves out.
    EXPECT_EQ(games.At(kVenue, 3), "George M. Steinbrenner Field");
    EXPECT_EQ(games.At(kAwayFileCode, 3), "bos");
    EXPECT_EQ(games.At(kHomeFileCode, 3), "nyy");
    EXPECT_EQ(games.At(kHomeTeamName, 3), "Yankees");
    EXPECT_EQ(games.At(kHomeLeagueId, 3), "103");
    EXPECT_EQ(games.At(kHomeTeamId, 3), "147");
    EXPECT_EQ(games.At(kHomePitcherId, 3), "543037");  // Gerrit Cole
    EXPECT_EQ(games.At(kAwayPitcherId, 1), "641585");  // J.P. France
    EXPECT_EQ(games.At(kHomePitcherId, 1), "");
    EXPECT_EQ(games.At(kAwayLeagueId, 1), "103");
    EXPECT_EQ(games.At(kHomeLeagueId, 1), "104");
    EXPECT_EQ(games.At(kDoubleHeaderGame, 3), "");
    EXPECT_EQ(games.At(kGamedayId, 3), "");
}

TEST(ScheduleReaderTest, CityTextsFromTheTeamDatabaseFirst) {
    TeamTables teams = testing::TeamDatabaseRows();
    for (int row = 1; row <= teams.teams.Rows(); ++row)
        if (teams.teams.At(TeamField::kFileCode, row) == "nyy")
            teams.teams.Set(TeamField::kTeamCity, row, "Yanks");
    GameTable games;
    ASSERT_EQ(ReadScheduleFile(kSchedule, teams, games), "");
    EXPECT_EQ(games.At(kHomeCity, 3), "Yanks");
    // A club the database lacks (a new file code) takes the response's short name.
    ASSERT_EQ(ReadScheduleFile(kSchedule, TeamTables{}, games), "");
    EXPECT_EQ(games.At(kHomeCity, 3), "NY Yankees");
}

TEST(ScheduleReaderTest, ShapesOfGames) {
    struct Case {
        const char* json;
        int rows;
        int field;
        const char* value;
    } cases[] = {
        {R"({"dates": []})", 0, 0, ""},
        {R"({"dates": [{"games": [{"gamePk": 5, "doubleHeader": "Y", "gameNumber": 2}]}]})", 1,
         kDoubleHeaderGame, "2"},
        {R"({"dates": [{"games": [{"gamePk": 5, "doubleHeader": "S", "gameNumber": 1}]}]})", 1,
         kDoubleHeaderGame, "1"},
        {R"({"dates": [{"games": [{"gamePk": "../../x"}]}]})", 1, kGameId, ""},
        {R"({"dates": [{"games": [{"teams": {"away": {"team": {"id": 1, "fileCode": "../x", "name": "A"}}}}]}]})",
         1, kAwayFileCode, ""},
        {R"({"dates": [{"games": [{"teams": {"away": {"team": {"id": "1;x", "name": "A"}}}}]}]})", 1,
         kAwayTeamId, ""},
        {R"({"dates": [{"games": [{"teams": {"away": {"team": {"name": "Athletics"}}}}]}]})", 1, kAwayCity,
         "Athletics"},
        {R"({"dates": [{"games": [7, "x", null]}, 3]})", 0, 0, ""},
    };
    for (const Case& c : cases) {
        GameTable games;
        EXPECT_EQ(ReadSchedule(testing::Parsed(c.json), TeamTables{}, games), "") << c.json;
        ASSERT_EQ(games.Rows(), c.rows) << c.json;
        if (c.rows) {
            EXPECT_EQ(games.At(c.field, 1), c.value) << c.json;
        }
    }
}

}  // namespace
}  // namespace quillbat
