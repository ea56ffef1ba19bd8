#pragma once
// The first activation's check that workbooks can be made: the workbook engine must start
// and be of format level 11 or later.

#include <string>

#include "app/AppContext.h"

namespace quillbat {

// Starts the engine and checks it; false (after telling the user) when the program must end.
bool CheckSpreadsheet(AppContext& ctx);
// The check on what starting the engine gave: "" or why it could not start, and its version.
// In debug mode the version goes to the program log.
bool CheckSpreadsheet(AppContext& ctx, const std::string& startError, int version);

}  // namespace quillbat
