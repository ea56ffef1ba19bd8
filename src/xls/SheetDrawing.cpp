#include "xls/SheetDrawing.h"

#include "xls/ByteIo.h"
#include "xls/DrawingGroup.h"
#include "xls/OfficeArt.h"

namespace quillbat::xls {
namespace {

constexpr uint16_t kTxo = 0x01B6;
constexpr uint16_t kPictureFrame = 75;
constexpr uint32_t kShapeHasAnchorAndType = 0x0A00, kShapeIsPatriarchGroup = 0x0005;

// The sheet's MSODRAWING data as one stream, with the record each piece came from. Records
// of embedded substreams (charts between their own BOF and EOF) are not the sheet's.
struct DrawingStream {
    struct Piece {
        size_t record, start;
    };
    std::string bytes;
    std::vector<Piece> pieces;
};

template <typename F>
void ForSheetLevelRecords(const Sheet& sheet, F visit) {
    int depth = 0;
    for (size_t i = 0; i < sheet.records.size(); ++i) {
        uint16_t type = sheet.records[i].type;
        if (type == rec::kBof) ++depth;
        if (depth <= 1) visit(i);
        if (type == rec::kEof) --depth;
    }
}

DrawingStream CollectDrawing(const Sheet& sheet) {
    DrawingStream s;
    ForSheetLevelRecords(sheet, [&](size_t i) {
        if (sheet.records[i].type != rec::kMsoDrawing) return;
        s.pieces.push_back({i, s.bytes.size()});
        s.bytes += sheet.records[i].data;
    });
    return s;
}

// Copies stream bytes [pos, pos + n) back into the records they belong to.
void WriteBack(Sheet& sheet, const DrawingStream& s, size_t pos, size_t n) {
    for (size_t i = 0; i < s.pieces.size(); ++i) {
        std::string& data = sheet.records[s.pieces[i].record].data;
        size_t start = s.pieces[i].start, end = start + data.size();
        for (size_t p = std::max(pos, start); p < std::min(pos + n, end); ++p) data[p - start] = s.bytes[p];
    }
}

struct AnchorPlace {
    uint32_t shapeId;
    size_t at;  // of the anchor's body in the stream
    uint32_t blipIndex;  // the picture a picture frame shows, 0 for other shapes
};

constexpr uint16_t kPropertyPictureIndex = 0x0104;

// The picture index among a shape's properties (an FOPT body), or 0.
uint32_t PictureIndexOf(std::string_view bytes, size_t body, const art::Header& fopt) {
    for (size_t i = 0; i < fopt.instance && (i + 1) * 6 <= fopt.length; ++i) {
        uint16_t id = GetU16At(bytes, body + i * 6);
        if ((id & 0x3FFF) == kPropertyPictureIndex) return GetU32At(bytes, body + i * 6 + 2);
    }
    return 0;
}

std::vector<AnchorPlace> AnchorPlaces(const DrawingStream& s) {
    std::vector<AnchorPlace> out;
    uint32_t shapeId = 0, blipIndex = 0;
    art::Walk(s.bytes, 0, s.bytes.size(), [&](const art::Header& h, size_t pos) {
        if (h.type == art::kSpContainer) shapeId = blipIndex = 0;
        if (h.type == art::kFsp) shapeId = GetU32At(s.bytes, pos + art::kHeaderSize);
        if (h.type == art::kFopt) blipIndex = PictureIndexOf(s.bytes, pos + art::kHeaderSize, h);
        if (h.type == art::kClientAnchor && h.length >= 18 && shapeId)
            out.push_back({shapeId, pos + art::kHeaderSize, blipIndex});
    });
    return out;
}

std::string Fsp(uint16_t instance, uint32_t shapeId, uint32_t flags) {
    std::string body;
    PutU32(body, shapeId);
    PutU32(body, flags);
    return art::MakeRecord(2, instance, art::kFsp, body);
}

std::string PictureShape(uint32_t shapeId, uint32_t blipIndex, const ClientAnchor& anchor) {
    std::string opt;
    // The picture (a blip store index), its aspect ratio locked.
    for (auto [id, value] : {std::pair<uint16_t, uint32_t>{0x007F, 0x00800080}, {0x4104, blipIndex}}) {
        PutU16(opt, id);
        PutU32(opt, value);
    }
    std::string body = Fsp(kPictureFrame, shapeId, kShapeHasAnchorAndType) +
                       art::MakeRecord(3, 2, art::kFopt, opt) +
                       art::MakeRecord(0, 0, art::kClientAnchor, AnchorBytes(anchor)) +
                       art::MakeRecord(0, 0, art::kClientData, "");
    return art::MakeRecord(0xF, 0, art::kSpContainer, body);
}

std::string PatriarchShape(uint32_t shapeId) {
    std::string body =
        art::MakeRecord(1, 0, art::kFspgr, std::string(16, '\0')) + Fsp(0, shapeId, kShapeIsPatriarchGroup);
    return art::MakeRecord(0xF, 0, art::kSpContainer, body);
}

// The OBJ record of a picture: common data, clipboard format, picture options, end.
Record PictureObj(uint16_t objectId) {
    std::string d;
    for (uint16_t v : {0x15, 0x12, 8}) PutU16(d, v);
    PutU16(d, objectId);
    PutU16(d, 0x6011);  // locked, printed, automatic fill and line
    d.append(12, '\0');
    for (uint16_t v : {0x07, 0x02, 0xFFFF, 0x08, 0x02, 0x0001, 0x00, 0x00}) PutU16(d, v);
    return {rec::kObj, d};
}

uint16_t NextObjectId(const Sheet& sheet) {
    uint16_t last = 0;
    ForSheetLevelRecords(sheet, [&](size_t i) {
        const Record& r = sheet.records[i];
        if (r.type == rec::kObj && GetU16At(r.data, 0) == 0x15) last = std::max(last, GetU16At(r.data, 6));
    });
    return static_cast<uint16_t>(last + 1);
}

std::string StartDrawing(Workbook& book, Sheet& sheet, uint32_t blipIndex, const ClientAnchor& anchor,
                         uint32_t& shapeId) {
    uint32_t drawingId = 0, groupId = 0;
    std::string error = AddDrawing(book, drawingId, groupId);
    if (error.empty()) error = TakeShapeId(book, drawingId, groupId, shapeId);
    if (!error.empty()) return error;
    std::string fdg;
    PutU32(fdg, 2);
    PutU32(fdg, shapeId);
    std::string spgr = art::MakeRecord(0xF, 0, art::kSpgrContainer,
                                       PatriarchShape(groupId) + PictureShape(shapeId, blipIndex, anchor));
    std::string dg =
        art::MakeRecord(0xF, 0, art::kDgContainer, art::MakeRecord(0, drawingId, art::kFdg, fdg) + spgr);
    uint16_t objectId = NextObjectId(sheet);
    sheet.InsertBefore({rec::kWindow2}, {rec::kMsoDrawing, dg});
    sheet.InsertBefore({rec::kWindow2}, PictureObj(objectId));
    return "";
}

// The index after record i and the OBJ, TXO and CONTINUE records (and embedded charts) that
// follow it.
size_t AfterFollowers(const Sheet& sheet, size_t i) {
    int depth = 0;
    for (++i; i < sheet.records.size(); ++i) {
        uint16_t type = sheet.records[i].type;
        if (type == rec::kBof) ++depth;
        bool follower = type == rec::kObj || type == kTxo || type == rec::kContinue;
        if (depth == 0 && !follower) break;
        if (type == rec::kEof && depth > 0) --depth;
    }
    return i;
}

// Where a record for a new shape goes: before the piece that starts at `end`, or after the
// last piece and the records that follow it.
std::optional<size_t> InsertionIndex(const Sheet& sheet, const DrawingStream& s, size_t end) {
    for (const auto& piece : s.pieces)
        if (piece.start == end) return piece.record;
    if (end != s.bytes.size()) return std::nullopt;
    return AfterFollowers(sheet, s.pieces.back().record);
}

// Cuts the piece holding stream position `at` (inside it) in two. The second part, which
// holds no shape of its own (the records after the shape group, such as a solver container),
// goes after the OBJ and TXO records of the first. False when no piece holds `at`.
bool SplitPieceAt(Sheet& sheet, const DrawingStream& s, size_t at) {
    for (const auto& piece : s.pieces) {
        std::string& data = sheet.records[piece.record].data;
        if (at <= piece.start || at >= piece.start + data.size()) continue;
        Record rest{rec::kMsoDrawing, data.substr(at - piece.start)};
        data.resize(at - piece.start);
        sheet.records.insert(sheet.records.begin() + AfterFollowers(sheet, piece.record), std::move(rest));
        return true;
    }
    return false;
}

std::string ExtendDrawing(Workbook& book, Sheet& sheet, DrawingStream& s, uint32_t blipIndex,
                          const ClientAnchor& anchor, uint32_t& shapeId) {
    const char* damaged = "The sheet's drawing is damaged.";
    art::Header dg, fdg, child;
    if (!art::ReadHeader(s.bytes, 0, dg) || dg.type != art::kDgContainer ||
        !art::ReadHeader(s.bytes, art::kHeaderSize, fdg) || fdg.type != art::kFdg)
        return damaged;
    size_t fdgBody = 2 * art::kHeaderSize, spgr = fdgBody + fdg.length;
    while (art::ReadHeader(s.bytes, spgr, child) && child.type != art::kSpgrContainer)
        spgr += art::kHeaderSize + child.length;
    if (child.type != art::kSpgrContainer) return damaged;
    size_t groupEnd = spgr + art::kHeaderSize + child.length;
    auto at = InsertionIndex(sheet, s, groupEnd);
    if (!at && SplitPieceAt(sheet, s, groupEnd)) {
        s = CollectDrawing(sheet);
        at = InsertionIndex(sheet, s, groupEnd);
    }
    if (!at) return damaged;
    std::string error = TakeShapeId(book, fdg.instance, GetU32At(s.bytes, fdgBody + 4), shapeId);
    if (!error.empty()) return error;
    std::string shape = PictureShape(shapeId, blipIndex, anchor);
    auto grow = [&](size_t pos, uint32_t by) { SetU32At(s.bytes, pos, GetU32At(s.bytes, pos) + by); };
    grow(4, static_cast<uint32_t>(shape.size()));
    grow(spgr + 4, static_cast<uint32_t>(shape.size()));
    grow(fdgBody, 1);
    SetU32At(s.bytes, fdgBody + 4, shapeId);
    WriteBack(sheet, s, 0, spgr + art::kHeaderSize);
    Record obj = PictureObj(NextObjectId(sheet));
    auto it = sheet.records.insert(sheet.records.begin() + *at, {rec::kMsoDrawing, shape});
    sheet.records.insert(it + 1, std::move(obj));
    return "";
}

uint16_t RowAfterDeletion(uint16_t row, uint16_t& offset, const CellRange& d) {
    if (row > d.lastRow) return static_cast<uint16_t>(row - d.Rows());
    if (row < d.firstRow) return row;
    offset = 0;
    return static_cast<uint16_t>(d.firstRow);
}

}  // namespace

std::vector<ShapeAnchor> ShapeAnchors(const Sheet& sheet) {
    DrawingStream s = CollectDrawing(sheet);
    std::vector<ShapeAnchor> out;
    for (const AnchorPlace& p : AnchorPlaces(s))
        out.push_back({p.shapeId, AnchorFromBytes(std::string_view(s.bytes).substr(p.at, 18)), p.blipIndex});
    return out;
}

bool SetShapeAnchor(Sheet& sheet, uint32_t shapeId, const ClientAnchor& anchor) {
    DrawingStream s = CollectDrawing(sheet);
    for (const AnchorPlace& p : AnchorPlaces(s)) {
        if (p.shapeId != shapeId) continue;
        s.bytes.replace(p.at, 18, AnchorBytes(anchor));
        WriteBack(sheet, s, p.at, 18);
        return true;
    }
    return false;
}

std::string AddPictureShape(Workbook& book, int sheetIndex, uint32_t blipIndex, const ClientAnchor& anchor,
                            uint32_t& shapeId) {
    if (sheetIndex < 0 || sheetIndex >= static_cast<int>(book.sheets.size()))
        return "There is no such sheet.";
    Sheet& sheet = book.sheets[sheetIndex];
    DrawingStream s = CollectDrawing(sheet);
    if (s.pieces.empty()) return StartDrawing(book, sheet, blipIndex, anchor, shapeId);
    return ExtendDrawing(book, sheet, s, blipIndex, anchor, shapeId);
}

void MoveShapesUp(Sheet& sheet, const CellRange& d) {
    bool wholeRows = d.firstCol == 0 && d.lastCol >= 255;
    constexpr uint16_t kStaysWhenCellsMove = 0x0001;
    for (ShapeAnchor shape : ShapeAnchors(sheet)) {
        ClientAnchor& a = shape.anchor;
        bool inColumns = a.col1 >= d.firstCol && a.col2 <= d.lastCol;
        if ((a.flags & kStaysWhenCellsMove) || !(wholeRows || inColumns)) continue;
        if (a.row2 < d.firstRow) continue;
        a.row1 = RowAfterDeletion(a.row1, a.dy1, d);
        a.row2 = RowAfterDeletion(a.row2, a.dy2, d);
        SetShapeAnchor(sheet, shape.shapeId, a);
    }
}

}  // namespace quillbat::xls
