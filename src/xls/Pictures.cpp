#include "xls/Pictures.h"

#include "xls/DrawingGroup.h"
#include "xls/Geometry.h"
#include "xls/ImageConversion.h"
#include "xls/SheetDrawing.h"

namespace quillbat::xls {
namespace {

SizeOf ColumnWidths(const Workbook& book, const Sheet& sheet) {
    return [&](int col) { return ColumnWidthPoints(book, sheet, col); };
}

SizeOf RowHeights(const Sheet& sheet) {
    return [&](int row) { return RowHeightPoints(sheet, row); };
}

}  // namespace

std::string AddPicture(Workbook& book, int sheet, const std::string& path, const ShapeBox& box,
                       uint32_t& shapeId) {
    if (sheet < 0 || sheet >= static_cast<int>(book.sheets.size()) ||
        !book.sheets[sheet].isWorksheet)
        return "There is no such worksheet.";
    if (box.width < 0 || box.height < 0) return "A picture cannot have a negative size.";
    PngImage png;
    std::string error = LoadPictureAsPng(path, png);
    uint32_t blipIndex = 0;
    if (error.empty()) error = AddPngBlip(book, png.bytes, blipIndex);
    if (!error.empty()) return error;
    ClientAnchor anchor = AnchorOnSheet(book, book.sheets[sheet], box);
    return AddPictureShape(book, sheet, blipIndex, anchor, shapeId);
}

ClientAnchor AnchorOnSheet(const Workbook& book, const Sheet& sheet, const ShapeBox& box) {
    return AnchorOfBox(box, ColumnWidths(book, sheet), RowHeights(sheet));
}

bool ShapeBoxOf(const Workbook& book, const Sheet& sheet, uint32_t shapeId, ShapeBox& out) {
    for (const ShapeAnchor& shape : ShapeAnchors(sheet)) {
        if (shape.shapeId != shapeId) continue;
        out = BoxOfAnchor(shape.anchor, ColumnWidths(book, sheet), RowHeights(sheet));
        return true;
    }
    return false;
}

bool SetShapeBox(const Workbook& book, Sheet& sheet, uint32_t shapeId, const ShapeBox& box) {
    return SetShapeAnchor(sheet, shapeId, AnchorOnSheet(book, sheet, box));
}

}  // namespace quillbat::xls
