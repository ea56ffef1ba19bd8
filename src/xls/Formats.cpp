#include "xls/Formats.h"

#include <algorithm>
#include <cmath>

#include "platform/TextFunctions.h"
#include "xls/ByteIo.h"

namespace quillbat::xls {

Fill XfFill(const std::string& xf) {
    Fill fill;
    fill.pattern = static_cast<uint8_t>(GetU32At(xf, 14) >> 26);
    uint16_t colours = GetU16At(xf, 18);
    fill.foreground = colours & 0x7F;
    fill.background = (colours >> 7) & 0x7F;
    return fill;
}

std::string XfWithFill(const std::string& xf, const Fill& fill) {
    std::string out = xf;
    out.resize(kXfSize, '\0');
    uint32_t dword = GetU32At(out, 14);
    dword = (dword & 0x03FFFFFF) | (static_cast<uint32_t>(fill.pattern & 0x3F) << 26);
    SetU32At(out, 14, dword);
    uint16_t colours = GetU16At(out, 18);
    colours = static_cast<uint16_t>((colours & 0xC000) | (fill.foreground & 0x7F) |
                                    ((fill.background & 0x7F) << 7));
    SetU16At(out, 18, colours);
    out[9] = static_cast<char>(static_cast<uint8_t>(out[9]) | 0x40);  // fill attribute is own
    return out;
}

uint16_t XfFont(const std::string& xf) { return GetU16At(xf, 0); }

Palette DefaultPalette() {
    return {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
            0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,
            0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,
            0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,
            0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
            0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,
            0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333};
}

uint32_t IcvToRgb(const Palette& palette, uint16_t icv) {
    static const uint32_t kBuiltIn[8] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00,
                                         0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF};
    if (icv < 8) return kBuiltIn[icv];
    if (icv < 64) return palette[icv - 8];
    return icv == kIcvSystemForeground ? 0x000000 : 0xFFFFFF;
}

uint16_t NearestIcv(const Palette& palette, uint32_t rgb) {
    auto channel = [](uint32_t c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
    uint16_t best = 8;
    long bestDistance = -1;
    for (uint16_t i = 0; i < palette.size(); ++i) {
        long distance = 0;
        for (int shift : {0, 8, 16}) {
            long d = channel(palette[i], shift) - channel(rgb, shift);
            distance += d * d;
        }
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<uint16_t>(i + 8);
        }
    }
    return best;
}

namespace {

constexpr uint16_t kStyleXf = 0x0004;
constexpr uint8_t kAllAttributesOwn = 0xFC;

// A cell format with every attribute of the style format `index`, which is its parent.
std::string CellXfOfStyle(const std::string& style, uint16_t index) {
    std::string out = style;
    uint16_t protection = GetU16At(out, 4);
    SetU16At(out, 4, static_cast<uint16_t>((protection & 0x000B) | (index << 4)));
    out[9] = static_cast<char>(static_cast<uint8_t>(out[9]) | kAllAttributesOwn);
    return out;
}

}  // namespace

int FormatTable::WithFill(uint16_t base, const Fill& fill) {
    if (base >= xfs.size()) base = xfs.size() > 15 ? 15 : 0;
    if (xfs.empty()) return -1;
    // A cell may point at a style's format (some writers do); the fill goes on a cell format.
    bool style = GetU16At(xfs[base], 4) & kStyleXf;
    std::string wanted = XfWithFill(style ? CellXfOfStyle(xfs[base], base) : xfs[base], fill);
    if (wanted == xfs[base]) return base;
    if (byData_.empty()) {
        for (size_t i = 0; i < xfs.size(); ++i) byData_.emplace(xfs[i], static_cast<uint16_t>(i));
    }
    auto found = byData_.find(wanted);
    if (found != byData_.end()) return found->second;
    if (xfs.size() >= kMaxXfs) return -1;
    xfs.push_back(wanted);
    changed = true;
    byData_.emplace(wanted, static_cast<uint16_t>(xfs.size() - 1));
    return static_cast<int>(xfs.size() - 1);
}

double MaxDigitWidth(const Font& font) {
    // Digit width as a share of the font's pixel height at 96 dpi, for common families.
    std::string name = ToLower(font.name);
    double share = 0.5527;  // Arial, Liberation Sans, Helvetica: 7 px at 10 pt
    if (name.find("calibri") != std::string::npos)
        share = 0.4773;
    else if (name.find("dejavu") != std::string::npos)
        share = 0.6363;
    else if (name.find("times") != std::string::npos)
        share = 0.5;
    else if (name.find("courier") != std::string::npos)
        share = 0.6;
    double pixels = font.heightTwips / 20.0 * 96.0 / 72.0;
    return std::max(1.0, std::round(pixels * share));
}

}  // namespace quillbat::xls
