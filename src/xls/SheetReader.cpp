#include "xls/SheetReader.h"

#include <algorithm>

#include "xls/ByteIo.h"

namespace quillbat::xls {
namespace {

constexpr uint16_t kWorksheetType = 0x0010;

class SheetParser {
public:
    SheetParser(const std::vector<XlText>& sst, Sheet& sheet) : sst_(sst), sheet_(sheet) {}

    // Takes one record of the sheet's own level; "" or why it is damaged.
    std::string Take(const std::vector<PlacedRecord>& records, size_t& i);
    void PlaceMissingSlots();

private:
    bool IsCellRecord(uint16_t type) const;
    std::string TakeCell(const std::vector<PlacedRecord>& records, size_t& i);
    std::string TakeRow(const PlacedRecord& r);
    std::string TakeMultipleCells(const PlacedRecord& r);
    std::string TakeSingleCell(const PlacedRecord& r);
    void ReadCellValue(uint16_t type, ByteReader& in, Cell& cell);
    std::string TakeFormula(const std::vector<PlacedRecord>& records, size_t& i);
    Cell* NewCell(int row, int col, uint16_t xf);
    void Slot(uint16_t type, bool& placed);

    const std::vector<XlText>& sst_;
    Sheet& sheet_;
    bool indexPlaced_ = false, dimensionsPlaced_ = false, cellsPlaced_ = false, mergesPlaced_ = false,
         rowRecordSeen_ = false;
};

void SheetParser::Slot(uint16_t type, bool& placed) {
    if (!placed) sheet_.records.push_back({type, {}});
    placed = true;
}

bool SheetParser::IsCellRecord(uint16_t type) const {
    switch (type) {
        case rec::kRow:
        case rec::kLabelSst:
        case rec::kLabel:
        case rec::kRString:
        case rec::kNumber:
        case rec::kRk:
        case rec::kMulRk:
        case rec::kBlank:
        case rec::kMulBlank:
        case rec::kBoolErr:
        case rec::kFormula:
        case rec::kDbCell:
            return true;
        default:
            return false;
    }
}

Cell* SheetParser::NewCell(int row, int col, uint16_t xf) {
    if (row < 0 || row >= kMaxRows || col < 0 || col >= kMaxColumns) return nullptr;
    Row& r = sheet_.rows[row];
    if (static_cast<int>(r.cells.size()) <= col) r.cells.resize(col + 1);
    Cell& cell = r.cells[col];
    cell.present = true;
    cell.xf = xf;
    cell.value = {};
    cell.extra.reset();
    return &cell;
}

std::string SheetParser::Take(const std::vector<PlacedRecord>& records, size_t& i) {
    const PlacedRecord& r = records[i];
    if (IsCellRecord(r.type)) {
        Slot(slot::kCells, cellsPlaced_);
        return TakeCell(records, i);
    }
    switch (r.type) {
        case rec::kIndex:
            Slot(slot::kIndex, indexPlaced_);
            return "";
        case rec::kDimensions:
            Slot(slot::kDimensions, dimensionsPlaced_);
            return "";
        case rec::kMergedCells: {
            Slot(slot::kMerges, mergesPlaced_);
            ByteReader in(r.data);
            uint16_t count = in.U16();
            for (uint16_t k = 0; k < count && in.Left() >= 8; ++k) {
                CellRange m;
                m.firstRow = in.U16();
                m.lastRow = in.U16();
                m.firstCol = in.U16();
                m.lastCol = in.U16();
                if (m.firstRow <= m.lastRow && m.firstCol <= m.lastCol && m.lastCol < kMaxColumns)
                    sheet_.merges.push_back(m);
            }
            return "";
        }
        default:
            sheet_.records.push_back(r.ToRecord());
            return "";
    }
}

std::string SheetParser::TakeCell(const std::vector<PlacedRecord>& records, size_t& i) {
    switch (records[i].type) {
        case rec::kRow:
            return TakeRow(records[i]);
        case rec::kDbCell:
            return "";  // rebuilt on save
        case rec::kFormula:
            return TakeFormula(records, i);
        case rec::kMulRk:
        case rec::kMulBlank:
            return TakeMultipleCells(records[i]);
        default:
            return TakeSingleCell(records[i]);
    }
}

std::string SheetParser::TakeRow(const PlacedRecord& r) {
    if (r.data.size() < 16) return "a row record is too short";
    rowRecordSeen_ = true;
    Row& row = sheet_.rows[GetU16At(r.data, 0)];
    row.record = std::string(r.data.substr(0, 16));
    row.cells.reserve(std::min<size_t>(GetU16At(r.data, 4), kMaxColumns));  // one past its last cell
    return "";
}

// MULRK (format and RK value per cell) or MULBLANK (format per cell) for a run of columns.
std::string SheetParser::TakeMultipleCells(const PlacedRecord& r) {
    ByteReader in(r.data);
    int row = in.U16();
    int col = in.U16();
    bool numbers = r.type == rec::kMulRk;
    size_t each = numbers ? 6 : 2;
    size_t count = r.data.size() >= 6 ? (r.data.size() - 6) / each : 0;
    for (size_t k = 0; k < count; ++k) {
        uint16_t xf = in.U16();
        uint32_t rk = numbers ? in.U32() : 0;
        Cell* cell = NewCell(row, col + static_cast<int>(k), xf);
        if (cell && numbers) cell->value = CellValue::FromNumber(DecodeRk(rk));
    }
    return "";
}

std::string SheetParser::TakeSingleCell(const PlacedRecord& r) {
    ByteReader in(r.data);
    int row = in.U16();
    int col = in.U16();
    uint16_t xf = in.U16();
    if (in.Failed()) return "a cell record is too short";
    Cell* cell = NewCell(row, col, xf);
    if (!cell) return "";
    ReadCellValue(r.type, in, *cell);
    if (in.Failed()) return "a cell record is too short";
    return "";
}

void SheetParser::ReadCellValue(uint16_t type, ByteReader& in, Cell& cell) {
    switch (type) {
        case rec::kLabelSst: {
            uint32_t index = in.U32();
            if (index >= sst_.size()) {
                cell.value = CellValue::FromText("");
                return;
            }
            cell.value = CellValue::FromText(sst_[index].text);
            if (!sst_[index].runs.empty())
                cell.extra = std::make_unique<CellExtra>(CellExtra{{}, sst_[index].runs});
            return;
        }
        case rec::kLabel:
        case rec::kRString:
            cell.value = CellValue::FromText(ReadXlString(in));
            return;
        case rec::kNumber:
            cell.value = CellValue::FromNumber(in.F64());
            return;
        case rec::kRk:
            cell.value = CellValue::FromNumber(DecodeRk(in.U32()));
            return;
        case rec::kBoolErr: {
            uint8_t v = in.U8();
            cell.value = in.U8() ? CellValue::FromError(v) : CellValue::FromBoolean(v != 0);
            return;
        }
        default:
            return;  // BLANK
    }
}

std::string SheetParser::TakeFormula(const std::vector<PlacedRecord>& records, size_t& i) {
    const PlacedRecord& r = records[i];
    if (r.data.size() < 22) return "a formula record is too short";
    Cell* cell = NewCell(GetU16At(r.data, 0), GetU16At(r.data, 2), GetU16At(r.data, 4));
    if (!cell) return "";
    cell->extra = std::make_unique<CellExtra>();
    cell->extra->formula.push_back(r.ToRecord());
    bool special = GetU16At(r.data, 12) == 0xFFFF;
    uint8_t kind = static_cast<uint8_t>(r.data[6]);
    uint8_t v = static_cast<uint8_t>(r.data[8]);
    if (!special)
        cell->value = CellValue::FromNumber(GetF64At(r.data, 6));
    else if (kind == 1)
        cell->value = CellValue::FromBoolean(v != 0);
    else if (kind == 2)
        cell->value = CellValue::FromError(v);
    else if (kind == 3)
        cell->value = CellValue::FromText("");
    while (i + 1 < records.size()) {
        const PlacedRecord& next = records[i + 1];
        if (next.type != rec::kString && next.type != rec::kShrFmla && next.type != rec::kArray &&
            next.type != rec::kTable && next.type != rec::kContinue)
            break;
        if (next.type == rec::kString && special && kind == 0) {
            ByteReader in(next.data);
            cell->value = CellValue::FromText(ReadXlString(in));
        }
        cell->extra->formula.push_back(next.ToRecord());
        ++i;
    }
    return "";
}

void SheetParser::PlaceMissingSlots() {
    sheet_.hasRowRecords = rowRecordSeen_ || sheet_.rows.empty();
    auto& recs = sheet_.records;
    auto find = [&](uint16_t type) {
        return std::find_if(recs.begin(), recs.end(), [&](const Record& r) { return r.type == type; });
    };
    if (!cellsPlaced_) {
        auto at = find(slot::kDimensions);
        if (at != recs.end())
            ++at;
        else
            at = find(rec::kWindow2);
        recs.insert(at, Record{slot::kCells, {}});
    }
    if (!dimensionsPlaced_) recs.insert(find(slot::kCells), Record{slot::kDimensions, {}});
    if (!mergesPlaced_) recs.insert(find(slot::kCells) + 1, Record{slot::kMerges, {}});
    if (!indexPlaced_) {
        auto at = recs.begin() + 1;
        if (at != recs.end() && at->type == rec::kUncalced) ++at;
        recs.insert(at, Record{slot::kIndex, {}});
    }
}

}  // namespace

double DecodeRk(uint32_t rk) {
    double value;
    if (rk & 0x02) {
        value = static_cast<double>(static_cast<int32_t>(rk) >> 2);
    } else {
        std::string bits(8, '\0');
        SetU32At(bits, 4, rk & 0xFFFFFFFC);
        value = GetF64At(bits, 0);
    }
    return (rk & 0x01) ? value / 100.0 : value;
}

std::string ReadSheet(const std::vector<PlacedRecord>& records, size_t start, const std::vector<XlText>& sst,
                      Sheet& sheet) {
    const PlacedRecord& bof = records[start];
    sheet.isWorksheet = GetU16At(bof.data, 2) == kWorksheetType && (sheet.boundSheetOptions >> 8) == 0;
    sheet.records.push_back(bof.ToRecord());
    SheetParser parser(sst, sheet);
    int depth = 0;
    for (size_t i = start + 1; i < records.size(); ++i) {
        const PlacedRecord& r = records[i];
        if (r.type == rec::kBof) ++depth;
        if (depth > 0 || !sheet.isWorksheet) {
            sheet.records.push_back(r.ToRecord());
        } else if (r.type == rec::kEof) {
            sheet.records.push_back(r.ToRecord());
            if (sheet.isWorksheet) parser.PlaceMissingSlots();
            return "";
        } else {
            std::string error = parser.Take(records, i);
            if (!error.empty()) return error;
        }
        if (r.type == rec::kEof && depth > 0)
            --depth;
        else if (r.type == rec::kEof && !sheet.isWorksheet)
            return "";
    }
    return "it ends before its last record (truncated file)";
}

}  // namespace quillbat::xls
