#pragma once
// Reading what a PDF page draws, enough to compare layouts: the inflated content streams,
// the rectangles filled in a colour ("r g b rg" then "x y w h re f") and the boxes images
// are drawn in ("a 0 0 d e f cm /Im Do"). Boxes are in PDF points, origin bottom left.

#include <QColor>
#include <QRectF>
#include <string>
#include <vector>

namespace quillbat::testing {

// Every FlateDecode stream of the file, inflated, in file order.
std::vector<std::string> InflatedStreams(const std::string& pdf);

struct PdfFill {
    QColor colour;
    QRectF box;
};
std::vector<PdfFill> FilledRectangles(const std::string& content);
std::vector<QRectF> ImageBoxes(const std::string& content);

}  // namespace quillbat::testing
