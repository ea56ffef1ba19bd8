#pragma once
// BIFF records: a 2-byte type, a 2-byte length and at most 8224 bytes of data.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillbat::xls {

constexpr size_t kMaxRecordData = 8224;

namespace rec {
constexpr uint16_t kFormula = 0x0006, kEof = 0x000A, kFooter = 0x0015, kHeader = 0x0014,
                   kExternSheet = 0x0017, kName = 0x0018, kLeftMargin = 0x0026,
                   kRightMargin = 0x0027, kTopMargin = 0x0028, kBottomMargin = 0x0029,
                   kContinue = 0x003C, kWindow1 = 0x003D, kDefColWidth = 0x0055,
                   kTemplate = 0x0060, kPalette = 0x0092, kStandardWidth = 0x0099,
                   kColInfo = 0x007D, kBoundSheet = 0x0085, kMulRk = 0x00BD, kMulBlank = 0x00BE,
                   kRString = 0x00D6, kDbCell = 0x00D7, kIndex = 0x020B, kXf = 0x00E0,
                   kMergedCells = 0x00E5, kSst = 0x00FC, kLabelSst = 0x00FD, kExtSst = 0x00FF,
                   kSupBook = 0x01AE, kDimensions = 0x0200, kBlank = 0x0201, kNumber = 0x0203,
                   kLabel = 0x0204, kBoolErr = 0x0205, kString = 0x0207, kRow = 0x0208,
                   kArray = 0x0221, kDefaultRowHeight = 0x0225, kTable = 0x0236,
                   kWindow2 = 0x023E, kRk = 0x027E, kStyle = 0x0293, kFont = 0x0031,
                   kFormat = 0x041E, kShrFmla = 0x04BC, kBof = 0x0809, kSetup = 0x00A1,
                   kSelection = 0x001D, kPane = 0x0041, kXfCrc = 0x087C, kXfExt = 0x087D,
                   kCodepage = 0x0042, kCountry = 0x008C, kDateMode = 0x0022,
                   kWriteAccess = 0x005C, kUncalced = 0x005E, kHCenter = 0x0083,
                   kVCenter = 0x0084;
}  // namespace rec

struct Record {
    uint16_t type = 0;
    std::string data;
};

// A record as read: a view into the stream it came from, with its position there.
struct PlacedRecord {
    uint16_t type = 0;
    std::string_view data;
    size_t offset = 0;

    Record ToRecord() const { return {type, std::string(data)}; }
};

// Splits a stream into records. Returns "" on success, else why the stream is damaged.
std::string SplitRecords(std::string_view stream, std::vector<PlacedRecord>& out);

// Appends one record (header and data) to a stream.
void AppendRecord(std::string& stream, uint16_t type, std::string_view data);

}  // namespace quillbat::xls
