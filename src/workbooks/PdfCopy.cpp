#include "workbooks/PdfCopy.h"

#include "gameday/DownloadLogs.h"
#include "platform/FileSystem.h"
#include "workbooks/WorksheetPrinting.h"

namespace quillbat {

std::string PdfCopyPath(const std::string& workbookPath) {
    std::size_t name = workbookPath.find_last_of('/') + 1;  // 0 when there is no folder
    std::size_t dot = workbookPath.rfind('.');
    if (dot == std::string::npos || dot < name) return workbookPath + ".pdf";
    return workbookPath.substr(0, dot) + ".pdf";
}

void DeleteWorkbookAndPdfCopy(const std::string& workbookPath) {
    DeleteFile(workbookPath);
    DeleteFile(PdfCopyPath(workbookPath));
}

void SavePdfCopy(const Settings& settings, const ExcelWorksheet& sheet, const std::string& workbookPath) {
    if (!settings.savePdf) return;
    std::string path = PdfCopyPath(workbookPath);
    if (std::string error = SaveAsPdf(sheet, path); !error.empty())
        AppendErrorLog(settings, "Could not save the PDF copy " + path + ": " + error);
}

}  // namespace quillbat
