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

// Turns the tokens of a shared formula into those of an ordinary formula in the cell (row,
// col): references relative to the cell become references to the cells they reach from it.
// False, with the tokens unchanged, when the formula holds a token this does not know.
bool ResolveSharedFormula(std::string& tokens, int row, int col);

// Moves references as deleting rows [firstRow, lastRow] of the columns [firstCol, lastCol]
// moves the cells below up: a reference below moves up, one inside becomes #REF!, an area
// across the deleted rows shrinks. Only references whose columns lie within the deleted
// columns change; whole-column areas stay. On the deleted sheet, a cell's pointer to the first
// cell of its array formula or data table moves with that cell. A formula holding a token this
// does not know is left alone.
void ShiftReferencesUp(std::string& tokens, const DeletionTarget& target, const CellRange& deleted);

}  // namespace quillbat::xls
