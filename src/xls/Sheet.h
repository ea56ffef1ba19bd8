#pragma once
// One sheet of a workbook: its records in file order, with the parts the engine regenerates
// (index, dimensions, cell table, merged ranges) held as models in their slots.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "xls/CellRange.h"
#include "xls/CellValue.h"
#include "xls/Record.h"

namespace quillbat::xls {

// Pseudo record types that mark where a regenerated part goes in a sheet's record list.
namespace slot {
constexpr uint16_t kIndex = 0xFF01, kDimensions = 0xFF02, kCells = 0xFF03, kMerges = 0xFF04;
}

// What only a few cells have: a formula's records (FORMULA and the STRING, SHRFMLA, ARRAY or
// TABLE records after it) and the formatting runs of rich text.
struct CellExtra {
    std::vector<Record> formula;
    std::string runs;
};

struct Cell {
    bool present = false;  // a cell record exists (a blank one may carry a format)
    uint16_t xf = 15;
    CellValue value;
    std::unique_ptr<CellExtra> extra;

    bool IsFormula() const { return extra && !extra->formula.empty(); }
};

struct Row {
    std::string record;  // the ROW record's data, "" when the file had none
    std::vector<Cell> cells;  // indexed by column
};

class Sheet {
public:
    std::string name;
    uint16_t boundSheetOptions = 0;  // visibility and sheet type, as in BOUNDSHEET
    bool isWorksheet = true;  // charts and macro sheets are kept as they are
    std::vector<Record> records;  // everything in file order, slots included
    std::map<int, Row> rows;
    std::vector<CellRange> merges;
    // False for a sheet read with cells but without ROW records: the reader of the file fits
    // such rows to their cells, so the sheet is saved without ROW records (nor INDEX and
    // DBCELL, which point at them) too.
    bool hasRowRecords = true;

    // The cell, or nullptr when the sheet has no record for it.
    const Cell* CellAt(int row, int col) const;
    // The cell, created when missing (with the row's or column's format, else 15).
    Cell& CellForWrite(int row, int col);
    CellValue ValueAt(int row, int col) const;
    // Replaces the content and keeps the format; drops a formula or rich text the cell had.
    void SetValue(int row, int col, CellValue value);

    // Bounding box of the cell records; nullopt for a sheet without cells.
    std::optional<CellRange> UsedRange() const;

    // The first record of that type, or nullptr.
    Record* Find(uint16_t type);
    const Record* Find(uint16_t type) const;
    // Inserts before the first record of any of the types (or before EOF), returns it.
    Record& InsertBefore(std::initializer_list<uint16_t> types, Record record);

private:
    size_t widestRow_ = 0;  // new rows reserve this many cells, so tables fill without regrowing
};

}  // namespace quillbat::xls
