#pragma once
// Printing a worksheet and saving its printed pages as PDF. Apart from the operations, so
// that only what prints (the workbook stages, the command line) links the renderer.

#include <functional>
#include <string>

#include "platform/Settings.h"
#include "platform/Ui.h"
#include "workbooks/ExcelProcs.h"
#include "xls/SheetPrinting.h"

namespace quillbat {

// PrintOut with every argument omitted: the sheet's pages on the default printer, as its page
// setup lays them out. The workbook is not changed, so the caller saves it whether or not
// printing worked; without a printer the result says so in a plain message.
xls::PrintResult PrintOut(const ExcelWorksheet& sheet,
                          const std::function<std::string()>& defaultPrinter = xls::SystemDefaultPrinter);

// How a workbook stage prints a sheet (PrintOut, or a recorder in tests).
using SheetPrinter = std::function<xls::PrintResult(const ExcelWorksheet&)>;

// A stage's printing when the Print option is on: a failure goes to the program log and is told
// once (`failed` remembers it across the stage's sheets), and the caller saves the workbook
// either way. `what` names the outputs in the texts ("scorecards").
void PrintStageSheet(const Settings& settings, Ui& ui, const SheetPrinter& print, const ExcelWorksheet& sheet,
                     const std::string& what, bool& failed);

// The same pages as a PDF file, written whole or not at all. "" or an error text.
std::string SaveAsPdf(const ExcelWorksheet& sheet, const std::string& path);

}  // namespace quillbat
