#pragma once
// Collecting every player of both teams into the players table: who they are (the game's
// players file, or the teams' roster pages before the box score exists), their game-file
// figures, their season figures and rates, and the FanGraphs figures.

#include <functional>
#include <string>

#include "gameday/FanGraphsLookup.h"
#include "gameday/LineupTable.h"
#include "gameday/PlayersTable.h"
#include "gameday/SheetCells.h"
#include "gameday/wininet.h"

namespace quillbat {

// What the collection needs to know of one team (from the team database).
struct PlayerDataSide {
    std::string cityName, teamName, fileCode;
};

// The players file's active players ("A") in its row order.
PlayersTable PlayersFromTable(const SheetCells& players);

// The away and then the home roster page's players, sorted by last name and first name by
// character code.
PlayersTable PlayersFromRosterPages(const NetSession& session, const PlayerDataSide& away,
                                    const PlayerDataSide& home);

// Orders the players by last name followed directly by first name, compared byte by byte.
void SortPlayersByName(PlayersTable& players);

// Downloads the game file of each player that `wanted` picks and reads every player's game
// file in the temporary folder (one left by an earlier run counts): handedness, the batter's
// OPS and his two splits against the day's pitcher combined, the pitcher's decisions.
void ReadPlayerGameFiles(const NetSession& session, const std::string& gameUrl, PlayersTable& players,
                         const std::function<bool(const std::string& playerId)>& wanted);

// Downloads and reads each player's season file: the batter's average, slugging and on-base
// figure, the pitcher's WHIP and rates per nine innings.
void ReadPlayerSeasonFiles(const NetSession& session, const std::string& season, PlayersTable& players);

// Every FanGraphs request of the merge, away players before home players for each request.
void MergeFanGraphsFigures(const FanGraphsLookup& lookup, const PlayerDataSide& away,
                           const PlayerDataSide& home, PlayersTable& players);

// Whether the player is among the lineup's batters.
bool IsInLineup(const LineupTable& lineups, const std::string& playerId);

}  // namespace quillbat
