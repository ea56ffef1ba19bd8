#include "workbooks/WorksheetPrinting.h"

#include "xls/PageOutput.h"

namespace quillbat {

xls::PrintResult PrintOut(const ExcelWorksheet& sheet, const std::function<std::string()>& defaultPrinter) {
    if (!sheet.IsValid()) return {xls::PrintStatus::Failed, "There is no such worksheet."};
    return xls::PrintSheet(*sheet.Book(), sheet.Index(), sheet.Name(), defaultPrinter);
}

std::string SaveAsPdf(const ExcelWorksheet& sheet, const std::string& path) {
    if (!sheet.IsValid()) return "There is no such worksheet.";
    return xls::SaveSheetAsPdf(*sheet.Book(), sheet.Index(), path);
}

}  // namespace quillbat
