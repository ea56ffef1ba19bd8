#include "app/SpreadsheetCheck.h"

#include "platform/ProgramLog.h"
#include "workbooks/ExcelProcs.h"

namespace quillbat {

bool CheckSpreadsheet(AppContext& ctx) {
    std::string error;
    int version = GetSpreadsheetVersion(error);
    return CheckSpreadsheet(ctx, error, version);
}

bool CheckSpreadsheet(AppContext& ctx, const std::string& startError, int version) {
    if (!startError.empty()) {
        ctx.ui.Message(MsgIcon::Critical, "Critical Error", startError);
        return false;
    }
    ctx.settings.spreadsheetVersion = version;
    if (version < 11) {
        ctx.ui.Message(MsgIcon::Exclamation, "Critical Error",
                       "CRITICAL ERROR: You must have Office 2003 or higher installed in order to "
                       "run this program!");
        return false;
    }
    if (ctx.settings.debugMode) WriteLog(ctx.settings, "prog start: excel ver = " + std::to_string(version));
    return true;
}

}  // namespace quillbat
