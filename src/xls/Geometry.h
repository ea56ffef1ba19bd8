#pragma once
// Sizes in points from the file's own column widths, row heights and Normal font.

#include "xls/CellRange.h"
#include "xls/Workbook.h"

namespace quillbat::xls {

double ColumnWidthPoints(const Workbook& book, const Sheet& sheet, int col);
double RowHeightPoints(const Sheet& sheet, int row);

struct RangeGeometry {
    double left = 0, top = 0, width = 0, height = 0;
};
RangeGeometry GeometryOf(const Workbook& book, const Sheet& sheet, const CellRange& range);

}  // namespace quillbat::xls
