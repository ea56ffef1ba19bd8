#pragma once
// Writing a flat table as a one-sheet workbook: column names in row 1, data from row 2.

#include <string>

#include "gameday/FlatTable.h"

namespace quillbat {

inline constexpr const char* kNoWorkbookEngine = "the workbook engine is not available in this build";

// Returns "" when the workbook was written, else why not. Until the workbook engine is part
// of the build this writes nothing and returns kNoWorkbookEngine.
std::string WriteFlatTable(const FlatTable& table, const std::string& xlsPath);

}  // namespace quillbat
