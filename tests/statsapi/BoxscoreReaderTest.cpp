#include "statsapi/BoxscoreReader.h"

#include <gtest/gtest.h>

#include "StatsApiData.h"

namespace quillbat {
namespace {

using namespace LineupField;
using testing::kStatsApiData;

const std::string kBoxscore = kStatsApiData + "/game_744914_boxscore.json";

std::string Entry(const LineupTable& l, int row) {
    return l.At(kSide, row) + " " + l.At(kBattingOrder, row) + " " + l.At(kBoxScoreName, row) + " #" +
           l.At(kUniformNumber, row) + " " + l.At(kPosition, row) + " " + l.At(kAverage, row) + " " +
           l.At(kPlayerId, row) + " " + l.At(kFanGraphsTeam, row);
}

// Astros at Blue Jays, 2024-07-01, a final box score: the starters, not the batters who ended
// the game in each slot (Barger, 901, replaced Kiermaier in the ninth slot).
TEST(BoxscoreReaderTest, RealBoxscoreStartersAndPitchers) {
    LineupRequest request;
    request.awayTeamName = "Astros";
    request.homeTeamName = "Blue Jays";
    LineupTable lineups;
    StartingPitcher away{"probable", "1", ""}, home{"probable", "2", ""};
    ASSERT_EQ(ReadBoxscoreFile(kBoxscore, request, lineups, away, home), "");
    ASSERT_EQ(lineups.Rows(), 18);
    EXPECT_EQ(Entry(lineups, 1), "away 1 Alex Bregman #2 3B .251 608324 Astros");
    EXPECT_EQ(Entry(lineups, 9), "away 9 Chas McCormick #20 LF .213 676801 Astros");
    EXPECT_EQ(Entry(lineups, 10), "home 1 Bo Bichette #11 SS .230 666182 Blue Jays");
    EXPECT_EQ(Entry(lineups, 18), "home 9 Kevin Kiermaier #39 CF .190 595281 Blue Jays");
    EXPECT_EQ(away.text + " #" + away.number + " " + away.playerId, "Hunter Brown (6-5, 4.07) #58 686613");
    EXPECT_EQ(home.text + " #" + home.number, "Yariel Rodríguez (0-3, 4.44) #29");
}

TEST(BoxscoreReaderTest, ShapesOfBoxscores) {
    struct Case {
        const char* json;
        const char* error;
        int rows;
        const char* awayPitcher;
    } cases[] = {
        // Before the lineups are posted: no batting orders, the probable pitcher stays.
        {R"({"teams": {"away": {"players": {}, "pitchers": []}, "home": {}}})", "", 0, "probable"},
        {R"({"teams": {"away": {"players": {"ID1": {"person": {"id": 1, "fullName": "A"}, "battingOrder": "100"},
             "ID2": {"person": {"id": "2;rm"}, "battingOrder": "200"},
             "ID3": {"person": {"id": 3}, "battingOrder": 300},
             "ID4": {"person": {"id": 4}, "battingOrder": "000"}}}, "home": {}}})",
         "", 2, "probable"},
        {R"({"teams": {"away": {"pitchers": ["7"], "players": {"ID7": {"person": {"fullName": "X"}}}},
             "home": {}}})",
         "", 0, "probable"},
        {R"({"teams": {"away": {"pitchers": [7], "players": {"ID7": {"person": {"fullName": "X"}}}}, "home": {}}})",
         "", 0, "X (-, 0.00)"},
        {R"({"teams": {"away": []}})", "no teams in the box score", 0, "probable"},
        {R"({"teams": 3})", "no teams in the box score", 0, "probable"},
    };
    for (const Case& c : cases) {
        LineupTable lineups;
        StartingPitcher away{"probable", "", ""}, home;
        EXPECT_EQ(ReadBoxscore(testing::Parsed(c.json), LineupRequest{}, lineups, away, home), c.error)
            << c.json;
        EXPECT_EQ(lineups.Rows(), c.rows) << c.json;
        EXPECT_EQ(away.text, c.awayPitcher) << c.json;
    }
}

}  // namespace
}  // namespace quillbat
