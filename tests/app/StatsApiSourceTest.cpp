// The game list and the Create run's data stages on the present-day source, against stored
// real Stats API responses served over loopback.

#include <gtest/gtest.h>

#include <filesystem>

#include "StartupFixture.h"
#include "TestHttpServer.h"
#include "app/CreatePipeline.h"
#include "app/GameList.h"
#include "app/LineupsStage.h"
#include "app/PlayerDataStage.h"
#include "app/RostersStages.h"
#include "app/StatsApiStages.h"
#include "workbooks/Averages.h"
#include "workbooks/ProfileTables.h"
#include "gameday/DownloadLogs.h"
#include "platform/FileSystem.h"
#include "platform/IniFile.h"

namespace quillbat {
namespace {

const std::string kApiData = QUILLBAT_TEST_DATA "/statsapi";

// The schedule of 2026-03-18. Game 3 (Boston at NY Yankees) is given a stored box score of
// another game and both clubs the same stored roster: the stages care for the shape, not the
// clubs' identity.
class StatsApiSourceTest : public ::testing::Test {
protected:
    StatsApiSourceTest() : server(f.root / "api") {
        Serve("schedule_date_2026-03-18_hydrate_probablePitcher_pregame.json", "api/v1/schedule");
        Serve("game_744914_boxscore.json", "api/v1/game/831607/boxscore");
        Serve("team_134_roster_fullSeason_hydrate_person.json", "api/v1/teams/111/roster");
        Serve("team_134_roster_fullSeason_hydrate_person.json", "api/v1/teams/147/roster");
        Serve("person_660271_hydrate_stats_season_yearByYear_career_gameLog_pitching.json", "api/v1/people");
        f.WriteStandInTemplates();
        f.CloseSources();
        WriteIniValue(f.Ini(), "Sources", "StatsApiHost", server.Url(""));
    }
    void Serve(const std::string& file, const std::string& path) {
        f.root.Write("api/" + path, testing::ReadFile(kApiData + "/" + file));
    }
    void SetUp() override { ASSERT_EQ(f.Start(ctx), ""); }

    CreateOutcome Create(int game) {
        ctx.settings.selectedGameDate = "03/18/2026";
        EXPECT_EQ(GetGames(ctx, "03/18/2026").status, GameListStatus::Listed);
        f.ui.messages.clear();
        CreateStages stages;
        stages.readLineups = ReadLineupsStage;
        stages.getPlayerData = GetPlayerDataStage;
        ctx.settings.createScorecards = true;
        ctx.settings.createRosters = true;
        return RunCreate(ctx, stages, true, game);
    }
    std::string ErrorLog() const { return testing::ReadFile(ErrorLogPath(ctx.settings)); }

    testing::StartupFixture f;
    testing::TestHttpServer server;
    AppContext ctx{f.ui};
};

TEST_F(StatsApiSourceTest, AScheduleThatIsNotJsonIsAFailedDownload) {
    server.SetStatus("/api/v1/schedule", 200, "<html>Service Unavailable</html>");
    EXPECT_EQ(GetGames(ctx, "03/18/2026").status, GameListStatus::DownloadFailed);
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].title, "Error");
    std::string log = ErrorLog();
    EXPECT_NE(log.find("not JSON"), std::string::npos);
    EXPECT_NE(log.find("URL = " + server.Url("/api/v1/schedule")), std::string::npos);
}

TEST_F(StatsApiSourceTest, CreateFillsLineupsAndPlayersWithEightRequests) {
    EXPECT_EQ(Create(3), CreateOutcome::Success);
    ASSERT_EQ(ctx.lineups.Rows(), 18);
    EXPECT_EQ(ctx.lineups.At(LineupField::kBoxScoreName, 1), "Alex Bregman");
    EXPECT_EQ(ctx.lineups.At(LineupField::kFanGraphsTeam, 1), "Red Sox");
    ASSERT_EQ(ctx.players.Rows(), 76);
    EXPECT_EQ(ctx.players.At(PlayerField::kLastName, 1), "Ashcraft");
    EXPECT_EQ(ctx.players.At(PlayerField::kBats, 1), "L");
    EXPECT_EQ(ctx.settings.season, "2026");  // the schedule's date gives the season
    std::vector<std::string> paths;
    for (const auto& request : server.Requests()) paths.push_back(request.path);
    EXPECT_EQ(server.Requests()[0].userAgent.rfind("Quillbat/", 0), 0u);
    // The last two ask for each club's batters' lines against the other's starter; the stored
    // people response has none, so no batter has an at-bat against him.
    EXPECT_EQ(paths,
              (std::vector<std::string>{"/api/v1/schedule", "/api/v1/game/831607/boxscore", "/api/v1/people",
                                        "/api/v1/teams/111/roster", "/api/v1/teams/147/roster",
                                        "/api/v1/people", "/api/v1/people", "/api/v1/people"}));
    std::vector<int> batters = OpposingBatterRows(ctx.players, "home");
    ASSERT_FALSE(batters.empty());
    EXPECT_EQ(ctx.players.At(PlayerField::kBatterSplitsAverage, batters[0]), "-");
}

