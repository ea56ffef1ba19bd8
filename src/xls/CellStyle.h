#pragma once
// How a cell looks, decoded from its XF record: font, number format, alignment, wrapping,
// rotation, borders and fill.

#include <cstdint>
#include <string>

#include "xls/Formats.h"

namespace quillbat::xls {

enum class HAlign : uint8_t { General, Left, Center, Right, Fill, Justify, CenterAcross, Distributed };
enum class VAlign : uint8_t { Top, Center, Bottom, Justify, Distributed };

// Line styles as the file numbers them.
enum class LineStyle : uint8_t {
    None, Thin, Medium, Dashed, Dotted, Thick, Double, Hair, MediumDashed, DashDot,
    MediumDashDot, DashDotDot, MediumDashDotDot, SlantedDashDot
};

struct BorderLine {
    LineStyle style = LineStyle::None;
    uint16_t icv = kIcvSystemForeground;
};

struct CellStyle {
    uint16_t font = 0;
    uint16_t format = 0;
    HAlign horizontal = HAlign::General;
    VAlign vertical = VAlign::Bottom;
    bool wrap = false;
    bool shrinkToFit = false;
    uint8_t indent = 0;    // in steps of three character widths
    uint8_t rotation = 0;  // 0-90 up, 91-180 down (90 + degrees), 255 letters stacked
    BorderLine left, right, top, bottom;
    Fill fill;
};

CellStyle DecodeXf(const std::string& xf);

}  // namespace quillbat::xls
