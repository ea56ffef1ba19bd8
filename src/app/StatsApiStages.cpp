#include "app/StatsApiStages.h"

#include <algorithm>

#include "app/StatsApiGames.h"
#include "gameday/GamedayAddresses.h"
#include "gameday/PlayerData.h"
#include "platform/NumberFormat.h"
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

// The career lines of the other club's non-pitchers against the side's starting pitcher; the
// response is fetched once a run and read again by a later stage.
std::string FetchVersusLines(AppContext& ctx, GameContext& game, bool pitcherIsHome,
                             VersusPitcherLines& lines) {
    const std::string& pitcherId = game.Side(pitcherIsHome).pitcherId;
    const char* batting = pitcherIsHome ? "away" : "home";
    // The profiles alone read no rosters before: the batting club's is read now.
    if (OpposingBatterRows(ctx.players, batting).empty())
        ReadClubRoster(ctx, game, game.Side(!pitcherIsHome), batting);
    std::vector<std::string> batterIds;
    for (int row : OpposingBatterRows(ctx.players, batting))
        batterIds.push_back(ctx.players.At(PlayerField::kPlayerId, row));
    std::string url = VersusPitcherUrl(ctx.settings.sources.statsApiHost, batterIds, pitcherId);
    std::string path = VersusPitcherFile(ctx.settings.tempFolder, pitcherId);
    if (url.empty() || path.empty()) return "No starting pitcher or no batters to ask the Stats API about";
    auto read = [&](const std::string& file) { return ReadVersusPitcherFile(file, lines); };
    if (game.fetchedThisRun.count(path)) return read(path);
    std::string error = FetchAndRead(ApiSession(ctx.settings, ctx.ui), url, path, read);
    if (error.empty()) game.fetchedThisRun.insert(path);
    return error;
}

// The batters' lines against the opposing starter as the game files give them: average, at-bats,
// home runs and runs batted in, or "-" for a batter without an at-bat against him.
void FillVersusFields(AppContext& ctx, GameContext& game, bool pitcherIsHome) {
    using namespace PlayerField;
    VersusPitcherLines lines;
    if (std::string error = FetchVersusLines(ctx, game, pitcherIsHome, lines); !error.empty()) {
        WriteLog(ctx.settings, "Batters' lines against the starting pitcher not read: " + error);
        return;
    }
    for (int row : OpposingBatterRows(ctx.players, pitcherIsHome ? "away" : "home")) {
        auto at = std::find(lines.playerIds.begin(), lines.playerIds.end(), ctx.players.At(kPlayerId, row));
        const StatsRow* line =
            at == lines.playerIds.end() ? nullptr : &lines.table.batters[at - lines.playerIds.begin()];
        bool batted = line && LeadingNumber(GetStat("AB", *line)) > 0;
        ctx.players.Set(kBatterSplitsAverage, row, batted ? GetStat("AVG", *line) : "-");
        ctx.players.Set(kBatterSplitsAtBats, row, batted ? GetStat("AB", *line) : "-");
        ctx.players.Set(kBatterSplitsHomeRuns, row, batted ? GetStat("HR", *line) : "-");
        ctx.players.Set(kBatterSplitsRbi, row, batted ? GetStat("RBI", *line) : "-");
    }
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
    FillVersusFields(ctx, game, true);
    FillVersusFields(ctx, game, false);
    return "";
}

std::string StatsApiVersusPitcher(AppContext& ctx, GameContext& game, const EspnRequest& request,
                                  BatterVersusPitcher& result) {
    bool pitcherIsHome = request.pitcherTeamCode == game.home.fileCode;
    VersusPitcherLines lines;
    if (std::string error = FetchVersusLines(ctx, game, pitcherIsHome, lines); !error.empty()) return error;
    if (lines.table.batters.empty()) return "No batter has faced " + game.Side(pitcherIsHome).pitcher;
    result = std::move(lines.table);
    return "";
}

}  // namespace quillbat
