#pragma once
// Page setup of a worksheet: the footer's centre section, the footer margin, the selection.

#include <string>

#include "xls/Sheet.h"

namespace quillbat::xls {

// The centre section of the footer ("" when there is none).
std::string CenterFooter(const Sheet& sheet);
// Replaces the centre section, keeping the left and right ones. "" or an error text.
std::string SetCenterFooter(Sheet& sheet, const std::string& text);

// Footer margin in inches (0.5 when the sheet has no page setup).
double FooterMargin(const Sheet& sheet);
void SetFooterMargin(Sheet& sheet, double inches);

// Makes A1 the active and only selected cell of every pane.
void SelectA1(Sheet& sheet);

// The three sections of a header or footer text (codes &L, &C, &R; "&&" is a literal "&").
struct FooterSections {
    std::string left, center, right;
};
FooterSections SplitSections(const std::string& text);
std::string JoinSections(const FooterSections& sections);

}  // namespace quillbat::xls
