#include "app/CreatePipeline.h"

#include <gtest/gtest.h>

#include "GameWorld.h"
#include "app/GameList.h"
#include "gameday/DownloadLogs.h"
#include "platform/FileSystem.h"

namespace quillbat {
namespace {

using testing::GameWorld;

// Stages that record what they were given; the real ones come with their own work.
struct RecordingStages {
    std::vector<std::string> calls;
    GameContext lineupsSaw;
    bool writeErrorLog = false;

    CreateStages Stages(AppContext& ctx) {
        auto record = [this](const char* name) {
            return [this, name](AppContext&, GameContext&) {
                calls.push_back(name);
                return std::string();
            };
        };
        CreateStages s;
        s.readLineups = [this](AppContext&, GameContext& game) {
            calls.push_back("lineups");
            lineupsSaw = game;
            game.away.pitcher = "Starter (1-0, 0.00)";
            return std::string();
        };
        s.getPlayerData = [this, &ctx](AppContext&, GameContext&, int pass) {
            calls.push_back("players " + std::to_string(pass));
            if (writeErrorLog) AppendToFile(ErrorLogPath(ctx.settings), "failed\r\n");
            return std::string();
        };
        s.createScorecard = [this](AppContext&, GameContext& game) {
            calls.push_back("scorecard with " + game.away.pitcher);
            return std::string();
        };
        s.getLeagueAverages = record("league averages");
        s.getTeamAverages = record("team averages");
        s.createTeamRosters = record("rosters");
        s.createPitcherProfiles = record("profiles");
        return s;
    }
};

class CreatePipelineTest : public ::testing::Test {
protected:
    void Start(const std::string& commandLine = "") {
        world.WriteStandInTemplates();
        ASSERT_EQ(world.Start(ctx, commandLine), "");
    }
    // Lists the day and runs Create on one of its games.
    CreateOutcome Create(const std::string& date, int game) {
        ctx.settings.selectedGameDate = date;
        EXPECT_EQ(GetGames(ctx, date).status, GameListStatus::Listed);
        world.ui.messages.clear();
        world.ui.statuses.clear();
        world.ui.busyCalls.clear();
        return RunCreate(ctx, stages, true, game);
    }
    void Tick(bool scorecards, bool rosters, bool profiles) {
        ctx.settings.createScorecards = scorecards;
        ctx.settings.createRosters = rosters;
        ctx.settings.createPitcherProfiles = profiles;
    }
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const auto& m : world.ui.messages) titles.push_back(m.title);
        return titles;
    }

    GameWorld world;
    AppContext ctx{world.ui};
    RecordingStages recorder;
    CreateStages stages = recorder.Stages(ctx);
};

TEST_F(CreatePipelineTest, GameWithBoxScoreRunsEveryStageInOrder) {
    Start("-debug");
    Tick(true, true, true);
    EXPECT_EQ(Create("04/07/2017", 2), CreateOutcome::Success);  // Boston at Detroit
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{
                                  "lineups", "players 1", "scorecard with Starter (1-0, 0.00)", "players 2",
                                  "league averages", "team averages", "rosters", "profiles"}));
    const GameContext& game = recorder.lineupsSaw;
    EXPECT_TRUE(game.lineupsAvailable);
    EXPECT_EQ(game.gameFolder, "gid_2017_04_07_bosmlb_detmlb_1");
    EXPECT_EQ(game.boxScoreTable, ctx.settings.tempFolder + "/boxscore.xls");
    EXPECT_EQ(game.playersTable, ctx.settings.tempFolder + "/players.xls");
    EXPECT_TRUE(FileExists(game.boxScoreTable));
    EXPECT_TRUE(FileExists(game.playersTable));
    EXPECT_EQ(game.away.teamName, "Red Sox");
    EXPECT_EQ(game.home.cityName, "Detroit");
    EXPECT_EQ(game.away.league, "AL");
    EXPECT_EQ(game.away.pitcher, "");  // the scoreboard has no probable pitchers
    EXPECT_EQ(world.ui.statuses, (std::vector<std::string>{
                                     "Checking MLB Gameday for starting lineups...", "",
                                     "Downloading player data from MLB Gameday...", "Creating scorecards...",
                                     "Creating team rosters...", "Creating pitcher profiles...", ""}));
    EXPECT_EQ(Titles(), std::vector<std::string>{"Success"});
    EXPECT_EQ(world.ui.messages[0].text, "All tasks completed successfully!");
    EXPECT_EQ(world.ui.busyCalls, (std::vector<bool>{true, false}));
    // The debug trace names each stage in the same order.
    std::string log = world.ProgramLog();
    std::size_t at = 0;
    for (const char* line :
         {"  GetPlayerData() pass 1", "  CreateScorecard()", "  GetPlayerData() pass 2", "  GetLeagueAvgs()",
          "  GetTeamAvgs()", "  CreateTeamRosters()", "  CreatePitcherProfiles()", "  All tasks completed"}) {
        at = log.find(std::string(" ") + line + "\r\n", at);
        EXPECT_NE(at, std::string::npos) << line << "\n" << log;
    }
}

