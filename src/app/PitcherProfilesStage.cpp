#include "app/PitcherProfilesStage.h"

#include "app/StatsApiStages.h"

#include "workbooks/PitcherProfiles.h"
#include "workbooks/WorksheetPrinting.h"

namespace quillbat {

// On the present-day source the batters' lines come from the Stats API, and a statistics site
// that refuses is asked nothing more and named once in the error log.
std::string CreatePitcherProfilesStage(AppContext& ctx, GameContext& game) {
    const bool statsApi = ctx.settings.sources.provider == DataProvider::StatsApi;
    SiteRefusals refusals;
    NetSession session{ctx.settings, ctx.ui};
    if (statsApi) session.refusals = &refusals;
    ProfileReaders readers{
        [&](FanGraphsRequest& request, StatsRow& row) { return ScrapeFanGraphs(session, request, row); },
        [&](const BrcRequest& request, StatsRow& row) { return ScrapeBRC(session, request, row); },
        [&](const EspnRequest& request, BatterVersusPitcher& result) {
            return statsApi ? StatsApiVersusPitcher(ctx, game, request, result)
                            : ScrapeESPN(session, ctx.teams, request, result);
        }};
    PitcherProfilesSources sources{ctx.settings, ctx.players, ctx.ui, readers,
                                   [](const ExcelWorksheet& sheet) { return PrintOut(sheet); }};
    return CreatePitcherProfiles(sources, WorkbookGameOf(game));
}

}  // namespace quillbat
