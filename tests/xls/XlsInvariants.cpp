#include "XlsInvariants.h"

#include <map>
#include <optional>
#include <set>

#include "xls/ByteIo.h"
#include "xls/CompoundFile.h"
#include "xls/Record.h"

namespace quillbat::testing {
namespace {

using namespace quillbat::xls;

struct Checker {
    const std::vector<PlacedRecord>& records;
    std::map<size_t, uint16_t> typeAt;  // by offset
    std::vector<std::string> problems;

    bool IsAt(size_t offset, uint16_t type) const {
        auto at = typeAt.find(offset);
        return at != typeAt.end() && at->second == type;
    }

    void RecordSizes() {
        for (const PlacedRecord& r : records)
            if (r.data.size() > kMaxRecordData)
                problems.push_back("record " + std::to_string(r.type) + " has " +
                                   std::to_string(r.data.size()) + " bytes");
    }

    // BOUNDSHEET offsets land on a BOF, INDEX offsets on DBCELLs.
    void Offsets() {
        for (const PlacedRecord& r : records) {
            if (r.type == rec::kBoundSheet && !IsAt(GetU32At(r.data, 0), rec::kBof))
                problems.push_back("BOUNDSHEET offset misses a BOF");
            for (size_t pos = 16; r.type == rec::kIndex && pos + 4 <= r.data.size(); pos += 4)
                if (!IsAt(GetU32At(r.data, pos), rec::kDbCell)) problems.push_back("INDEX misses a DBCELL");
        }
    }

    // Each DBCELL points back at its block's first ROW, and from there at a cell record (or
    // the DBCELL itself, for rows without cells) for every row of the block.
    void DbCells() {
        for (const PlacedRecord& r : records) {
            if (r.type != rec::kDbCell) continue;
            size_t rowPos = r.offset - GetU32At(r.data, 0);
            if (!IsAt(rowPos, rec::kRow)) {
                problems.push_back("DBCELL misses its first ROW");
                continue;
            }
            size_t pos = rowPos + 20;
            for (size_t k = 4; k + 2 <= r.data.size(); k += 2) {
                pos += GetU16At(r.data, k);
                auto at = typeAt.find(pos);
                bool ok = at != typeAt.end() && at->second != rec::kRow &&
                          (at->second == rec::kDbCell || pos < r.offset);
                if (!ok) problems.push_back("DBCELL misses a row's first cell");
            }
        }
    }

    // Start positions (absolute, and within their record) of each SST string. A string's
    // characters go on in the next CONTINUE record after a byte that gives their width there.
    // nullopt when the strings run past the table's records.
    std::optional<std::vector<std::pair<size_t, size_t>>> SstStringStarts(size_t index) {
        std::vector<std::pair<size_t, size_t>> starts;
        std::string_view data = records[index].data;
        size_t pos = 8;
        // True when `need` bytes are left here or, at the end of this record, in the next one.
        auto have = [&](size_t need) {
            if (pos + need <= data.size()) return true;
            if (pos < data.size() || index + 1 == records.size() || records[index + 1].type != rec::kContinue)
                return false;
            data = records[++index].data, pos = 0;
            return need <= data.size();
        };
        for (uint32_t i = data.size() < 8 ? 0 : GetU32At(data, 4); i > 0; --i) {
            if (!have(3)) return std::nullopt;
            starts.push_back({records[index].offset + 4 + pos, 4 + pos});
            size_t left = GetU16At(data, pos), flags = static_cast<uint8_t>(data[pos + 2]);
            if ((flags & 0x08) && !have(5)) return std::nullopt;
            size_t runBytes = (flags & 0x08) ? 4 * size_t{GetU16At(data, pos + 3)} : 0;
            pos += (flags & 0x08) ? 5 : 3;
            for (size_t width = 1 + (flags & 1); left > 0;) {
                if (pos == data.size()) {
                    if (!have(1)) return std::nullopt;
                    width = 1 + (data[0] & 1), pos = 1;
                }
                if (pos + width > data.size()) return std::nullopt;
                size_t fit = std::min(left, (data.size() - pos) / width);
                pos += fit * width, left -= fit;
            }
            for (size_t take; runBytes > 0; pos += take, runBytes -= take) {
                if (!have(1)) return std::nullopt;
                take = std::min(runBytes, data.size() - pos);
            }
        }
        return starts;
    }

    void ExtSst() {
        for (size_t i = 0; i < records.size(); ++i) {
            if (records[i].type != rec::kSst) continue;
            auto starts = SstStringStarts(i);
            if (!starts) {
                problems.push_back("the SST's strings run past its records");
                return;
            }
            size_t ext = i + 1;
            while (ext < records.size() && records[ext].type == rec::kContinue) ++ext;
            if (ext == records.size() || records[ext].type != rec::kExtSst) {
                problems.push_back("no EXTSST after the SST");
                return;
            }
            std::string_view e = records[ext].data;
            uint16_t bucket = GetU16At(e, 0);
            size_t buckets = bucket ? (starts->size() + bucket - 1) / bucket : 0;
            if ((e.size() - 2) / 8 != buckets) problems.push_back("EXTSST has the wrong number of buckets");
            for (size_t b = 0; b < buckets && 2 + 8 * b + 8 <= e.size(); ++b) {
                auto [absolute, within] = (*starts)[b * bucket];
                if (GetU32At(e, 2 + 8 * b) != absolute || GetU16At(e, 6 + 8 * b) != within)
                    problems.push_back("EXTSST bucket " + std::to_string(b) + " points elsewhere");
            }
        }
    }

    void Selection() {
        int active = -1, selected = 0, sheet = -1, selectedSheet = -1, depth = 0;
        for (const PlacedRecord& r : records) {
            if (r.type == rec::kBof && depth++ == 0 && r.offset > 0) ++sheet;
            if (r.type == rec::kEof) --depth;
            if (r.type == rec::kWindow1 && active < 0) active = GetU16At(r.data, 10);
            if (r.type == rec::kWindow2 && depth == 1 && (GetU16At(r.data, 0) & 0x0200)) {
                ++selected;
                selectedSheet = sheet;
            }
        }
        if (selected != 1)
            problems.push_back(std::to_string(selected) + " sheets are selected");
        else if (selectedSheet != std::max(active, 0))
            problems.push_back("the selected sheet is not the active one");
    }
};

}  // namespace

std::vector<std::string> WorkbookInvariantViolations(const std::string& fileBytes) {
    CompoundFile file;
    std::string error = ReadCompoundFile(fileBytes, file);
    if (!error.empty()) return {"not a compound file: " + error};
    const OleNode* stream = file.FindStream("Workbook");
    if (!stream) return {"no Workbook stream"};
    std::vector<PlacedRecord> records;
    error = SplitRecords(stream->data, records);
    if (!error.empty()) return {error};
    Checker checker{records, {}, {}};
    for (const PlacedRecord& r : records) checker.typeAt[r.offset] = r.type;
    checker.RecordSizes();
    checker.Offsets();
    checker.DbCells();
    checker.ExtSst();
    checker.Selection();
    return checker.problems;
}

std::string XlsTestData(const std::string& name) { return std::string(QUILLBAT_XLS_TEST_DATA) + "/" + name; }

}  // namespace quillbat::testing
