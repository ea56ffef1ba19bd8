#pragma once
// The Create run's data steps on the present-day source: the box score, the lineups and both
// clubs' players, into the same tables the gameday steps fill.

#include <string>

#include "app/AppContext.h"
#include "app/GameContext.h"
#include "sites/ESPN.h"

namespace quillbat {

// Downloads the game's box score and says whether it holds the starting lineups
// (game.lineupsAvailable; game.boxScoreTable is the response's path). The clubs take their
// present names from the schedule, so a club renamed since the team database was written shows
// as it is called today.
void FetchStatsApiBoxscore(AppContext& ctx, GameContext& game);

// The lineups and starting pitchers from the downloaded box score, and the batters' figures
// (WAR, averages against left and right) from one request for their season figures.
std::string ReadStatsApiLineups(AppContext& ctx, GameContext& game);

// Pass 1: both clubs' active rosters with handedness; pass 2: everyone's season figures, in one
// request, into the season fields and the fields the FanGraphs pages fill on the gameday path,
// and each club's batters' career lines against the other's starting pitcher (one request a
// side) into the fields the game files fill there.
std::string GetStatsApiPlayerData(AppContext& ctx, GameContext& game, int pass);

// ESPN's batter-versus-pitcher table from one request: the career lines of the other club's
// players (the players table's non-pitchers) against the starting pitcher of the club the
// request names. An error when nothing can be asked or none of them has faced him, so the
// profiles fall back to the players table's list.
std::string StatsApiVersusPitcher(AppContext& ctx, GameContext& game, const EspnRequest& request,
                                  BatterVersusPitcher& result);

}  // namespace quillbat
