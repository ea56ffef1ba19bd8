#include "app/CreateStages.h"

#include "app/LineupsStage.h"
#include "app/PitcherProfilesStage.h"
#include "app/PlayerDataStage.h"
#include "app/RostersStages.h"
#include "workbooks/Scorecard.h"
#include "workbooks/WorksheetPrinting.h"

namespace quillbat {

namespace {

std::string CreateScorecardStage(AppContext& ctx, GameContext& game) {
    ScorecardSources sources{ctx.settings, ctx.lineups, ctx.players, ctx.ui,
                             [](const ExcelWorksheet& sheet) { return PrintOut(sheet); }};
    return CreateScorecard(sources, {game.away.title, game.home.title, game.venue, game.gameDate,
                                     game.away.pitcher, game.home.pitcher, game.away.pitcherNumber,
                                     game.home.pitcherNumber, game.away.fileCode, game.home.fileCode});
}

}  // namespace

CreateStages CreateStages::Available() {
    CreateStages stages;
    stages.readLineups = ReadLineupsStage;
    stages.getPlayerData = GetPlayerDataStage;
    stages.createScorecard = CreateScorecardStage;
    stages.createPitcherProfiles = CreatePitcherProfilesStage;
    stages.getLeagueAverages = GetLeagueAveragesStage;
    stages.getTeamAverages = GetTeamAveragesStage;
    stages.createTeamRosters = CreateTeamRostersStage;
    return stages;
}

}  // namespace quillbat
