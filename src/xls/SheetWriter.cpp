#include "xls/SheetWriter.h"

#include <algorithm>
#include <cstring>

#include "xls/ByteIo.h"

namespace quillbat::xls {
namespace {

constexpr int kRowsPerBlock = 32;
constexpr uint16_t kWindow2Selected = 0x0200, kWindow2Paged = 0x0400;

// Rows that the cell table writes: those with a ROW record or at least one cell.
std::vector<int> RowsToWrite(const Sheet& sheet) {
    std::vector<int> out;
    for (const auto& [number, row] : sheet.rows) {
        bool hasCell =
            std::any_of(row.cells.begin(), row.cells.end(), [](const Cell& c) { return c.present; });
        if (hasCell || !row.record.empty()) out.push_back(number);
    }
    return out;
}

std::string RowRecordData(int number, const Row& row) {
    std::string data = row.record;
    if (data.size() < 16) {
        data.assign(16, '\0');
        SetU16At(data, 6, 255);  // default height, 12.75 pt
        SetU32At(data, 12, 0x000F0100);  // format 15, reserved bit set
    }
    int first = -1, last = -1;
    for (int col = 0; col < static_cast<int>(row.cells.size()); ++col) {
        if (!row.cells[col].present) continue;
        if (first < 0) first = col;
        last = col;
    }
    SetU16At(data, 0, static_cast<uint16_t>(number));
    SetU16At(data, 2, static_cast<uint16_t>(first < 0 ? 0 : first));
    SetU16At(data, 4, static_cast<uint16_t>(first < 0 ? 0 : last + 1));
    return data;
}

std::string CellHeader(int row, int col, uint16_t xf) {
    std::string data;
    PutU16(data, static_cast<uint16_t>(row));
    PutU16(data, static_cast<uint16_t>(col));
    PutU16(data, xf);
    return data;
}

void AppendFormula(std::string& stream, int row, int col, const Cell& cell) {
    for (const Record& r : cell.extra->formula) {
        if (r.type != rec::kFormula) {
            AppendRawRecord(stream, r);
            continue;
        }
        std::string data = r.data;
        SetU16At(data, 0, static_cast<uint16_t>(row));
        SetU16At(data, 2, static_cast<uint16_t>(col));
        SetU16At(data, 4, cell.xf);
        AppendRecord(stream, rec::kFormula, data);
    }
}

// Blank cells from `col` on with a format only, as one BLANK or MULBLANK; returns the count.
int AppendBlanks(std::string& stream, int row, int col, const std::vector<Cell>& cells) {
    int end = col;
    while (end < static_cast<int>(cells.size()) && end - col < 1000 && cells[end].present &&
           cells[end].value.kind == ValueKind::Empty && !cells[end].IsFormula())
        ++end;
    int count = end - col;
    if (count == 1) {
        AppendRecord(stream, rec::kBlank, CellHeader(row, col, cells[col].xf));
        return 1;
    }
    std::string data;
    PutU16(data, static_cast<uint16_t>(row));
    PutU16(data, static_cast<uint16_t>(col));
    for (int c = col; c < end; ++c) PutU16(data, cells[c].xf);
    PutU16(data, static_cast<uint16_t>(end - 1));
    AppendRecord(stream, rec::kMulBlank, data);
    return count;
}

// A cell record built in place: header, row, column, format, then the value's bytes.
class CellRecord {
public:
    CellRecord(uint16_t type, int row, int col, uint16_t xf) {
        Put16(type);
        Put16(0);  // length, set by Append
        Put16(static_cast<uint16_t>(row));
        Put16(static_cast<uint16_t>(col));
        Put16(xf);
    }
    void Put8(uint8_t v) { bytes_[size_++] = static_cast<char>(v); }
    void Put16(uint16_t v) {
        Put8(static_cast<uint8_t>(v & 0xFF));
        Put8(static_cast<uint8_t>(v >> 8));
    }
    void Put32(uint32_t v) {
        Put16(static_cast<uint16_t>(v & 0xFFFF));
        Put16(static_cast<uint16_t>(v >> 16));
    }
    void PutDouble(double v) {
        uint64_t bits;
        std::memcpy(&bits, &v, 8);
        Put32(static_cast<uint32_t>(bits));
        Put32(static_cast<uint32_t>(bits >> 32));
    }
    void Append(std::string& stream) {
        bytes_[2] = static_cast<char>(size_ - 4);
        stream.append(bytes_, size_);
    }

private:
    char bytes_[24];
    size_t size_ = 0;
};

void AppendCell(std::string& stream, int row, int col, const Cell& cell,
                const std::vector<uint32_t>& stringIndexes, size_t& nextString) {
    if (cell.IsFormula()) return AppendFormula(stream, row, col, cell);
    switch (cell.value.kind) {
        case ValueKind::Text: {
            CellRecord r(rec::kLabelSst, row, col, cell.xf);
            r.Put32(nextString < stringIndexes.size() ? stringIndexes[nextString] : 0);
            ++nextString;
            return r.Append(stream);
        }
        case ValueKind::Number: {
            CellRecord r(rec::kNumber, row, col, cell.xf);
            r.PutDouble(cell.value.number);
            return r.Append(stream);
        }
        case ValueKind::Boolean:
        case ValueKind::Error: {
            CellRecord r(rec::kBoolErr, row, col, cell.xf);
            r.Put8(cell.value.code);
            r.Put8(cell.value.kind == ValueKind::Error ? 1 : 0);
            return r.Append(stream);
        }
        case ValueKind::Empty:
            return CellRecord(rec::kBlank, row, col, cell.xf).Append(stream);
    }
}

// Appends a row's cells; returns the position of its first cell record.
size_t AppendRowCells(std::string& stream, int number, const Row& row,
                      const std::vector<uint32_t>& stringIndexes, size_t& nextString) {
    size_t first = stream.size();
    for (int col = 0; col < static_cast<int>(row.cells.size());) {
        const Cell& cell = row.cells[col];
        if (!cell.present) {
            ++col;
        } else if (cell.value.kind == ValueKind::Empty && !cell.IsFormula()) {
            col += AppendBlanks(stream, number, col, row.cells);
        } else {
            AppendCell(stream, number, col, cell, stringIndexes, nextString);
            ++col;
        }
    }
    return first;
}

struct CellTableResult {
    std::vector<uint32_t> dbCellPositions;
};

// One row block: ROW records, their cells, then the DBCELL that indexes them.
void AppendRowBlock(std::string& stream, const Sheet& sheet, const std::vector<int>& rows,
                    const std::vector<uint32_t>& stringIndexes, size_t& nextString, CellTableResult& result) {
    size_t firstRowPos = stream.size();
    for (int number : rows) AppendRecord(stream, rec::kRow, RowRecordData(number, sheet.rows.at(number)));
    std::vector<size_t> cellStarts;
    for (int number : rows)
        cellStarts.push_back(
            AppendRowCells(stream, number, sheet.rows.at(number), stringIndexes, nextString));
    std::string db;
    size_t dbPos = stream.size();
    PutU32(db, static_cast<uint32_t>(dbPos - firstRowPos));
    size_t previous = firstRowPos + 20;  // the end of the first ROW record
    for (size_t start : cellStarts) {
        PutU16(db, static_cast<uint16_t>(start - previous));
        previous = start;
    }
    AppendRecord(stream, rec::kDbCell, db);
    result.dbCellPositions.push_back(static_cast<uint32_t>(dbPos));
}

CellTableResult AppendCellTable(std::string& stream, const Sheet& sheet, const std::vector<int>& rows,
                                const std::vector<uint32_t>& stringIndexes, size_t& nextString) {
    CellTableResult result;
    if (!sheet.hasRowRecords) {
        for (int number : rows)
            AppendRowCells(stream, number, sheet.rows.at(number), stringIndexes, nextString);
        return result;
    }
    for (size_t i = 0; i < rows.size();) {
        size_t end = i;
        while (end < rows.size() && rows[end] / kRowsPerBlock == rows[i] / kRowsPerBlock) ++end;
        std::vector<int> block(rows.begin() + i, rows.begin() + end);
        AppendRowBlock(stream, sheet, block, stringIndexes, nextString, result);
        i = end;
    }
    return result;
}

size_t BlockCount(const std::vector<int>& rows) {
    size_t count = 0;
    for (size_t i = 0; i < rows.size(); ++i)
        if (i == 0 || rows[i] / kRowsPerBlock != rows[i - 1] / kRowsPerBlock) ++count;
    return count;
}

std::string DimensionsData(const Sheet& sheet) {
    std::string data;
    auto used = sheet.UsedRange();
    PutU32(data, used ? used->firstRow : 0);
    PutU32(data, used ? used->lastRow + 1 : 0);
    PutU16(data, static_cast<uint16_t>(used ? used->firstCol : 0));
    PutU16(data, static_cast<uint16_t>(used ? used->lastCol + 1 : 0));
    PutU16(data, 0);
    return data;
}

void AppendMerges(std::string& stream, const std::vector<CellRange>& merges) {
    constexpr size_t kPerRecord = 1026;
    for (size_t i = 0; i < merges.size(); i += kPerRecord) {
        size_t count = std::min(kPerRecord, merges.size() - i);
        std::string data;
        PutU16(data, static_cast<uint16_t>(count));
        for (size_t k = i; k < i + count; ++k) {
            PutU16(data, static_cast<uint16_t>(merges[k].firstRow));
            PutU16(data, static_cast<uint16_t>(merges[k].lastRow));
            PutU16(data, static_cast<uint16_t>(merges[k].firstCol));
            PutU16(data, static_cast<uint16_t>(merges[k].lastCol));
        }
        AppendRecord(stream, rec::kMergedCells, data);
    }
}

std::string Window2Data(const Record& r, bool active) {
    std::string data = r.data;
    uint16_t flags = GetU16At(data, 0);
    flags =
        active ? (flags | kWindow2Selected | kWindow2Paged) : (flags & ~(kWindow2Selected | kWindow2Paged));
    SetU16At(data, 0, flags);
    return data;
}

// A window showing grid lines and headers, for a worksheet that has none.
std::string DefaultWindow2() {
    std::string data;
    for (uint16_t v : {0x06B6, 0, 0, 64, 0, 0, 0, 0, 0}) PutU16(data, v);
    return data;
}

// INDEX with room for one DBCELL position per row block, filled in after the cell table.
size_t AppendIndexPlaceholder(std::string& stream, const std::vector<int>& rows) {
    std::string data;
    PutU32(data, 0);
    PutU32(data, rows.empty() ? 0 : rows.front());
    PutU32(data, rows.empty() ? 0 : rows.back() + 1);
    PutU32(data, 0);
    for (size_t i = 0; i < BlockCount(rows); ++i) PutU32(data, 0);
    size_t pos = stream.size();
    AppendRecord(stream, rec::kIndex, data);
    return pos;
}

}  // namespace

void AppendRawRecord(std::string& stream, const Record& record) {
    std::string_view data = record.data;
    AppendRecord(stream, record.type, data.substr(0, kMaxRecordData));
    for (size_t pos = kMaxRecordData; pos < data.size(); pos += kMaxRecordData)
        AppendRecord(stream, rec::kContinue, data.substr(pos, kMaxRecordData));
}

void AppendSheet(std::string& stream, const Sheet& sheet, bool active,
                 const std::vector<uint32_t>& stringIndexes, size_t& nextString) {
    if (!sheet.isWorksheet) {
        for (const Record& r : sheet.records) AppendRawRecord(stream, r);
        return;
    }
    std::vector<int> rows = RowsToWrite(sheet);
    size_t indexPos = std::string::npos, defColWidthPos = 0;
    CellTableResult table;
    bool hasWindow = sheet.Find(rec::kWindow2) != nullptr;
    for (size_t i = 0; i < sheet.records.size(); ++i) {
        const Record& r = sheet.records[i];
        if (!hasWindow && i + 1 == sheet.records.size())
            AppendRecord(stream, rec::kWindow2, Window2Data({rec::kWindow2, DefaultWindow2()}, active));
        switch (r.type) {
            case slot::kIndex:
                if (sheet.hasRowRecords) indexPos = AppendIndexPlaceholder(stream, rows);
                break;
            case slot::kDimensions:
                AppendRecord(stream, rec::kDimensions, DimensionsData(sheet));
                break;
            case slot::kCells:
                table = AppendCellTable(stream, sheet, rows, stringIndexes, nextString);
                break;
            case slot::kMerges:
                AppendMerges(stream, sheet.merges);
                break;
            case rec::kWindow2:
                AppendRecord(stream, r.type, Window2Data(r, active));
                break;
            case rec::kDefColWidth:
                defColWidthPos = stream.size();
                AppendRawRecord(stream, r);
                break;
            default:
                AppendRawRecord(stream, r);
        }
    }
    if (indexPos == std::string::npos) return;
    SetU32At(stream, indexPos + 4 + 12, static_cast<uint32_t>(defColWidthPos));
    for (size_t i = 0; i < table.dbCellPositions.size(); ++i)
        SetU32At(stream, indexPos + 4 + 16 + 4 * i, table.dbCellPositions[i]);
}

}  // namespace quillbat::xls
