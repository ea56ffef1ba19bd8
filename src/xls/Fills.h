#pragma once
// Cell fills by palette index (ColorIndex 1-56) and by colour value (0xBBGGRR, as the
// spreadsheet's Color property gives it).

#include <cstdint>
#include <string>

#include "xls/Workbook.h"

namespace quillbat::xls {

constexpr int kColorIndexNone = -4142;

// Solid fill of palette colour n (1-56) on every cell of the range; kColorIndexNone removes
// the fill. "" or an error text.
std::string SetFillColorIndex(Workbook& book, int sheet, const CellRange& range, int colorIndex);
// Solid fill of the palette colour nearest to the value.
std::string SetFillColor(Workbook& book, int sheet, const CellRange& range, uint32_t color);
// The cell's fill colour value; white (0xFFFFFF) for a cell without fill.
uint32_t FillColor(const Workbook& book, int sheet, int row, int col);

}  // namespace quillbat::xls
