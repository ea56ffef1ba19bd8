#pragma once
// The two scorecards of the chosen game, "ScorecardAway.xls" and "ScorecardHome.xls" in the
// output folder: the scorecard template filled with the header, the starting pitcher, the
// nine starting batters and the club's logo, each printed when the settings ask for it.

#include <functional>
#include <string>
#include <vector>

#include "platform/Settings.h"
#include "platform/TextTable.h"
#include "platform/Ui.h"
#include "workbooks/ExcelProcs.h"
#include "workbooks/WorksheetPrinting.h"
#include "workbooks/TemplateNames.h"

namespace quillbat {

inline constexpr const char* kScorecardAway = "ScorecardAway.xls";
inline constexpr const char* kScorecardHome = "ScorecardHome.xls";

struct ScorecardGame {
    std::string awayTitle, homeTitle;
    std::string venue;
    std::string gameDate;  // "MM/DD/YYYY"
    std::string awayPitcher, homePitcher;
    std::string awayPitcherNumber, homePitcherNumber;
    std::string awayFileCode, homeFileCode;  // name the logo files
};

// What the cards are filled from, and how a card is printed (tests replace the printer).
struct ScorecardSources {
    const Settings& settings;
    const TextTable& lineups;
    const TextTable& players;
    Ui& ui;
    SheetPrinter print;
};

// Makes both cards, away first. "" or why it stopped: a template that can not be opened or
// lacks one of its names, or a card that can not be saved. A card is saved whole or not at
// all, and neither card of an earlier run is left behind.
std::string CreateScorecard(const ScorecardSources& sources, const ScorecardGame& game);

// The names the template's first worksheet must define.
std::vector<std::string> ScorecardTemplateNames();

}  // namespace quillbat
