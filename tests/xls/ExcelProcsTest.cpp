// The spreadsheet operations as the workbook stages call them, and the worksheet procedures.

#include <gtest/gtest.h>

#include <tuple>

#include "TempFolder.h"
#include "TemplateSheet.h"
#include "xls/ByteIo.h"
#include "xls/Fills.h"
#include "xls/PageSetup.h"

namespace quillbat {
namespace {

using xls::CellValue;

TEST(ColumnLetter, CoversOneAndTwoLetterColumns) {
    const std::pair<int, const char*> cases[] = {{1, "A"},    {26, "Z"},   {27, "AA"}, {52, "AZ"}, {53, "BA"},
                                                 {256, "IV"}, {702, "ZZ"}, {0, ""},    {703, ""}};
    for (auto [n, letters] : cases) EXPECT_EQ(ColumnLetter(n), letters) << n;
}

class OnNewSheet : public ::testing::Test {
protected:
    ExcelApplication app;
    ExcelWorkbook& book = app.Add();
    ExcelWorksheet sheet = book.Worksheets(1);
};

// The used range stretched by a formatted blank cell, values in some cells: the last row and
// column that hold a value (or an error value, but not empty text), never below the header
// row and first column, the used counts when no other row or column holds one.
TEST(FindLastRowAndColumn, ScansFromTheUsedRangeInward) {
    const CellValue v = CellValue::FromText("v");
    struct Case {
        const char* what;
        std::vector<std::tuple<int, int, CellValue>> values;
        std::pair<int, int> stretch, last;
    } cases[] = {{"empty sheet", {}, {1, 1}, {1, 1}},
                 {"header row only", {{1, 1, v}, {1, 2, v}, {1, 3, v}}, {10, 5}, {10, 3}},
                 {"column A only", {{1, 1, v}, {40, 1, v}}, {60, 8}, {40, 8}},
                 {"an error value counts, empty text does not",
                  {{1, 1, v}, {7, 4, CellValue::FromError(0x2A)}, {9, 2, CellValue::FromText("")}},
                  {12, 6},
                  {7, 4}}};
    for (const Case& c : cases) {
        ExcelApplication app;
        ExcelWorksheet sheet = app.Add().Worksheets(1);
        for (const auto& [row, col, value] : c.values) sheet.Cells(row, col).SetValue(value);
        ASSERT_EQ(sheet.Cells(c.stretch.first, c.stretch.second).SetColorIndex(6), "");
        int lastRow = 0, lastColumn = 0;
        FindLastRowAndColumn(sheet, lastRow, lastColumn);
        EXPECT_EQ(std::pair(lastRow, lastColumn), c.last) << c.what;
        EXPECT_EQ(std::pair(GetUsedRowCount(sheet), GetUsedColumnCount(sheet)), c.stretch) << c.what;
    }
}

TEST_F(OnNewSheet, TypedTextBecomesANumberOnlyWhenItIsOne) {
    const std::pair<const char*, CellValue> cases[] = {
        {"3.25", CellValue::FromNumber(3.25)},   {".285", CellValue::FromNumber(0.285)},
        {" -12 ", CellValue::FromNumber(-12)},   {"1E3", CellValue::FromNumber(1000)},
        {"'007", CellValue::FromText("007")},    {"1-2", CellValue::FromText("1-2")},
        {"12:30", CellValue::FromText("12:30")}, {"Smith, J", CellValue::FromText("Smith, J")},
        {"+", CellValue::FromText("+")},         {"", CellValue{}}};
    for (const auto& [text, expected] : cases) {
        sheet.Cells(1, 1).SetValue(text);
        EXPECT_EQ(sheet.Cells(1, 1).Value(), expected) << text;
    }
}

// The default 48-pt columns and 12.75-pt rows are checked by the page layout's tests.
TEST_F(OnNewSheet, AColumnsWidthComesFromItsColInfo) {
    // 10 characters wide: 10 * 256 units of Arial 10's 7-pixel digit width.
    std::string colInfo;
    for (uint16_t v : {2, 2, 2560, 15, 0, 0}) xls::PutU16(colInfo, v);
    book.Model().sheets[0].InsertBefore({xls::slot::kDimensions}, {xls::rec::kColInfo, colInfo});
    EXPECT_DOUBLE_EQ(sheet.Range("C1").Width(), 52.5);
    EXPECT_DOUBLE_EQ(sheet.Range("D1").Left(), 96 + 52.5);
}

TEST_F(OnNewSheet, FooterAndMarginSurviveSaving) {
    testing::TempFolder folder;
    ASSERT_EQ(sheet.SetCenterFooter("Data: example.com"), "");
    sheet.SetFooterMargin(0.25);
    sheet.SelectA1();
    ASSERT_EQ(book.SaveAs(folder / "f.xls", kXlWorkbookNormal), "");
    ExcelWorkbook* back = nullptr;
    ASSERT_EQ(app.Open(folder / "f.xls", back), "");
    EXPECT_EQ(back->Worksheets(1).CenterFooter(), "Data: example.com");
    EXPECT_DOUBLE_EQ(back->Worksheets(1).FooterMargin(), 0.25);
    EXPECT_NE(sheet.SetCenterFooter(std::string(300, 'x')), "");
    EXPECT_NE(book.SaveAs(folder / "g.xlsx", 51), "");
    // The centre section is one of three; "&&" is a literal ampersand.
    xls::FooterSections sections = xls::SplitSections("&LPage &P&C&&Co&RRight");
    EXPECT_EQ(sections.left + "|" + sections.center + "|" + sections.right, "Page &P|&&Co|Right");
    EXPECT_EQ(xls::JoinSections(sections), "&LPage &P&C&&Co&RRight");
}

using OnTemplate = testing::TemplateSheet;

TEST_F(OnTemplate, FindsRangesByNameAndAddress) {
    EXPECT_EQ(sheet.Range("team").Address(), "$B$2");
    EXPECT_EQ(sheet.Range("TEAM").Row(), 2);  // names match without regard to case
    EXPECT_EQ(sheet.Range("TeamLogo").Address(), "$D$1");
    EXPECT_EQ(sheet.Range("pitcher").Row(), 13);
    EXPECT_EQ(sheet.Range("$C$13").Value(), CellValue::FromNumber(3.25));
    ExcelRange missing;
    EXPECT_NE(sheet.Range("nosuchname", missing), "");
    EXPECT_FALSE(missing.IsValid());
    EXPECT_NE(missing.SetValue("x"), "");
    EXPECT_FALSE(book->Worksheets(3).IsValid());
    EXPECT_EQ(book->Worksheets(2).Name(), "Notes");
    EXPECT_FALSE(book->Worksheets(2).Range("team").IsValid());  // the name is on another sheet
}

TEST_F(OnTemplate, WritesKeepTheCellFormat) {
    ExcelRange team = sheet.Range("team");
    long boxedColour = team.Color();
    ASSERT_EQ(team.SetValue("Boston"), "");
    EXPECT_EQ(team.Value(), CellValue::FromText("Boston"));
    EXPECT_EQ(book->Model().sheets[0].CellAt(1, 1)->xf, 22);
    EXPECT_EQ(team.Color(), boxedColour);
}

TEST_F(OnTemplate, AMergedRangeTakesAValueInItsTopLeftCell) {
    ASSERT_EQ(sheet.Range("TeamLogo").SetValue("logo"), "");
    EXPECT_EQ(sheet.Cells(1, 4).Value(), CellValue::FromText("logo"));
    EXPECT_TRUE(sheet.Cells(1, 5).Value().IsBlank());
    EXPECT_TRUE(sheet.Cells(2, 6).Value().IsBlank());
    ASSERT_EQ(sheet.Range("A12:C12").SetValue(CellValue::FromNumber(0)), "");  // not merged
    EXPECT_EQ(sheet.Cells(12, 3).Value(), CellValue::FromNumber(0));
}

TEST_F(OnTemplate, FillsByPaletteIndexAndByCopiedColour) {
    ASSERT_EQ(sheet.Range("A4:F4").SetColorIndex(16), "");
    EXPECT_EQ(sheet.Cells(4, 6).Color(), 0x808080);
    long yellow = sheet.Cells(1, 1).Color();
    ASSERT_EQ(sheet.Cells(5, 2).SetColor(yellow), "");
    EXPECT_EQ(sheet.Cells(5, 2).Color(), yellow);
    EXPECT_NE(sheet.Cells(5, 2).SetColorIndex(57), "");
    ASSERT_EQ(sheet.Cells(4, 6).SetColorIndex(xls::kColorIndexNone), "");
    EXPECT_EQ(sheet.Cells(4, 6).Color(), 0xFFFFFF);
    // Reusing a fill does not add formats.
    size_t formats = book->Model().formats.xfs.size();
    ASSERT_EQ(sheet.Range("A6:F6").SetColorIndex(16), "");
    EXPECT_EQ(book->Model().formats.xfs.size(), formats);
}

// The template's own rows are compared with LibreOffice's page (LibreOfficePdfTest.cpp).
TEST_F(OnTemplate, RowHeightsComeFromTheFile) {
    // xlwt marks a row of the default height by the top bit of its height (row 3).
    ExcelWorkbook* rows = nullptr;
    ASSERT_EQ(app.Open(testing::XlsTestData("rows-and-styles.xls"), rows), "");
    EXPECT_DOUBLE_EQ(rows->Worksheets(1).Range("A3").Height(), 12.75);
    EXPECT_DOUBLE_EQ(rows->Worksheets(1).Range("A5").Height(), 0);  // a height of 0
}

// A saved template's file is checked in SheetRenderTest.cpp and LibreOfficeTest.cpp, the
// engine's version by the check at startup (SpreadsheetCheckTest).
TEST_F(OnTemplate, StartingClosingAndOpeningAMissingFile) {
    EXPECT_EQ(app.Start(), "");
    app.Close(book);
    EXPECT_EQ(app.OpenCount(), 0u);
    ExcelWorkbook* missing = nullptr;
    std::string error = app.Open("/nowhere/none.xls", missing);
    EXPECT_NE(error.find("none.xls"), std::string::npos);
    EXPECT_EQ(missing, nullptr);
    app.Quit();
}

}  // namespace
}  // namespace quillbat
