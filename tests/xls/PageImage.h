#pragma once
// Looking at rendered pages: colours at points given in paper points, and the box a colour
// fills on the page.

#include <QImage>
#include <QRectF>
#include <functional>
#include <optional>
#include <utility>

namespace quillbat::testing {

// A page image with its resolution, addressed in paper points.
class PageImage {
public:
    PageImage(QImage image, double dpi) : image_(std::move(image)), scale_(dpi / 72.0) {}

    // True when the colour at the point is within 8 of `colour` on each channel.
    bool Is(double x, double y, QColor colour) const { return Matches(Pixel(x), Pixel(y), colour); }
    // True when some pixel of the box (points) is darker than mid grey.
    bool HasInkIn(double left, double top, double right, double bottom) const;
    // The box (points) of the colour's solid areas: the rows and columns that hold a run of it
    // at least 10 points long, so that the anti-aliased edges of text, which touch the colour
    // here and there, do not count. Empty when there is none.
    QRectF Bounds(QColor colour) const;

private:
    using Extent = std::optional<std::pair<double, double>>;
    int Pixel(double points) const { return static_cast<int>(points * scale_); }
    bool Matches(int px, int py, QColor colour) const;
    // The first and last of `length` pixels along a line for which `has` holds.
    Extent Run(int length, const std::function<bool(int)>& has) const;
    // The longest run of pixels along a line for which `has` holds.
    static int LongestRun(int length, const std::function<bool(int)>& has);
    QImage image_;
    double scale_;
};

}  // namespace quillbat::testing
