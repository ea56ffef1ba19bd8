#pragma once
// The starting lineups of both teams from the box score's flat table, the starting pitchers
// that replace the probable ones, uniform numbers from the players flat table, and the
// batters' FanGraphs figures.

#include <string>

#include "gameday/FanGraphsLookup.h"
#include "gameday/LineupTable.h"
#include "gameday/SheetCells.h"

namespace quillbat {

// A side's starting pitcher as the scorecards show him: "Name (W-L, ERA)" and uniform number.
// Passed in holding the probable pitcher; replaced when the box score names the starter.
struct StartingPitcher {
    std::string text, number;
    std::string playerId;  // "" until the box score names him
};

struct LineupRequest {
    std::string awayTeamName, homeTeamName;  // the team database's names, as FanGraphs knows them
    bool battingSplits = false;  // averages against left- and right-handed pitching too
    FanGraphsLookup fanGraphs;  // none: no FanGraphs figures
};

// Reads the starters in the box score's row order (a row is a starter's when its bo is a
// non-zero multiple of 100) and the first pitcher row of each side; then the numbers from the
// players table when there is one (nullptr: none).
void ReadLineupsFromTables(const SheetCells& boxScore, const SheetCells* players,
                           const LineupRequest& request, LineupTable& lineups, StartingPitcher& away,
                           StartingPitcher& home);

// The same from the flat-table files; a players path of "" means no players table. Returns ""
// or why the box score's table could not be read (the lineups are then empty).
std::string ReadBoxscoreLineups(const std::string& boxScoreTable, const std::string& playersTable,
                                const LineupRequest& request, LineupTable& lineups, StartingPitcher& away,
                                StartingPitcher& home);

// Each batter's WAR and, when asked, his averages against left- and right-handed pitching, from
// the request's FanGraphs lookup (none: nothing is looked up).
void LookUpLineupFigures(const LineupRequest& request, LineupTable& lineups);

// "Last, First" as "First Last"; a name without a comma as it is.
std::string FirstNameFirst(const std::string& name);

}  // namespace quillbat
