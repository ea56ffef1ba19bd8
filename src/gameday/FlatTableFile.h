#pragma once
// Opening the workbook a flat table was saved in.

#include <memory>
#include <string>

#include "gameday/SheetCells.h"

namespace quillbat {

// The first worksheet of the workbook; nothing (and the reason in error) when it cannot be read.
std::unique_ptr<SheetCells> OpenFlatTable(const std::string& xlsPath, std::string& error);

}  // namespace quillbat
