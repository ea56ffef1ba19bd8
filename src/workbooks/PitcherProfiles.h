#pragma once
// The starting pitcher profiles of the chosen game, "Starting Pitchers Profiles.xls" in the
// output folder: both starting pitchers side by side (visitor in columns A to I, home in K to
// S) with their pitch mix, plate discipline and rate figures beside the league's, figures
// beyond fixed marks shaded, and the opposing batters' records against them.

#include <functional>
#include <string>
#include <vector>

#include "platform/Settings.h"
#include "platform/TextTable.h"
#include "platform/Ui.h"
#include "sites/BaseballReference.h"
#include "sites/ESPN.h"
#include "sites/FanGraphs.h"
#include "workbooks/ExcelProcs.h"
#include "workbooks/WorksheetPrinting.h"
#include "workbooks/TemplateNames.h"
#include "workbooks/WorkbookGame.h"

namespace quillbat {

inline constexpr const char* kPitcherProfilesOutput = "Starting Pitchers Profiles.xls";

using PitcherProfilesGame = WorkbookGame;

// The three sites' readers, bound to a download session by the caller.
struct ProfileReaders {
    std::function<std::string(FanGraphsRequest&, StatsRow&)> fanGraphs;
    std::function<std::string(const BrcRequest&, StatsRow&)> baseballReference;
    std::function<std::string(const EspnRequest&, BatterVersusPitcher&)> espn;
};

// What the profiles are filled from, and how the sheet is printed (tests replace both).
struct PitcherProfilesSources {
    const Settings& settings;
    const TextTable& players;  // the opposing batters when ESPN has no list
    Ui& ui;
    ProfileReaders readers;
    SheetPrinter print;
};

// Makes the workbook. "" or why it stopped: a template that can not be opened or lacks one of
// its names, or a workbook that can not be saved. A reader's failure only leaves its cells as
// the template has them. No workbook of an earlier run is left behind.
std::string CreatePitcherProfiles(const PitcherProfilesSources& sources, const PitcherProfilesGame& game);

// The names the template's first worksheet must define.
std::vector<std::string> PitcherProfilesTemplateNames();

// The last sheet row the opposing batters may fill; batters beyond it are left out.
inline constexpr int kLastBatterRow = 42;

}  // namespace quillbat
