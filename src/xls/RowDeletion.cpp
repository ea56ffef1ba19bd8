#include "xls/RowDeletion.h"

#include <algorithm>

#include "xls/ByteIo.h"
#include "xls/SharedFormulas.h"
#include "xls/SheetDrawing.h"

namespace quillbat::xls {
namespace {

bool ColumnsOverlap(const CellRange& a, const CellRange& b) {
    return a.firstCol <= b.lastCol && b.firstCol <= a.lastCol;
}

bool ColumnsWithin(const CellRange& inner, const CellRange& outer) {
    return inner.firstCol >= outer.firstCol && inner.lastCol <= outer.lastCol;
}

// A merge or array formula that the deletion would cut or break apart.
bool DeletionCuts(const CellRange& m, const CellRange& d) {
    if (!ColumnsOverlap(m, d) || m.lastRow < d.firstRow) return false;
    if (!ColumnsWithin(m, d)) return true;  // cells beside it would stay while it moves
    bool inside = m.firstRow >= d.firstRow && m.lastRow <= d.lastRow;
    bool below = m.firstRow > d.lastRow;
    return !inside && !below;
}

void MoveCells(Sheet& sheet, const CellRange& d) {
    int count = d.Rows();
    for (auto it = sheet.rows.lower_bound(d.firstRow); it != sheet.rows.end(); ++it) {
        int row = it->first;
        auto& cells = it->second.cells;
        for (int col = d.firstCol; col <= d.lastCol && col < static_cast<int>(cells.size()); ++col) {
            if (!cells[col].present) continue;
            Cell moved = std::move(cells[col]);
            cells[col] = Cell{};
            if (row > d.lastRow) {
                Row& target = sheet.rows[row - count];
                if (static_cast<int>(target.cells.size()) <= col) target.cells.resize(col + 1);
                target.cells[col] = std::move(moved);
            }
        }
    }
}

void MoveRowRecords(Sheet& sheet, const CellRange& d) {
    int count = d.Rows();
    std::map<int, Row> moved;
    for (auto& [row, data] : sheet.rows) {
        if (row >= d.firstRow && row <= d.lastRow) continue;
        int target = row > d.lastRow ? row - count : row;
        moved[target] = std::move(data);
    }
    sheet.rows = std::move(moved);
}

void MoveMerges(Sheet& sheet, const CellRange& d) {
    std::vector<CellRange> kept;
    for (CellRange m : sheet.merges) {
        bool affected = ColumnsWithin(m, d) && m.lastRow >= d.firstRow;
        if (affected && m.lastRow <= d.lastRow) continue;  // deleted with its cells
        if (affected) {
            m.firstRow -= d.Rows();
            m.lastRow -= d.Rows();
        }
        kept.push_back(m);
    }
    sheet.merges = std::move(kept);
}

void MoveNames(Workbook& book, int sheet, const CellRange& d) {
    DeletionTarget target{book.ExternSheetOfSheet(sheet), false};
    if (target.externSheet < 0) return;
    for (DefinedName& name : book.names)
        if (name.continues.empty()) ShiftReferencesUp(name.formula, target, d);
}

// The formula tokens of a record, whose count is at `countAt` and the tokens after it.
void ShiftTokensAt(std::string& data, size_t countAt, const DeletionTarget& target, const CellRange& d) {
    size_t at = countAt + 2;
    if (data.size() < at) return;
    size_t length = std::min<size_t>(GetU16At(data, countAt), data.size() - at);
    std::string tokens = data.substr(at, length);
    ShiftReferencesUp(tokens, target, d);
    data.replace(at, length, tokens);
}

// An array formula below the deleted cells moves up with them.
void MoveArrayRange(std::string& data, const CellRange& d) {
    CellRange a{GetU16At(data, 0), GetU16At(data, 2), static_cast<uint8_t>(data[4]),
                static_cast<uint8_t>(data[5])};
    if (!ColumnsWithin(a, d) || a.firstRow <= d.lastRow) return;
    SetU16At(data, 0, static_cast<uint16_t>(a.firstRow - d.Rows()));
    SetU16At(data, 2, static_cast<uint16_t>(a.lastRow - d.Rows()));
}

// The references in every formula of the workbook that point at moved or deleted cells.
void MoveFormulaReferences(Workbook& book, int sheet, const CellRange& d) {
    constexpr size_t kFormulaCountAt = 20, kArrayCountAt = 12;
    for (size_t s = 0; s < book.sheets.size(); ++s) {
        DeletionTarget target{book.ExternSheetOfSheet(sheet), static_cast<int>(s) == sheet};
        for (auto& [number, row] : book.sheets[s].rows) {
            for (Cell& cell : row.cells) {
                if (!cell.IsFormula()) continue;
                for (Record& r : cell.extra->formula) {
                    if (r.type == rec::kFormula) ShiftTokensAt(r.data, kFormulaCountAt, target, d);
                    if (r.type != rec::kArray || r.data.size() < kArrayCountAt) continue;
                    ShiftTokensAt(r.data, kArrayCountAt, target, d);
                    if (target.onDeletedSheet) MoveArrayRange(r.data, d);
                }
            }
        }
    }
}

bool IsProtected(const Sheet& sheet) {
    int depth = 0;
    for (const Record& r : sheet.records) {
        if (r.type == rec::kBof) ++depth;
        if (r.type == rec::kEof) --depth;
        if (depth == 1 && r.type == rec::kProtect && GetU16At(r.data, 0) != 0) return true;
    }
    return false;
}

// Why the deletion cannot be made, or "".
std::string Refusal(const Sheet& sheet, const CellRange& d) {
    if (IsProtected(sheet))
        return "The sheet \"" + sheet.name + "\" is protected, so its cells cannot be deleted.";
    for (const CellRange& m : sheet.merges)
        if (DeletionCuts(m, d)) return "Cannot delete part of a merged cell.";
    FormulaBlocks blocks = FormulaBlocksOf(sheet);
    for (const CellRange& a : blocks.arrays)
        if (DeletionCuts(a, d)) return "Cannot delete part of an array formula.";
    for (const CellRange& t : blocks.tables) {
        bool deleted = ColumnsWithin(t, d) && t.firstRow >= d.firstRow && t.lastRow <= d.lastRow;
        if (ColumnsOverlap(t, d) && t.lastRow >= d.firstRow && !deleted)
            return "Cannot delete cells that would move a data table.";
    }
    return "";
}

}  // namespace

std::string DeleteCellsShiftUp(Workbook& book, int sheetIndex, const CellRange& d) {
    if (sheetIndex < 0 || sheetIndex >= static_cast<int>(book.sheets.size()))
        return "There is no such sheet.";
    Sheet& sheet = book.sheets[sheetIndex];
    std::string refusal = Refusal(sheet, d);
    if (!refusal.empty()) return refusal;
    // Shared formulas hold references relative to the cell that uses them: they cannot follow
    // cells that move away from the formula's first cell.
    for (Sheet& s : book.sheets)
        if (s.isWorksheet) ExpandSharedFormulas(s);
    bool wholeRows = d.firstCol == 0 && d.lastCol >= kMaxColumns - 1;
    if (wholeRows)
        MoveRowRecords(sheet, d);  // the rows move whole: heights, formats, cells and all
    else
        MoveCells(sheet, d);  // rows keep their heights and formats, as in the spreadsheet
    MoveMerges(sheet, d);
    MoveShapesUp(sheet, d);
    MoveNames(book, sheetIndex, d);
    MoveFormulaReferences(book, sheetIndex, d);
    return "";
}

}  // namespace quillbat::xls
