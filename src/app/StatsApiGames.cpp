#include "app/StatsApiGames.h"

#include "statsapi/ApiAddresses.h"
#include "statsapi/ApiSession.h"
#include "statsapi/ScheduleReader.h"

namespace quillbat {

Fetched FetchStatsApiGames(AppContext& ctx, const std::string& date) {
    std::string url = ScheduleUrl(ctx.settings.sources.statsApiHost, date);
    GameTable games;
    std::string error =
        FetchAndRead(ApiSession(ctx.settings, ctx.ui), url, ScheduleFile(ctx.settings.tempFolder),
                     [&](const std::string& path) { return ReadScheduleFile(path, ctx.teams, games); });
    if (!error.empty()) return {GameListStatus::DownloadFailed, url, error, "schedule"};
    ctx.games = std::move(games);
    return {ListedOrNone(ctx.games), url, "", "schedule"};
}

}  // namespace quillbat
