#include "app/GameList.h"

#include "app/StatsApiGames.h"
#include "app/TempFolderLock.h"
#include "gameday/FetchTable.h"
#include "gameday/GamedayAddresses.h"
#include "gameday/MasterScoreboard.h"
#include "platform/ProgramLog.h"
#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

Fetched FetchAndRead(AppContext& ctx, const std::string& date) {
    if (ctx.settings.sources.provider == DataProvider::StatsApi) return FetchStatsApiGames(ctx, date);
    std::string url = MasterScoreboardUrl(DayUrl(ctx.settings, date));
    FetchedTable scoreboard =
        FetchFlatTable(NetSession{ctx.settings, ctx.ui}, url, ScoreboardFile(ctx.settings.tempFolder));
    if (!scoreboard.error.empty()) return {GameListStatus::DownloadFailed, url, scoreboard.error};
    // A page that is not XML at all (an error page, binary, nothing) came, but no games did:
    // that is a failed download, not a day without games.
    if (!scoreboard.conversionError.empty())
        return {GameListStatus::DownloadFailed, url, scoreboard.conversionError};
    ctx.games = ReadMasterScoreboard(scoreboard.tablePath);
    return {ListedOrNone(ctx.games), url, ""};
}

void ReportDownloadFailure(AppContext& ctx, const Fetched& fetched) {
    WriteLog(ctx.settings, "error downloading " + fetched.what);
    WriteLog(ctx.settings, "  url = " + fetched.url);
    WriteLog(ctx.settings, "  err = " + fetched.error);
    ctx.ui.Message(MsgIcon::Exclamation, "Error",
                   "Error attempting to get games for selected date!  See .LOG file for details.");
}

}  // namespace

GameListStatus ListedOrNone(const GameTable& games) {
    bool none = games.Rows() == 0 || IsBlank(games.At(GameField::kAwayCity, 1));
    return none ? GameListStatus::NoGames : GameListStatus::Listed;
}

GameListOutcome GetGames(AppContext& ctx, const std::string& date) {
    ctx.ui.ShowStatus("Retrieving game list...");
    ctx.settings.season = SeasonOfDate(date);
    Fetched fetched;
    bool busyElsewhere = false;
    {
        BusyPointer busy(ctx.ui);
        TempFolderLock lock(ctx);
        if (lock.Held()) {
            fetched = FetchAndRead(ctx, date);
        } else {
            fetched.status = GameListStatus::DownloadFailed;  // told already; the list keeps its games
            busyElsewhere = true;
        }
    }
    GameListOutcome outcome{fetched.status, {}, 0};
    if (fetched.status == GameListStatus::DownloadFailed) {
        if (!busyElsewhere) ReportDownloadFailure(ctx, fetched);
    } else if (fetched.status == GameListStatus::NoGames) {
        ctx.ui.Message(MsgIcon::Exclamation, "No Games", "No games scheduled for that date!");
    } else {
        outcome.entries = GameListEntries(ctx.games);
        outcome.selected = PreselectedEntry(outcome.entries, ctx.settings.favoriteTeam);
    }
    ctx.ui.ShowStatus("Select game and click 'Create'.");
    return outcome;
}

std::vector<std::string> GameListEntries(const GameTable& games) {
    std::vector<std::string> entries;
    for (int game = 1; game <= games.Rows(); ++game) {
        std::string entry =
            games.At(GameField::kAwayCity, game) + " at " + games.At(GameField::kHomeCity, game);
        const std::string& part = games.At(GameField::kDoubleHeaderGame, game);
        if (!part.empty()) entry += " (" + part + ")";
        entries.push_back(entry);
    }
    return entries;
}

std::size_t PreselectedEntry(const std::vector<std::string>& entries, const std::string& favoriteTeam) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].find(favoriteTeam) != std::string::npos) return i;
    return 0;
}

}  // namespace quillbat
