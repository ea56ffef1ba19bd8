#include "app/StatsApiStages.h"

#include "app/StatsApiGames.h"
#include "gameday/GamedayAddresses.h"
#include "gameday/PlayerData.h"
#include "platform/ProgramLog.h"
#include "statsapi/ApiAddresses.h"
#include "statsapi/ApiFigures.h"
#include "statsapi/ApiSession.h"
#include "statsapi/BoxscoreReader.h"
#include "statsapi/RosterReader.h"
#include "statsapi/VersusPitcherReader.h"
#include "workbooks/ProfileTables.h"

namespace quillbat {

namespace {

void TakePresentName(TeamSide& side, const std::string& teamName) {
    if (!teamName.empty()) side.teamName = teamName;
}

// The probable pitcher, until the box score names the starter.
StartingPitcher PitcherOf(const TeamSide& side) { return {side.pitcher, side.pitcherNumber, side.pitcherId}; }

void KeepPitcher(TeamSide& side, const StartingPitcher& pitcher) {
    side.pitcher = pitcher.text;
    side.pitcherNumber = pitcher.number;
    side.pitcherId = pitcher.playerId;
}

void ReadClubRoster(AppContext& ctx, const GameContext& game, const TeamSide& side, const char* which) {
    const std::string& temp = ctx.settings.tempFolder;
    std::string url = RosterUrl(ctx.settings.sources.statsApiHost, side.teamId, game.gameDate);
    std::string error = FetchAndRead(
        ApiSession(ctx.settings, ctx.ui), url, RosterFile(temp, side.teamId),
        [&](const std::string& path) { return ReadRosterFile(path, which, side.teamName, ctx.players); });
    if (!error.empty())
        WriteLog(ctx.settings, std::string("Roster of the ") + which + " club not read: " + error);
}

// One request for the figures of every player made known to figures.
void FetchFigures(AppContext& ctx, const GameContext& game, ApiFigures& figures, const char* which) {
    std::string url =
        PeopleStatsUrl(ctx.settings.sources.statsApiHost, figures.PlayerIds(), SeasonOfDate(game.gameDate));
    std::string error =
        FetchAndRead(ApiSession(ctx.settings, ctx.ui), url, PeopleStatsFile(ctx.settings.tempFolder, which),
                     [&](const std::string& path) { return ReadPlayerStatsFile(path, figures.Stats()); });
    if (!error.empty())
        WriteLog(ctx.settings, std::string("Figures of the ") + which + " not read: " + error);
}

const std::string& TeamOfSide(const GameContext& game, const std::string& side) {
    return side == "home" ? game.home.teamName : game.away.teamName;
}

}  // namespace

void FetchStatsApiBoxscore(AppContext& ctx, GameContext& game) {
    TakePresentName(game.away, ctx.games.At(GameField::kAwayTeamName, game.gameNumber));
    TakePresentName(game.home, ctx.games.At(GameField::kHomeTeamName, game.gameNumber));
    std::string path = BoxscoreFile(ctx.settings.tempFolder, game.gameId);
    LineupTable lineups;
    StartingPitcher away = PitcherOf(game.away), home = PitcherOf(game.home);
    std::string error = FetchAndRead(ApiSession(ctx.settings, ctx.ui),
                                     BoxscoreUrl(ctx.settings.sources.statsApiHost, game.gameId), path,
                                     [&](const std::string& file) {
                                         return ReadBoxscoreFile(file, LineupRequest{}, lineups, away, home);
                                     });
    if (!error.empty())
        WriteLog(ctx.settings, "Box score of game \"" + game.gameId + "\" not read: " + error);
    game.boxScoreTable = error.empty() ? path : "";
    game.lineupsAvailable = lineups.Rows() > 0;
}

std::string ReadStatsApiLineups(AppContext& ctx, GameContext& game) {
    StartingPitcher away = PitcherOf(game.away), home = PitcherOf(game.home);
    LineupRequest request;
    request.awayTeamName = game.away.teamName;
    request.homeTeamName = game.home.teamName;
    request.battingSplits = ctx.settings.scorecardPlayerFmt == "BASplits";
    std::string error = ReadBoxscoreFile(game.boxScoreTable, request, ctx.lineups, away, home);
    if (!error.empty()) WriteLog(ctx.settings, "Starting lineups not read: " + error);
    KeepPitcher(game.away, away);
    KeepPitcher(game.home, home);
    if (ctx.lineups.Rows() == 0) return "";
    ApiFigures figures;
    for (int entry = 1; entry <= ctx.lineups.Rows(); ++entry)
        figures.AddPlayer(ctx.lineups.At(LineupField::kFanGraphsTeam, entry),
                          ctx.lineups.At(LineupField::kFanGraphsName, entry),
                          ctx.lineups.At(LineupField::kPlayerId, entry));
    FetchFigures(ctx, game, figures, "lineups");
    request.fanGraphs = figures.Lookup();
    LookUpLineupFigures(request, ctx.lineups);
    return "";
}

std::string GetStatsApiPlayerData(AppContext& ctx, GameContext& game, int pass) {
    using namespace PlayerField;
    if (pass == 1) {
        ctx.ui.ShowStatus(std::string("Downloading rosters from ") + kStatsApiSiteName + "...");
        ReadClubRoster(ctx, game, game.away, "away");
        ReadClubRoster(ctx, game, game.home, "home");
        SortPlayersByName(ctx.players);
        return "";
    }
    if (ctx.players.Rows() == 0) return "";
    ctx.ui.ShowStatus(std::string("Downloading player stats from ") + kStatsApiSiteName + "...");
    ApiFigures figures;
    for (int p = 1; p <= ctx.players.Rows(); ++p)
        figures.AddPlayer(TeamOfSide(game, ctx.players.At(kSide, p)),
                          ctx.players.At(kFirstName, p) + " " + ctx.players.At(kLastName, p),
                          ctx.players.At(kPlayerId, p));
    FetchFigures(ctx, game, figures, "players");
    figures.FillSeasonFields(ctx.players);
    PlayerDataSide away{game.away.cityName, game.away.teamName, game.away.fileCode};
    PlayerDataSide home{game.home.cityName, game.home.teamName, game.home.fileCode};
    MergeFanGraphsFigures(figures.Lookup(), away, home, ctx.players);
    return "";
}

std::string StatsApiVersusPitcher(AppContext& ctx, const GameContext& game, const EspnRequest& request,
                                  BatterVersusPitcher& result) {
    bool pitcherIsHome = request.pitcherTeamCode == game.home.fileCode;
    const TeamSide& side = game.Side(pitcherIsHome);
    std::vector<std::string> batterIds;
    for (int row : OpposingBatterRows(ctx.players, pitcherIsHome ? "away" : "home"))
        batterIds.push_back(ctx.players.At(PlayerField::kPlayerId, row));
    std::string url = VersusPitcherUrl(ctx.settings.sources.statsApiHost, batterIds, side.pitcherId);
    if (url.empty()) return "No starting pitcher or no batters to ask the Stats API about";
    std::string error = FetchAndRead(
        ApiSession(ctx.settings, ctx.ui), url, VersusPitcherFile(ctx.settings.tempFolder, side.pitcherId),
        [&](const std::string& path) { return ReadVersusPitcherFile(path, result); });
    if (error.empty() && result.batters.empty()) return "No batter has faced " + side.pitcher;
    return error;
}

}  // namespace quillbat
