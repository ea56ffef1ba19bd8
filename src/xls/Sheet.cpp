#include "xls/Sheet.h"

#include <algorithm>

#include "xls/ByteIo.h"
#include "xls/SharedFormulas.h"

namespace quillbat::xls {
namespace {

// The format a new cell takes: the row's when the row has one, else the column's, else 15.
uint16_t DefaultXf(const Sheet& sheet, const Row& row, int col) {
    uint32_t flags = GetU32At(row.record, 12);
    if (row.record.size() >= 16 && (flags & 0x80)) return static_cast<uint16_t>((flags >> 16) & 0x0FFF);
    for (const Record& r : sheet.records) {
        if (r.type != rec::kColInfo) continue;
        if (col >= GetU16At(r.data, 0) && col <= GetU16At(r.data, 2)) return GetU16At(r.data, 6);
    }
    return 15;
}

}  // namespace

const Cell* Sheet::CellAt(int row, int col) const {
    auto it = rows.find(row);
    if (it == rows.end() || col < 0 || col >= static_cast<int>(it->second.cells.size())) return nullptr;
    const Cell& cell = it->second.cells[col];
    return cell.present ? &cell : nullptr;
}

Cell& Sheet::CellForWrite(int row, int col) {
    Row& r = rows[row];
    if (static_cast<int>(r.cells.size()) <= col) {
        if (r.cells.capacity() <= static_cast<size_t>(col))
            r.cells.reserve(std::max<size_t>(col + 1, widestRow_));
        r.cells.resize(col + 1);
        widestRow_ = std::max(widestRow_, r.cells.size());
    }
    Cell& cell = r.cells[col];
    if (!cell.present) {
        cell.present = true;
        cell.xf = DefaultXf(*this, r, col);
    }
    return cell;
}

CellValue Sheet::ValueAt(int row, int col) const {
    const Cell* cell = CellAt(row, col);
    return cell ? cell->value : CellValue{};
}

void Sheet::SetValue(int row, int col, CellValue value) {
    // The other cells of a shared formula kept with this one get formulas of their own first.
    if (const Cell* old = CellAt(row, col); old && HoldsSharedFormula(*old)) ExpandSharedFormulas(*this);
    Cell& cell = CellForWrite(row, col);
    cell.value = std::move(value);
    cell.extra.reset();
}

std::optional<CellRange> Sheet::UsedRange() const {
    std::optional<CellRange> used;
    for (const auto& [rowNumber, row] : rows) {
        for (int col = 0; col < static_cast<int>(row.cells.size()); ++col) {
            if (!row.cells[col].present) continue;
            if (!used) {
                used = CellRange{rowNumber, rowNumber, col, col};
                continue;
            }
            used->firstRow = std::min(used->firstRow, rowNumber);
            used->lastRow = std::max(used->lastRow, rowNumber);
            used->firstCol = std::min(used->firstCol, col);
            used->lastCol = std::max(used->lastCol, col);
        }
    }
    return used;
}

Record* Sheet::Find(uint16_t type) {
    for (Record& r : records)
        if (r.type == type) return &r;
    return nullptr;
}

const Record* Sheet::Find(uint16_t type) const { return const_cast<Sheet*>(this)->Find(type); }

Record& Sheet::InsertBefore(std::initializer_list<uint16_t> types, Record record) {
    auto at = std::find_if(records.begin(), records.end(), [&](const Record& r) {
        return r.type == rec::kEof || std::find(types.begin(), types.end(), r.type) != types.end();
    });
    return *records.insert(at, std::move(record));
}

}  // namespace quillbat::xls
