#include "statsapi/TeamStatsReader.h"

#include <gtest/gtest.h>

#include "StatsApiData.h"

namespace quillbat {
namespace {

using testing::Figures;
using testing::kStatsApiData;

// All 30 clubs' 2025 figures, captured in early June.
std::vector<ClubStats> Clubs(const char* group) {
    std::vector<ClubStats> clubs;
    EXPECT_EQ(ReadTeamStatsFile(kStatsApiData + "/teams_stats_season_" + group + "_all30_2025.json", clubs),
              "");
    return clubs;
}

TEST(TeamStatsReaderTest, RealHittingClubAndLeagueRows) {
    std::vector<ClubStats> clubs = Clubs("hitting");
    ASSERT_EQ(clubs.size(), 30u);
    const StatsRow* yankees = ClubRow(clubs, "Yankees");
    ASSERT_NE(yankees, nullptr);
    EXPECT_EQ(Figures(*yankees, {"PA", "AVG", "HR"}), "PA=2268 AVG=.259 HR=95");
    EXPECT_EQ(ClubRow(clubs, "ankees"), nullptr);  // whole words only
    EXPECT_EQ(GetStat("HR", *ClubRow(clubs, "White Sox")), "47");  // not the Red Sox' 73
    EXPECT_EQ(Figures(AverageRow(clubs), {"AVG", "HR", "PA"}), "AVG=.244 HR=64 PA=2233");
    // Two clubs' averages: the Yankees (147) and the Dodgers (119).
    EXPECT_EQ(GetStat("HR", AverageRow(clubs, {"147", "119"})), "97");
}

TEST(TeamStatsReaderTest, RealPitchingClubAndLeagueRows) {
    std::vector<ClubStats> clubs = Clubs("pitching");
    const StatsRow* yankees = ClubRow(clubs, "New York Yankees");
    ASSERT_NE(yankees, nullptr);
    EXPECT_EQ(Figures(*yankees, {"ERA", "SV", "K/9"}), "ERA=3.60 SV=17 K/9=9.62");
    EXPECT_EQ(Figures(AverageRow(clubs), {"ERA", "SV", "K/9"}), "ERA=4.01 SV=15 K/9=8.39");
}

TEST(TeamStatsReaderTest, ShapesOfTeamStatistics) {
    struct Case {
        const char* json;
        const char* error;
        std::size_t clubs;
    } cases[] = {
        {R"({"stats": []})", "", 0},
        {R"({"stats": [{"splits": [{"team": {"id": 1}, "stat": {"avg": ".250"}}, {"team": {"id": "1/2"}, "stat": {}},
             {"stat": {}}, 4]}]})",
         "", 1},
        {R"({"stats": {"splits": []}})", "no stats in the response", 0},
    };
    for (const Case& c : cases) {
        std::vector<ClubStats> clubs;
        EXPECT_EQ(ReadTeamStats(testing::Parsed(c.json), clubs), c.error) << c.json;
        EXPECT_EQ(clubs.size(), c.clubs) << c.json;
    }
    EXPECT_EQ(AverageRow({}).ColumnCount(), 0);
}

}  // namespace
}  // namespace quillbat
