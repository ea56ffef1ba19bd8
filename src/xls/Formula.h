#pragma once
// Parsed formulas (token arrays, as in FORMULA and NAME records): walking their tokens and
// moving their references when cells are deleted.

#include <cstdint>
#include <optional>
#include <string>

#include "xls/CellRange.h"

namespace quillbat::xls {

// A formula that is exactly one 3-D reference or area: its extern-sheet index and range.
struct SheetReference {
    uint16_t externSheet = 0;
    CellRange range;
};
std::optional<SheetReference> SingleReference(const std::string& tokens);

// Which references a deletion on one sheet affects: 3-D ones through that sheet's
// extern-sheet index (-1 when it has none), and plain ones when the formula is on that sheet.
struct DeletionTarget {
    int externSheet = -1;
    bool onDeletedSheet = false;
};

// Moves references as deleting rows [firstRow, lastRow] of the columns [firstCol, lastCol]
// moves the cells below up: a reference below moves up, one inside becomes #REF!, an area
// across the deleted rows shrinks. Only references whose columns lie within the deleted
// columns change; whole-column areas stay. A formula holding a token this does not know is
// left alone.
void ShiftReferencesUp(std::string& tokens, const DeletionTarget& target, const CellRange& deleted);

}  // namespace quillbat::xls
