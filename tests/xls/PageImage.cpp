#include "PageImage.h"

#include <cmath>
#include <cstdlib>

namespace quillbat::testing {

QColor PageImage::At(double x, double y) const {
    return image_.pixelColor(static_cast<int>(x * scale_), static_cast<int>(y * scale_));
}

bool PageImage::Matches(int px, int py, QColor c, int tolerance) const {
    if (!image_.valid(px, py)) return false;
    QColor p = image_.pixelColor(px, py);
    return std::abs(p.red() - c.red()) <= tolerance && std::abs(p.green() - c.green()) <= tolerance &&
           std::abs(p.blue() - c.blue()) <= tolerance;
}

bool PageImage::Is(double x, double y, QColor colour, int tolerance) const {
    return Matches(static_cast<int>(x * scale_), static_cast<int>(y * scale_), colour, tolerance);
}

bool PageImage::HasInkIn(double left, double top, double right, double bottom) const {
    for (int py = static_cast<int>(std::ceil(top * scale_)); py < bottom * scale_; ++py)
        for (int px = static_cast<int>(std::ceil(left * scale_)); px < right * scale_; ++px)
            if (image_.valid(px, py) && image_.pixelColor(px, py).lightness() < 128) return true;
    return false;
}

std::optional<std::pair<double, double>> PageImage::Run(int length, const std::function<bool(int)>& has) const {
    int first = -1, last = -1;
    for (int i = 0; i < length; ++i) {
        if (!has(i)) continue;
        if (first < 0) first = i;
        last = i;
    }
    if (first < 0) return std::nullopt;
    return std::make_pair(first / scale_, (last + 1) / scale_);
}

std::optional<std::pair<double, double>> PageImage::RunAcross(double y, QColor colour) const {
    int py = static_cast<int>(y * scale_);
    return Run(image_.width(), [&](int px) { return Matches(px, py, colour, 8); });
}

std::optional<std::pair<double, double>> PageImage::RunDown(double x, QColor colour) const {
    int px = static_cast<int>(x * scale_);
    return Run(image_.height(), [&](int py) { return Matches(px, py, colour, 8); });
}

}  // namespace quillbat::testing
