#pragma once
// What every stage of a Create run knows about the chosen game.

#include <memory>
#include <set>
#include <string>

#include "gameday/GameTable.h"
#include "gameday/TeamTables.h"
#include "workbooks/WorkbookGame.h"

namespace quillbat {

// One team of the game, as the scorecards, rosters and profiles show it.
struct TeamSide {
    std::string fullName;
    std::string title;  // full name and the season record
    std::string teamName;  // from the team database
    std::string cityName;  // from the team database
    std::string fileCode;
    std::string league;  // "AL", "NL" or ""
    std::string pitcher;  // "Name (W-L, ERA)" or ""
    std::string pitcherNumber;
    std::string pitcherId;  // the starting pitcher's player id once the box score named him (the
                            // Stats API names the probable one too)
    std::string teamId;  // the Stats API's club id; "" from the gameday source
};

struct ClubFigures;  // the present-day source's club figures (RostersStages.cpp)

struct GameContext {
    int gameNumber = 0;
    TeamSide away, home;
    std::string venue;
    std::string gameDate;  // "MM/DD/YYYY"
    std::string gameFolder;  // "gid_" + gameday id; "" when the id is unusable
    std::string gameId;  // the game table's game id (the Stats API's game number)
    bool lineupsAvailable = false;
    std::string boxScoreTable, playersTable;  // flat-table paths (the Stats API's box score); "" when missing
    std::shared_ptr<ClubFigures> clubFigures;  // fetched once a run, for the league and team rows
    std::set<std::string> fetchedThisRun;  // local files of responses a later stage reads again

    TeamSide& Side(bool isHome) { return isHome ? home : away; }
    const TeamSide& Side(bool isHome) const { return isHome ? home : away; }
};

// The city when it already names the team (case ignored), else city + " " + name.
std::string CombineCityAndName(const std::string& city, const std::string& name);
// "AL" for "103", "NL" for "104", else "".
std::string LeagueName(const std::string& leagueId);

// The game as the rosters sheet and the pitcher profiles take it.
WorkbookGame WorkbookGameOf(const GameContext& game);

GameContext BuildGameContext(const GameTable& games, int gameNumber, const TeamTables& teams,
                             const std::string& gameDate);

}  // namespace quillbat
