#include "app/PitcherProfilesStage.h"

#include "workbooks/PitcherProfiles.h"
#include "workbooks/WorksheetPrinting.h"

namespace quillbat {

std::string CreatePitcherProfilesStage(AppContext& ctx, GameContext& game) {
    NetSession session{ctx.settings, ctx.ui};
    ProfileReaders readers{
        [&](FanGraphsRequest& request, StatsRow& row) { return ScrapeFanGraphs(session, request, row); },
        [&](const BrcRequest& request, StatsRow& row) { return ScrapeBRC(session, request, row); },
        [&](const EspnRequest& request, BatterVersusPitcher& result) {
            return ScrapeESPN(session, ctx.teams, request, result);
        }};
    PitcherProfilesSources sources{ctx.settings, ctx.players, ctx.ui, readers,
                                   [](const ExcelWorksheet& sheet) { return PrintOut(sheet); }};
    return CreatePitcherProfiles(sources,
                                 {game.away.title, game.home.title, game.away.teamName, game.home.teamName,
                                  game.away.fileCode, game.home.fileCode, game.away.league, game.home.league,
                                  game.away.pitcher, game.home.pitcher, game.venue, game.gameDate});
}

}  // namespace quillbat
