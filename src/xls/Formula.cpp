#include "xls/Formula.h"

#include "xls/ByteIo.h"

namespace quillbat::xls {
namespace {

// Operand token ids without their class bits (0x20, 0x40, 0x60).
constexpr int kRef = 0x04, kArea = 0x05, kRefErr = 0x0A, kAreaErr = 0x0B, kRefN = 0x0C, kAreaN = 0x0D;
constexpr int kRef3d = 0x1A, kArea3d = 0x1B, kRefErr3d = 0x1C, kAreaErr3d = 0x1D;
// The tokens that stand for a whole formula kept elsewhere: an array formula or shared formula
// (by its first cell), a data table.
constexpr uint8_t kExp = 0x01, kTbl = 0x02;
constexpr uint16_t kRowRelative = 0x8000, kColumnRelative = 0x4000;

size_t OperatorTokenSize(const std::string& f, size_t pos) {
    uint8_t ptg = static_cast<uint8_t>(f[pos]);
    switch (ptg) {
        case 0x01:
        case 0x02:
            return 5;  // shared or table formula anchor
        case 0x17: {  // string constant
            if (pos + 2 >= f.size()) return 0;
            size_t count = static_cast<uint8_t>(f[pos + 1]);
            return 3 + count * ((f[pos + 2] & 1) ? 2 : 1);
        }
        case 0x19: {  // attribute; CHOOSE carries a jump table
            if (pos + 3 >= f.size()) return 0;
            bool choose = static_cast<uint8_t>(f[pos + 1]) & 0x04;
            return choose ? 4 + 2 * (static_cast<size_t>(GetU16At(f, pos + 2)) + 1) : 4;
        }
        case 0x1C:
        case 0x1D:
            return 2;
        case 0x1E:
            return 3;
        case 0x1F:
            return 9;
        default:
            return ptg >= 0x03 && ptg <= 0x16 ? 1 : 0;
    }
}

size_t OperandTokenSize(int base) {
    switch (base) {
        case 0x01:
        case 0x09:
            return 3;
        case 0x02:
            return 4;
        case 0x03:
        case kRef:
        case kRefErr:
        case 0x0C:
            return 5;
        case 0x06:
        case 0x07:
        case 0x08:
        case 0x19:
        case kRef3d:
        case kRefErr3d:
            return 7;
        case 0x00:
            return 8;
        case kArea:
        case kAreaErr:
        case 0x0D:
            return 9;
        case kArea3d:
        case kAreaErr3d:
            return 11;
        default:
            return 0;
    }
}

// The size of the token at pos, or 0 when it is unknown or runs past the end.
size_t TokenSize(const std::string& f, size_t pos) {
    uint8_t ptg = static_cast<uint8_t>(f[pos]);
    size_t size = ptg < 0x20 ? OperatorTokenSize(f, pos) : OperandTokenSize(ptg & 0x1F);
    return pos + size <= f.size() ? size : 0;
}

// New first/last row of a span after the deletion; false when the whole span was deleted.
bool ShiftSpan(int& first, int& last, const CellRange& d) {
    int count = d.Rows();
    if (first > d.lastRow) {
        first -= count;
        last -= count;
        return true;
    }
    if (last < d.firstRow) return true;
    if (first >= d.firstRow && last <= d.lastRow) return false;
    if (first >= d.firstRow) first = d.firstRow;
    last = last > d.lastRow ? last - count : d.firstRow - 1;
    return true;
}

// Turns the reference token at pos into its #REF! form; `at` is where its cell fields begin.
void MakeError(std::string& f, size_t pos, size_t at, size_t size, int errorBase) {
    f[pos] = static_cast<char>((static_cast<uint8_t>(f[pos]) & 0x60) | errorBase);
    for (size_t i = at; i < pos + size; ++i) f[i] = 0;
}

void ShiftRef(std::string& f, size_t pos, size_t at, size_t size, int errorBase, const CellRange& d) {
    int row = GetU16At(f, at);
    int col = GetU16At(f, at + 2) & 0xFF;
    if (col < d.firstCol || col > d.lastCol) return;
    int last = row;
    if (!ShiftSpan(row, last, d)) return MakeError(f, pos, at, size, errorBase);
    SetU16At(f, at, static_cast<uint16_t>(row));
}

void ShiftArea(std::string& f, size_t pos, size_t at, size_t size, int errorBase, const CellRange& d) {
    int first = GetU16At(f, at), last = GetU16At(f, at + 2);
    int firstCol = GetU16At(f, at + 4) & 0xFF, lastCol = GetU16At(f, at + 6) & 0xFF;
    if (firstCol < d.firstCol || lastCol > d.lastCol || (first == 0 && last == kMaxRows - 1)) return;
    if (!ShiftSpan(first, last, d)) return MakeError(f, pos, at, size, errorBase);
    SetU16At(f, at, static_cast<uint16_t>(first));
    SetU16At(f, at + 2, static_cast<uint16_t>(last));
}

// The first cell of the array formula or data table a cell belongs to moves with its cells.
void ShiftFirstCell(std::string& f, size_t pos, const CellRange& d) {
    int row = GetU16At(f, pos + 1), col = GetU16At(f, pos + 3);
    if (col >= d.firstCol && col <= d.lastCol && row > d.lastRow)
        SetU16At(f, pos + 1, static_cast<uint16_t>(row - d.Rows()));
}

void ShiftToken(std::string& f, size_t pos, size_t size, const DeletionTarget& t, const CellRange& d) {
    uint8_t ptg = static_cast<uint8_t>(f[pos]);
    if ((ptg == kExp || ptg == kTbl) && t.onDeletedSheet) return ShiftFirstCell(f, pos, d);
    if (ptg < 0x20) return;
    int base = ptg & 0x1F;
    bool ours3d = t.externSheet >= 0 && GetU16At(f, pos + 1) == t.externSheet;
    if (base == kRef && t.onDeletedSheet) ShiftRef(f, pos, pos + 1, size, kRefErr, d);
    if (base == kArea && t.onDeletedSheet) ShiftArea(f, pos, pos + 1, size, kAreaErr, d);
    if (base == kRef3d && ours3d) ShiftRef(f, pos, pos + 3, size, kRefErr3d, d);
    if (base == kArea3d && ours3d) ShiftArea(f, pos, pos + 3, size, kAreaErr3d, d);
}

// A row or column of a shared formula's reference at the cell (row, col): relative ones hold
// an offset (16-bit rows, 8-bit columns), absolute ones the place itself.
uint16_t ResolvedRow(uint16_t value, uint16_t colField, int row) {
    if (!(colField & kRowRelative)) return value;
    return static_cast<uint16_t>(row + static_cast<int16_t>(value));
}

uint16_t ResolvedColumn(uint16_t colField, int col) {
    if (!(colField & kColumnRelative)) return colField;
    int resolved = (col + static_cast<int8_t>(colField & 0xFF)) & 0xFF;
    return static_cast<uint16_t>((colField & 0xFF00) | resolved);
}

// Resolves the cell fields at `at`: one row and column, or first and last row and column.
void ResolveFields(std::string& f, size_t at, bool area, int row, int col) {
    size_t colsAt = at + (area ? 4 : 2);
    for (int i = 0; i < (area ? 2 : 1); ++i) {
        uint16_t colField = GetU16At(f, colsAt + 2 * i);
        SetU16At(f, at + 2 * i, ResolvedRow(GetU16At(f, at + 2 * i), colField, row));
        SetU16At(f, colsAt + 2 * i, ResolvedColumn(colField, col));
    }
}

}  // namespace

bool ResolveSharedFormula(std::string& tokens, int row, int col) {
    for (size_t pos = 0; pos < tokens.size();) {
        size_t size = TokenSize(tokens, pos);
        if (size == 0) return false;
        pos += size;
    }
    for (size_t pos = 0; pos < tokens.size(); pos += TokenSize(tokens, pos)) {
        uint8_t ptg = static_cast<uint8_t>(tokens[pos]);
        int base = ptg < 0x20 ? -1 : ptg & 0x1F;
        uint8_t kind = ptg & 0x60;
        if (base == kRefN || base == kAreaN) {
            ResolveFields(tokens, pos + 1, base == kAreaN, row, col);
            tokens[pos] = static_cast<char>(kind | (base == kRefN ? kRef : kArea));
        } else if (base == kRef3d || base == kArea3d) {
            ResolveFields(tokens, pos + 3, base == kArea3d, row, col);
        }
    }
    return true;
}

std::optional<SheetReference> SingleReference(const std::string& tokens) {
    if (tokens.empty() || static_cast<uint8_t>(tokens[0]) < 0x20) return std::nullopt;
    int base = static_cast<uint8_t>(tokens[0]) & 0x1F;
    SheetReference ref;
    ref.externSheet = GetU16At(tokens, 1);
    if (base == kRef3d && tokens.size() == 7) {
        ref.range.firstRow = ref.range.lastRow = GetU16At(tokens, 3);
        ref.range.firstCol = ref.range.lastCol = GetU16At(tokens, 5) & 0xFF;
        return ref;
    }
    if (base == kArea3d && tokens.size() == 11) {
        ref.range = {GetU16At(tokens, 3), GetU16At(tokens, 5), GetU16At(tokens, 7) & 0xFF,
                     GetU16At(tokens, 9) & 0xFF};
        return ref;
    }
    return std::nullopt;
}

void ShiftReferencesUp(std::string& tokens, const DeletionTarget& target, const CellRange& deleted) {
    // Check the whole formula first, so that an unknown token leaves it untouched.
    for (size_t pos = 0; pos < tokens.size();) {
        size_t size = TokenSize(tokens, pos);
        if (size == 0) return;
        pos += size;
    }
    for (size_t pos = 0; pos < tokens.size();) {
        size_t size = TokenSize(tokens, pos);
        ShiftToken(tokens, pos, size, target, deleted);
        pos += size;
    }
}

}  // namespace quillbat::xls
