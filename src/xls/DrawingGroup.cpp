#include "xls/DrawingGroup.h"

#include <QCryptographicHash>
#include <algorithm>
#include <optional>
#include <vector>

#include "xls/ByteIo.h"
#include "xls/OfficeArt.h"

namespace quillbat::xls {
namespace {

constexpr uint8_t kBlipTypePng = 6;
constexpr uint16_t kPngBlipInstance = 0x6E0;
constexpr size_t kFbseFixedSize = 36, kFidclsAt = 16;

// The top-level records of a container's body.
std::vector<std::string> Children(std::string_view data, size_t begin, size_t end) {
    std::vector<std::string> out;
    art::Header h;
    for (size_t pos = begin; pos < end && art::ReadHeader(data, pos, h);) {
        size_t next = pos + art::kHeaderSize + h.length;
        if (next > end) break;
        out.emplace_back(data.substr(pos, next - pos));
        pos = next;
    }
    return out;
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& p : parts) out += p;
    return out;
}

uint16_t TypeOf(const std::string& record) { return GetU16At(record, 2); }

// The records that hold the drawing group: the first MSODRAWINGGROUP and the MSODRAWINGGROUP
// and CONTINUE records right after it (a large picture store takes several of each).
template <typename Book>  // a Workbook, const or not
auto GroupRecords(Book& book) {
    auto& globals = book.globals;
    auto begin = std::find_if(globals.begin(), globals.end(),
                              [](const Record& r) { return r.type == rec::kMsoDrawingGroup; });
    auto end = begin == globals.end() ? begin : begin + 1;
    while (end != globals.end() && (end->type == rec::kMsoDrawingGroup || end->type == rec::kContinue)) ++end;
    return std::pair{begin, end};
}

template <typename It>
std::string JoinedData(It begin, It end) {
    std::string data;
    for (It it = begin; it != end; ++it) data += it->data;
    return data;
}

// The drawing group's records as a list of the DggContainer's children, read from and
// written back to the globals.
class GroupEditor {
public:
    explicit GroupEditor(Workbook& book) : book_(book) {
        auto [begin, end] = GroupRecords(book);
        if (begin == end) {
            children_ = DefaultChildren();
            return;
        }
        std::string data = JoinedData(begin, end);
        book.globals.erase(begin + 1, end);
        record_ = static_cast<size_t>(begin - book.globals.begin());
        art::Header h;
        if (art::ReadHeader(data, 0, h) && h.type == art::kDggContainer)
            children_ = Children(data, art::kHeaderSize, art::kHeaderSize + h.length);
        if (Find(art::kFdgg) < 0) children_ = DefaultChildren();
    }

    // Writes the group back as one record; the writer splits it into CONTINUE records.
    void Save() {
        Record r{rec::kMsoDrawingGroup, art::MakeRecord(0xF, 0, art::kDggContainer, Joined(children_))};
        if (record_) {
            book_.globals[*record_] = std::move(r);
            return;
        }
        auto at = std::find_if(book_.globals.begin(), book_.globals.end(),
                               [](const Record& g) { return g.type == slot::kSst || g.type == rec::kEof; });
        book_.globals.insert(at, std::move(r));
    }

    std::string& Fdgg() { return children_[Find(art::kFdgg)]; }

    std::string& BStore() {
        int at = Find(art::kBStoreContainer);
        if (at < 0) {
            children_.insert(children_.begin() + Find(art::kFdgg) + 1,
                             art::MakeRecord(0xF, 0, art::kBStoreContainer, ""));
            at = Find(art::kBStoreContainer);
        }
        return children_[at];
    }

private:
    int Find(uint16_t type) const {
        for (size_t i = 0; i < children_.size(); ++i)
            if (TypeOf(children_[i]) == type) return static_cast<int>(i);
        return -1;
    }

    static std::vector<std::string> DefaultChildren() {
        std::string fdgg, opt, colors;
        for (uint32_t v : {1024u, 1u, 0u, 0u}) PutU32(fdgg, v);
        // Text fits the shape, fill and line colours from the system palette.
        for (auto [id, value] : {std::pair<uint16_t, uint32_t>{0x00BF, 0x00080008},
                                 {0x0181, 0x08000041},
                                 {0x01C0, 0x08000040}}) {
            PutU16(opt, id);
            PutU32(opt, value);
        }
        for (uint32_t v : {0x0800000Du, 0x0800000Cu, 0x08000017u, 0x100000F7u}) PutU32(colors, v);
        return {art::MakeRecord(0, 0, art::kFdgg, fdgg), art::MakeRecord(3, 3, art::kFopt, opt),
                art::MakeRecord(0, 4, art::kSplitMenuColors, colors)};
    }

