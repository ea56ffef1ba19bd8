#include "gameday/FlatTableWriter.h"

#include "workbooks/ExcelProcs.h"

namespace quillbat {

namespace {

void WriteRow(xls::Sheet& sheet, int row, const std::vector<std::string>& cells) {
    for (std::size_t column = 0; column < cells.size(); ++column)
        if (!cells[column].empty()) sheet.SetValue(row, static_cast<int>(column), xls::CellValue::FromText(cells[column]));
}

}  // namespace

std::string WriteFlatTable(const FlatTable& table, const std::string& xlsPath) {
    if (table.columns.size() > static_cast<std::size_t>(xls::kMaxColumns))
        return "the table has " + std::to_string(table.columns.size()) + " columns, more than a sheet holds";
    if (table.rows.size() + 1 > static_cast<std::size_t>(xls::kMaxRows))
        return "the table has " + std::to_string(table.rows.size()) + " rows, more than a sheet holds";
    ExcelApplication excel;
    ExcelWorkbook& book = excel.Add();
    xls::Sheet& sheet = book.Model().sheets[book.Model().FirstWorksheet()];
    WriteRow(sheet, 0, table.columns);
    for (std::size_t row = 0; row < table.rows.size(); ++row) WriteRow(sheet, static_cast<int>(row) + 1, table.rows[row]);
    std::string error = book.SaveAs(xlsPath, kXlWorkbookNormal);
    excel.Quit();
    return error;
}

}  // namespace quillbat
