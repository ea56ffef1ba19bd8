#pragma once
// Formulas that several cells share. A shared formula (a filled-down column, say) is kept once
// in a SHRFMLA record and an array formula once in an ARRAY record, both after the FORMULA of
// the range's first cell; a data table keeps its TABLE record there. The cells themselves hold
// only a pointer to that first cell.

#include <vector>

#include "xls/CellRange.h"
#include "xls/Sheet.h"

namespace quillbat::xls {

// Gives every cell of the sheet's shared formulas a formula of its own, the same the shared
// one stands for in that cell, and drops the SHRFMLA records. A shared formula with a token
// the engine does not know stays shared.
void ExpandSharedFormulas(Sheet& sheet);

// True when the cell's records hold a shared formula for other cells too.
bool HoldsSharedFormula(const Cell& cell);

// The ranges of the sheet's array formulas and of its data tables.
struct FormulaBlocks {
    std::vector<CellRange> arrays, tables;
};
FormulaBlocks FormulaBlocksOf(const Sheet& sheet);

}  // namespace quillbat::xls
