#include "statsapi/ApiTeamFigures.h"

#include <gtest/gtest.h>

#include "NetTestSession.h"
#include "StatsApiData.h"
#include "TestHttpServer.h"

namespace quillbat {
namespace {

// The real 2025 hitting figures of all clubs, and a club list (written for this test) that puts
// the Yankees (147) in the American League and the Dodgers (119) in the National League.
class ApiTeamFiguresTest : public ::testing::Test {
protected:
    ApiTeamFiguresTest() : server(net.folder / "api") {
        net.folder.Write(
            "api/api/v1/teams/stats",
            testing::ReadFile(testing::kStatsApiData + "/teams_stats_season_hitting_all30_2025.json"));
        // The club list's path is the figures' parent folder, so it is served as an answer.
        server.SetStatus("/api/v1/teams", 200,
                         R"({"teams": [{"id": 147, "league": {"id": 103}}, {"id": 119, "league": {"id": 104}},
                             {"id": "x/1", "league": {"id": 103}}, {"id": 160, "league": {"id": 200}}]})");
        net.settings.sources.statsApiHost = server.Url("");
    }
    std::string Answer(const std::string& league, const std::string& name, StatsRow& row,
                       const std::string& kind = "Batters") {
        return figures.Answer({"2025", league, name, "", kind, "Full Season", "Standard"}, row);
    }

    testing::NetTestSession net;
    testing::TestHttpServer server;
    ApiTeamFigures figures{net.session, "2025"};
};

TEST_F(ApiTeamFiguresTest, ClubAndLeagueRowsWithOneRequestEach) {
    StatsRow row;
    ASSERT_EQ(Answer("AL", "Yankees", row), "");
    EXPECT_EQ(GetStat("PA", row), "2268");
    ASSERT_EQ(Answer("AL", kAverageRequest, row), "");
    EXPECT_EQ(GetStat("AVG", row), ".259");  // the only AL club of the list
    ASSERT_EQ(Answer("NL", kAverageRequest, row), "");
    EXPECT_EQ(GetStat("HR", row), "98");  // the Dodgers'
    EXPECT_EQ(Answer("AL", "Nobody", row), "Invalid player name");
    EXPECT_EQ(Answer("AL", "Yankees", row, "Fielders"), "Invalid stat type: Fielders");
    EXPECT_EQ(server.RequestCount("/api/v1/teams/stats"), 1);
    EXPECT_EQ(server.RequestCount("/api/v1/teams"), 1);
}

TEST_F(ApiTeamFiguresTest, ARefusedRequestIsADownloadErrorOnce) {
    server.SetStatus("/api/v1/teams/stats", 403, "Forbidden");
    StatsRow row;
    EXPECT_EQ(Answer("AL", "Yankees", row).rfind("Download error: ", 0), 0u);
    EXPECT_EQ(Answer("AL", kAverageRequest, row).rfind("Download error: ", 0), 0u);
    EXPECT_EQ(row.ColumnCount(), 0);
    EXPECT_EQ(server.RequestCount("/api/v1/teams/stats"), 2);  // the download's one retry, then no more
}

}  // namespace
}  // namespace quillbat
