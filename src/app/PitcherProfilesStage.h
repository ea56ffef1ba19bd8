#pragma once
// The Create run's pitcher profiles step: the profiles workbook of the chosen game, with the
// statistics sites read through the run's download session.

#include <string>

#include "app/AppContext.h"
#include "app/GameContext.h"

namespace quillbat {

std::string CreatePitcherProfilesStage(AppContext& ctx, GameContext& game);

}  // namespace quillbat
