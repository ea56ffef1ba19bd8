#pragma once
// The statistics table of a FanGraphs team or league page: the header cells of the first
// "rgHeader" row inside a table head, and every row after the "Export Data" link whose line
// carries the row key (a player or team link), with all its cells on that one line.

#include <string>
#include <vector>

#include "platform/TextTable.h"

namespace quillbat {

inline constexpr const char* kPlayerRowKey = "playerid=";
inline constexpr const char* kTeamRowKey = "team=";

struct FanGraphsTable {
    std::vector<std::string> columnNames;  // header texts, at most kPageTableWidth
    TextTable rows;  // cell texts, kPageTableWidth fields
};

FanGraphsTable ReadFanGraphsTable(std::string page, const std::string& rowKey);

}  // namespace quillbat
