#pragma once
// The game as the sheets that show both clubs side by side (the rosters and the pitcher
// profiles) take it, and their heading cells.

#include <functional>
#include <string>

#include "workbooks/ExcelProcs.h"

namespace quillbat {

struct WorkbookGame {
    std::string awayTitle, homeTitle;  // "City Club (W-L)"
    std::string awayTeamName, homeTeamName;  // the team database's names, as FanGraphs writes them
    std::string awayFileCode, homeFileCode;
    std::string awayLeague, homeLeague;  // "AL", "NL" or ""
    std::string awayPitcher, homePitcher;  // "Name (W-L, ERA)", "Last, First (...)" or ""
    std::string venue;
    std::string gameDate;  // "MM/DD/YYYY"
};

// Appends the clubs' titles, the ballpark and the date to the cells named "visitor", "home",
// "stadium" and "date", after the label each holds. Returns "" or why not: missing(name) for a
// name the sheet lacks, or the cell's write error.
std::string WriteGameHeading(ExcelWorksheet& sheet, const WorkbookGame& game,
                             const std::function<std::string(const std::string& name)>& missing);

}  // namespace quillbat
