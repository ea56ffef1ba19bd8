// Cell styles decoded from XF records: the template's formats read as LibreOffice shows them.

#include <gtest/gtest.h>

#include "XlsInvariants.h"
#include "xls/CellStyle.h"
#include "xls/Workbook.h"

namespace quillbat::xls {
namespace {

// The template as LibreOffice shows it: the title A1 in bold 16 pt Times New Roman on light
// yellow with a thin black box, the boxed B2 with a thin black box and no fill, and the
// heading A3 in bold Arial on grey with a thin black line at the bottom only.
TEST(CellStyle, TemplateCellsDecodeToWhatTheFileShows) {
    Workbook book;
    ASSERT_EQ(OpenWorkbookFile(testing::XlsTestData("template.xlt"), book), "");
    const Sheet& sheet = book.sheets[0];
    auto style = [&](int row, int col) {
        const Cell* cell = sheet.CellAt(row, col);
        EXPECT_NE(cell, nullptr) << row << "," << col;
        return cell ? DecodeXf(book.formats.xfs.at(cell->xf)) : CellStyle{};
    };
    auto rgb = [&](uint16_t icv) { return IcvToRgb(book.palette, icv); };

    CellStyle title = style(0, 0);
    ASSERT_LT(title.font, book.fonts.size());
    EXPECT_EQ(book.fonts[title.font].name, "Times New Roman");
    EXPECT_EQ(book.fonts[title.font].heightTwips, 320);
    EXPECT_TRUE(book.fonts[title.font].bold);
    EXPECT_EQ(title.fill.pattern, kSolidPattern);
    EXPECT_EQ(rgb(title.fill.foreground), 0xFFFF99u);
    for (const BorderLine* line : {&title.left, &title.right, &title.top, &title.bottom}) {
        EXPECT_EQ(line->style, LineStyle::Thin);
        EXPECT_EQ(rgb(line->icv), 0x000000u);
    }
    EXPECT_EQ(title.horizontal, HAlign::General);
    EXPECT_EQ(title.vertical, VAlign::Bottom);

    CellStyle boxed = style(1, 1);
    EXPECT_EQ(book.fonts.at(boxed.font).name, "Arial");
    EXPECT_FALSE(book.fonts.at(boxed.font).bold);
    EXPECT_EQ(boxed.fill.pattern, 0);
    for (const BorderLine* line : {&boxed.left, &boxed.right, &boxed.top, &boxed.bottom})
        EXPECT_EQ(line->style, LineStyle::Thin);

    CellStyle heading = style(2, 0);
    EXPECT_EQ(book.fonts.at(heading.font).name, "Arial");
    EXPECT_TRUE(book.fonts.at(heading.font).bold);
    EXPECT_EQ(heading.fill.pattern, kSolidPattern);
    EXPECT_EQ(rgb(heading.fill.foreground), 0xC0C0C0u);
    EXPECT_EQ(heading.bottom.style, LineStyle::Thin);
    EXPECT_EQ(rgb(heading.bottom.icv), 0x000000u);
    for (const BorderLine* line : {&heading.left, &heading.right, &heading.top})
        EXPECT_EQ(line->style, LineStyle::None);
}

}  // namespace
}  // namespace quillbat::xls
