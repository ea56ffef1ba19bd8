#pragma once
// BIFF records: a 2-byte type, a 2-byte length and at most 8224 bytes of data.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillbat::xls {

constexpr size_t kMaxRecordData = 8224;

namespace rec {
// Record types, by number.
constexpr uint16_t kFormula = 0x0006;
constexpr uint16_t kEof = 0x000A;
constexpr uint16_t kHeader = 0x0014;
constexpr uint16_t kFooter = 0x0015;
constexpr uint16_t kExternSheet = 0x0017;
constexpr uint16_t kName = 0x0018;
constexpr uint16_t kProtect = 0x0012;
constexpr uint16_t kSelection = 0x001D;
constexpr uint16_t kDateMode = 0x0022;
constexpr uint16_t kLeftMargin = 0x0026;
constexpr uint16_t kRightMargin = 0x0027;
constexpr uint16_t kTopMargin = 0x0028;
constexpr uint16_t kBottomMargin = 0x0029;
constexpr uint16_t kFont = 0x0031;
constexpr uint16_t kContinue = 0x003C;
constexpr uint16_t kWindow1 = 0x003D;
constexpr uint16_t kPane = 0x0041;
constexpr uint16_t kCodepage = 0x0042;
constexpr uint16_t kDefColWidth = 0x0055;
constexpr uint16_t kWriteAccess = 0x005C;
constexpr uint16_t kUncalced = 0x005E;
constexpr uint16_t kObj = 0x005D;
constexpr uint16_t kTemplate = 0x0060;
constexpr uint16_t kColInfo = 0x007D;
constexpr uint16_t kHCenter = 0x0083;
constexpr uint16_t kVCenter = 0x0084;
constexpr uint16_t kBoundSheet = 0x0085;
constexpr uint16_t kCountry = 0x008C;
constexpr uint16_t kPalette = 0x0092;
constexpr uint16_t kStandardWidth = 0x0099;
constexpr uint16_t kSetup = 0x00A1;
constexpr uint16_t kMulRk = 0x00BD;
constexpr uint16_t kMulBlank = 0x00BE;
constexpr uint16_t kRString = 0x00D6;
constexpr uint16_t kDbCell = 0x00D7;
constexpr uint16_t kXf = 0x00E0;
constexpr uint16_t kMergedCells = 0x00E5;
constexpr uint16_t kMsoDrawingGroup = 0x00EB;
constexpr uint16_t kMsoDrawing = 0x00EC;
constexpr uint16_t kSst = 0x00FC;
constexpr uint16_t kLabelSst = 0x00FD;
constexpr uint16_t kExtSst = 0x00FF;
constexpr uint16_t kSupBook = 0x01AE;
constexpr uint16_t kDimensions = 0x0200;
constexpr uint16_t kBlank = 0x0201;
constexpr uint16_t kNumber = 0x0203;
constexpr uint16_t kLabel = 0x0204;
constexpr uint16_t kBoolErr = 0x0205;
constexpr uint16_t kString = 0x0207;
constexpr uint16_t kRow = 0x0208;
constexpr uint16_t kIndex = 0x020B;
constexpr uint16_t kArray = 0x0221;
constexpr uint16_t kDefaultRowHeight = 0x0225;
constexpr uint16_t kTable = 0x0236;
constexpr uint16_t kWindow2 = 0x023E;
constexpr uint16_t kRk = 0x027E;
constexpr uint16_t kStyle = 0x0293;
constexpr uint16_t kFormat = 0x041E;
constexpr uint16_t kShrFmla = 0x04BC;
constexpr uint16_t kBof = 0x0809;
constexpr uint16_t kXfCrc = 0x087C;
constexpr uint16_t kXfExt = 0x087D;
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
