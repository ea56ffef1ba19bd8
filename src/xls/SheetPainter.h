#pragma once
// Draws one printed page of a worksheet with a QPainter: gridlines when they print, fills,
// cell text, borders, pictures, then the header and footer. The painter's units must be
// paper points with the origin at the paper's top-left corner.

#include "xls/HeaderFooter.h"
#include "xls/PrintLayout.h"

class QPainter;

namespace quillbat::xls {

void PaintPrintedPage(QPainter& painter, const Workbook& book, int sheet,
                      const PrintLayout& layout, int pageIndex, const PageFields& fields);

}  // namespace quillbat::xls
