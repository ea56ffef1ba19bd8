#include "app/LineupsStage.h"

#include "app/FanGraphsSource.h"
#include "app/StatsApiStages.h"
#include "gameday/BoxscoreLineups.h"
#include "platform/ProgramLog.h"

namespace quillbat {

std::string ReadLineupsStage(AppContext& ctx, GameContext& game) {
    if (ctx.settings.sources.provider == DataProvider::StatsApi) return ReadStatsApiLineups(ctx, game);
    StartingPitcher away{game.away.pitcher, game.away.pitcherNumber, ""};
    StartingPitcher home{game.home.pitcher, game.home.pitcherNumber, ""};
    LineupRequest request;
    request.awayTeamName = game.away.teamName;
    request.homeTeamName = game.home.teamName;
    request.battingSplits = ctx.settings.scorecardPlayerFmt == "BASplits";
    request.fanGraphs = FanGraphsFor(ctx);
    std::string error =
        ReadBoxscoreLineups(game.boxScoreTable, game.playersTable, request, ctx.lineups, away, home);
    if (!error.empty()) WriteLog(ctx.settings, "Starting lineups not read: " + error);
    game.away.pitcher = away.text;
    game.away.pitcherNumber = away.number;
    game.home.pitcher = home.text;
    game.home.pitcherNumber = home.number;
    game.away.pitcherId = away.playerId;
    game.home.pitcherId = home.playerId;
    return "";
}

}  // namespace quillbat
