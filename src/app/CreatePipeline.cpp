#include "app/CreatePipeline.h"

#include "app/CreateRequest.h"
#include "app/DebugDumps.h"
#include "app/StatsApiGames.h"
#include "app/StatsApiStages.h"
#include "app/TempFolderLock.h"
#include "gameday/DownloadLogs.h"
#include "gameday/GamedayAddresses.h"
#include "gameday/FetchTable.h"
#include "gameday/wininet.h"
#include "platform/FileSystem.h"
#include "platform/ProgramLog.h"

namespace quillbat {

namespace {

void Trace(const AppContext& ctx, const std::string& line) {
    if (ctx.settings.debugMode) WriteLog(ctx.settings, line);
}

bool AskToProceedWithoutLineups(AppContext& ctx) {
    ctx.ui.SetBusy(false);
    MsgAnswer answer =
        ctx.ui.Message(MsgIcon::Question, "Lineups Not Available",
                       "There are no starting lineups available yet.  Proceed anyway?", MsgButtons::YesNo);
    if (answer != MsgAnswer::Yes) return false;
    ctx.ui.SetBusy(true);
    return true;
}

// The present-day source's box score, which holds the players' numbers too.
bool FetchStatsApiGameFiles(AppContext& ctx, const CreateStages& stages, GameContext& game,
                            std::string& failure) {
    ctx.ui.ShowStatus(std::string("Checking ") + kStatsApiSiteName + " for starting lineups...");
    FetchStatsApiBoxscore(ctx, game);
    ctx.ui.ShowStatus("");
    ctx.lineups = LineupTable{};
    if (!game.lineupsAvailable) return AskToProceedWithoutLineups(ctx);
    if (stages.readLineups) failure = stages.readLineups(ctx, game);
    return true;
}

// The box score and players list; false when the user declines to go on without lineups.
bool FetchGameFiles(AppContext& ctx, const CreateStages& stages, GameContext& game, std::string& failure) {
    if (ctx.settings.sources.provider == DataProvider::StatsApi)
        return FetchStatsApiGameFiles(ctx, stages, game, failure);
    NetSession session{ctx.settings, ctx.ui};
    std::string gameUrl = GameUrl(DayUrl(ctx.settings, game.gameDate), game.gameFolder);
    ctx.ui.ShowStatus(std::string("Checking ") + kGamedaySiteName + " for starting lineups...");
    FetchedTable boxScore;
    if (game.gameFolder.empty()) {
        CheckGamedayId(ctx.settings, ctx.games.At(GameField::kGamedayId, game.gameNumber));
        boxScore.error = "no game folder";
    } else {
        boxScore = FetchFlatTable(session, BoxScoreUrl(gameUrl), BoxScoreFile(ctx.settings.tempFolder));
    }
    ctx.ui.ShowStatus("");
    ctx.lineups = LineupTable{};
    game.lineupsAvailable = boxScore.error.empty();
    if (!game.lineupsAvailable) return AskToProceedWithoutLineups(ctx);
    ctx.ui.ShowStatus(std::string("Downloading player data from ") + kGamedaySiteName + "...");
    game.boxScoreTable = boxScore.tablePath;
    game.playersTable =
        FetchFlatTable(session, PlayersUrl(gameUrl), PlayersFile(ctx.settings.tempFolder)).tablePath;
    if (stages.readLineups) failure = stages.readLineups(ctx, game);
    return true;
}

struct StageRun {
    AppContext& ctx;
    GameContext& game;
    std::string failure;

    // Runs the stage when it exists and nothing has failed yet, with its trace line first.
    void Run(const ContextStage& stage, const char* trace) {
        if (!stage || Stopped()) return;
        Trace(ctx, trace);
        failure = stage(ctx, game);
    }
    void RunPlayerData(const PlayerDataStage& stage, int pass) {
        if (!stage || Stopped()) return;
        Trace(ctx, "  GetPlayerData() pass " + std::to_string(pass));
        failure = stage(ctx, game, pass);
    }
    // True when a stage failed or the program is closing: no further stage runs.
    bool Stopped() {
        if (failure.empty() && ctx.ui.StopRequested()) failure = "stopped: the program is closing";
        return !failure.empty();
    }
};

// The stages for the ticked outputs in their fixed order: the rosters need the second pass
// of player data and both averages; the profiles need the lineups.
void RunStages(StageRun& run, const CreateStages& stages) {
    const Settings& s = run.ctx.settings;
    if (s.createScorecards || s.createRosters) run.RunPlayerData(stages.getPlayerData, 1);
    if (s.createScorecards) {
        run.ctx.ui.ShowStatus("Creating scorecards...");
        run.Run(stages.createScorecard, "  CreateScorecard()");
    }
    if (s.createRosters) {
        run.ctx.ui.ShowStatus("Creating team rosters...");
        run.RunPlayerData(stages.getPlayerData, 2);
        run.Run(stages.getLeagueAverages, "  GetLeagueAvgs()");
        run.Run(stages.getTeamAverages, "  GetTeamAvgs()");
        run.Run(stages.createTeamRosters, "  CreateTeamRosters()");
    }
    if (s.createPitcherProfiles && run.game.lineupsAvailable) {
        run.ctx.ui.ShowStatus("Creating pitcher profiles...");
        run.Run(stages.createPitcherProfiles, "  CreatePitcherProfiles()");
    }
}

CreateOutcome Finish(AppContext& ctx) {
    if (FileExists(ErrorLogPath(ctx.settings))) {
        ctx.ui.Message(MsgIcon::Exclamation, "Errors",
                       "Some errors were encountered when downloading data.  See ERRORS.LOG for details");
        return CreateOutcome::Errors;
    }
    ctx.ui.Message(MsgIcon::Information, "Success", "All tasks completed successfully!");
    return CreateOutcome::Success;
}

}  // namespace

CreateOutcome RunCreate(AppContext& ctx, const CreateStages& stages, bool gameListHasEntries,
                        int gameNumber) {
    if (!CheckCreateRequest(ctx, gameListHasEntries)) return CreateOutcome::NotStarted;
    TempFolderLock lock(ctx);
    if (!lock.Held()) return CreateOutcome::NotStarted;
    ctx.ui.SetBusy(true);
    GameContext game = BuildGameContext(ctx.games, gameNumber, ctx.teams, ctx.settings.selectedGameDate);
    StageRun run{ctx, game, ""};
    if (!FetchGameFiles(ctx, stages, game, run.failure)) return CreateOutcome::Declined;

    ctx.players = PlayersTable{};
    DeleteFile(ErrorLogPath(ctx.settings));
    RunStages(run, stages);
    if (ctx.settings.devMode) WriteDebugDumps(ctx);
    ctx.ui.ShowStatus("");
    Trace(ctx, "  All tasks completed");
    ctx.ui.SetBusy(false);
    if (!run.failure.empty()) {
        ctx.ui.Message(MsgIcon::Critical, "Error", run.failure);
        return CreateOutcome::Failed;
    }
    return Finish(ctx);
}

}  // namespace quillbat
