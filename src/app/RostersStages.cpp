#include "app/RostersStages.h"

#include "sites/FanGraphs.h"
#include "workbooks/Averages.h"
#include "workbooks/TeamRosters.h"
#include "workbooks/WorksheetPrinting.h"

namespace quillbat {

namespace {

// The season's full-season "Advanced" tables of a league's clubs.
AveragesRequest FanGraphsAverages(AppContext& ctx) {
    return [&ctx](const std::string& league, const std::string& row, const std::string& kind,
                  std::vector<StatColumn>& columns) {
        FanGraphsRequest request{ctx.settings.season, league, row, "", kind, "Full Season", "Advanced"};
        StatsRow stats;
        std::string error = ScrapeFanGraphs(NetSession{ctx.settings, ctx.ui}, request, stats);
        for (int k = 1; k <= stats.ColumnCount() && error.empty(); ++k)
            columns.push_back({stats.ColumnName(k), stats.Value(k)});
        return error;
    };
}

}  // namespace

std::string GetLeagueAveragesStage(AppContext& ctx, GameContext& game) {
    GetLeagueAvgs(FanGraphsAverages(ctx), game.away.league, game.home.league, ctx.leagueAverages);
    return "";
}

std::string GetTeamAveragesStage(AppContext& ctx, GameContext& game) {
    GetTeamAvgs(FanGraphsAverages(ctx), game.away.teamName, game.away.league, game.home.teamName,
                game.home.league, ctx.teamAverages);
    return "";
}

std::string CreateTeamRostersStage(AppContext& ctx, GameContext& game) {
    RostersSources sources{
        ctx.settings,     ctx.players, ctx.leagueAverages,
        ctx.teamAverages, ctx.ui,      [](const ExcelWorksheet& sheet) { return PrintOut(sheet); }};
    return CreateTeamRosters(sources,
                             {game.away.title, game.home.title, game.away.teamName, game.home.teamName,
                              game.away.fileCode, game.home.fileCode, game.away.league, game.home.league,
                              game.away.pitcher, game.home.pitcher, game.venue, game.gameDate});
}

}  // namespace quillbat
