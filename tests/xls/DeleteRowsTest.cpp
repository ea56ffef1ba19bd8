// Deleting cells and moving those below up, through names, merges and row records, and the
// deletes refused. LibreOffice checks the formulas after a delete (TemplateEditsTest.cpp).

#include <gtest/gtest.h>

#include "TemplateSheet.h"
#include "xls/Geometry.h"
#include "xls/Names.h"

namespace quillbat {
namespace {

using xls::CellRange;
using xls::CellValue;

class DeleteRows : public testing::TemplateSheet {
protected:
    // Where the template's names point, "none" for a name that lost its cells.
    std::string Names() {
        std::string out;
        for (const char* name : {"pitcher", "lineup", "team", "TeamLogo"}) {
            ExcelRange range;
            const CellRange& c = range.Cells();
            out += std::string(out.empty() ? "" : ", ") + name + " ";
            out += !sheet.Range(name, range).empty()
                       ? "none"
                       : xls::ColumnLetters(c.firstCol) + std::to_string(c.firstRow + 1) + ":" +
                             xls::ColumnLetters(c.lastCol) + std::to_string(c.lastRow + 1);
        }
        return out;
    }
};

// The cells and names moving up are checked through LibreOffice (LibreOfficeTest.cpp).
TEST_F(DeleteRows, MergesBelowMoveUpAndTheUsedRangeShrinks) {
    book->Model().sheets[0].merges.push_back({20, 21, 0, 1});
    ASSERT_EQ(sheet.Range("A5:F6").Delete(), "");
    EXPECT_EQ(book->Model().sheets[0].merges,
              (std::vector<CellRange>{{0, 0, 0, 2}, {0, 1, 3, 5}, {18, 19, 0, 1}}));
    EXPECT_EQ(GetUsedRowCount(sheet), 11);
}

// Rows keep their heights when only cells move up (TemplateEditsTest.cpp); whole rows take
// theirs along. Rows 3-13 of the template are 0.2 in high, those below of the default height.
TEST_F(DeleteRows, WholeRowsTakeTheirHeightsAlong) {
    const xls::Sheet& model = book->Model().sheets[0];
    double below = xls::RowHeightPoints(model, 13);
    ASSERT_NE(xls::RowHeightPoints(model, 11), below);
    ASSERT_EQ(sheet.Range("A5:IV6").Delete(), "");
    EXPECT_EQ(xls::RowHeightPoints(model, 11), below);
}

// Cells beside the deleted columns stay where they are (TemplateEditsTest.cpp).
TEST_F(DeleteRows, NamesWiderThanTheDeletedColumnsKeepTheirRows) {
    ASSERT_EQ(sheet.Range("B5:B6").Delete(), "");
    EXPECT_EQ(Names(), "pitcher B11:B11, lineup A4:F12, team B2:B2, TeamLogo D1:F2");
}

TEST_F(DeleteRows, NamesAndMergesInsideTheDeletedRowsGo) {
    ASSERT_EQ(sheet.Range("A13:F13").Delete(), "");
    ASSERT_EQ(sheet.Range("A1:F2").Delete(), "");
    EXPECT_TRUE(book->Model().sheets[0].merges.empty());
    EXPECT_EQ(Names(), "pitcher none, lineup A2:F10, team none, TeamLogo none");  // now #REF!
    EXPECT_EQ(sheet.Cells(1, 1).Value(), CellValue::FromText("#"));
    std::string bytes;
    ASSERT_EQ(xls::WriteWorkbook(book->Model(), bytes), "");
    EXPECT_EQ(testing::WorkbookInvariantViolations(bytes), std::vector<std::string>{});
}

// Merged ranges and array formulas cannot be cut, nor cells of a protected sheet deleted.
TEST_F(DeleteRows, RefusedWhereTheSpreadsheetRefuses) {
    EXPECT_NE(sheet.Range("A2:F3").Delete(), "");  // would cut D1:F2
    EXPECT_NE(sheet.Range("E1:E1").Delete(), "");  // inside D1:F2's columns only
    EXPECT_EQ(sheet.Cells(2, 1).Value(), CellValue::FromText("Team"));
    ASSERT_EQ(app.Open(testing::XlsTestData("edits.xls"), book), "");
    sheet = book->Worksheets(1);
    EXPECT_NE(sheet.Range("A2:G2").Delete().find("array formula"), std::string::npos);  // G1:G3
    EXPECT_NE(sheet.Range("G22").Delete(), "");  // G21:G22
    EXPECT_EQ(sheet.Cells(3, 1).Value(), CellValue::FromNumber(3));
    ASSERT_EQ(app.Open(testing::XlsTestData("rows-and-styles.xls"), book), "");
    ExcelWorksheet locked = book->Worksheets(2);  // protected with a password
    EXPECT_NE(locked.Range("A1").Delete().find("protected"), std::string::npos);
    EXPECT_EQ(locked.Cells(1, 1).Value(), CellValue::FromText("locked"));
}

// A formula with a token the engine does not know is left as it is.
TEST(ShiftReferences, LeavesFormulasWithOtherTokensAlone) {
    std::string formula = {0x3A, 0, 0, 10, 0, 1, 0, 0x18, 5, 0};  // a reference, then 0x18
    std::string before = formula;
    xls::ShiftReferencesUp(formula, {0, true}, {2, 3, 0, 255});
    EXPECT_EQ(formula, before);
}

}  // namespace
}  // namespace quillbat