    Workbook& book_;
    std::optional<size_t> record_;
    std::vector<std::string> children_;
};

// Rewrites a record's length from its actual size; sets the instance when given.
void FixHeader(std::string& record, std::optional<uint16_t> instance = std::nullopt) {
    SetU32At(record, 4, static_cast<uint32_t>(record.size() - art::kHeaderSize));
    if (instance) SetU16At(record, 0, static_cast<uint16_t>((*instance << 4) | (GetU16At(record, 0) & 0xF)));
}

std::string PngBlipEntry(const std::string& uid, const std::string& png) {
    std::string blip = art::MakeRecord(0, kPngBlipInstance, art::kBlipPng, uid + '\xFF' + png);
    std::string body;
    PutU8(body, kBlipTypePng);
    PutU8(body, kBlipTypePng);
    body += uid;
    PutU16(body, 0x00FF);
    PutU32(body, static_cast<uint32_t>(blip.size()));
    PutU32(body, 1);  // references
    PutU32(body, 0);  // the blip is inside this record, not in a delay stream
    body.append(4, '\0');
    return art::MakeRecord(2, kBlipTypePng, art::kFbse, body + blip);
}

uint32_t FidclCount(const std::string& fdgg) {
    return static_cast<uint32_t>((fdgg.size() - art::kHeaderSize - kFidclsAt) / 8);
}

void AddToU32(std::string& data, size_t pos, uint32_t amount) {
    SetU32At(data, pos, GetU32At(data, pos) + amount);
}

}  // namespace

std::string AddPngBlip(Workbook& book, const std::string& png, uint32_t& blipIndex) {
    if (png.empty()) return "The picture has no data.";
    QByteArray hash =
        QCryptographicHash::hash(QByteArray(png.data(), qsizetype(png.size())), QCryptographicHash::Md5);
    std::string uid(hash.constData(), 16);
    GroupEditor group(book);
    std::string& store = group.BStore();
    std::vector<std::string> entries = Children(store, art::kHeaderSize, store.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].compare(art::kHeaderSize + 2, 16, uid) != 0) continue;
        AddToU32(entries[i], art::kHeaderSize + 24, 1);  // one more reference
        blipIndex = static_cast<uint32_t>(i + 1);
        store = store.substr(0, art::kHeaderSize) + Joined(entries);
        group.Save();
        return "";
    }
    entries.push_back(PngBlipEntry(uid, png));
    store = store.substr(0, art::kHeaderSize) + Joined(entries);
    FixHeader(store, static_cast<uint16_t>(entries.size()));
    blipIndex = static_cast<uint32_t>(entries.size());
    group.Save();
    return "";
}

std::string AddDrawing(Workbook& book, uint32_t& drawingId, uint32_t& firstShapeId) {
    GroupEditor group(book);
    std::string& fdgg = group.Fdgg();
    uint32_t clusters = FidclCount(fdgg), maxDrawing = 0;
    for (uint32_t i = 0; i < clusters; ++i)
        maxDrawing = std::max(maxDrawing, GetU32At(fdgg, art::kHeaderSize + kFidclsAt + i * 8));
    drawingId = maxDrawing + 1;
    firstShapeId = 1024 * (clusters + 1);
    PutU32(fdgg, drawingId);
    PutU32(fdgg, 1);  // the group shape's id is used
    FixHeader(fdgg);
    const size_t body = art::kHeaderSize;
    SetU32At(fdgg, body, std::max(GetU32At(fdgg, body), firstShapeId + 1));
    SetU32At(fdgg, body + 4, clusters + 2);
    AddToU32(fdgg, body + 8, 1);
    AddToU32(fdgg, body + 12, 1);
    group.Save();
    return "";
}

