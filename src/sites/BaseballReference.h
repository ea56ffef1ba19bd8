#pragma once
// Baseball-Reference team pitching pages: one row of one named table ("Team Pitching
// Pitches", "Team Pitching Ratios", "Team Batting Against"), chosen by the name in its first
// cell, with the header text of each column. The page of a team and season is downloaded
// once and kept in the page cache for the other tables and rows.

#include <string>

#include "gameday/wininet.h"
#include "sites/StatsRow.h"

namespace quillbat {

struct BrcRequest {
    std::string season;
    std::string teamCode;  // Baseball-Reference's code, see GetBRCTeamCode
    std::string rowName;  // a pitcher's name or "League Average"
    std::string position;  // "" or a position to tell players apart
    std::string statType;  // "Pitching"; shown in the debug dump only
    std::string statName;  // the table's name
};

// A gameday team code, upper-cased, in Baseball-Reference's spelling ("SF" gives "SFG").
std::string GetBRCTeamCode(const std::string& gamedayCode);

// Cuts the first tip="..." attribute (case-sensitive); unchanged when its closing quote is
// missing.
std::string RemoveTipAttribute(const std::string& markup);

// Fills row with the header texts and the values of the chosen row, the name column left
// out of both. Returns "" or the error: "Download error: " with the download's error,
// "Invalid stat name", "Could not locate stat description", or "Invalid player name" (the
// column names are then all the header texts, the name column's included, and the values
// empty). In debug mode the table read is appended to "debug_ScrapeBRC.txt" in the program
// folder.
std::string ScrapeBRC(const NetSession& session, const BrcRequest& request, StatsRow& row);

}  // namespace quillbat
