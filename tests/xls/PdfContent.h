#pragma once
// Reading what a PDF page draws, enough to compare layouts: the inflated content streams, and
// a small interpreter of a content stream's graphics state (q, Q, cm), fill colours (rg, g,
// sc, scn), paths (re, m, l) and the operators that fill them or draw an image (Do). Boxes are
// in the page's default space: points, origin bottom left.

#include <QColor>
#include <QRectF>
#include <string>
#include <vector>

namespace quillbat::testing {

// Every FlateDecode stream of the file, inflated, in file order.
std::vector<std::string> InflatedStreams(const std::string& pdf);

struct PdfFill {
    QColor colour;
    QRectF box;  // the bounding box of the filled path
};

struct PdfDrawing {
    std::vector<PdfFill> fills;
    std::vector<QRectF> images;
};
PdfDrawing InterpretContent(const std::string& content);

// The page height of the first MediaBox in the file, 0 when there is none.
double PageHeight(const std::string& pdf);
// A box of the page's default space measured from the top instead.
QRectF FromTop(const QRectF& box, double pageHeight);

}  // namespace quillbat::testing
