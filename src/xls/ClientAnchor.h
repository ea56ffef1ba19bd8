#pragma once
// Where a shape sits on a sheet: the cells of its top-left and bottom-right corners with
// offsets in 1/1024 of the column's width and 1/256 of the row's height.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quillbat::xls {

struct ClientAnchor {
    uint16_t flags = 0;
    uint16_t col1 = 0, dx1 = 0, row1 = 0, dy1 = 0, col2 = 0, dx2 = 0, row2 = 0, dy2 = 0;
    bool operator==(const ClientAnchor&) const = default;
};

struct ShapeBox {
    double left = 0, top = 0, width = 0, height = 0;  // points
};

// Column width or row height in points, by 0-based number.
using SizeOf = std::function<double(int)>;

// The anchor of a box given in points. A corner on a cell's edge starts that cell; other
// positions are taken in 1/100 mm, as LibreOffice does, so that our anchors are the ones it
// writes for the same box. Hidden rows and columns never hold a corner.
ClientAnchor AnchorOfBox(const ShapeBox& box, const SizeOf& columnWidth, const SizeOf& rowHeight);
// The box an anchor covers, in points.
ShapeBox BoxOfAnchor(const ClientAnchor& anchor, const SizeOf& columnWidth, const SizeOf& rowHeight);

// The 18-byte body of a ClientAnchor record, and back.
std::string AnchorBytes(const ClientAnchor& anchor);
ClientAnchor AnchorFromBytes(std::string_view body);

}  // namespace quillbat::xls
