// Writing a workbook: globals with fresh BOUNDSHEET offsets and shared string table, then each
// sheet with fresh INDEX, DIMENSIONS, cell table with DBCELLs, and MERGEDCELLS.

#include <unordered_map>

#include "platform/FileSystem.h"
#include "platform/TextFunctions.h"
#include "xls/ByteIo.h"
#include "xls/SheetWriter.h"
#include "xls/Sst.h"
#include "xls/Workbook.h"

namespace quillbat::xls {
namespace {

constexpr size_t kMiniStreamCutoff = 4096;

// Text cells in writing order, mapped to shared string table entries.
struct StringTable {
    std::vector<XlText> strings;
    std::vector<uint32_t> cellIndexes;  // one per text cell, in the order the sheets are written
};

StringTable CollectStrings(const Workbook& book) {
    StringTable table;
    // Keys view the cells' own texts (and runs), which stay put while the workbook is written.
    std::unordered_map<std::string_view, uint32_t> plain;
    std::unordered_map<std::string, uint32_t> rich;
    for (const Sheet& sheet : book.sheets) {
        if (!sheet.isWorksheet) continue;
        for (const auto& [rowNumber, row] : sheet.rows) {
            for (const Cell& cell : row.cells) {
                if (!cell.present || cell.IsFormula() || cell.value.kind != ValueKind::Text)
                    continue;
                bool hasRuns = cell.extra && !cell.extra->runs.empty();
                auto next = static_cast<uint32_t>(table.strings.size());
                uint32_t index;
                bool added;
                if (hasRuns) {
                    auto [it, isNew] =
                        rich.try_emplace(cell.value.text + '\0' + cell.extra->runs, next);
                    index = it->second;
                    added = isNew;
                } else {
                    auto [it, isNew] = plain.try_emplace(cell.value.text, next);
                    index = it->second;
                    added = isNew;
                }
                if (added)
                    table.strings.push_back(
                        {cell.value.text, hasRuns ? cell.extra->runs : std::string()});
                table.cellIndexes.push_back(index);
            }
        }
    }
    return table;
}

// Room for the stream: about 15 bytes a cell plus the strings.
size_t EstimatedStreamSize(const Workbook& book, const StringTable& strings) {
    size_t size = 1 << 16;
    for (const Sheet& sheet : book.sheets)
        for (const auto& [number, row] : sheet.rows) size += 20 + 15 * row.cells.size();
    for (const XlText& text : strings.strings) size += text.text.size() + 4;
    return size;
}

void AppendBoundSheet(std::string& stream, const Sheet& sheet) {
    std::string data;
    PutU32(data, 0);  // the sheet's position, filled in when the sheet is written
    PutU16(data, sheet.boundSheetOptions);
    AppendShortXlString(data, sheet.name);
    AppendRecord(stream, rec::kBoundSheet, data);
}

void AppendNames(std::string& stream, const Workbook& book) {
    for (const DefinedName& name : book.names) {
        AppendRecord(stream, rec::kName, NameRecordData(name));
        for (const Record& c : name.continues) AppendRecord(stream, c.type, c.data);
    }
}

bool DroppedOnSave(const Workbook& book, uint16_t type, bool asTemplate) {
    if (type == rec::kTemplate) return !asTemplate;
    if (type == rec::kXfExt || type == rec::kXfCrc) return book.formats.changed;
    return false;
}

// WINDOW1 with the active sheet in range and that one sheet selected.
std::string Window1Data(const Workbook& book, const Record& r) {
    std::string data = r.data;
    SetU16At(data, 10, static_cast<uint16_t>(book.ActiveSheet()));
    if (GetU16At(data, 12) > book.ActiveSheet()) SetU16At(data, 12, 0);
    SetU16At(data, 14, 1);
    return data;
}

void AppendGlobals(std::string& stream, const Workbook& book, const StringTable& strings,
                   bool asTemplate, std::vector<size_t>& boundSheetPositions) {
    for (const Record& r : book.globals) {
        switch (r.type) {
            case slot::kBoundSheets:
                for (const Sheet& sheet : book.sheets) {
                    boundSheetPositions.push_back(stream.size());
                    AppendBoundSheet(stream, sheet);
                }
                break;
            case slot::kXfs:
                for (const std::string& xf : book.formats.xfs) AppendRecord(stream, rec::kXf, xf);
                break;
            case slot::kNames: AppendNames(stream, book); break;
            case slot::kSst:
                AppendSstAndExtSst(stream, strings.strings,
                                   static_cast<uint32_t>(strings.cellIndexes.size()));
                break;
            case rec::kWindow1: AppendRecord(stream, rec::kWindow1, Window1Data(book, r)); break;
            default:
                if (!DroppedOnSave(book, r.type, asTemplate)) AppendRawRecord(stream, r);
        }
    }
}

}  // namespace

std::string WorkbookStream(const Workbook& book, bool asTemplate) {
    StringTable strings = CollectStrings(book);
    std::string stream;
    stream.reserve(EstimatedStreamSize(book, strings));
    std::vector<size_t> boundSheetPositions;
    AppendGlobals(stream, book, strings, asTemplate, boundSheetPositions);
    size_t nextString = 0;
    int active = book.ActiveSheet();
    for (size_t i = 0; i < book.sheets.size(); ++i) {
        if (i < boundSheetPositions.size())
            SetU32At(stream, boundSheetPositions[i] + 4, static_cast<uint32_t>(stream.size()));
        AppendSheet(stream, book.sheets[i], static_cast<int>(i) == active, strings.cellIndexes,
                    nextString);
    }
    return stream;
}

std::string WriteWorkbook(const Workbook& book, std::string& bytes, bool asTemplate) {
    CompoundFile file = book.container;
    if (file.root.children.empty() && file.classId == std::array<uint8_t, 16>{})
        file.classId = {0x20, 0x08, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                        0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
    std::erase_if(file.root.children, [](const OleNode& n) {
        return n.isStream && (EqualsNoCase(n.name, "Book") || EqualsNoCase(n.name, "Workbook"));
    });
    std::string stream = WorkbookStream(book, asTemplate);
    // Zeros after the last EOF keep a small workbook out of the mini stream, which some
    // readers do not look in for it.
    if (stream.size() < kMiniStreamCutoff) stream.resize(kMiniStreamCutoff, '\0');
    file.SetStream("Workbook", std::move(stream));
    return WriteCompoundFile(file, bytes);
}

std::string SaveWorkbookFile(const Workbook& book, const std::string& path) {
    std::string bytes;
    std::string error = WriteWorkbook(book, bytes);
    if (!error.empty()) return "The workbook " + path + " cannot be saved: " + error + ".";
    if (!WriteFileAtomically(path, bytes)) return "The workbook " + path + " cannot be written.";
    return "";
}

}  // namespace quillbat::xls
