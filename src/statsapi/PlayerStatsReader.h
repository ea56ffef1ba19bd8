#pragma once
// Players' season figures from the Stats API (season, vs left / vs right splits and
// sabermetrics), as stats rows with the column names the stages ask FanGraphs for ("PA", "AVG",
// "WAR", "FIP", "SV", "K/9", ...), so the same lookups read them.

#include <map>
#include <string>

#include "sites/StatsRow.h"
#include "statsapi/ApiJson.h"

namespace quillbat {

// One player's rows; a row without columns means the response had no such figures.
struct PlayerStatLines {
    StatsRow batting;  // the season's, with his sabermetrics
    StatsRow battingVsLeft, battingVsRight;
    StatsRow pitching;  // the season's, with his sabermetrics
};

// By player id.
using PlayerStatsById = std::map<std::string, PlayerStatLines>;

// Reads a stats array (each block {type, group, splits}) into lines. Of several splits of one
// kind (a player traded during the season) the one for all his clubs counts.
void ReadStatBlocks(const Json& blocks, PlayerStatLines& lines);

// The people of a `/api/v1/people?personIds=...&hydrate=stats(...)` response. Returns "" or why
// the response is not a list of people; people without a usable id are left out.
std::string ReadPlayerStats(const Json& response, PlayerStatsById& stats);
std::string ReadPlayerStatsFile(const std::string& path, PlayerStatsById& stats);

}  // namespace quillbat
