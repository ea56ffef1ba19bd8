#pragma once
// The Create run's lineup step: the starting nines and starting pitchers of the chosen game.

#include <string>

#include "app/AppContext.h"
#include "app/GameContext.h"

namespace quillbat {

// Fills ctx.lineups from the game's box score and players tables and puts the starting
// pitchers in place of the probable ones. An unreadable box score leaves the lineups empty
// and a log line; it does not end the run.
std::string ReadLineupsStage(AppContext& ctx, GameContext& game);

}  // namespace quillbat
