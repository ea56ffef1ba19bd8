#pragma once
// What a cell shows as printed text: the formatted value, the alignment it takes (General
// aligns numbers right, text left, true/false and errors centred) and how far it may spill
// into empty cells beside it.

#include <string>

#include "xls/CellStyle.h"
#include "xls/Workbook.h"

namespace quillbat::xls {

struct CellText {
    std::string text;
    HAlign horizontal = HAlign::Left;  // never General
    bool isNumber = false;             // numbers never spill; too wide, they print as ###
    bool isGeneral = false;            // a number in General, which may print shorter first
    double number = 0;
};

CellText TextOfCell(const Workbook& book, const Cell& cell, const CellStyle& style, bool date1904);

// Whether text with this style may spill over empty neighbours (not wrapped, not rotated,
// not filling or justified).
bool MaySpill(const CellText& text, const CellStyle& style);

}  // namespace quillbat::xls
