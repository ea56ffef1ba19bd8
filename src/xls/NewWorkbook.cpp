// The records of a new workbook with one empty worksheet: what Excel, LibreOffice and
// Gnumeric need to open it (fonts 0-3 and 5, 16 style and cell formats plus the five of the
// built-in number styles, the six built-in styles, one selected sheet).

#include "xls/ByteIo.h"
#include "xls/Workbook.h"
#include "xls/XlString.h"

namespace quillbat::xls {
namespace {

std::string BofData(uint16_t type) {
    std::string d;
    PutU16(d, 0x0600);
    PutU16(d, type);
    PutU16(d, 0x0DBB);  // build
    PutU16(d, 0x07CC);  // year
    PutU32(d, 0x000100C1);
    PutU32(d, 0x00000406);
    return d;
}

std::string FontData(const Font& font) {
    std::string d;
    PutU16(d, font.heightTwips);
    PutU16(d, 0);       // no italic, strike-out...
    PutU16(d, 0x7FFF);  // automatic colour
    PutU16(d, 400);     // normal weight
    PutU16(d, 0);
    PutU8(d, 0);
    PutU8(d, 2);  // family: swiss
    PutU8(d, 0);
    PutU8(d, 0);
    AppendShortXlString(d, font.name);
    return d;
}

std::string XfData(uint16_t font, uint16_t format, bool style, uint8_t usedAttributes) {
    std::string d;
    PutU16(d, font);
    PutU16(d, format);
    PutU16(d, style ? 0xFFF5 : 0x0001);  // locked; a style has no parent
    PutU8(d, 0x20);                      // bottom aligned
    PutU8(d, 0);
    PutU8(d, 0);
    PutU8(d, usedAttributes);
    PutU32(d, 0);
    PutU32(d, 0);
    PutU16(d, static_cast<uint16_t>((kIcvSystemBackground << 7) | kIcvSystemForeground));
    return d;
}

std::string StyleData(uint16_t xf, uint8_t builtIn) {
    std::string d;
    PutU16(d, static_cast<uint16_t>(0x8000 | xf));
    PutU8(d, builtIn);
    PutU8(d, 0xFF);
    return d;
}

std::string Window1Data() {
    std::string d;
    for (uint16_t v : {0, 0, 0x3A5C, 0x2328, 0x0038, 0, 0, 1, 0x0258}) PutU16(d, v);
    return d;
}

void AddFormats(Workbook& book) {
    for (int i = 0; i < 16; ++i)
        book.formats.xfs.push_back(XfData(0, 0, i < 15, i == 0 || i == 15 ? 0x00 : 0xF4));
    // Comma, Comma [0], Currency, Currency [0], Percent: formats 43, 41, 44, 42, 9.
    for (uint16_t format : {43, 41, 44, 42, 9})
        book.formats.xfs.push_back(XfData(1, format, true, 0xF8));
}

void AddGlobals(Workbook& book) {
    auto add = [&](uint16_t type, std::string data) {
        book.globals.push_back({type, std::move(data)});
    };
    add(rec::kBof, BofData(0x0005));
    std::string codepage;
    PutU16(codepage, 1200);
    add(rec::kCodepage, codepage);
    add(rec::kWindow1, Window1Data());
    add(rec::kDateMode, std::string(2, '\0'));
    for (size_t i = 0; i < book.fonts.size(); ++i)
        if (i != 4) add(rec::kFont, FontData(book.fonts[i]));
    add(slot::kXfs, {});
    const uint8_t builtIns[] = {3, 6, 4, 7, 5};
    for (uint16_t i = 0; i < 5; ++i) add(rec::kStyle, StyleData(16 + i, builtIns[i]));
    add(rec::kStyle, StyleData(0, 0));
    add(slot::kBoundSheets, {});
    add(slot::kNames, {});
    add(slot::kSst, {});
    add(rec::kEof, {});
}

Sheet EmptySheet(const std::string& name) {
    Sheet sheet;
    sheet.name = name;
    auto add = [&](uint16_t type, std::string data) {
        sheet.records.push_back({type, std::move(data)});
    };
    add(rec::kBof, BofData(0x0010));
    add(slot::kIndex, {});
    std::string rowHeight;
    PutU16(rowHeight, 0);
    PutU16(rowHeight, 255);
    add(rec::kDefaultRowHeight, rowHeight);
    std::string colWidth;
    PutU16(colWidth, 8);
    add(rec::kDefColWidth, colWidth);
    add(slot::kDimensions, {});
    add(slot::kCells, {});
    add(slot::kMerges, {});
    std::string window2;
    for (uint16_t v : {0x06B6, 0, 0, 64, 0, 0, 0, 0, 0}) PutU16(window2, v);
    add(rec::kWindow2, window2);
    add(rec::kEof, {});
    return sheet;
}

}  // namespace

Workbook NewWorkbook() {
    Workbook book;
    book.fonts.assign(6, Font{});
    AddFormats(book);
    AddGlobals(book);
    book.sheets.push_back(EmptySheet("Sheet1"));
    return book;
}

}  // namespace quillbat::xls
