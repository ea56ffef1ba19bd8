#pragma once
// The game list: the day's games as the main window and the command line list them.

#include <string>
#include <vector>

#include "app/AppContext.h"
#include "gameday/GameTable.h"

namespace quillbat {

enum class GameListStatus { DownloadFailed, NoGames, Listed };

// What fetching a day's games gave, from whichever source.
struct Fetched {
    GameListStatus status = GameListStatus::NoGames;
    std::string url, error;
    std::string what = "master scoreboard";  // the file, as the program log names it
};

// Listed, or NoGames for a table without games (or whose first game names no away city).
GameListStatus ListedOrNone(const GameTable& games);

struct GameListOutcome {
    GameListStatus status = GameListStatus::NoGames;
    std::vector<std::string> entries;  // one per game of ctx.games, in order
    std::size_t selected = 0;  // the entry to select first
};

// Fetches the games of a "MM/DD/YYYY" date into ctx.games and says what the list should show.
// A failed download keeps ctx.games as it was (and the caller its list); the user is told of
// failures and of a day without games.
GameListOutcome GetGames(AppContext& ctx, const std::string& date);

// "Away at Home", with " (1)" or " (2)" for the games of a double-header, in table order.
std::vector<std::string> GameListEntries(const GameTable& games);

// The entry to select first: the first that contains the favourite team's text (case-sensitive),
// else the first entry. 0-based; 0 for an empty list too.
std::size_t PreselectedEntry(const std::vector<std::string>& entries, const std::string& favoriteTeam);

}  // namespace quillbat
