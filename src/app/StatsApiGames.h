#pragma once
// The game list from the present-day source: the day's schedule into ctx.games.

#include <string>

#include "app/AppContext.h"
#include "app/GameList.h"

namespace quillbat {

// The gameday source's display name's counterpart in status texts.
inline constexpr const char* kStatsApiSiteName = "MLB Stats API";

// Downloads and reads the schedule of a "MM/DD/YYYY" date. A response that came but does not
// read is a failed download, as it is for the master scoreboard; ctx.games is then kept.
Fetched FetchStatsApiGames(AppContext& ctx, const std::string& date);

}  // namespace quillbat
