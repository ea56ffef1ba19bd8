// Reading a workbook: the compound file, the globals substream, then each sheet substream.

#include <unordered_map>

#include "platform/FileSystem.h"
#include "platform/TextFunctions.h"
#include "xls/ByteIo.h"
#include "xls/SheetReader.h"
#include "xls/Sst.h"
#include "xls/Workbook.h"
#include "xls/XlString.h"

namespace quillbat::xls {
namespace {

constexpr uint16_t kBiff8 = 0x0600, kGlobalsType = 0x0005;

struct BoundSheet {
    uint32_t offset;
    uint16_t options;
    std::string name;
};

struct GlobalsState {
    std::vector<BoundSheet> boundSheets;
    std::vector<XlText> sst;
};

// Data of the records after index i that are CONTINUE records; advances i past them.
std::vector<std::string_view> TakeContinues(const std::vector<PlacedRecord>& records, size_t& i) {
    std::vector<std::string_view> out;
    while (i + 1 < records.size() && records[i + 1].type == rec::kContinue) out.push_back(records[++i].data);
    return out;
}

void AddSlotOnce(std::vector<Record>& records, bool& placed, uint16_t slot) {
    if (!placed) records.push_back({slot, {}});
    placed = true;
}

Font ParseFont(std::string_view data) {
    Font font;
    font.heightTwips = GetU16At(data, 0);
    uint16_t options = GetU16At(data, 2);
    font.italic = options & 0x0002;
    font.strikeout = options & 0x0008;
    font.colorIcv = GetU16At(data, 4);
    font.bold = GetU16At(data, 6) >= 600;
    if (data.size() > 10) font.underline = static_cast<uint8_t>(data[10]);
    ByteReader in(data, 14);
    std::string name = ReadShortXlString(in);
    if (!in.Failed()) font.name = name;
    return font;
}

void ParsePalette(std::string_view data, Palette& palette) {
    size_t count = std::min<size_t>(GetU16At(data, 0), palette.size());
    for (size_t i = 0; i < count && 2 + 4 * i + 3 <= data.size(); ++i) {
        auto byte = [&](size_t k) {
            return static_cast<uint32_t>(static_cast<uint8_t>(data[2 + 4 * i + k]));
        };
        palette[i] = (byte(0) << 16) | (byte(1) << 8) | byte(2);
    }
}

// Reads the globals substream into the workbook, leaving slots where regenerated parts go.
class GlobalsParser {
public:
    GlobalsParser(const std::vector<PlacedRecord>& records, Workbook& book, GlobalsState& state)
        : records_(records), book_(book), state_(state) {}

    // From the first record to the globals' EOF; i ends after it.
    std::string Parse(size_t& i);

private:
    std::string TakeBoundSheet(const PlacedRecord& r);
    void TakeXf(const PlacedRecord& r);
    std::string TakeName(size_t& i);
    std::string TakeSst(size_t& i);
    void ReadKeptRecord(const PlacedRecord& r);

