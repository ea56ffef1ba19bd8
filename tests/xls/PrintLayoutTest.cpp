// Printed pages: the paper and margins a sheet's page setup gives, scaling and fitting to
// pages, splitting at the page's edges and at manual breaks, page order, centring, and the
// header and footer field codes.

#include <gtest/gtest.h>

#include <sstream>

#include "XlsInvariants.h"
#include "xls/ByteIo.h"
#include "xls/HeaderFooter.h"
#include "xls/PrintLayout.h"
#include "xls/Record.h"

namespace quillbat::xls {
namespace {

constexpr uint16_t kSetupPortrait = 0x02, kWsBool = 0x0081, kRowBreaks = 0x001B;

// A SETUP record: paper, scale, fit width and height, flags.
Record SetupRecord(uint16_t paper, uint16_t scale, uint16_t fitWidth, uint16_t fitHeight, uint16_t flags) {
    std::string d;
    for (uint16_t v : {paper, scale, uint16_t(1), fitWidth, fitHeight, flags, uint16_t(600), uint16_t(600)})
        PutU16(d, v);
    PutF64(d, 0.3);
    PutF64(d, 0.3);
    PutU16(d, 1);
    return {rec::kSetup, d};
}

Record Margin(uint16_t type, double inches) {
    std::string d;
    PutF64(d, inches);
    return {type, d};
}

Record Flag(uint16_t type, uint16_t value) {
    std::string d;
    PutU16(d, value);
    return {type, d};
}

class Layout : public ::testing::Test {
protected:
    // A grid of numbers, `rows` by `cols`, on the new workbook's sheet.
    void Fill(int rows, int cols) {
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) sheet().SetValue(r, c, CellValue::FromNumber(r * cols + c));
    }
    Sheet& sheet() { return book.sheets[0]; }
    void Add(Record record) { sheet().InsertBefore({rec::kEof}, std::move(record)); }
    PrintLayout Lay() { return LayOutPrint(book, 0); }
    // The cells of each page, in the order they print.
    std::vector<CellRange> PageCells() {
        std::vector<CellRange> cells;
        for (const PrintedPage& p : Lay().pages) cells.push_back(p.cells);
        return cells;
    }

