#pragma once
// A read-only view of a worksheet's cells as text, rows and columns counted from 1. The flat
// tables of downloaded XML files are read through it, whether they come from a workbook file
// or straight from the converter.

#include <string>

namespace quillbat {

class SheetCells {
public:
    virtual ~SheetCells() = default;
    // The last used row and column; 0 for an empty sheet.
    virtual int LastRow() const = 0;
    virtual int LastColumn() const = 0;
    // The cell's value as text ("" outside the used range).
    virtual std::string Text(int row, int column) const = 0;
};

}  // namespace quillbat
