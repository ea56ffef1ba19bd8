// Cell styles decoded from XF records: each field built into the 20 bytes where the file keeps
// it, and the XFs of the template read back as LibreOffice shows them.

#include <gtest/gtest.h>

#include "XlsInvariants.h"
#include "xls/ByteIo.h"
#include "xls/CellStyle.h"
#include "xls/Workbook.h"

namespace quillbat::xls {
namespace {

// The raw fields of a cell XF, as numbers.
struct XfFields {
    uint16_t font = 0, format = 0;
    uint16_t protection = 0x0001;  // locked, a cell XF with parent style 0
    uint8_t horizontal = 0, vertical = 2, rotation = 0, indent = 0;
    bool wrap = false, justifyLast = false, shrink = false;
    uint8_t readingOrder = 0, usedAttributes = 0;
    uint8_t left = 0, right = 0, top = 0, bottom = 0, diagonal = 0, diagonalFlags = 0;
    uint8_t icvLeft = 0, icvRight = 0, icvTop = 0, icvBottom = 0, icvDiagonal = 0;
    uint8_t pattern = 0, icvFore = 0x40, icvBack = 0x41;
};

// The 20 bytes: font, format, protection and parent, then the alignment byte (horizontal in
// bits 0-2, wrap 3, vertical 4-6, justify-last 7), rotation, indent and shrink, the used
// attributes, the four line styles with the left and right colours, the top, bottom and
// diagonal colours with the pattern, and the pattern colours.
std::string XfBytes(const XfFields& f) {
    std::string d;
    PutU16(d, f.font);
    PutU16(d, f.format);
    PutU16(d, f.protection);
    PutU8(d, static_cast<uint8_t>(f.horizontal | f.wrap << 3 | f.vertical << 4 |
                                  f.justifyLast << 7));
    PutU8(d, f.rotation);
    PutU8(d, static_cast<uint8_t>(f.indent | f.shrink << 4 | f.readingOrder << 6));
    PutU8(d, f.usedAttributes);
    PutU32(d, f.left | f.right << 4 | f.top << 8 | f.bottom << 12 | uint32_t(f.icvLeft) << 16 |
                  uint32_t(f.icvRight) << 23 | uint32_t(f.diagonalFlags) << 30);
    PutU32(d, f.icvTop | f.icvBottom << 7 | uint32_t(f.icvDiagonal) << 14 |
                  uint32_t(f.diagonal) << 21 | uint32_t(f.pattern) << 26);
    PutU16(d, static_cast<uint16_t>(f.icvFore | f.icvBack << 7));
    return d;
}

void ExpectLine(const BorderLine& line, LineStyle style, uint16_t icv, const char* side) {
    EXPECT_EQ(line.style, style) << side;
    EXPECT_EQ(line.icv, icv) << side;
}

// Every field at once, each with a value no other field has, and the bits the style does not
// use (protection, justify-last, reading order, used attributes, the diagonal) all set.
TEST(CellStyle, DecodesEachFieldFromItsOwnBits) {
    XfFields f;
    f.font = 0x0106;
    f.format = 0x00A5;
    f.protection = 0xFFF7;
    f.horizontal = 6;
    f.vertical = 1;
    f.justifyLast = true;
    f.rotation = 135;
    f.indent = 9;
    f.readingOrder = 3;
    f.usedAttributes = 0xFC;
    f.left = 3, f.icvLeft = 10;
    f.right = 6, f.icvRight = 12;
    f.top = 7, f.icvTop = 17;
    f.bottom = 12, f.icvBottom = 63;
    f.diagonal = 13, f.icvDiagonal = 0x7F, f.diagonalFlags = 3;
    f.pattern = 1, f.icvFore = 43, f.icvBack = 26;
    std::string xf = XfBytes(f);
    ASSERT_EQ(xf.size(), kXfSize);

    CellStyle s = DecodeXf(xf);
    EXPECT_EQ(s.font, 0x0106);
    EXPECT_EQ(s.format, 0x00A5);
    EXPECT_EQ(s.horizontal, HAlign::CenterAcross);
    EXPECT_EQ(s.vertical, VAlign::Center);
    EXPECT_FALSE(s.wrap);
    EXPECT_FALSE(s.shrinkToFit);
    EXPECT_EQ(s.indent, 9);
    EXPECT_EQ(s.rotation, 135);
    ExpectLine(s.left, LineStyle::Dashed, 10, "left");
    ExpectLine(s.right, LineStyle::Double, 12, "right");
    ExpectLine(s.top, LineStyle::Hair, 17, "top");
    ExpectLine(s.bottom, LineStyle::MediumDashDotDot, 63, "bottom");
    EXPECT_EQ(s.fill.pattern, 1);
    EXPECT_EQ(s.fill.foreground, 43);
    EXPECT_EQ(s.fill.background, 26);
}

// Wrap and shrink-to-fit are flags next to the alignment and indent fields.
TEST(CellStyle, WrapAndShrinkAreSeparateFlags) {
    XfFields wrap;
    wrap.wrap = true;
    CellStyle s = DecodeXf(XfBytes(wrap));
    EXPECT_TRUE(s.wrap);
    EXPECT_FALSE(s.shrinkToFit);
    EXPECT_EQ(s.vertical, VAlign::Bottom);

    XfFields shrink;
    shrink.shrink = true;
    shrink.indent = 15;
    s = DecodeXf(XfBytes(shrink));
    EXPECT_FALSE(s.wrap);
    EXPECT_TRUE(s.shrinkToFit);
    EXPECT_EQ(s.indent, 15);
}

// A short record (a damaged file) decodes what it has and leaves the rest zero.
TEST(CellStyle, ShortRecordGivesZeros) {
    XfFields f;
    f.font = 5;
    f.format = 14;
    f.horizontal = 3;
    f.bottom = 2;
    CellStyle s = DecodeXf(XfBytes(f).substr(0, 8));
    EXPECT_EQ(s.font, 5);
    EXPECT_EQ(s.format, 14);
    EXPECT_EQ(s.horizontal, HAlign::Right);
    EXPECT_EQ(s.bottom.style, LineStyle::None);
    EXPECT_EQ(s.fill.pattern, 0);
    EXPECT_EQ(DecodeXf("").font, 0);
}

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
