// Reading and writing whole workbooks: what is kept, what is regenerated, what is dropped.

#include <gtest/gtest.h>

#include <tuple>

#include "TempFolder.h"
#include "XlsInvariants.h"
#include "platform/FileSystem.h"
#include "xls/ByteIo.h"
#include "xls/CompoundFile.h"
#include "xls/Fills.h"
#include "xls/PageSetup.h"
#include "xls/Workbook.h"

namespace quillbat::xls {
namespace {

using testing::WorkbookInvariantViolations;
using testing::XlsTestData;

Workbook OpenTemplate() {
    Workbook book;
    EXPECT_EQ(OpenWorkbookFile(XlsTestData("template.xlt"), book), "");
    return book;
}

std::string Bytes(const Workbook& book, bool asTemplate = false) {
    std::string bytes;
    EXPECT_EQ(WriteWorkbook(book, bytes, asTemplate), "");
    EXPECT_EQ(WorkbookInvariantViolations(bytes), std::vector<std::string>{});
    return bytes;
}

Workbook Reread(const Workbook& book, bool asTemplate = false) {
    Workbook back;
    EXPECT_EQ(ReadWorkbook(Bytes(book, asTemplate), back), "");
    return back;
}

std::vector<uint16_t> RecordTypes(const Sheet& sheet) {
    std::vector<uint16_t> types;
    for (const Record& r : sheet.records) types.push_back(r.type);
    return types;
}

// The template's values are checked through their formats in NumberFormatsTest.cpp, its
// styles in CellStyleTest.cpp, its names and merges in DeleteRowsTest.cpp, its sheets' names
// and its left and top margins by LibreOffice (LibreOfficeTest.cpp, LibreOfficePdfTest.cpp).
TEST(RoundTrip, ReadsTheLibreOfficeTemplate) {
    Workbook book = OpenTemplate();
    ASSERT_EQ(book.sheets.size(), 2u);
    const Sheet& card = book.sheets[0];
    EXPECT_EQ(CenterFooter(card), "&\"DejaVu Sans,Book\"Template footer");  // with its font code
    PageSettings page = ReadPageSettings(card);
    EXPECT_EQ(std::tuple(page.landscape, page.scalePercent, page.fitToPages, page.footer),
              std::tuple(false, 100, false, "&C&\"DejaVu Sans,Book\"Template footer"));
    EXPECT_NEAR(page.bottomMargin, 1.71389, 1e-5);
}

// Saving twice gives the same stream, and everything the engine does not interpret comes
// back record for record (the drawing records of pictures among them).
TEST(RoundTrip, OursToOursIsStable) {
    Workbook first = OpenTemplate();
    Workbook second = Reread(first);
    EXPECT_EQ(WorkbookStream(second), WorkbookStream(first));
    for (size_t s = 0; s < first.sheets.size(); ++s) {
        EXPECT_EQ(RecordTypes(second.sheets[s]), RecordTypes(first.sheets[s]));
        const Record* drawing = first.sheets[s].Find(rec::kMsoDrawing);
        ASSERT_NE(drawing, nullptr);
        EXPECT_EQ(second.sheets[s].Find(rec::kMsoDrawing)->data, drawing->data);
    }
    ASSERT_EQ(second.globals.size(), first.globals.size());
    for (size_t i = 0; i < first.globals.size(); ++i)
        EXPECT_EQ(second.globals[i].data, first.globals[i].data) << i;
}

// Spreadsheet::WriteExcel writes no ROW records, and Excel fits such rows to their cells (a
// 24-pt title, a wrapped text): saved without ROW records (nor INDEX and DBCELL), they stay so.
TEST(RoundTrip, RowsWithoutRecordsStaySo) {
    Workbook book;
    ASSERT_EQ(OpenWorkbookFile(XlsTestData("no-row-records.xls"), book), "");
    book.sheets[0].SetValue(14, 0, CellValue::FromText("added"));
    std::string stream = WorkbookStream(book);
    std::vector<PlacedRecord> records;
    ASSERT_EQ(SplitRecords(stream, records), "");
    for (const PlacedRecord& r : records)
        EXPECT_TRUE(r.type != rec::kRow && r.type != rec::kIndex && r.type != rec::kDbCell) << r.type;
    Workbook back = Reread(book);
    EXPECT_EQ(back.sheets[0].ValueAt(0, 0), CellValue::FromText("Title"));
    EXPECT_EQ(back.sheets[0].ValueAt(14, 0), CellValue::FromText("added"));
}

TEST(RoundTrip, KeepsTheOtherStreamsOfTheCompoundFile) {
    Workbook book = OpenTemplate();
    book.container.root.children.push_back({"Extra", true, std::string(300, 'S'), {}});
    book.container.root.children.push_back(
        {"_VBA_PROJECT_CUR", false, {}, {{"VBA", true, std::string(5000, 'v'), {}}}});
    Workbook back = Reread(book);
    ASSERT_NE(back.container.FindStream("Extra"), nullptr);
    EXPECT_EQ(back.container.FindStream("Extra")->data, std::string(300, 'S'));
    auto vba = std::find_if(back.container.root.children.begin(), back.container.root.children.end(),
                            [](const OleNode& n) { return n.name == "_VBA_PROJECT_CUR"; });
    ASSERT_NE(vba, back.container.root.children.end());
    ASSERT_EQ(vba->children.size(), 1u);
    EXPECT_EQ(vba->children[0].data, std::string(5000, 'v'));
}

TEST(RoundTrip, DropsTemplateRecordWhenSavedAsNormalWorkbook) {
    Workbook book = NewWorkbook();
    book.globals.insert(book.globals.begin() + 1, Record{rec::kTemplate, {}});
    ASSERT_TRUE(book.IsTemplate());
    EXPECT_FALSE(Reread(book).IsTemplate());
    EXPECT_TRUE(Reread(book, true).IsTemplate());
}

TEST(RoundTrip, DropsXfExtensionsOnlyOnceFormatsChange) {
    Workbook book = NewWorkbook();
    auto eof = book.globals.end() - 1;
    book.globals.insert(eof, {{rec::kXfCrc, std::string(20, '\1')}, {rec::kXfExt, std::string(20, '\2')}});
    auto extensions = [](const Workbook& b) {
        return std::count_if(b.globals.begin(), b.globals.end(),
                             [&](const Record& r) { return r.type == rec::kXfCrc || r.type == rec::kXfExt; });
    };
    EXPECT_EQ(extensions(Reread(book)), 2);
    ASSERT_EQ(SetFillColorIndex(book, 0, {0, 0, 0, 0}, 3), "");
    Workbook changed = Reread(book);
    EXPECT_EQ(extensions(changed), 0);
    EXPECT_EQ(FillColor(changed, 0, 0, 0), 0x0000FFu);  // palette 3 is red, 0xBBGGRR
}

TEST(RoundTrip, NewWorkbookKeepsEveryKindOfValue) {
    Workbook book = NewWorkbook();
    Sheet& sheet = book.sheets[0];
    sheet.SetValue(0, 0, CellValue::FromText("name"));
    sheet.SetValue(0, 1, CellValue::FromNumber(-0.285));
    sheet.SetValue(1, 0, CellValue::FromBoolean(true));
    sheet.SetValue(1, 1, CellValue::FromError(0x2A));
    sheet.SetValue(2, 255, CellValue::FromText(""));
    sheet.SetValue(65535, 3, CellValue::FromNumber(1e300));
    ASSERT_EQ(SetFillColorIndex(book, 0, {3, 3, 0, 4}, 16), "");  // formatted blanks
    Workbook back = Reread(book);
    const Sheet& s = back.sheets[0];
    for (auto [row, col] : {std::pair{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 255}, {65535, 3}})
        EXPECT_EQ(s.ValueAt(row, col), sheet.ValueAt(row, col)) << row << "," << col;
    EXPECT_EQ(s.UsedRange(), (CellRange{0, 65535, 0, 255}));
    for (int col = 0; col <= 4; ++col) EXPECT_EQ(FillColor(back, 0, 3, col), 0x808080u);
    EXPECT_EQ(s.CellAt(3, 5), nullptr);
}

TEST(RoundTrip, SelectsExactlyTheActiveSheet) {
    Workbook book = OpenTemplate();
    for (Record& r : book.globals)
        if (r.type == rec::kWindow1) SetU16At(r.data, 10, 1);
    Workbook back = Reread(book);  // the invariants check the selected sheet against WINDOW1
    EXPECT_EQ(back.ActiveSheet(), 1);
    // A sheet without a window gets one, and an active sheet past the end falls back to 1.
    for (Record& r : back.globals)
        if (r.type == rec::kWindow1) SetU16At(r.data, 10, 7);
    std::erase_if(back.sheets[0].records, [](const Record& r) { return r.type == rec::kWindow2; });
    Workbook again = Reread(Reread(back));
    EXPECT_EQ(again.ActiveSheet(), 0);
    EXPECT_NE(again.sheets[0].Find(rec::kWindow2), nullptr);
}

TEST(RoundTrip, SavesThroughATemporaryFileAndReportsFailure) {
    testing::TempFolder folder;
    Workbook book = OpenTemplate();
    std::string target = folder / "out.xls";
    ASSERT_EQ(SaveWorkbookFile(book, target), "");
    EXPECT_EQ(ListFiles(folder / "*", true), std::vector<std::string>{"out.xls"});
    Workbook back;
    EXPECT_EQ(OpenWorkbookFile(target, back), "");
    EXPECT_NE(SaveWorkbookFile(book, folder / "missing/out.xls"), "");
}

}  // namespace
}  // namespace quillbat::xls
