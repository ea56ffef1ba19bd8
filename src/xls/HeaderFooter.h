#pragma once
// Header and footer texts as they print on a page: the field codes replaced (page number,
// page count, date, time, file, folder and sheet names) and the font codes left out.

#include <string>

#include "xls/PageSetup.h"

namespace quillbat::xls {

struct PageFields {
    int page = 1, pages = 1;
    std::string sheetName, fileName, folder;
    std::string date, time;  // as they print, e.g. "12/7/2026" and "5:23 AM"
};

// One section's text with its codes replaced.
std::string ExpandFieldCodes(const std::string& section, const PageFields& fields);
// The three sections of a header or footer text, ready to print.
FooterSections PrintedSections(const std::string& text, const PageFields& fields);

}  // namespace quillbat::xls
