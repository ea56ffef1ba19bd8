#pragma once
// The steps of a Create run that read the game's players and make the workbooks. The run
// skips a step that is empty, so tests can run the pipeline with some of them.

#include <functional>
#include <string>

#include "app/AppContext.h"
#include "app/GameContext.h"

namespace quillbat {

// A stage returns "" when it finished, else why it could not (which ends the run).
using ContextStage = std::function<std::string(AppContext&, GameContext&)>;
using PlayerDataStage = std::function<std::string(AppContext&, GameContext&, int pass)>;

struct CreateStages {
    ContextStage readLineups;  // fills ctx.lineups; may replace the context's pitcher texts
    PlayerDataStage getPlayerData;
    ContextStage createScorecard;
    ContextStage getLeagueAverages;
    ContextStage getTeamAverages;
    ContextStage createTeamRosters;
    ContextStage createPitcherProfiles;

    // The stages of this build.
    static CreateStages Available();
};

}  // namespace quillbat
