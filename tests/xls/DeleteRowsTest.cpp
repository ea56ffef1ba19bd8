// Deleting cells and moving those below up, through names, merges and row records.

#include <gtest/gtest.h>

#include "XlsInvariants.h"
#include "workbooks/ExcelProcs.h"
#include "xls/ByteIo.h"
#include "xls/Geometry.h"
#include "xls/Names.h"

namespace quillbat {
namespace {

using xls::CellRange;
using xls::CellValue;

class DeleteRows : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(app.Open(testing::XlsTestData("template.xlt"), book), "");
        sheet = book->Worksheets(1);
        for (int r = 4; r <= 12; ++r) sheet.Cells(r, 1).SetValue(static_cast<double>(r));
    }
    std::string AddressOf(const char* name) {
        ExcelRange range;
        if (!sheet.Range(name, range).empty()) return "none";
        const CellRange& c = range.Cells();
        return xls::ColumnLetters(c.firstCol) + std::to_string(c.firstRow + 1) + ":" +
               xls::ColumnLetters(c.lastCol) + std::to_string(c.lastRow + 1);
    }
    ExcelApplication app;
    ExcelWorkbook* book = nullptr;
    ExcelWorksheet sheet;
};

TEST_F(DeleteRows, WholeRowsMoveCellsNamesMergesAndHeightsUp) {
    xls::Sheet& model = book->Model().sheets[0];
    double pitcherRowHeight = xls::RowHeightPoints(model, 12);
    ASSERT_EQ(sheet.Range("A5:F6").Delete(), "");
    EXPECT_EQ(sheet.Cells(5, 1).Value(), CellValue::FromNumber(7));
    EXPECT_EQ(sheet.Cells(11, 1).Value(), CellValue::FromText("Pitcher"));
    EXPECT_EQ(sheet.Cells(11, 3).Value(), CellValue::FromNumber(3.25));
    EXPECT_TRUE(sheet.Cells(13, 1).Value().IsBlank());
    EXPECT_EQ(AddressOf("pitcher"), "B11:B11");
    EXPECT_EQ(AddressOf("lineup"), "A4:F10");  // an area across the deleted rows shrinks
    EXPECT_EQ(AddressOf("team"), "B2:B2");     // above: unchanged
    EXPECT_EQ(AddressOf("TeamLogo"), "D1:F2");
    EXPECT_EQ(model.merges, (std::vector<CellRange>{{0, 0, 0, 2}, {0, 1, 3, 5}}));
    EXPECT_EQ(xls::RowHeightPoints(model, 10), pitcherRowHeight);
    EXPECT_EQ(GetUsedRowCount(sheet), 11);
}

TEST_F(DeleteRows, PartOfTheColumnsMovesOnlyThoseCells) {
    sheet.Cells(13, 8).SetValue("beside");  // a cell outside the deleted columns
    ASSERT_EQ(sheet.Range("B5:B6").Delete(), "");
    EXPECT_EQ(AddressOf("pitcher"), "B11:B11");
    EXPECT_EQ(AddressOf("lineup"), "A4:F12");  // wider than the deleted columns: kept
    EXPECT_EQ(sheet.Cells(13, 1).Value(), CellValue::FromText("Pitcher"));
    EXPECT_EQ(sheet.Cells(13, 8).Value(), CellValue::FromText("beside"));
    EXPECT_EQ(sheet.Cells(5, 1).Value(), CellValue::FromNumber(5));
}

TEST_F(DeleteRows, NamesAndMergesInsideTheDeletedRowsGo) {
    ASSERT_EQ(sheet.Range("A13:F13").Delete(), "");
    EXPECT_EQ(AddressOf("pitcher"), "none");  // now #REF!
    ASSERT_EQ(sheet.Range("A1:F2").Delete(), "");
    EXPECT_TRUE(book->Model().sheets[0].merges.empty());
    EXPECT_EQ(AddressOf("team"), "none");
    EXPECT_EQ(sheet.Cells(1, 1).Value(), CellValue::FromText("#"));
    std::string bytes;
    ASSERT_EQ(xls::WriteWorkbook(book->Model(), bytes), "");
    EXPECT_EQ(testing::WorkbookInvariantViolations(bytes), std::vector<std::string>{});
}

TEST_F(DeleteRows, RefusesToCutAMergedRange) {
    EXPECT_NE(sheet.Range("A2:F3").Delete(), "");  // would cut D1:F2
    EXPECT_NE(sheet.Range("E1:E1").Delete(), "");  // inside D1:F2's columns only
    EXPECT_EQ(sheet.Cells(2, 1).Value(), CellValue::FromText("Team"));
}

// The template's D13 holds =C13/0; deleting rows 5-6 moves it to D11 pointing at C11.
TEST_F(DeleteRows, FormulaReferencesFollowTheirCells) {
    ASSERT_EQ(sheet.Range("A5:F6").Delete(), "");
    const xls::Cell* cell = book->Model().sheets[0].CellAt(10, 3);
    ASSERT_NE(cell, nullptr);
    ASSERT_TRUE(cell->IsFormula());
    const std::string& data = cell->extra->formula[0].data;
    ASSERT_EQ(static_cast<uint8_t>(data[22]) & 0x1F, 0x04);  // a plain reference
    EXPECT_EQ(xls::GetU16At(data, 23), 10);
    EXPECT_EQ(xls::GetU16At(data, 25) & 0xFF, 2);
}

TEST_F(DeleteRows, MergesBelowMoveUp) {
    book->Model().sheets[0].merges.push_back({20, 21, 0, 1});
    ASSERT_EQ(sheet.Range("A5:F6").Delete(), "");
    EXPECT_EQ(book->Model().sheets[0].merges.back(), (CellRange{18, 19, 0, 1}));
}

TEST(ShiftReferences, LeavesFormulasWithOtherTokensAlone) {
    std::string formula = {0x3A, 0, 0, 10, 0, 1, 0, 0x1E, 5, 0};  // ref + an integer token
    std::string before = formula;
    formula[7] = 0x18;  // not a token this knows
    xls::ShiftReferencesUp(formula, {0, true}, {2, 3, 0, 255});
    EXPECT_EQ(formula, before.substr(0, 7) + '\x18' + before.substr(8));
    std::string other = {0x3A, 1, 0, 10, 0, 1, 0};  // another sheet
    xls::ShiftReferencesUp(other, {0, true}, {2, 3, 0, 255});
    EXPECT_EQ(other[3], 10);
    // =A11+SUM(B11:B20)+"x" on the deleted sheet: both references move up two rows.
    std::string sum = {0x24, 10, 0,    0, (char)0xC0, 0x25, 10,   0,    19, 0, 1,   (char)0xC0,
                       1,    0,  0x22, 1, 4,          0,    0x03, 0x17, 1,  0, 'x', 0x03};
    xls::ShiftReferencesUp(sum, {-1, true}, {2, 3, 0, 255});
    EXPECT_EQ(sum[1], 8);
    EXPECT_EQ(sum[6], 8);
    EXPECT_EQ(sum[8], 17);
    EXPECT_EQ(sum[3] & 0xFF, 0);
}

}  // namespace
}  // namespace quillbat
