#pragma once
// Pictures on a worksheet: adding one from a file at a box given in points, and reading or
// moving a shape's box.

#include <cstdint>
#include <string>

#include "xls/ClientAnchor.h"
#include "xls/Workbook.h"

namespace quillbat::xls {

// Stores the file's picture (as PNG) in the workbook and places it over the box.
// "" or an error text (a missing, empty or unreadable file among them).
std::string AddPicture(Workbook& book, int sheet, const std::string& path, const ShapeBox& box,
                       uint32_t& shapeId);

// The anchor a box has on this sheet, from its column widths and row heights.
ClientAnchor AnchorOnSheet(const Workbook& book, const Sheet& sheet, const ShapeBox& box);
// The box of a shape; false when the sheet has no such shape.
bool ShapeBoxOf(const Workbook& book, const Sheet& sheet, uint32_t shapeId, ShapeBox& out);
// Moves or sizes a shape; false when the sheet has no such shape.
bool SetShapeBox(const Workbook& book, Sheet& sheet, uint32_t shapeId, const ShapeBox& box);

}  // namespace quillbat::xls
