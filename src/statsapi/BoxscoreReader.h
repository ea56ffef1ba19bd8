#pragma once
// The starting lineups and starting pitchers from the Stats API's box score, into the lineup
// table the scorecards read.

#include <string>

#include "gameday/BoxscoreLineups.h"
#include "statsapi/ApiJson.h"

namespace quillbat {

// The starters of the away and then the home side in batting order (a starter's battingOrder is
// a non-zero multiple of 100; substitutes carry the slot plus 1, 2, ...), each with position,
// number and season average; and the first pitcher of each side, who replaces the probable
// one passed in. Returns "" or why the response is not a box score (the lineups are then
// empty). A box score before the lineups are posted gives no rows.
std::string ReadBoxscore(const Json& boxscore, const LineupRequest& request, LineupTable& lineups,
                         StartingPitcher& away, StartingPitcher& home);

// The same from the downloaded file.
std::string ReadBoxscoreFile(const std::string& path, const LineupRequest& request, LineupTable& lineups,
                             StartingPitcher& away, StartingPitcher& home);

}  // namespace quillbat
