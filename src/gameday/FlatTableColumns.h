#pragma once
// Finding columns of a flat table by name.

#include <string>
#include <string_view>
#include <vector>

#include "gameday/SheetCells.h"

namespace quillbat {

// Column names, entry i-1 for column i.
using ColumnNames = std::vector<std::string>;

// Row 1 of the sheet, up to its last used column.
ColumnNames ReadHeaderRow(const SheetCells& sheet);

// The cell's text; "" for column 0, the number FindColumn gives a missing column.
std::string CellText(const SheetCells& sheet, int row, int column);

// The column number of a name (case and surrounding blanks ignored), 0 when none matches.
// A name ending in "xx" is a pattern: the first column whose name begins with the rest and is
// longer than it, which picks the repeated, renamed column of an attribute ("eraxx" finds
// "era2" rather than "era").
int FindColumn(const ColumnNames& names, std::string_view name);

}  // namespace quillbat