std::string TakeShapeId(Workbook& book, uint32_t drawingId, uint32_t lastShapeId, uint32_t& shapeId) {
    GroupEditor group(book);
    std::string& fdgg = group.Fdgg();
    const size_t body = art::kHeaderSize;
    auto fidclAt = [&](uint32_t cluster) { return body + kFidclsAt + (cluster - 1) * 8; };
    shapeId = lastShapeId + 1;
    uint32_t cluster = shapeId / 1024;
    bool owned = cluster >= 1 && cluster <= FidclCount(fdgg) &&
                 GetU32At(fdgg, fidclAt(cluster)) == drawingId && shapeId % 1024 != 0;
    if (!owned) {  // a fresh range of 1024 ids at the end
        cluster = FidclCount(fdgg) + 1;
        shapeId = cluster * 1024;
        PutU32(fdgg, drawingId);
        PutU32(fdgg, 0);
        FixHeader(fdgg);
    }
    SetU32At(fdgg, fidclAt(cluster) + 4, std::max(GetU32At(fdgg, fidclAt(cluster) + 4), shapeId % 1024 + 1));
    SetU32At(fdgg, body, std::max(GetU32At(fdgg, body), shapeId + 1));
    SetU32At(fdgg, body + 4, FidclCount(fdgg) + 1);
    AddToU32(fdgg, body + 8, 1);
    group.Save();
    return "";
}

namespace {

std::string GroupData(const Workbook& book) {
    auto [begin, end] = GroupRecords(book);
    return JoinedData(begin, end);
}

constexpr uint16_t kBlipJpeg = 0xF01D, kBlipDib = 0xF01F, kBlipTiff = 0xF029, kBlipJpegCmyk = 0xF02A;

// A DIB blip holds the bitmap without its file header; image readers want one.
std::string WithBitmapFileHeader(std::string_view dib) {
    uint32_t headerSize = GetU32At(dib, 0);
    uint16_t bitCount = GetU16At(dib, 14);
    uint32_t compression = GetU32At(dib, 16), colours = GetU32At(dib, 32);
    if (colours == 0 && bitCount <= 8) colours = 1u << bitCount;
    uint32_t offset = 14 + headerSize + colours * 4 + (compression == 3 ? 12 : 0);
    std::string out = "BM";
    PutU32(out, static_cast<uint32_t>(14 + dib.size()));
    PutU32(out, 0);
    PutU32(out, offset);
    out += dib;
    return out;
}

// The picture bytes of a bitmap blip record at pos: PNG, JPEG, TIFF or a bitmap file.
std::string BitmapOfBlip(std::string_view data, size_t pos, const art::Header& blip) {
    bool bitmap = blip.type == kBlipJpeg || blip.type == art::kBlipPng || blip.type == kBlipDib ||
                  blip.type == kBlipTiff || blip.type == kBlipJpegCmyk;
    size_t skip = 16 + ((blip.instance & 1) ? 16 : 0) + 1;  // one or two UIDs and a tag
    if (!bitmap || blip.length < skip) return "";
    std::string_view body = data.substr(pos + art::kHeaderSize + skip, blip.length - skip);
    return blip.type == kBlipDib ? WithBitmapFileHeader(body) : std::string(body);
}

}  // namespace

uint32_t BlipCount(const Workbook& book) {
    std::string data = GroupData(book);
    uint32_t count = 0;
    art::Walk(data, 0, data.size(), [&](const art::Header& h, size_t) {
        if (h.type == art::kFbse) ++count;
    });
    return count;
}

std::string PictureBytes(const Workbook& book, uint32_t blipIndex) {
    std::string data = GroupData(book);
    uint32_t count = 0;
    std::string out;
    art::Walk(data, 0, data.size(), [&](const art::Header& h, size_t pos) {
        if (h.type != art::kFbse || ++count != blipIndex || h.length < kFbseFixedSize) return;
        size_t nameLength = static_cast<uint8_t>(data[pos + art::kHeaderSize + 33]);
        size_t blipAt = pos + art::kHeaderSize + kFbseFixedSize + nameLength;
        art::Header blip;
        if (blipAt < pos + art::kHeaderSize + h.length && art::ReadHeader(data, blipAt, blip) &&
            blipAt + art::kHeaderSize + blip.length <= data.size())
            out = BitmapOfBlip(data, blipAt, blip);
    });
    return out;
}

}  // namespace quillbat::xls
