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

std::optional<std::pair<double, double>> PageImage::RunAcross(double y, QColor colour) const {
    int py = static_cast<int>(y * scale_), first = -1, last = -1;
    for (int px = 0; px < image_.width(); ++px)
        if (Matches(px, py, colour, 8)) {
            if (first < 0) first = px;
            last = px;
        }
    if (first < 0) return std::nullopt;
    return std::make_pair(first / scale_, (last + 1) / scale_);
}

std::optional<std::pair<double, double>> PageImage::RunDown(double x, QColor colour) const {
    int px = static_cast<int>(x * scale_), first = -1, last = -1;
    for (int py = 0; py < image_.height(); ++py)
        if (Matches(px, py, colour, 8)) {
            if (first < 0) first = py;
            last = py;
        }
    if (first < 0) return std::nullopt;
    return std::make_pair(first / scale_, (last + 1) / scale_);
}

}  // namespace quillbat::testing
