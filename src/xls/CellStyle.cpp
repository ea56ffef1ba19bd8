#include "xls/CellStyle.h"

#include "xls/ByteIo.h"

namespace quillbat::xls {
namespace {

LineStyle LineStyleOf(uint32_t bits) {
    return bits <= static_cast<uint32_t>(LineStyle::SlantedDashDot) ? static_cast<LineStyle>(bits)
                                                                    : LineStyle::Thin;
}

uint8_t Bits(uint32_t value, int shift, int count) {
    return static_cast<uint8_t>((value >> shift) & ((1u << count) - 1));
}

}  // namespace

CellStyle DecodeXf(const std::string& xf) {
    CellStyle s;
    s.font = GetU16At(xf, 0);
    s.format = GetU16At(xf, 2);
    uint16_t alignment = GetU16At(xf, 6);
    s.horizontal = static_cast<HAlign>(Bits(alignment, 0, 3));
    s.wrap = alignment & 0x0008;
    uint8_t vertical = Bits(alignment, 4, 3);
    s.vertical = vertical <= 4 ? static_cast<VAlign>(vertical) : VAlign::Bottom;
    s.rotation = Bits(alignment, 8, 8);
    uint16_t indentation = GetU16At(xf, 8);
    s.indent = Bits(indentation, 0, 4);
    s.shrinkToFit = indentation & 0x0010;
    uint32_t sides = GetU32At(xf, 10);
    uint32_t more = GetU32At(xf, 14);
    s.left = {LineStyleOf(Bits(sides, 0, 4)), Bits(sides, 16, 7)};
    s.right = {LineStyleOf(Bits(sides, 4, 4)), Bits(sides, 23, 7)};
    s.top = {LineStyleOf(Bits(sides, 8, 4)), Bits(more, 0, 7)};
    s.bottom = {LineStyleOf(Bits(sides, 12, 4)), Bits(more, 7, 7)};
    s.fill = XfFill(xf);
    return s;
}

}  // namespace quillbat::xls
