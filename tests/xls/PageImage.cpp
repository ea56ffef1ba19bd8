#include "PageImage.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quillbat::testing {

bool PageImage::Matches(int px, int py, QColor c) const {
    if (!image_.valid(px, py)) return false;
    QColor p = image_.pixelColor(px, py);
    return std::abs(p.red() - c.red()) <= 8 && std::abs(p.green() - c.green()) <= 8 &&
           std::abs(p.blue() - c.blue()) <= 8;
}

bool PageImage::HasInkIn(double left, double top, double right, double bottom) const {
    for (int py = static_cast<int>(std::ceil(top * scale_)); py < bottom * scale_; ++py)
        for (int px = static_cast<int>(std::ceil(left * scale_)); px < right * scale_; ++px)
            if (image_.valid(px, py) && image_.pixelColor(px, py).lightness() < 128) return true;
    return false;
}

PageImage::Extent PageImage::Run(int length, const std::function<bool(int)>& has) const {
    int first = -1, last = -1;
    for (int i = 0; i < length; ++i)
        if (has(i)) last = i, first = first < 0 ? i : first;
    if (first < 0) return std::nullopt;
    return std::make_pair(first / scale_, (last + 1) / scale_);
}

int PageImage::LongestRun(int length, const std::function<bool(int)>& has) {
    int longest = 0;
    for (int i = 0, run = 0; i < length; ++i) longest = std::max(longest, run = has(i) ? run + 1 : 0);
    return longest;
}

QRectF PageImage::Bounds(QColor colour) const {
    const int solid = Pixel(10);
    auto rows = Run(image_.height(), [&](int py) {
        return LongestRun(image_.width(), [&](int px) { return Matches(px, py, colour); }) >= solid;
    });
    auto columns = Run(image_.width(), [&](int px) {
        return LongestRun(image_.height(), [&](int py) { return Matches(px, py, colour); }) >= solid;
    });
    if (!rows || !columns) return {};
    return QRectF(QPointF(columns->first, rows->first), QPointF(columns->second, rows->second));
}

}  // namespace quillbat::testing
