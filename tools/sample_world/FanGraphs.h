#pragma once
// FanGraphs tables of the sample season: the team pages (one row per player) and the league
// pages (one row per club), each as the columns and cells the site showed.

#include <string>
#include <vector>

#include "Players.h"

namespace quillbat::sample {

struct StatsTable {
    struct Row {
        std::vector<std::string> cells;  // in column order, "&nbsp;" when blank
        std::size_t linked = 0;          // the cell that links to the player's or club's page
        std::string link;                // "statss.aspx?playerid=..." or "winss.aspx?team=..."
        std::string footnote;            // a superscript after the linked cell ("R": rookie)
    };
    std::vector<std::string> columns;    // the first is "Name" or "Team"
    std::vector<Row> rows;
    std::vector<std::string> totals;     // a closing row without a link, when the site has one
};

// kind "bat", "pit" or "fld"; type the group code ("0" Standard, "1" Advanced, ...); month
// "0", "13" (vs L) or "14" (vs R). Empty columns for a combination the site does not have.
StatsTable TeamTable(const Team& team, const std::string& kind, const std::string& type, const std::string& month);
StatsTable LeagueTable(const std::vector<const Team*>& league, const std::string& kind, const std::string& type);

// The whole page around a table, with the site's menus, "Export Data" link and grid markup.
std::string FanGraphsPage(const std::string& title, const std::string& selfLink, const StatsTable& table);

}  // namespace quillbat::sample
