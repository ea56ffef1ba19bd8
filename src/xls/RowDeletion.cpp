#include "xls/RowDeletion.h"

#include <algorithm>

#include "xls/ByteIo.h"
#include "xls/SheetDrawing.h"

namespace quillbat::xls {
namespace {

bool ColumnsOverlap(const CellRange& a, const CellRange& b) {
    return a.firstCol <= b.lastCol && b.firstCol <= a.lastCol;
}

bool ColumnsWithin(const CellRange& inner, const CellRange& outer) {
    return inner.firstCol >= outer.firstCol && inner.lastCol <= outer.lastCol;
}

// A merge that the deletion would cut or break apart.
bool MergeBlocksDeletion(const CellRange& m, const CellRange& d) {
    if (!ColumnsOverlap(m, d) || m.lastRow < d.firstRow) return false;
    if (!ColumnsWithin(m, d)) return true;  // cells beside it would stay while it moves
    bool inside = m.firstRow >= d.firstRow && m.lastRow <= d.lastRow;
    bool below = m.firstRow > d.lastRow;
    return !inside && !below;
}

// True when no cell outside the deleted columns sits at or below the first deleted row.
bool HoldsWholeRows(const Sheet& sheet, const CellRange& d) {
    for (auto it = sheet.rows.lower_bound(d.firstRow); it != sheet.rows.end(); ++it) {
        const auto& cells = it->second.cells;
        for (int col = 0; col < static_cast<int>(cells.size()); ++col)
            if (cells[col].present && (col < d.firstCol || col > d.lastCol)) return false;
    }
    return true;
}

void MoveCells(Sheet& sheet, const CellRange& d) {
    int count = d.Rows();
    for (auto it = sheet.rows.lower_bound(d.firstRow); it != sheet.rows.end(); ++it) {
        int row = it->first;
        auto& cells = it->second.cells;
        for (int col = d.firstCol; col <= d.lastCol && col < static_cast<int>(cells.size());
             ++col) {
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

// The references in every formula cell of the workbook that point at moved or deleted cells.
void MoveFormulaReferences(Workbook& book, int sheet, const CellRange& d) {
    constexpr size_t kTokensAt = 22;
    for (size_t s = 0; s < book.sheets.size(); ++s) {
        DeletionTarget target{book.ExternSheetOfSheet(sheet), static_cast<int>(s) == sheet};
        for (auto& [number, row] : book.sheets[s].rows) {
            for (Cell& cell : row.cells) {
                if (!cell.IsFormula() || cell.extra->formula[0].data.size() < kTokensAt) continue;
                std::string& data = cell.extra->formula[0].data;
                size_t length = std::min<size_t>(GetU16At(data, 20), data.size() - kTokensAt);
                std::string tokens = data.substr(kTokensAt, length);
                ShiftReferencesUp(tokens, target, d);
                data.replace(kTokensAt, length, tokens);
            }
        }
    }
}

}  // namespace

std::string DeleteCellsShiftUp(Workbook& book, int sheetIndex, const CellRange& d) {
    if (sheetIndex < 0 || sheetIndex >= static_cast<int>(book.sheets.size()))
        return "There is no such sheet.";
    Sheet& sheet = book.sheets[sheetIndex];
    for (const CellRange& m : sheet.merges)
        if (MergeBlocksDeletion(m, d)) return "Cannot delete part of a merged cell.";
    bool wholeRows = HoldsWholeRows(sheet, d) && d.firstCol == 0;
    if (wholeRows)
        MoveRowRecords(sheet, d);  // the rows move whole, cells and all
    else
        MoveCells(sheet, d);
    MoveMerges(sheet, d);
    MoveShapesUp(sheet, d);
    MoveNames(book, sheetIndex, d);
    MoveFormulaReferences(book, sheetIndex, d);
    return "";
}

}  // namespace quillbat::xls
