#include "xls/ClientAnchor.h"

#include <algorithm>
#include <cmath>

#include "xls/ByteIo.h"

namespace quillbat::xls {
namespace {

constexpr int kMaxColumn = 255, kMaxRow = 65535;

long Hmm(double points) { return std::lround(points * 2540.0 / 72.0); }

// The cell with a size whose top or left edge is at the position, or -1.
int CellStartingAt(double points, const SizeOf& sizeOf, int last) {
    constexpr double kOnEdge = 1e-3;  // points; positions are kept in single precision
    double edge = 0;
    for (int i = 0; i <= last && edge < points + kOnEdge; ++i) {
        double size = sizeOf(i);
        if (size > 0 && std::abs(points - edge) < kOnEdge) return i;
        edge += size;
    }
    return -1;
}

// The cell holding a position and the offset into it, in `units` of that cell's size. A
// position on a cell's edge (a range's own Left or Top) starts that cell; others are measured
// in 1/100 mm. Cells without size (hidden rows and columns) hold no position.
void Locate(double points, const SizeOf& sizeOf, int last, int units, uint16_t& cell, uint16_t& offset) {
    if (int first = CellStartingAt(points, sizeOf, last); first >= 0) {
        cell = static_cast<uint16_t>(first);
        offset = 0;
        return;
    }
    long target = Hmm(points), start = 0, size = 0;
    int i = 0;
    for (;; ++i) {
        size = Hmm(sizeOf(i));
        if (i == last || (size > 0 && target < start + size)) break;
        start += size;
    }
    long part = size > 0 ? std::lround(double(target - start) * units / size) : 0;
    if (part >= units && i < last) {  // rounds to the start of the next cell with a size
        part = 0;
        do ++i;
        while (i < last && Hmm(sizeOf(i)) == 0);
    }
    cell = static_cast<uint16_t>(i);
    offset = static_cast<uint16_t>(std::clamp<long>(part, 0, units - 1));
}

double Position(int cell, int offset, int units, const SizeOf& sizeOf) {
    double points = 0;
    for (int i = 0; i < cell; ++i) points += sizeOf(i);
    return points + sizeOf(cell) * offset / units;
}

}  // namespace

ClientAnchor AnchorOfBox(const ShapeBox& box, const SizeOf& columnWidth, const SizeOf& rowHeight) {
    ClientAnchor a;
    Locate(box.left, columnWidth, kMaxColumn, 1024, a.col1, a.dx1);
    Locate(box.top, rowHeight, kMaxRow, 256, a.row1, a.dy1);
    Locate(box.left + box.width, columnWidth, kMaxColumn, 1024, a.col2, a.dx2);
    Locate(box.top + box.height, rowHeight, kMaxRow, 256, a.row2, a.dy2);
    return a;
}

ShapeBox BoxOfAnchor(const ClientAnchor& a, const SizeOf& columnWidth, const SizeOf& rowHeight) {
    ShapeBox box;
    box.left = Position(a.col1, a.dx1, 1024, columnWidth);
    box.top = Position(a.row1, a.dy1, 256, rowHeight);
    box.width = Position(a.col2, a.dx2, 1024, columnWidth) - box.left;
    box.height = Position(a.row2, a.dy2, 256, rowHeight) - box.top;
    return box;
}

std::string AnchorBytes(const ClientAnchor& a) {
    std::string out;
    for (uint16_t v : {a.flags, a.col1, a.dx1, a.row1, a.dy1, a.col2, a.dx2, a.row2, a.dy2}) PutU16(out, v);
    return out;
}

ClientAnchor AnchorFromBytes(std::string_view body) {
    ClientAnchor a;
    uint16_t* fields[] = {&a.flags, &a.col1, &a.dx1, &a.row1, &a.dy1, &a.col2, &a.dx2, &a.row2, &a.dy2};
    for (size_t i = 0; i < 9; ++i) *fields[i] = GetU16At(body, i * 2);
    return a;
}

}  // namespace quillbat::xls