// Each club's non-pitchers, by id, against the other's starter: the one who has batted against
// him gets his line, the others "-".
TEST_F(StatsApiSourceTest, BattersLinesAgainstTheStarterFillTheGameFileFields) {
    server.SetStatus(
        "/api/v1/people", 200,
        R"({"people": [{"id": 12, "lastFirstName": "Bee, Al", "stats": [{"type": {"displayName": )"
        R"("vsPlayerTotal"}, "group": {"displayName": "hitting"}, "splits": [{"stat": )"
        R"({"plateAppearances": 7, "atBats": 6, "avg": ".333", "homeRuns": 1, "rbi": 3}}]}]}]})");
    GameContext game;
    game.gameDate = "03/18/2026";
    game.away.pitcherId = "98";
    game.home.pitcherId = "99";
    using namespace PlayerField;
    for (auto [side, id, position] :
         {std::tuple{"home", "11", "C"}, {"home", "12", "1B"}, {"away", "13", "P"}}) {
        int row = ctx.players.AddRow();
        ctx.players.Set(kSide, row, side);
        ctx.players.Set(kPlayerId, row, id);
        ctx.players.Set(kPosition, row, position);
    }
    ASSERT_EQ(GetStatsApiPlayerData(ctx, game, 2), "");
    auto line = [&](int row) {
        return ctx.players.At(kBatterSplitsAverage, row) + " " + ctx.players.At(kBatterSplitsAtBats, row) +
               " " + ctx.players.At(kBatterSplitsHomeRuns, row) + " " + ctx.players.At(kBatterSplitsRbi, row);
    };
    EXPECT_EQ(line(1), "- - - -");
    EXPECT_EQ(line(2), ".333 6 1 3");
    EXPECT_EQ(line(3), "   ");  // a pitcher
}

TEST_F(StatsApiSourceTest, ABoxscoreThatIsNotJsonMeansNoLineups) {
    server.SetStatus("/api/v1/game/831607/boxscore", 200, "{\"teams\": {\"away\": ");
    f.ui.QueueAnswer(MsgAnswer::No);
    EXPECT_EQ(Create(3), CreateOutcome::Declined);
    EXPECT_EQ(f.ui.messages[0].title, "Lineups Not Available");
    EXPECT_NE(ErrorLog().find("/api/v1/game/831607/boxscore"), std::string::npos);
}

TEST_F(StatsApiSourceTest, ClubsTakeTheirPresentNames) {
    ctx.settings.selectedGameDate = "03/18/2026";
    ASSERT_EQ(GetGames(ctx, "03/18/2026").status, GameListStatus::Listed);
    ctx.games.Set(GameField::kHomeTeamName, 3, "Bombers");
    ctx.settings.createPitcherProfiles = true;
    CreateStages stages;
    GameContext seen;
    stages.readLineups = [&](AppContext&, GameContext& game) {
        seen = game;
        return std::string();
    };
    stages.createPitcherProfiles = [](AppContext&, GameContext&) { return std::string(); };
    RunCreate(ctx, stages, true, 3);
    EXPECT_EQ(seen.home.teamName, "Bombers");
}

// The rosters' club and league rows from every club's figures (the stored hitting figures stand
// for both groups here) and a club list that puts Boston (111) and New York (147) in the AL.
TEST_F(StatsApiSourceTest, RostersAveragesFromClubFigures) {
    Serve("teams_stats_season_hitting_all30_2025.json", "api/v1/teams/stats");
    server.SetStatus(
        "/api/v1/teams", 200,
        R"({"teams": [{"id": 111, "league": {"id": 103}}, {"id": 147, "league": {"id": 103}}]})");
    ctx.settings.selectedGameDate = "03/18/2026";
    ASSERT_EQ(GetGames(ctx, "03/18/2026").status, GameListStatus::Listed);
    ctx.settings.season = "2025";
    GameContext game = BuildGameContext(ctx.games, 3, ctx.teams, "03/18/2026");
    ASSERT_EQ(GetLeagueAveragesStage(ctx, game), "");
    ASSERT_EQ(GetTeamAveragesStage(ctx, game), "");
    EXPECT_EQ(GetTeamAvg("BA", "Yankees", ctx.teamAverages), ".259");
    EXPECT_EQ(GetTeamAvg("HR", "Red Sox", ctx.teamAverages), "73");
    EXPECT_EQ(GetLeagueAvg("HR", "AL", ctx.leagueAverages), "84");  // (95 + 73) / 2
}

}  // namespace
}  // namespace quillbat
