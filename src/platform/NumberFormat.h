#pragma once
// Spreadsheet-style number formats and reading numbers back out of text.

#include <string>
#include <string_view>

namespace quillbat {

// Formats with a code made of "#" and "0" digit places and an optional "." part, such as
// "#.000", "##0", "##0.00", "0.00", "#0.0", "000" or "####0.0": a "0" place always shows a
// digit, a "#" place only a significant one. Rounds half away from zero on the value's
// 15-digit decimal form, so 0.285 with "0.00" gives 0.29.
std::string FormatNumber(double value, std::string_view format);

// The number at the start of the text (leading blanks skipped), or 0 when there is none.
double LeadingNumber(std::string_view text);

}  // namespace quillbat
