#pragma once
// Deleting a range of cells, moving the cells below it up.

#include <string>

#include "xls/Workbook.h"

namespace quillbat::xls {

// Removes the cells of the range; the cells below it in the same columns move up. Merged
// ranges and defined names in those columns move (or go, when inside the range), and when
// the range holds every cell of its rows the ROW records (heights, formats) move too. Shapes
// anchored within the deleted columns move up as well.
// References in defined names and formula cells follow the cells they point at.
// A merged range only partly inside the deleted rows is an error, as in the spreadsheet.
std::string DeleteCellsShiftUp(Workbook& book, int sheet, const CellRange& range);

}  // namespace quillbat::xls
