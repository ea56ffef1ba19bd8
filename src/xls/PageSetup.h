#pragma once
// Page setup of a worksheet: the footer's centre section, the footer margin, the selection.

#include <string>
#include <vector>

#include "xls/Sheet.h"

namespace quillbat::xls {

// The centre section of the footer ("" when there is none).
std::string CenterFooter(const Sheet& sheet);
// Replaces the centre section, keeping the left and right ones. "" or an error text.
std::string SetCenterFooter(Sheet& sheet, const std::string& text);

// Footer margin in inches (0.5 when the sheet has no page setup).
double FooterMargin(const Sheet& sheet);
void SetFooterMargin(Sheet& sheet, double inches);

// How the sheet prints, as its page setup records say; the spreadsheet's defaults where a
// record is missing or says its printer fields are not valid. Margins in inches.
struct PageSettings {
    bool landscape = false;
    int scalePercent = 100;
    bool fitToPages = false;
    int fitWidth = 1, fitHeight = 1;  // pages across and down when fitting
    double leftMargin = 0.75, rightMargin = 0.75, topMargin = 1.0, bottomMargin = 1.0;
    double headerMargin = 0.5, footerMargin = 0.5;
    std::string header, footer;  // with their &L, &C and &R section codes
    uint16_t paperSize = 0;      // the file's paper code (1 Letter, 9 A4, ...), 0 when not set
    bool centerHorizontally = false, centerVertically = false;
    bool printGridlines = false;
    bool overThenDown = false;  // page order: across the columns first, then down
    std::vector<int> rowBreaks, columnBreaks;  // first row or column of a new page, from 0
};
PageSettings ReadPageSettings(const Sheet& sheet);

// Makes A1 the active and only selected cell of every pane.
void SelectA1(Sheet& sheet);

// The three sections of a header or footer text (codes &L, &C, &R; "&&" is a literal "&").
struct FooterSections {
    std::string left, center, right;
};
FooterSections SplitSections(const std::string& text);
std::string JoinSections(const FooterSections& sections);

}  // namespace quillbat::xls
