#include "xls/Fills.h"

namespace quillbat::xls {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

uint32_t RgbToColorValue(uint32_t rgb) {
    return ((rgb & 0xFF) << 16) | (rgb & 0x00FF00) | ((rgb >> 16) & 0xFF);
}

std::string ApplyFill(Workbook& book, int sheetIndex, const CellRange& range, const Fill& fill) {
    if (sheetIndex < 0 || sheetIndex >= static_cast<int>(book.sheets.size()))
        return "There is no such sheet.";
    Sheet& sheet = book.sheets[sheetIndex];
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        for (int col = range.firstCol; col <= range.lastCol; ++col) {
            Cell& cell = sheet.CellForWrite(row, col);
            int xf = book.formats.WithFill(cell.xf, fill);
            if (xf < 0) return "The workbook has too many different cell formats.";
            cell.xf = static_cast<uint16_t>(xf);
        }
    }
    return "";
}

}  // namespace

std::string SetFillColorIndex(Workbook& book, int sheet, const CellRange& range, int colorIndex) {
    Fill fill;
    if (colorIndex != kColorIndexNone) {
        if (colorIndex < 1 || colorIndex > 56)
            return "The colour index " + std::to_string(colorIndex) + " is not 1 to 56.";
        fill.pattern = kSolidPattern;
        fill.foreground = static_cast<uint16_t>(colorIndex + 7);
    }
    return ApplyFill(book, sheet, range, fill);
}

std::string SetFillColor(Workbook& book, int sheet, const CellRange& range, uint32_t color) {
    Fill fill;
    fill.pattern = kSolidPattern;
    fill.foreground = NearestIcv(book.palette, RgbToColorValue(color & 0xFFFFFF));
    return ApplyFill(book, sheet, range, fill);
}

uint32_t FillColor(const Workbook& book, int sheetIndex, int row, int col) {
    if (sheetIndex < 0 || sheetIndex >= static_cast<int>(book.sheets.size())) return kWhite;
    const Cell* cell = book.sheets[sheetIndex].CellAt(row, col);
    if (!cell || cell->xf >= book.formats.xfs.size()) return kWhite;
    Fill fill = XfFill(book.formats.xfs[cell->xf]);
    if (fill.pattern == 0) return kWhite;
    return RgbToColorValue(IcvToRgb(book.palette, fill.foreground));
}

}  // namespace quillbat::xls
