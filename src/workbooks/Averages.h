#pragma once
// The figures of the "Team Avg" and league rows of the rosters: GetLeagueAvgs and GetTeamAvgs
// fill the averages tables from FanGraphs' league tables of clubs, GetLeagueAvg and GetTeamAvg
// give one figure by the rosters' column heading.

#include <functional>
#include <string>
#include <vector>

#include "workbooks/AveragesTable.h"

namespace quillbat {

struct StatColumn {
    std::string name, value;
};

// One full-season "Advanced" request on a league's ("AL" or "NL") table of clubs: the row of
// the club named `row`, or the column averages when `row` is "Average"; kind "Batters" or
// "Pitchers". Fills one entry per column; returns "" or the error. The statistics sites sit
// above this layer, so the application hands the request down as a function.
using AveragesRequest = std::function<std::string(const std::string& league, const std::string& row,
                                                  const std::string& kind, std::vector<StatColumn>& columns)>;

// The averages of each league of the game (one league asked once), batters then pitchers.
void GetLeagueAvgs(const AveragesRequest& request, const std::string& awayLeague,
                   const std::string& homeLeague, AveragesTable& table);
// Each team's own row of its league's tables, away team first.
void GetTeamAvgs(const AveragesRequest& request, const std::string& awayTeam, const std::string& awayLeague,
                 const std::string& homeTeam, const std::string& homeLeague, AveragesTable& table);

// The figure of the statistic (any letter case) in the owner's rows: "BA" is the batters' "AVG"
// and "BAA" the pitchers' "AVG"; any other name the first column of that name, batters before
// pitchers. A leading "0." loses its "0"; "BB/9" and "K/9" (exactly so written) show one
// decimal. "" when the owner has no such figure.
std::string GetTeamAvg(const std::string& stat, const std::string& team, const AveragesTable& table);
std::string GetLeagueAvg(const std::string& stat, const std::string& league, const AveragesTable& table);

}  // namespace quillbat
