#include "xls/SheetPrinting.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "xls/PageOutput.h"

namespace quillbat::xls {

std::string SystemDefaultPrinter() {
    if (!EnsureGuiApplication().empty()) return "";
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    return info.isNull() ? "" : info.printerName().toStdString();
}

PrintResult PrintSheet(const Workbook& book, int sheet, const std::string& documentName,
                       const std::function<std::string()>& defaultPrinter) {
    if (std::string error = EnsureGuiApplication(); !error.empty())
        return {PrintStatus::Failed, error};
    std::string name = defaultPrinter();
    if (name.empty())
        return {PrintStatus::NoPrinter,
                "No printer is set up on this computer, so \"" + documentName +
                    "\" was not printed. The file is saved and can be printed later."};
    QPrinter printer(QPrinterInfo::printerInfo(QString::fromStdString(name)));
    return PrintSheetOn(printer, book, sheet, documentName);
}

PrintResult PrintSheetOn(QPrinter& printer, const Workbook& book, int sheet,
                         const std::string& documentName) {
    if (std::string error = EnsureGuiApplication(); !error.empty())
        return {PrintStatus::Failed, error};
    printer.setDocName(QString::fromStdString(documentName));
    printer.setFullPage(true);
    std::string error = PaintSheetPages(printer, book, sheet, "");
    if (!error.empty())
        return {PrintStatus::Failed, "\"" + documentName + "\" was not printed: " + error};
    return {};
}

}  // namespace quillbat::xls
