#include "xls/Geometry.h"

#include <cmath>

#include "xls/ByteIo.h"

namespace quillbat::xls {
namespace {

constexpr double kPointsPerPixel = 0.75;  // at 96 dpi
constexpr double kDefaultColumnChars = 8;
constexpr double kColumnPaddingPixels = 5;
constexpr uint16_t kDefaultRowTwips = 255;

double WidthUnitsToPoints(double units, double digitWidth) {
    return std::round(units * digitWidth / 256.0) * kPointsPerPixel;
}

}  // namespace

double ColumnWidthPoints(const Workbook& book, const Sheet& sheet, int col) {
    Font normal = book.fonts.empty() ? Font{} : book.fonts[0];
    double digitWidth = MaxDigitWidth(normal);
    for (const Record& r : sheet.records) {
        if (r.type != rec::kColInfo || col < GetU16At(r.data, 0) || col > GetU16At(r.data, 2)) continue;
        if (GetU16At(r.data, 8) & 0x0001) return 0;  // hidden
        return WidthUnitsToPoints(GetU16At(r.data, 4), digitWidth);
    }
    if (const Record* standard = sheet.Find(rec::kStandardWidth))
        return WidthUnitsToPoints(GetU16At(standard->data, 0), digitWidth);
    // A default width in characters gains the cell padding and rounds up to 8 pixels.
    double chars = kDefaultColumnChars;
    if (const Record* def = sheet.Find(rec::kDefColWidth)) chars = GetU16At(def->data, 0);
    double pixels = std::ceil((chars * digitWidth + kColumnPaddingPixels) / 8.0) * 8.0;
    return pixels * kPointsPerPixel;
}

double RowHeightPoints(const Sheet& sheet, int row) {
    const Record* def = sheet.Find(rec::kDefaultRowHeight);
    uint16_t defaultTwips = def ? GetU16At(def->data, 2) : kDefaultRowTwips;
    auto it = sheet.rows.find(row);
    if (it != sheet.rows.end() && it->second.record.size() >= 16) {
        const std::string& data = it->second.record;
        if (GetU32At(data, 12) & 0x20) return 0;  // hidden
        // Some writers mark a row of the default height by the top bit of its height.
        uint16_t twips = GetU16At(data, 6);
        return (twips & 0x8000) ? defaultTwips / 20.0 : twips / 20.0;
    }
    if (def && (GetU16At(def->data, 0) & 0x02)) return 0;  // rows without a record are hidden
    return defaultTwips / 20.0;
}

RangeGeometry GeometryOf(const Workbook& book, const Sheet& sheet, const CellRange& range) {
    RangeGeometry g;
    for (int c = 0; c <= range.lastCol; ++c) {
        double w = ColumnWidthPoints(book, sheet, c);
        (c < range.firstCol ? g.left : g.width) += w;
    }
    for (int r = 0; r <= range.lastRow; ++r) {
        double h = RowHeightPoints(sheet, r);
        (r < range.firstRow ? g.top : g.height) += h;
    }
    return g;
}

}  // namespace quillbat::xls
