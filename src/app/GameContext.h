#pragma once
// What every stage of a Create run knows about the chosen game.

#include <string>

#include "app/TeamDatabase.h"
#include "gameday/GameTable.h"

namespace quillbat {

struct GameContext {
    int gameNumber = 0;
    std::string awayFullName, homeFullName;
    std::string awayTitle, homeTitle;  // full name and the season record
    std::string awayFileCode, homeFileCode;
    std::string awayLeague, homeLeague;  // "AL", "NL" or ""
    std::string awayTeamName, homeTeamName;  // from the team database
    std::string awayCityName, homeCityName;  // from the team database
    std::string awayPitcher, homePitcher;    // "Name (W-L, ERA)" or ""
    std::string awayPitcherNumber, homePitcherNumber;
    std::string venue;
    std::string gameDate;  // "MM/DD/YYYY"
    std::string gameFolder;  // "gid_" + gameday id
    bool lineupsAvailable = false;
    std::string boxScoreTable, playersTable;  // flat-table paths; "" when missing
};

// The city when it already names the team (case ignored), else city + " " + name.
std::string CombineCityAndName(const std::string& city, const std::string& name);
// "AL" for "103", "NL" for "104", else "".
std::string LeagueName(const std::string& leagueId);

GameContext BuildGameContext(const GameTable& games, int gameNumber, const TeamTables& teams,
                             const std::string& gameDate);

}  // namespace quillbat
