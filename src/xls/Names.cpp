#include "xls/Names.h"

#include "xls/ByteIo.h"
#include "xls/Utf.h"
#include "xls/XlString.h"

namespace quillbat::xls {
namespace {

// Operand tokens by their id without the class bits (0x20, 0x40, 0x60); operator tokens
// (ids below 0x20) are kept apart by adding 0x100.
constexpr int kPtgUnion = 0x110, kPtgParen = 0x115;
constexpr int kRef3d = 0x1A, kArea3d = 0x1B, kRefErr3d = 0x1C, kAreaErr3d = 0x1D;

int BaseToken(uint8_t ptg) { return ptg < 0x20 ? ptg + 0x100 : (ptg & 0x1F); }

size_t TokenSize(int base) {
    switch (base) {
        case kRef3d: case kRefErr3d: return 7;
        case kArea3d: case kAreaErr3d: return 11;
        case kPtgUnion: case kPtgParen: return 1;
        default: return 0;
    }
}

bool ColumnsWithin(int firstCol, int lastCol, const CellRange& deleted) {
    return firstCol >= deleted.firstCol && lastCol <= deleted.lastCol;
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

void MakeError(std::string& formula, size_t pos, int errorBase, size_t size) {
    uint8_t ptg = static_cast<uint8_t>(formula[pos]);
    formula[pos] = static_cast<char>((ptg & 0x60) | errorBase);
    for (size_t i = pos + 3; i < pos + size; ++i) formula[i] = 0;
}

void ShiftRefToken(std::string& f, size_t pos, const CellRange& d) {
    int row = GetU16At(f, pos + 3);
    int col = GetU16At(f, pos + 5) & 0xFF;
    if (!ColumnsWithin(col, col, d)) return;
    int last = row;
    if (!ShiftSpan(row, last, d)) return MakeError(f, pos, kRefErr3d, 7);
    SetU16At(f, pos + 3, static_cast<uint16_t>(row));
}

void ShiftAreaToken(std::string& f, size_t pos, const CellRange& d) {
    int first = GetU16At(f, pos + 3), last = GetU16At(f, pos + 5);
    int firstCol = GetU16At(f, pos + 7) & 0xFF, lastCol = GetU16At(f, pos + 9) & 0xFF;
    if (!ColumnsWithin(firstCol, lastCol, d) || (first == 0 && last == kMaxRows - 1)) return;
    if (!ShiftSpan(first, last, d)) return MakeError(f, pos, kAreaErr3d, 11);
    SetU16At(f, pos + 3, static_cast<uint16_t>(first));
    SetU16At(f, pos + 5, static_cast<uint16_t>(last));
}

}  // namespace

std::string ParseName(std::string_view data, DefinedName& out) {
    ByteReader in(data);
    out.options = in.U16();
    out.key = in.U8();
    uint8_t nameLength = in.U8();
    uint16_t formulaLength = in.U16();
    in.Skip(2);
    out.scope = in.U16();
    in.Skip(4);
    out.name = ReadChars(in, nameLength);
    out.formula = std::string(in.Bytes(formulaLength));
    if (in.Failed()) return "a defined name is truncated";
    out.tail = std::string(in.Bytes(in.Left()));
    return "";
}

std::string NameRecordData(const DefinedName& name) {
    std::u16string units = Utf8ToUtf16(name.name);
    if (units.size() > 255) units.resize(255);
    std::string out;
    PutU16(out, name.options);
    PutU8(out, name.key);
    PutU8(out, static_cast<uint8_t>(units.size()));
    PutU16(out, static_cast<uint16_t>(name.formula.size()));
    PutU16(out, 0);
    PutU16(out, name.scope);
    PutU32(out, 0);
    AppendChars(out, units);
    out += name.formula;
    out += name.tail;
    return out;
}

std::vector<ExternSheet> ParseExternSheet(std::string_view data) {
    ByteReader in(data);
    uint16_t count = in.U16();
    std::vector<ExternSheet> out;
    for (uint16_t i = 0; i < count && in.Left() >= 6; ++i) {
        ExternSheet entry;
        entry.supBook = in.U16();
        entry.firstSheet = in.U16();
        entry.lastSheet = in.U16();
        out.push_back(entry);
    }
    return out;
}

std::optional<SheetReference> SingleReference(const std::string& formula) {
    if (formula.empty()) return std::nullopt;
    int base = BaseToken(static_cast<uint8_t>(formula[0]));
    SheetReference ref;
    ref.externSheet = GetU16At(formula, 1);
    if (base == kRef3d && formula.size() == 7) {
        ref.range.firstRow = ref.range.lastRow = GetU16At(formula, 3);
        ref.range.firstCol = ref.range.lastCol = GetU16At(formula, 5) & 0xFF;
        return ref;
    }
    if (base == kArea3d && formula.size() == 11) {
        ref.range = {GetU16At(formula, 3), GetU16At(formula, 5), GetU16At(formula, 7) & 0xFF,
                     GetU16At(formula, 9) & 0xFF};
        return ref;
    }
    return std::nullopt;
}

void ShiftReferencesUp(std::string& formula, uint16_t externSheet, const CellRange& deleted) {
    // Check the whole formula first, so that an unknown token leaves it untouched.
    for (size_t pos = 0; pos < formula.size();) {
        size_t size = TokenSize(BaseToken(static_cast<uint8_t>(formula[pos])));
        if (size == 0 || pos + size > formula.size()) return;
        pos += size;
    }
    for (size_t pos = 0; pos < formula.size();) {
        int base = BaseToken(static_cast<uint8_t>(formula[pos]));
        bool ours = TokenSize(base) > 1 && GetU16At(formula, pos + 1) == externSheet;
        if (ours && base == kRef3d) ShiftRefToken(formula, pos, deleted);
        if (ours && base == kArea3d) ShiftAreaToken(formula, pos, deleted);
        pos += TokenSize(base);
    }
}

}  // namespace quillbat::xls
