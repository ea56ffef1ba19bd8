#include "xls/CellRange.h"

#include <algorithm>

namespace quillbat::xls {
namespace {

// One "$A$1"-style cell at text[pos...]; advances pos.
bool ParseCell(std::string_view text, size_t& pos, int& row, int& col) {
    auto at = [&](size_t i) { return i < text.size() ? text[i] : '\0'; };
    if (at(pos) == '$') ++pos;
    int c = 0, letters = 0;
    while (true) {
        char ch = at(pos);
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
        if (ch < 'A' || ch > 'Z') break;
        c = c * 26 + (ch - 'A' + 1);
        if (++letters > 3) return false;
        ++pos;
    }
    if (letters == 0) return false;
    if (at(pos) == '$') ++pos;
    long r = 0;
    int digits = 0;
    while (at(pos) >= '0' && at(pos) <= '9') {
        r = r * 10 + (at(pos++) - '0');
        if (++digits > 6) return false;
    }
    if (digits == 0 || r < 1 || r > kMaxRows || c > kMaxColumns) return false;
    row = static_cast<int>(r - 1);
    col = c - 1;
    return true;
}

}  // namespace

std::string ColumnLetters(int col) {
    std::string out;
    for (int n = col + 1; n > 0; n = (n - 1) / 26)
        out.insert(out.begin(), static_cast<char>('A' + (n - 1) % 26));
    return out;
}

std::optional<CellRange> ParseA1(std::string_view text) {
    size_t pos = 0;
    CellRange range;
    if (!ParseCell(text, pos, range.firstRow, range.firstCol)) return std::nullopt;
    range.lastRow = range.firstRow;
    range.lastCol = range.firstCol;
    if (pos < text.size() && text[pos] == ':') {
        ++pos;
        int r2, c2;
        if (!ParseCell(text, pos, r2, c2)) return std::nullopt;
        range.firstRow = std::min(range.firstRow, r2);
        range.lastRow = std::max(range.lastRow, r2);
        range.firstCol = std::min(range.firstCol, c2);
        range.lastCol = std::max(range.lastCol, c2);
    }
    if (pos != text.size()) return std::nullopt;
    return range;
}

std::string AbsoluteAddress(int row, int col) {
    return "$" + ColumnLetters(col) + "$" + std::to_string(row + 1);
}

}  // namespace quillbat::xls
