#pragma once
// Cell formats (XF records), the colour palette and the fonts: what fills and geometry need.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace quillbat::xls {

constexpr size_t kXfSize = 20;
constexpr size_t kMaxXfs = 4050;
constexpr uint8_t kSolidPattern = 1;
constexpr uint16_t kIcvSystemForeground = 0x40, kIcvSystemBackground = 0x41;

struct Fill {
    uint8_t pattern = 0;  // 0 none, 1 solid
    uint16_t foreground = kIcvSystemForeground;
    uint16_t background = kIcvSystemBackground;
};

Fill XfFill(const std::string& xf);
// A copy of the XF data with another fill; the fill is marked as the cell's own.
std::string XfWithFill(const std::string& xf, const Fill& fill);
uint16_t XfFont(const std::string& xf);

struct Font {
    uint16_t heightTwips = 200;
    std::string name = "Arial";
    bool bold = false, italic = false, strikeout = false;
    uint8_t underline = 0;  // 0 none, 1 single, 2 double, 0x21/0x22 accounting
    uint16_t colorIcv = 0x7FFF;  // 0x7FFF: automatic
};

// The 56 colours of the palette (icv 8..63) as 0xRRGGBB, Excel's defaults to start with.
using Palette = std::array<uint32_t, 56>;
Palette DefaultPalette();

// The colour of an icv as an RGB value 0xRRGGBB; system and automatic colours map to black
// (foreground) and white (background).
uint32_t IcvToRgb(const Palette& palette, uint16_t icv);
// The palette icv nearest to the colour.
uint16_t NearestIcv(const Palette& palette, uint32_t rgb);

// The workbook's formats, with a cache of the fill variants made so far.
class FormatTable {
public:
    std::vector<std::string> xfs;  // XF data, 20 bytes each
    bool changed = false;

    // The index of a cell XF like `base` but with the fill, added when there is none yet;
    // when `base` is a style's XF, the new one is a cell XF that has it as its parent.
    // Returns -1 when the table is full.
    int WithFill(uint16_t base, const Fill& fill);

private:
    std::map<std::string, uint16_t> byData_;
};

// Maximum digit width in pixels of a font, for column widths.
double MaxDigitWidth(const Font& font);

}  // namespace quillbat::xls
