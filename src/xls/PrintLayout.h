#pragma once
// Where a worksheet's cells fall on printed paper: the print area, the paper and its
// orientation, the scale (a percentage or fitting to a number of pages) and the pages the
// area splits into, in the order they print.

#include <optional>
#include <vector>

#include "xls/PageSetup.h"
#include "xls/Workbook.h"

namespace quillbat::xls {

struct PaperPoints {
    double width = 612, height = 792;
};
// Portrait paper size in points of the file's paper code; US Letter for codes not known.
PaperPoints PaperOfCode(uint16_t code);

// The sheet's Print_Area when it names one area of the sheet; else everything that prints:
// the cells, merged ranges and pictures. nullopt for a sheet with nothing on it.
std::optional<CellRange> PrintArea(const Workbook& book, int sheet);

struct PrintedPage {
    CellRange cells;
    double left = 0, top = 0;  // the top-left corner of the first cell on the paper, points
};

struct PrintLayout {
    PageSettings settings;
    double paperWidth = 612, paperHeight = 792;  // points, as oriented
    double scale = 1;                            // paper points per sheet point
    CellRange area;
    std::vector<double> columnWidths, rowHeights;  // of the area, sheet points
    std::vector<double> columnEdges, rowEdges;     // running sums of those, from 0
    std::vector<PrintedPage> pages;                // none for a sheet with nothing to print

    // Sheet points from the area's left edge to column `col`, and from its top to row `row`.
    double ColumnOffset(int col) const;
    double RowOffset(int row) const;
};

// No pages for a sheet with nothing to print, or no such sheet.
PrintLayout LayOutPrint(const Workbook& book, int sheet);

// Splits the sizes into runs that fit in `available` (at least one item each), starting a
// run at every break (an index into sizes). Returns each run's first index.
std::vector<int> SplitIntoRuns(const std::vector<double>& sizes, double available,
                               const std::vector<int>& breaks);

}  // namespace quillbat::xls
