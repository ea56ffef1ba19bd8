#pragma once
// Looking at rendered pages: colours at points given in paper points, and the extent of a
// colour along a line.

#include <QImage>
#include <functional>
#include <optional>
#include <utility>

namespace quillbat::testing {

// A page image with its resolution, addressed in paper points.
class PageImage {
public:
    PageImage(QImage image, double dpi) : image_(std::move(image)), scale_(dpi / 72.0) {}

    QColor At(double x, double y) const;
    // True when the colour is within `tolerance` on each channel.
    bool Is(double x, double y, QColor colour, int tolerance = 8) const;
    // True when some pixel of the box (points) is darker than mid grey.
    bool HasInkIn(double left, double top, double right, double bottom) const;
    // The first and last point of the row at `y` (or column at `x`) that has the colour,
    // nullopt when none does.
    std::optional<std::pair<double, double>> RunAcross(double y, QColor colour) const;
    std::optional<std::pair<double, double>> RunDown(double x, QColor colour) const;

private:
    bool Matches(int px, int py, QColor colour, int tolerance) const;
    // The first and last of `length` pixels along a line for which `has` holds.
    std::optional<std::pair<double, double>> Run(int length, const std::function<bool(int)>& has) const;
    QImage image_;
    double scale_;
};

}  // namespace quillbat::testing
