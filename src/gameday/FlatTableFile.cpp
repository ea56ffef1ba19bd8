#include "gameday/FlatTableFile.h"

#include "workbooks/ExcelProcs.h"

namespace quillbat {

namespace {

// The first worksheet of an open workbook, with its last used row and column found once.
class WorkbookSheetCells : public SheetCells {
public:
    std::string Open(const std::string& path) {
        ExcelWorkbook* book = nullptr;
        if (auto error = excel_.Open(path, book); !error.empty()) return error;
        sheet_ = book->Worksheets(1);
        if (!sheet_.IsValid()) return path + " has no worksheet";
        FindLastRowAndColumn(sheet_, lastRow_, lastColumn_);
        return "";
    }
    ~WorkbookSheetCells() override { excel_.Quit(); }

    int LastRow() const override { return lastRow_; }
    int LastColumn() const override { return lastColumn_; }
    std::string Text(int row, int column) const override {
        if (row < 1 || column < 1 || row > lastRow_ || column > lastColumn_) return "";
        return xls::DisplayText(sheet_.Cells(row, column).Value());
    }

private:
    ExcelApplication excel_;
    ExcelWorksheet sheet_;
    int lastRow_ = 0;
    int lastColumn_ = 0;
};

}  // namespace

std::unique_ptr<SheetCells> OpenFlatTable(const std::string& xlsPath, std::string& error) {
    auto cells = std::make_unique<WorkbookSheetCells>();
    error = cells->Open(xlsPath);
    if (!error.empty()) return nullptr;
    return cells;
}

}  // namespace quillbat
