#pragma once
// Checks that hold for every workbook file the engine writes, straight from its bytes:
// each BOUNDSHEET points at a BOF, no record has more than 8224 bytes of data, EXTSST points
// at the strings it indexes, INDEX points at DBCELLs and each DBCELL at its rows and their
// first cells, and exactly one sheet is selected, the one WINDOW1 names. Returns one line
// per violation.

#include <string>
#include <vector>

namespace quillbat::testing {

std::vector<std::string> WorkbookInvariantViolations(const std::string& fileBytes);

// The path of a file in tests/data/xls.
std::string XlsTestData(const std::string& name);

}  // namespace quillbat::testing
