#pragma once
// Deleting a range of cells, moving the cells below it up.

#include <string>

#include "xls/Workbook.h"

namespace quillbat::xls {

// Removes the cells of the range; the cells below it in the same columns move up. Merged
// ranges, array formulas and defined names in those columns move (or go, when inside the
// range); rows keep their heights, hidden state and formats unless the range is whole rows.
// Shapes anchored within the deleted columns move up as well. References in defined names
// and formulas follow the cells they point at and become #REF! when those are deleted; shared
// formulas are written out cell by cell first. As in the spreadsheet, it is an error to cut a
// merged range or an array formula, to move a data table, or to delete on a protected sheet.
std::string DeleteCellsShiftUp(Workbook& book, int sheet, const CellRange& range);

}  // namespace quillbat::xls
