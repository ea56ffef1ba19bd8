#pragma once
// PDF copies of the workbooks a Create saves: the sheet's printed pages, beside the workbook
// under the same name ("ScorecardAway.xls" gives "ScorecardAway.pdf"), for printing where no
// spreadsheet program is at hand.

#include <string>

#include "platform/Settings.h"
#include "workbooks/ExcelProcs.h"

namespace quillbat {

std::string PdfCopyPath(const std::string& workbookPath);

// Deletes an earlier workbook and its PDF copy, so no stale copy is left beside a new workbook.
void DeleteWorkbookAndPdfCopy(const std::string& workbookPath);

// When the SavePdf option is on, writes the sheet's PDF copy beside the workbook. A copy that
// cannot be written leaves one error-log line (so the run ends saying errors were met) and no
// file; the workbook is not touched.
void SavePdfCopy(const Settings& settings, const ExcelWorksheet& sheet, const std::string& workbookPath);

}  // namespace quillbat
