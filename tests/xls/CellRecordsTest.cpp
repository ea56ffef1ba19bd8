// Every kind of cell record other writers use, read into the values they stand for: each case
// is a record put into a sheet's stream, written out, and read back by the reader.

#include <gtest/gtest.h>

#include "xls/ByteIo.h"
#include "xls/SheetReader.h"
#include "xls/Workbook.h"

namespace quillbat::xls {
namespace {

std::string Header(int row, int col, uint16_t xf) {
    std::string d;
    PutU16(d, static_cast<uint16_t>(row));
    PutU16(d, static_cast<uint16_t>(col));
    PutU16(d, xf);
    return d;
}

struct Case {
    const char* what;
    std::vector<Record> records;  // at row 0, from column 0 on
    std::vector<CellValue> expected;
};

std::vector<Case> Cases() {
    std::vector<Case> cases;
    auto rk = [](uint32_t value) {
        std::string d = Header(0, 0, 15);
        PutU32(d, value);
        return d;
    };
    cases.push_back(
        {"RK integer", {{rec::kRk, rk((123u << 2) | 0x02)}}, {CellValue::FromNumber(123)}});
    cases.push_back({"RK integer / 100",
                     {{rec::kRk, rk((static_cast<uint32_t>(-285) << 2) | 0x03)}},
                     {CellValue::FromNumber(-2.85)}});
    cases.push_back({"RK double", {{rec::kRk, rk(0x3FF80000)}}, {CellValue::FromNumber(1.5)}});

    std::string mulrk;
    PutU16(mulrk, 0);
    PutU16(mulrk, 0);
    for (uint32_t v : {1u, 2u, 3u}) {
        PutU16(mulrk, 15);
        PutU32(mulrk, (v << 2) | 0x02);
    }
    PutU16(mulrk, 2);
    cases.push_back(
        {"MULRK",
         {{rec::kMulRk, mulrk}},
         {CellValue::FromNumber(1), CellValue::FromNumber(2), CellValue::FromNumber(3)}});

    std::string label = Header(0, 0, 15);
    PutU16(label, 3);
    PutU8(label, 0);
    label += "abc";
    std::string wide = Header(0, 1, 15);
    PutU16(wide, 2);
    PutU8(wide, 1);
    PutU16(wide, 0x00E9);
    PutU16(wide, 0x2014);
    cases.push_back({"LABEL 8 and 16 bit",
                     {{rec::kLabel, label}, {rec::kLabel, wide}},
                     {CellValue::FromText("abc"), CellValue::FromText("\xC3\xA9\xE2\x80\x94")}});

    std::string boolean = Header(0, 0, 15) + std::string("\x01\x00", 2);
    std::string error = Header(0, 1, 15) + std::string("\x2A\x01", 2);
    cases.push_back({"BOOLERR",
                     {{rec::kBoolErr, boolean}, {rec::kBoolErr, error}},
                     {CellValue::FromBoolean(true), CellValue::FromError(0x2A)}});

    auto formula = [](int col, std::string value) {
        std::string d = Header(0, col, 15) + value;
        PutU16(d, 0);
        PutU32(d, 0);
        PutU16(d, 3);
        d += std::string("\x1E\x05\x00", 3);  // =5
        return d;
    };
    std::string cachedNumber;
    PutF64(cachedNumber, 5);
    std::string stringValue;
    PutU16(stringValue, 2);
    PutU8(stringValue, 0);
    stringValue += "ok";
    cases.push_back(
        {"FORMULA with cached number, text, empty text and error",
         {{rec::kFormula, formula(0, cachedNumber)},
          {rec::kFormula, formula(1, std::string("\x00\x00\x00\x00\x00\x00\xFF\xFF", 8))},
          {rec::kString, stringValue},
          {rec::kFormula, formula(2, std::string("\x03\x00\x00\x00\x00\x00\xFF\xFF", 8))},
          {rec::kFormula, formula(3, std::string("\x02\x00\x07\x00\x00\x00\xFF\xFF", 8))}},
         {CellValue::FromNumber(5), CellValue::FromText("ok"), CellValue::FromText(""),
          CellValue::FromError(0x07)}});

    std::string mulblank;
    PutU16(mulblank, 0);
    PutU16(mulblank, 0);
    for (int i = 0; i < 3; ++i) PutU16(mulblank, 16);
    PutU16(mulblank, 2);
    cases.push_back(
        {"MULBLANK", {{rec::kMulBlank, mulblank}}, {CellValue{}, CellValue{}, CellValue{}}});
    return cases;
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

// A formula cell keeps its formula through a save and loses it once a value is written.
TEST(CellRecords, FormulasSurviveUntilOverwritten) {
    Workbook book;
    ASSERT_EQ(OpenWorkbookFile(std::string(QUILLBAT_XLS_TEST_DATA) + "/template.xlt", book), "");
    std::string bytes;
    ASSERT_EQ(WriteWorkbook(book, bytes), "");
    Workbook back;
    ASSERT_EQ(ReadWorkbook(bytes, back), "");
    ASSERT_TRUE(back.sheets[0].CellAt(12, 3)->IsFormula());
    back.sheets[0].SetValue(12, 3, CellValue::FromNumber(1));
    EXPECT_FALSE(back.sheets[0].CellAt(12, 3)->IsFormula());
    EXPECT_EQ(back.sheets[0].CellAt(12, 3)->xf, book.sheets[0].CellAt(12, 3)->xf);
}

}  // namespace
}  // namespace quillbat::xls
