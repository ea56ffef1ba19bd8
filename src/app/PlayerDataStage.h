#pragma once
// The Create run's player data step: pass 1 builds the players table and reads the game
// files, pass 2 adds the season files and the FanGraphs figures.

#include <string>

#include "app/AppContext.h"
#include "app/GameContext.h"

namespace quillbat {

std::string GetPlayerDataStage(AppContext& ctx, GameContext& game, int pass);

}  // namespace quillbat
