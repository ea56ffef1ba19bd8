#pragma once
// The team rosters workbook of the chosen game, "Rosters.xls" in the output folder: every
// player of both teams with the figures the template's column headings name, position players
// on the left and pitchers on the right, the leaders of each ranked column shaded, and each
// team closed by its own and its league's averages. A sheet that runs past the template's
// "lastrow" is split into "Rosters_Page1.xls" and "Rosters_Page2.xls".

#include <functional>
#include <string>
#include <vector>

#include "platform/Settings.h"
#include "platform/TextTable.h"
#include "platform/Ui.h"
#include "workbooks/AveragesTable.h"
#include "workbooks/ExcelProcs.h"
#include "workbooks/WorksheetPrinting.h"
#include "workbooks/TemplateNames.h"
#include "workbooks/WorkbookGame.h"

namespace quillbat {

inline constexpr const char* kRostersOutput = "Rosters.xls";
inline constexpr const char* kRostersPage1 = "Rosters_Page1.xls";
inline constexpr const char* kRostersPage2 = "Rosters_Page2.xls";

using RostersGame = WorkbookGame;

// What the sheet is filled from, and how a page is printed (tests replace the printer).
struct RostersSources {
    const Settings& settings;
    const TextTable& players;
    const AveragesTable& leagueAverages;
    const AveragesTable& teamAverages;
    Ui& ui;
    SheetPrinter print;
};

// Makes the workbook (or its two pages). "" or why it stopped: a template that can not be
// opened or lacks a name or the blank heading between the blocks, or a page that can not be
// saved. No page of an earlier run is left behind.
std::string CreateTeamRosters(const RostersSources& sources, const RostersGame& game);

}  // namespace quillbat
