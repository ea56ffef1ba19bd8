#pragma once
// Rectangles of cells in file coordinates: rows 0-65535, columns 0-255, both ends included.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillbat::xls {

constexpr int kMaxRows = 65536;
constexpr int kMaxColumns = 256;

struct CellRange {
    int firstRow = 0, lastRow = 0, firstCol = 0, lastCol = 0;

    int Rows() const { return lastRow - firstRow + 1; }
    int Columns() const { return lastCol - firstCol + 1; }
    bool Contains(int row, int col) const {
        return row >= firstRow && row <= lastRow && col >= firstCol && col <= lastCol;
    }
    bool operator==(const CellRange&) const = default;
};

// Column letters for a 0-based column: 0 -> "A", 25 -> "Z", 26 -> "AA".
std::string ColumnLetters(int col);
// "A1", "$B$10", "A5:F5", "a1"; nullopt for anything else or outside the sheet.
std::optional<CellRange> ParseA1(std::string_view text);
// "$B$10" for the top-left cell of the range.
std::string AbsoluteAddress(int row, int col);

}  // namespace quillbat::xls
