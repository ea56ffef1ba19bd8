#pragma once
// One named table of a Baseball-Reference team pitching page: found by the first line that
// holds its name, its header cells taken from the table head, its rows read up to the table's
// end. Two row layouts occur: the site's older pages write a row over several lines, "<tr"
// on a line of its own and the rank as a header cell that is not counted; today's pages write
// each row on one line, with the row's first cell (the name) as a header cell that is counted.

#include <string>

#include "platform/TextTable.h"
#include "sites/MarkupText.h"

namespace quillbat {

inline constexpr const char* kInvalidStatName = "Invalid stat name";
inline constexpr const char* kNoStatDescription = "Could not locate stat description";

struct BrcTable {
    std::string error;  // "", kInvalidStatName or kNoStatDescription
    CellList header;  // the raw header cells, at most kPageTableWidth
    TextTable rows;  // cell texts without "*", kPageTableWidth fields
};

BrcTable ReadBrcTable(std::string page, const std::string& statName);

}  // namespace quillbat