    Workbook book = NewWorkbook();
};

TEST(SplitIntoRuns, FillsEachRunAndStartsOneAtEveryBreak) {
    std::vector<double> sizes{10, 10, 10, 25, 10};
    EXPECT_EQ(SplitIntoRuns(sizes, 30, {}), (std::vector<int>{0, 3, 4}));
    EXPECT_EQ(SplitIntoRuns(sizes, 20, {}), (std::vector<int>{0, 2, 3, 4}));  // 25 alone
    EXPECT_EQ(SplitIntoRuns(sizes, 100, {1, 4}), (std::vector<int>{0, 1, 4}));
    EXPECT_TRUE(SplitIntoRuns({}, 100, {}).empty());
}

// Paper size, the first page's top-left corner and the scale, as one line.
std::string Paper(const PrintLayout& l) {
    std::ostringstream out;
    out << l.paperWidth << "x" << l.paperHeight << " at " << l.pages.at(0).left << "," << l.pages.at(0).top
        << " scale " << l.scale;
    return out.str();
}

TEST_F(Layout, DefaultsAreLetterPortraitWithTheSpreadsheetsMargins) {
    EXPECT_TRUE(Lay().pages.empty());  // nothing to print
    EXPECT_TRUE(LayOutPrint(book, 3).pages.empty());
    Fill(3, 2);
    PrintLayout l = Lay();
    EXPECT_EQ(l.area, (CellRange{0, 2, 0, 1}));
    EXPECT_EQ(l.pages.size(), 1u);
    EXPECT_EQ(Paper(l), "612x792 at 54,72 scale 1");  // 0.75 in and 1 in
}

TEST_F(Layout, PaperOrientationAndMarginsComeFromThePageSetup) {
    Fill(1, 1);
    Add(SetupRecord(9, 50, 1, 1, 0x0004));  // fNoPls: paper, scale and orientation not set
    EXPECT_EQ(Paper(Lay()), "612x792 at 54,72 scale 1");
    for (Record& r : sheet().records)
        if (r.type == rec::kSetup) r = SetupRecord(9, 100, 1, 1, 0);  // A4, landscape (not portrait)
    Add(Margin(rec::kLeftMargin, 0.25));
    Add(Margin(rec::kTopMargin, 0.5));
    EXPECT_EQ(Paper(Lay()), "842x595 at 18,36 scale 1");
}

TEST_F(Layout, RowsSplitAtThePageEdgeAndAtManualBreaks) {
    Fill(100, 2);  // 12.75 pt rows: 648 pt of the 792 - 144 printable, so 50 a page
    EXPECT_EQ(PageCells(), (std::vector<CellRange>{{0, 49, 0, 1}, {50, 99, 0, 1}}));

    std::string breaks;
    for (uint16_t v : {1, 10, 0, 255}) PutU16(breaks, v);  // one break, above row 11, across all columns
    Add({kRowBreaks, breaks});
    EXPECT_EQ(PageCells(), (std::vector<CellRange>{{0, 9, 0, 1}, {10, 59, 0, 1}, {60, 99, 0, 1}}));
}

TEST_F(Layout, PagesGoDownFirstUnlessTheSetupSaysAcross) {
    Fill(60, 12);  // 48 pt columns: 10 fit in 504 pt across, 50 rows down
    EXPECT_EQ(PageCells(),
              (std::vector<CellRange>{{0, 49, 0, 9}, {50, 59, 0, 9}, {0, 49, 10, 11}, {50, 59, 10, 11}}));
    Add(SetupRecord(1, 100, 1, 1, kSetupPortrait | 0x01));
    EXPECT_EQ(PageCells(),
              (std::vector<CellRange>{{0, 49, 0, 9}, {0, 49, 10, 11}, {50, 59, 0, 9}, {50, 59, 10, 11}}));
}

// A scale percent shrinks the cells onto fewer pages; fitting to pages takes the largest
// percent that fits (100 rows of 12.75 pt in 648 pt: 50 %; 12 columns of 48 pt in 504 pt:
// 87 %) and never enlarges; fitting only the width leaves the pages down open.
TEST_F(Layout, ScalingAndFittingToPages) {
    Fill(100, 12);
    Add(SetupRecord(1, 50, 1, 1, kSetupPortrait));
    EXPECT_DOUBLE_EQ(Lay().scale, 0.5);
    EXPECT_EQ(Lay().pages.size(), 1u);
    Add(Flag(kWsBool, 0x0100 | 0x04C1));
    PrintLayout l = Lay();
    ASSERT_EQ(l.pages.size(), 1u);
    EXPECT_DOUBLE_EQ(l.scale, 0.50);
    for (Record& r : sheet().records)
        if (r.type == rec::kSetup) r = SetupRecord(1, 100, 1, 0, kSetupPortrait);
    l = Lay();
    EXPECT_DOUBLE_EQ(l.scale, 0.87);
    for (const PrintedPage& p : l.pages) EXPECT_EQ(p.cells.Columns(), 12);
    EXPECT_EQ(l.pages.size(), 2u);

    Workbook small = NewWorkbook();
    small.sheets[0].SetValue(0, 0, CellValue::FromNumber(1));
    small.sheets[0].InsertBefore({rec::kEof}, SetupRecord(1, 100, 1, 1, kSetupPortrait));
    small.sheets[0].InsertBefore({rec::kEof}, Flag(kWsBool, 0x0100));
    EXPECT_DOUBLE_EQ(LayOutPrint(small, 0).scale, 1);
}

TEST_F(Layout, CentringPutsTheCellsInTheMiddleOfTheMargins) {
    Fill(2, 2);  // 96 x 25.5 pt
    Add(Flag(rec::kHCenter, 1));
    Add(Flag(0x0084, 1));  // VCENTER
    EXPECT_EQ(Paper(Lay()), "612x792 at 258,383.25 scale 1");  // 54 + (504 - 96) / 2, 72 + (648 - 25.5) / 2
}

TEST_F(Layout, MergedRangesWidenTheArea) {
    Fill(1, 1);
    sheet().merges.push_back({3, 4, 2, 5});
    EXPECT_EQ(Lay().area, (CellRange{0, 4, 0, 5}));
}

// A Print_Area of the sheet: a built-in name, in the sheet's scope, of one 3-D area.
TEST(PrintArea, TheSheetsPrintAreaNameComesBeforeItsCells) {
    Workbook book;
    ASSERT_EQ(OpenWorkbookFile(testing::XlsTestData("template.xlt"), book), "");
    int externSheet = book.ExternSheetOfSheet(0);
    ASSERT_GE(externSheet, 0);
    DefinedName area;
    area.options = 0x0020;
    area.name = "\x06";
    area.scope = 2;  // the other sheet's: not this one's
    area.formula = {0x3B};
    for (uint16_t v : {uint16_t(externSheet), uint16_t(3), uint16_t(7), uint16_t(1), uint16_t(2)})
        PutU16(area.formula, v);
    book.names.push_back(area);
    EXPECT_EQ(PrintArea(book, 0), (CellRange{0, 12, 0, 5}));  // cells and merges
    book.names.back().scope = 1;
    EXPECT_EQ(PrintArea(book, 0), (CellRange{3, 7, 1, 2}));
    EXPECT_EQ(LayOutPrint(book, 0).pages.at(0).cells, (CellRange{3, 7, 1, 2}));
}

TEST(HeaderFooterCodes, FieldsAreFilledAndFontCodesLeftOut) {
    const PageFields f{.page = 3,
                       .pages = 7,
                       .sheetName = "Scorecard",
                       .fileName = "ScorecardHome.xls",
                       .folder = "/home/me/Scorecards/",
                       .date = "12/7/2026",
                       .time = "5:23 AM"};
    const std::pair<const char*, const char*> cases[] = {
        {"Page &P of &N", "Page 3 of 7"},
        {"&A - &F", "Scorecard - ScorecardHome.xls"},
        {"&Z&F", "/home/me/Scorecards/ScorecardHome.xls"},
        {"&D &T", "12/7/2026 5:23 AM"},
        {"Smith && Sons", "Smith & Sons"},
        {"&\"Times New Roman,Bold\"&14Title", "Title"},
        {"&B&IBold&B &Uunder&U", "Bold under"},
        {"&KFF0000red", "red"},
        {"trailing &", "trailing &"},
        {"&\"unclosed", ""},
    };
    for (auto [code, printed] : cases) EXPECT_EQ(ExpandFieldCodes(code, f), printed) << code;
    FooterSections s = PrintedSections("&LLeft &P&CData: a && b&R&A", f);
    EXPECT_EQ(s.left + "|" + s.center + "|" + s.right, "Left 3|Data: a & b|Scorecard");
}

}  // namespace
}  // namespace quillbat::xls
