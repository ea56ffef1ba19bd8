#pragma once
// ESPN: a pitcher's ESPN player id from his club's roster page, and how the batters of the
// opposing club have fared against him in their careers (the batter-versus-pitcher page).

#include <string>
#include <vector>

#include "gameday/TeamTables.h"
#include "gameday/wininet.h"
#include "sites/StatsRow.h"

namespace quillbat {

// The ESPN team table's code and id of a gameday file code, which is compared without
// regard to letter case; "" when the code is not in the table.
std::string GetESPNTeamCode(const TeamTables& tables, const std::string& fileCode);
std::string GetESPNTeamID(const TeamTables& tables, const std::string& fileCode);

// "First Last" as "Last, First", split at the first space ("Jr." stays with the surname); a
// name without a space unchanged.
std::string FormatLastFirst(const std::string& name);

// The player's id from the roster page of his club, "" when the club has no ESPN code, the
// page cannot be fetched or no single entry names him. In debug mode the roster read is
// written to "debug_GetESPNPlayerID.txt" in the program folder.
std::string GetESPNPlayerID(const NetSession& session, const TeamTables& tables, const std::string& teamCode,
                            const std::string& playerName, const std::string& position);

struct EspnRequest {
    std::string pitcherTeamCode;  // gameday file codes
    std::string pitcherName;
    std::string position;  // "" or a position to tell players apart
    std::string opposingTeamCode;
};

struct BatterVersusPitcher {
    StatsRow columns;  // the column names alone: "Batter", then the table's headers
    std::vector<StatsRow> batters;  // the same column names with each batter's values, by name
};

// The opposing batters' career figures against the pitcher, "Last, First" names in ascending
// order. Returns "" (also for a page without the table, which leaves the result empty) or the
// error: the download's error as it came, or a text saying which id could not be found. In
// debug mode the table is written to "debug_ScrapeESPN.txt" in the program folder.
std::string ScrapeESPN(const NetSession& session, const TeamTables& tables, const EspnRequest& request,
                       BatterVersusPitcher& result);

}  // namespace quillbat
