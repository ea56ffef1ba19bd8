#include "app/RostersStages.h"

#include <memory>

#include "sites/FanGraphs.h"
#include "statsapi/ApiSession.h"
#include "statsapi/ApiTeamFigures.h"
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

// The Stats API's club figures: each response is fetched once a run, for both averages stages.
struct ClubFigures {
    explicit ClubFigures(AppContext& ctx)
        : session(ApiSession(ctx.settings, ctx.ui)), figures(session, ctx.settings.season) {}
    NetSession session;
    ApiTeamFigures figures;
};

namespace {

// The same requests answered from the Stats API's club figures.
AveragesRequest StatsApiAverages(AppContext& ctx, GameContext& game) {
    if (!game.clubFigures) game.clubFigures = std::make_shared<ClubFigures>(ctx);
    return [source = game.clubFigures](const std::string& league, const std::string& row,
                                       const std::string& kind, std::vector<StatColumn>& columns) {
        StatsRow stats;
        std::string error =
            source->figures.Answer({"", league, row, "", kind, "Full Season", "Advanced"}, stats);
        for (int k = 1; k <= stats.ColumnCount() && error.empty(); ++k)
            columns.push_back({stats.ColumnName(k), stats.Value(k)});
        return error;
    };
}

AveragesRequest AveragesOfSource(AppContext& ctx, GameContext& game) {
    if (ctx.settings.sources.provider == DataProvider::StatsApi) return StatsApiAverages(ctx, game);
    return FanGraphsAverages(ctx);
}

}  // namespace

std::string GetLeagueAveragesStage(AppContext& ctx, GameContext& game) {
    GetLeagueAvgs(AveragesOfSource(ctx, game), game.away.league, game.home.league, ctx.leagueAverages);
    return "";
}

std::string GetTeamAveragesStage(AppContext& ctx, GameContext& game) {
    GetTeamAvgs(AveragesOfSource(ctx, game), game.away.teamName, game.away.league, game.home.teamName,
                game.home.league, ctx.teamAverages);
    return "";
}

std::string CreateTeamRostersStage(AppContext& ctx, GameContext& game) {
    RostersSources sources{
        ctx.settings,     ctx.players, ctx.leagueAverages,
        ctx.teamAverages, ctx.ui,      [](const ExcelWorksheet& sheet) { return PrintOut(sheet); }};
    return CreateTeamRosters(sources, WorkbookGameOf(game));
}

}  // namespace quillbat