// Which stages run for the ticked outputs, with a box score (game 2) or without one (game 1,
// the question answered Yes).
TEST_F(CreatePipelineTest, TheTickedOutputsAndTheBoxScoreDecideWhichStagesRun) {
    Start();
    const struct {
        bool scorecards, profiles;
        int game;
        std::vector<std::string> calls;
    } cases[] = {
        {false, true, 2, {"lineups", "profiles"}},  // the profiles need no player data
        {false, true, 1, {}},  // no lineups, and the profiles need them
        {true, false, 1, {"players 1", "scorecard with "}},  // the scorecards still get player data
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.calls));
        Tick(c.scorecards, false, c.profiles);
        recorder.calls.clear();
        if (c.game == 1) world.ui.QueueAnswer(MsgAnswer::Yes);
        EXPECT_EQ(Create("04/07/2017", c.game), CreateOutcome::Success);
        EXPECT_EQ(recorder.calls, c.calls);
        std::vector<std::string> titles = {"Success"};
        if (c.game == 1) titles.insert(titles.begin(), "Lineups Not Available");
        EXPECT_EQ(Titles(), titles);
    }
    EXPECT_EQ(world.ui.messages[0].text, "There are no starting lineups available yet.  Proceed anyway?");
    EXPECT_EQ(world.ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(world.ui.messages[0].icon, MsgIcon::Question);
    // The failed box score went to the error log, which the run then started afresh.
    EXPECT_FALSE(FileExists(ErrorLogPath(ctx.settings)));
}

// The game's hostile id is skipped, so it has no box score; the answer No runs no stage.
TEST_F(CreatePipelineTest, AHostileGamedayIdNeverReachesAnAddressAndDecliningRunsNoStage) {
    Start();
    Tick(true, true, true);
    world.AddScoreboard("year_2014/month_12/day_25",
                        "<games><game id=\"g\" gameday=\"../../../../etc\" away_team_city=\"A\" "
                        "home_team_city=\"B\"/><game id=\"h\" gameday=\"x\" away_team_city=\"C\"/></games>");
    world.ui.QueueAnswer(MsgAnswer::No);
    EXPECT_EQ(Create("12/25/2014", 1), CreateOutcome::Declined);
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_EQ(Titles(), std::vector<std::string>{"Lineups Not Available"});
    EXPECT_EQ(world.ui.statuses.back(), "");
    EXPECT_EQ(world.ui.busyCalls, (std::vector<bool>{true, false}));
    EXPECT_NE(world.ProgramLog().find("Skipped gameday id \"../../../../etc\""), std::string::npos);
    for (const auto& request : world.server.Requests())
        EXPECT_EQ(request.path.find("etc"), std::string::npos) << request.path;
}

TEST_F(CreatePipelineTest, MissingScorecardTemplateLeavesRostersToBeMade) {
    Start();
    DeleteFile(ctx.settings.templatesDir + "/Scorecard Template.xlt");
    Tick(true, true, false);
    EXPECT_EQ(Create("04/07/2017", 2), CreateOutcome::Success);
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"lineups", "players 1", "players 2",
                                                        "league averages", "team averages", "rosters"}));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Quillbat", "Success"}));
    EXPECT_EQ(world.ui.messages[0].text, "Could not locate scorecard template file:\r\n\r\n" +
                                             ctx.settings.templatesDir + "/Scorecard Template.xlt!");
    EXPECT_FALSE(ctx.settings.createScorecards);
    SaveSettingsOnExit(ctx.settings);
    EXPECT_EQ(ReadIniValue(world.Ini(), "LastRun", "CreateScorecards"), "N");
    EXPECT_EQ(ReadIniValue(world.Ini(), "LastRun", "CreateRosters"), "Y");
}

TEST_F(CreatePipelineTest, ErrorsDuringTheStagesChangeTheClosingMessage) {
    Start();
    Tick(true, false, false);
    recorder.writeErrorLog = true;
    EXPECT_EQ(Create("04/07/2017", 2), CreateOutcome::Errors);
    EXPECT_EQ(Titles(), std::vector<std::string>{"Errors"});
    EXPECT_EQ(world.ui.messages[0].text,
              "Some errors were encountered when downloading data.  See ERRORS.LOG for details");
}

TEST_F(CreatePipelineTest, AFailingStageEndsTheRun) {
    Start();
    Tick(true, true, false);
    stages.createScorecard = [](AppContext&, GameContext&) { return std::string("the template is damaged"); };
    EXPECT_EQ(Create("04/07/2017", 2), CreateOutcome::Failed);
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"lineups", "players 1"}));
    EXPECT_EQ(Titles(), std::vector<std::string>{"Error"});
    EXPECT_EQ(world.ui.messages[0].text, "the template is damaged");
}

// The real stages on a real game, and their tables' rows in the dumps.
TEST_F(CreatePipelineTest, TheBuildsOwnDataStagesOnARealGame) {
    Start("-dev");
    Tick(true, false, false);
    stages = CreateStages::Available();
    Create("04/07/2017", 2);  // its players' game files are not served: an "Errors" ending
    std::string lineups = testing::ReadFile(world.root / "prog/_debugPlayerList.txt");
    EXPECT_EQ(std::count(lineups.begin(), lineups.end(), '\n'), 18);
    EXPECT_EQ(lineups.substr(0, lineups.find('\r')), "1\thome\t1\tIan Kinsler\t.375\t2B\t435079\t3\t");
    std::string players = testing::ReadFile(world.root / "prog/_debugPlayers.txt");
    EXPECT_NE(players.find("\t453214\taway\tBoston Red Sox\tSteven\tWright\t35\tWright, S\tR\tP\r\n"),
              std::string::npos);
    // The batters' game files and both starting pitchers', though Wright does not bat.
    EXPECT_GT(world.server.RequestCount("/components/game/mlb/year_2017/month_04/day_07/"
                                        "gid_2017_04_07_bosmlb_detmlb_1/pitchers/453214.xml"),
              0);
}

}  // namespace
}  // namespace quillbat