    const std::vector<PlacedRecord>& records_;
    Workbook& book_;
    GlobalsState& state_;
    bool boundPlaced_ = false, xfPlaced_ = false, namePlaced_ = false, sstPlaced_ = false;
};

std::string GlobalsParser::Parse(size_t& i) {
    for (; i < records_.size(); ++i) {
        const PlacedRecord& r = records_[i];
        std::string error;
        switch (r.type) {
            case rec::kBoundSheet:
                error = TakeBoundSheet(r);
                break;
            case rec::kXf:
                TakeXf(r);
                break;
            case rec::kName:
                error = TakeName(i);
                break;
            case rec::kSst:
                error = TakeSst(i);
                break;
            case rec::kExtSst:
                break;  // rebuilt with the SST
            default:
                ReadKeptRecord(r);
        }
        if (!error.empty()) return error;
        if (r.type == rec::kEof) {
            ++i;
            if (!sstPlaced_) book_.globals.insert(book_.globals.end() - 1, Record{slot::kSst, {}});
            return "";
        }
    }
    return "the workbook stream ends before its globals end (truncated file)";
}

std::string GlobalsParser::TakeBoundSheet(const PlacedRecord& r) {
    ByteReader in(r.data);
    BoundSheet sheet{in.U32(), in.U16(), ReadShortXlString(in)};
    if (in.Failed()) return "a sheet entry is damaged";
    state_.boundSheets.push_back(std::move(sheet));
    AddSlotOnce(book_.globals, boundPlaced_, slot::kBoundSheets);
    return "";
}

void GlobalsParser::TakeXf(const PlacedRecord& r) {
    std::string data(r.data);
    data.resize(kXfSize, '\0');
    book_.formats.xfs.push_back(std::move(data));
    AddSlotOnce(book_.globals, xfPlaced_, slot::kXfs);
}

std::string GlobalsParser::TakeName(size_t& i) {
    DefinedName name;
    std::string error = ParseName(records_[i].data, name);
    if (!error.empty()) return error;
    for (std::string_view c : TakeContinues(records_, i))
        name.continues.push_back({rec::kContinue, std::string(c)});
    book_.names.push_back(std::move(name));
    AddSlotOnce(book_.globals, namePlaced_, slot::kNames);
    return "";
}

std::string GlobalsParser::TakeSst(size_t& i) {
    std::vector<std::string_view> segments{records_[i].data};
    for (std::string_view c : TakeContinues(records_, i)) segments.push_back(c);
    std::string error = ReadSst(segments, state_.sst);
    if (!error.empty()) return error;
    AddSlotOnce(book_.globals, sstPlaced_, slot::kSst);
    return "";
}

// A record kept as it is; fonts, palette and extern sheets are also read for their values.
void GlobalsParser::ReadKeptRecord(const PlacedRecord& r) {
    if (r.type == rec::kFont) {
        book_.fonts.push_back(ParseFont(r.data));
        if (book_.fonts.size() == 4) book_.fonts.push_back(book_.fonts[0]);  // there is no font 4
    } else if (r.type == rec::kPalette) {
        ParsePalette(r.data, book_.palette);
    } else if (r.type == rec::kExternSheet) {
        book_.externSheets = ParseExternSheet(r.data);
    }
    book_.globals.push_back(r.ToRecord());
}

std::string CheckBof(const std::vector<PlacedRecord>& records) {
    if (records.empty() || records[0].type != rec::kBof)
        return "the workbook stream does not start with a BOF record";
    if (GetU16At(records[0].data, 0) != kBiff8)
        return "it is an Excel 5.0/95 or older workbook, which cannot be read (only Excel 97-2003)";
    if (GetU16At(records[0].data, 2) != kGlobalsType)
        return "the workbook stream does not start with the workbook globals";
    return "";
}

std::string ReadSheets(const std::vector<PlacedRecord>& records, const GlobalsState& state, Workbook& book) {
    std::unordered_map<size_t, size_t> indexOfOffset;
    for (size_t i = 0; i < records.size(); ++i)
        if (records[i].type == rec::kBof) indexOfOffset[records[i].offset] = i;
    for (const BoundSheet& entry : state.boundSheets) {
        auto found = indexOfOffset.find(entry.offset);
        if (found == indexOfOffset.end())
            return "the sheet \"" + entry.name + "\" does not start where the file says";
        Sheet sheet;
        sheet.name = entry.name;
        sheet.boundSheetOptions = entry.options;
        std::string error = ReadSheet(records, found->second, state.sst, sheet);
        if (!error.empty()) return "the sheet \"" + entry.name + "\" is damaged: " + error;
        book.sheets.push_back(std::move(sheet));
    }
    return "";
}

// The stream "Workbook", else "Book" (the name of older versions, which some writers give to
// this one too; CheckBof tells the versions apart), in any case.
OleNode* WorkbookStreamOf(CompoundFile& file) {
    for (const char* name : {"Workbook", "Book"})
        for (OleNode& node : file.root.children)
            if (node.isStream && EqualsNoCase(node.name, name)) return &node;
    return nullptr;
}

}  // namespace

std::string ReadWorkbook(std::string_view bytes, Workbook& out) {
    out = Workbook{};
    std::string error = ReadCompoundFile(bytes, out.container);
    OleNode* stream = error.empty() ? WorkbookStreamOf(out.container) : nullptr;
    if (error.empty() && !stream) error = "it holds no workbook";
    std::vector<PlacedRecord> records;
    if (error.empty()) error = SplitRecords(stream->data, records);
    if (error.empty()) error = CheckBof(records);
    GlobalsState state;
    size_t next = 0;
    if (error.empty()) error = GlobalsParser(records, out, state).Parse(next);
    if (error.empty()) error = ReadSheets(records, state, out);
    if (error.empty() && out.formats.xfs.empty()) error = "the workbook has no cell formats";
    if (error.empty() && out.sheets.empty()) error = "the workbook has no sheets";
    if (!error.empty()) {
        out = Workbook{};
        return error;
    }
    // Everything is copied out of the stream by now, and saving builds a new one.
    std::string().swap(stream->data);
    return "";
}

std::string OpenWorkbookFile(const std::string& path, Workbook& out) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return "The file " + path + " cannot be read.";
    std::string error = ReadWorkbook(bytes, out);
    if (!error.empty()) return "The file " + path + " is not a readable workbook: " + error + ".";
    return "";
}

}  // namespace quillbat::xls
