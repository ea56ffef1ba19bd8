#pragma once
// Number format codes (FORMAT records and the built-in ones) and the text a cell shows
// through them: digit places, thousands separators, percent, scientific notation, literal
// text, sections for positive, negative, zero and text values, dates and times.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "xls/CellValue.h"
#include "xls/Workbook.h"

namespace quillbat::xls {

// The format code of a format index: the workbook's own FORMAT record, else the built-in
// code (US English), else "General".
std::string FormatCode(const Workbook& book, uint16_t index);
// True when the workbook counts dates from 1904.
bool UsesDate1904(const Workbook& book);

// The General text of a number, then shorter forms of it, longest first: fewer decimals while
// a significant digit is left, then scientific with fewer digits. A column too narrow for the
// first shows the first of the others that fits.
std::vector<std::string> GeneralForms(double v);

// The text a cell with this value shows under the code. Colours and conditions in brackets
// and fill characters are left out; fractions show as decimals; a date before day 0 or after
// 31 December 9999 shows as "########".
std::string FormatValue(const CellValue& value, std::string_view code, bool date1904 = false);

}  // namespace quillbat::xls
