#pragma once
// Printing a worksheet on the default printer with its default settings.

#include <functional>
#include <string>

#include "xls/Workbook.h"

class QPrinter;

namespace quillbat::xls {

enum class PrintStatus { Printed, NoPrinter, Failed };

struct PrintResult {
    PrintStatus status = PrintStatus::Printed;
    std::string message;  // "" when printed
};

// The system's default printer's name, "" when there is none.
std::string SystemDefaultPrinter();

// Prints the sheet's pages on the default printer as the print job `documentName`.
// `defaultPrinter` finds the printer; tests pass their own.
PrintResult PrintSheet(const Workbook& book, int sheet, const std::string& documentName,
                       const std::function<std::string()>& defaultPrinter = SystemDefaultPrinter);
// Prints on a printer set up by the caller.
PrintResult PrintSheetOn(QPrinter& printer, const Workbook& book, int sheet,
                         const std::string& documentName);

}  // namespace quillbat::xls
