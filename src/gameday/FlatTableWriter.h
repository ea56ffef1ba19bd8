#pragma once
// Writing a flat table as a one-sheet workbook: column names in row 1, data from row 2.

#include <string>

#include "gameday/FlatTable.h"

namespace quillbat {

// Returns "" when the workbook was written, else why not. Every cell is written as text, so
// a reader gets back exactly what the XML file held (".250" stays ".250", "08" stays "08").
// A table wider or longer than a workbook sheet writes nothing.
std::string WriteFlatTable(const FlatTable& table, const std::string& xlsPath);

}  // namespace quillbat
