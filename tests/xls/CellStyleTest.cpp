// Cell styles decoded from XF records: the template's formats read as LibreOffice shows them.

#include <gtest/gtest.h>

#include <cstdio>

#include "XlsInvariants.h"
#include "xls/CellStyle.h"
#include "xls/Workbook.h"

namespace quillbat::xls {
namespace {

// A cell's style as one line: font, fill, then the left, right, top and bottom lines.
std::string Describe(const Workbook& book, const Cell* cell) {
    if (!cell) return "(no cell)";
    CellStyle style = DecodeXf(book.formats.xfs.at(cell->xf));
    auto hex = [&](uint16_t icv) {
        char text[8];
        std::snprintf(text, sizeof text, "%06X", IcvToRgb(book.palette, icv));
        return std::string(text);
    };
    const Font& font = book.fonts.at(style.font);
    std::string out = font.name + " " + std::to_string(font.heightTwips / 20) + (font.bold ? " bold" : "");
    out += style.fill.pattern == 0               ? ", no fill,"
           : style.fill.pattern == kSolidPattern ? ", " + hex(style.fill.foreground) + ","
                                                 : ", pattern,";
    for (const BorderLine* line : {&style.left, &style.right, &style.top, &style.bottom})
        out += line->style == LineStyle::None   ? " -"
               : line->style == LineStyle::Thin ? " thin " + hex(line->icv)
                                                : " other";
    return out;
}

// The template as LibreOffice shows it: the title A1 in bold 16 pt Times New Roman on light
// yellow with a thin black box, the boxed B2 with a thin black box and no fill, and the
// heading A3 in bold Arial on grey with a thin black line at the bottom only; all aligned
// at the bottom, as General aligns.
TEST(CellStyle, TemplateCellsDecodeToWhatTheFileShows) {
    Workbook book;
    ASSERT_EQ(OpenWorkbookFile(testing::XlsTestData("template.xlt"), book), "");
    const Sheet& sheet = book.sheets[0];
    EXPECT_EQ(Describe(book, sheet.CellAt(0, 0)),
              "Times New Roman 16 bold, FFFF99, thin 000000 thin 000000 thin 000000 thin 000000");
    EXPECT_EQ(Describe(book, sheet.CellAt(1, 1)),
              "Arial 10, no fill, thin 000000 thin 000000 thin 000000 thin 000000");
    EXPECT_EQ(Describe(book, sheet.CellAt(2, 0)), "Arial 10 bold, C0C0C0, - - - thin 000000");
    CellStyle title = DecodeXf(book.formats.xfs.at(sheet.CellAt(0, 0)->xf));
    EXPECT_EQ(title.horizontal, HAlign::General);
    EXPECT_EQ(title.vertical, VAlign::Bottom);
}

}  // namespace
}  // namespace quillbat::xls
