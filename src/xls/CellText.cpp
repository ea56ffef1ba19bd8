#include "xls/CellText.h"

#include "platform/TextFunctions.h"
#include "xls/NumberFormats.h"

namespace quillbat::xls {

namespace {

HAlign GeneralAlignment(ValueKind kind) {
    switch (kind) {
        case ValueKind::Number: return HAlign::Right;
        case ValueKind::Boolean:
        case ValueKind::Error: return HAlign::Center;
        default: return HAlign::Left;
    }
}

}  // namespace

CellText TextOfCell(const Workbook& book, const Cell& cell, const CellStyle& style, bool date1904) {
    CellText out;
    std::string code = FormatCode(book, style.format);
    out.text = FormatValue(cell.value, code, date1904);
    out.isNumber = cell.value.kind == ValueKind::Number;
    out.isGeneral = out.isNumber && EqualsNoCase(code, "General");
    out.number = cell.value.number;
    out.horizontal = style.horizontal == HAlign::General ? GeneralAlignment(cell.value.kind)
                                                         : style.horizontal;
    return out;
}

bool MaySpill(const CellText& text, const CellStyle& style) {
    if (text.isNumber || style.wrap || style.rotation != 0 || style.shrinkToFit) return false;
    switch (text.horizontal) {
        case HAlign::Left:
        case HAlign::Right:
        case HAlign::Center:
        case HAlign::CenterAcross: return true;
        default: return false;
    }
}

}  // namespace quillbat::xls
