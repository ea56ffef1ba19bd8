#include "app/PlayerDataStage.h"

#include "app/FanGraphsSource.h"
#include "app/StatsApiStages.h"
#include "gameday/FlatTableFile.h"
#include "gameday/GamedayAddresses.h"
#include "gameday/PlayerData.h"

namespace quillbat {

namespace {

PlayerDataSide SideOf(const TeamSide& side) { return {side.cityName, side.teamName, side.fileCode}; }

PlayersTable PlayersOfGame(const GameContext& game) {
    std::string error;
    auto table = game.playersTable.empty() ? nullptr : OpenFlatTable(game.playersTable, error);
    return table ? PlayersFromTable(*table) : PlayersTable{};
}

void CollectPlayers(AppContext& ctx, const GameContext& game, const NetSession& session) {
    if (!game.lineupsAvailable) {
        ctx.ui.ShowStatus(std::string("Downloading rosters from ") + kGamedaySiteName + "...");
        ctx.players = PlayersFromRosterPages(session, SideOf(game.away), SideOf(game.home));
        return;
    }
    ctx.players = PlayersOfGame(game);
    ctx.ui.ShowStatus(std::string("Downloading player stats from ") + kGamedaySiteName + "...");
    // The rosters need everyone's files; the scorecards those of the batters and of the two
    // starting pitchers, who need a throwing hand even where they do not bat.
    auto wanted = [&](const std::string& id) {
        return ctx.settings.createRosters || IsInLineup(ctx.lineups, id) || id == game.away.pitcherId ||
               id == game.home.pitcherId;
    };
    ReadPlayerGameFiles(session, GameUrl(DayUrl(ctx.settings, game.gameDate), game.gameFolder), ctx.players,
                        wanted);
}

}  // namespace

std::string GetPlayerDataStage(AppContext& ctx, GameContext& game, int pass) {
    if (ctx.settings.sources.provider == DataProvider::StatsApi)
        return GetStatsApiPlayerData(ctx, game, pass);
    NetSession session{ctx.settings, ctx.ui};
    if (pass == 1) {
        CollectPlayers(ctx, game, session);
        return "";
    }
    ReadPlayerSeasonFiles(session, SeasonOfDate(game.gameDate), ctx.players);
    ctx.ui.ShowStatus("Downloading batting stats from FanGraphs...");
    MergeFanGraphsFigures(FanGraphsFor(ctx), SideOf(game.away), SideOf(game.home), ctx.players);
    return "";
}

}  // namespace quillbat
