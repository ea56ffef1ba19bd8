#pragma once
// A sheet's drawing: the MSODRAWING records (one stream of drawing records split across them,
// each shape's followed by its OBJ record) and the shapes' anchors in it.

#include <cstdint>
#include <string>
#include <vector>

#include "xls/ClientAnchor.h"
#include "xls/Workbook.h"

namespace quillbat::xls {

struct ShapeAnchor {
    uint32_t shapeId = 0;
    ClientAnchor anchor;
    uint32_t blipIndex = 0;  // the picture of a picture frame (1-based), 0 for other shapes
};

// Every shape of the sheet that is anchored to its cells, in drawing order.
std::vector<ShapeAnchor> ShapeAnchors(const Sheet& sheet);
// Replaces a shape's anchor; false when the sheet has no such shape.
bool SetShapeAnchor(Sheet& sheet, uint32_t shapeId, const ClientAnchor& anchor);

// Adds a picture frame showing picture `blipIndex` of the drawing group at the anchor,
// starting the sheet's drawing when it has none. "" or an error text.
std::string AddPictureShape(Workbook& book, int sheet, uint32_t blipIndex,
                            const ClientAnchor& anchor, uint32_t& shapeId);

// Moves the shapes below deleted cells up with the cells: those that lie within the deleted
// columns, unless their anchor says they do not move with cells. A corner inside the deleted
// rows goes to the top of the first row after them.
void MoveShapesUp(Sheet& sheet, const CellRange& deleted);

}  // namespace quillbat::xls
