// Every kind of cell record other writers use, read into the values they stand for: each case
// is a record put into a sheet's stream, written out, and read back by the reader.

#include <gtest/gtest.h>

#include "xls/ByteIo.h"
#include "xls/SheetReader.h"
#include "xls/Workbook.h"

namespace quillbat::xls {
namespace {

// Little-endian 16-bit fields, then raw bytes.
std::string Fields(std::initializer_list<uint16_t> values, std::string_view tail = {}) {
    std::string d;
    for (uint16_t v : values) PutU16(d, v);
    return d + std::string(tail);
}

struct Case {
    const char* what;
    std::vector<Record> records;  // at row 0, from column 0 on
    std::vector<CellValue> expected;
};

std::vector<Case> Cases() {
    auto rk = [](uint32_t value) { return Fields({0, 0, 15, uint16_t(value), uint16_t(value >> 16)}); };
    // =5 with the cached value's 8 bytes.
    auto formula = [](uint16_t col, std::string_view value) {
        return Fields({0, col, 15}, value) + Fields({0, 0, 0, 3}, std::string_view("\x1E\x05\x00", 3));
    };
    std::string five;
    PutF64(five, 5);
    using V = CellValue;
    return {
        {"RK integer", {{rec::kRk, rk((123u << 2) | 0x02)}}, {V::FromNumber(123)}},
        {"RK integer / 100",
         {{rec::kRk, rk((static_cast<uint32_t>(-285) << 2) | 0x03)}},
         {V::FromNumber(-2.85)}},
        {"RK double", {{rec::kRk, rk(0x3FF80000)}}, {V::FromNumber(1.5)}},
        {"MULRK",
         {{rec::kMulRk, Fields({0, 0, 15, 1 << 2 | 2, 0, 15, 2 << 2 | 2, 0, 15, 3 << 2 | 2, 0, 2})}},
         {V::FromNumber(1), V::FromNumber(2), V::FromNumber(3)}},
        {"LABEL 8 and 16 bit",
         {{rec::kLabel, Fields({0, 0, 15, 3}, std::string_view("\0abc", 4))},
          {rec::kLabel, Fields({0, 1, 15, 2}, std::string_view("\1", 1)) + Fields({0x00E9, 0x2014})}},
         {V::FromText("abc"), V::FromText("\xC3\xA9\xE2\x80\x94")}},
        {"BOOLERR",
         {{rec::kBoolErr, Fields({0, 0, 15, 0x0001})}, {rec::kBoolErr, Fields({0, 1, 15, 0x012A})}},
         {V::FromBoolean(true), V::FromError(0x2A)}},
        {"FORMULA with cached number, text, empty text and error",
         {{rec::kFormula, formula(0, five)},
          {rec::kFormula, formula(1, Fields({0, 0, 0, 0xFFFF}))},
          {rec::kString, Fields({2}, std::string_view("\0ok", 3))},
          {rec::kFormula, formula(2, Fields({3, 0, 0, 0xFFFF}))},
          {rec::kFormula, formula(3, Fields({2, 7, 0, 0xFFFF}))}},
         {V::FromNumber(5), V::FromText("ok"), V::FromText(""), V::FromError(0x07)}},
        {"MULBLANK", {{rec::kMulBlank, Fields({0, 0, 16, 16, 16, 2})}}, {V{}, V{}, V{}}},
    };
}

TEST(CellRecords, EveryKindReadsAsItsValue) {
    for (const Case& c : Cases()) {
        Workbook book = NewWorkbook();
        auto& records = book.sheets[0].records;
        auto cells = std::find_if(records.begin(), records.end(),
                                  [](const Record& r) { return r.type == slot::kCells; });
        records.insert(cells + 1, c.records.begin(), c.records.end());
        std::string bytes;
        ASSERT_EQ(WriteWorkbook(book, bytes), "") << c.what;
        Workbook back;
        ASSERT_EQ(ReadWorkbook(bytes, back), "") << c.what;
        for (size_t col = 0; col < c.expected.size(); ++col) {
            const Cell* cell = back.sheets[0].CellAt(0, static_cast<int>(col));
            ASSERT_NE(cell, nullptr) << c.what << " column " << col;
            EXPECT_EQ(cell->value, c.expected[col]) << c.what << " column " << col;
        }
    }
}

}  // namespace
}  // namespace quillbat::xls
