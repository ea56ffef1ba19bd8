#pragma once
// The Create run's team rosters steps: the league and team averages from FanGraphs, then the
// rosters workbook.

#include <string>

#include "app/AppContext.h"
#include "app/GameContext.h"

namespace quillbat {

std::string GetLeagueAveragesStage(AppContext& ctx, GameContext& game);
std::string GetTeamAveragesStage(AppContext& ctx, GameContext& game);
std::string CreateTeamRostersStage(AppContext& ctx, GameContext& game);

}  // namespace quillbat
