#include "workbooks/WorksheetPrinting.h"

#include "platform/ProgramLog.h"
#include "xls/PageOutput.h"

namespace quillbat {

xls::PrintResult PrintOut(const ExcelWorksheet& sheet, const std::function<std::string()>& defaultPrinter) {
    if (!sheet.IsValid()) return {xls::PrintStatus::Failed, "There is no such worksheet."};
    return xls::PrintSheet(*sheet.Book(), sheet.Index(), sheet.Name(), defaultPrinter);
}

void PrintStageSheet(const Settings& settings, Ui& ui, const SheetPrinter& print, const ExcelWorksheet& sheet,
                     const std::string& what, bool& failed) {
    if (!settings.printOutput || failed || !print) return;
    xls::PrintResult result = print(sheet);
    if (result.status == xls::PrintStatus::Printed) return;
    failed = true;
    WriteLog(settings, "Printing the " + what + " failed: " + result.message);
    ui.Message(MsgIcon::Exclamation, "Print",
               result.message + "\r\n\r\nThe " + what + " are saved in " + settings.outputDir + ".");
}

std::string SaveAsPdf(const ExcelWorksheet& sheet, const std::string& path) {
    if (!sheet.IsValid()) return "There is no such worksheet.";
    return xls::SaveSheetAsPdf(*sheet.Book(), sheet.Index(), path);
}

}  // namespace quillbat
