#pragma once
// The workbook's drawing group (one or more MSODRAWINGGROUP records, each with its CONTINUE
// records): the picture store shared by all sheets and the counts of drawings and shape ids.
// Edits join it into one record, which the writer splits into CONTINUE records.

#include <cstdint>
#include <string>

#include "xls/Workbook.h"

namespace quillbat::xls {

// Adds a PNG picture to the store; `blipIndex` gets its 1-based number. "" or an error text.
std::string AddPngBlip(Workbook& book, const std::string& png, uint32_t& blipIndex);

// Registers a new drawing (one per sheet) and gives its id and its first shape id (the
// group shape's; the shapes that follow take the next ones).
std::string AddDrawing(Workbook& book, uint32_t& drawingId, uint32_t& firstShapeId);

// The next shape id of a drawing whose last id is `lastShapeId`: the one after it, or the
// first of a new range of ids for the drawing when its range is used up. "" or an error text.
std::string TakeShapeId(Workbook& book, uint32_t drawingId, uint32_t lastShapeId, uint32_t& shapeId);

// Number of pictures in the store (0 without a drawing group).
uint32_t BlipCount(const Workbook& book);
// The bytes of picture `blipIndex` (1-based) as an image file (PNG, JPEG, TIFF or bitmap);
// "" when there is no such picture or it is a metafile.
std::string PictureBytes(const Workbook& book, uint32_t blipIndex);

}  // namespace quillbat::xls
