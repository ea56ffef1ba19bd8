// LibreOffice reads what the engine writes: several of our files are converted by one
// headless LibreOffice run (a private profile, under a time limit), and the values, names,
// merges, fills, footer and pictures it finds are the ones we wrote.

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

#include "LibreOfficeRun.h"
#include "TempFolder.h"
#include "XlsInvariants.h"
#include "workbooks/ExcelProcs.h"
#include "xls/Geometry.h"
#include "xls/Pictures.h"
#include "xls/SheetDrawing.h"

namespace quillbat {
namespace {

using xls::CellValue;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::erase(line, '"');  // text cells come quoted; none of ours holds a quote
        lines.push_back(line);
    }
    return lines;
}

// The cell-range-address of a named range in LibreOffice's flat XML, or "".
std::string NamedRangeAddress(const std::string& xml, const std::string& name) {
    std::regex tag("<table:named-range table:name=\"" + name +
                   "\"[^>]* table:cell-range-address=\"([^\"]*)\"");
    std::smatch m;
    return std::regex_search(xml, m, tag) ? m[1].str() : "";
}

// Every value of an attribute in LibreOffice's flat XML, in document order.
std::vector<std::string> AttributeValues(const std::string& xml, const std::string& attribute) {
    std::vector<std::string> values;
    std::regex value(attribute + "=\"([^\"]*)\"");
    for (std::sregex_iterator it(xml.begin(), xml.end(), value), end; it != end; ++it)
        values.push_back((*it)[1]);
    return values;
}

// The template filled as a scorecard stage fills it, with the second lineup row deleted.
std::vector<std::string> WriteScorecard(const std::string& path) {
    ExcelApplication app;
    ExcelWorkbook* book = nullptr;
    EXPECT_EQ(app.Open(testing::XlsTestData("template.xlt"), book), "");
    ExcelWorksheet sheet = book->Worksheets(1);
    sheet.Range("team").SetValue("Boston");
    std::vector<std::string> expected = {"Scorecard,,,,,", "Team,Boston,,,,", "#,Batter,Pos,AVG,HR,WAR"};
    for (int i = 1; i <= 9; ++i) {
        int row = 3 + i;
        sheet.Cells(row, 1).SetValue(static_cast<double>(i));
        sheet.Cells(row, 2).SetValue("Player " + std::to_string(i));
        sheet.Cells(row, 3).SetValue("SS");
        sheet.Cells(row, 4).SetValue("0.2" + std::to_string(i) + "5");
        sheet.Cells(row, 5).SetValue(std::to_string(i * 3));
        sheet.Cells(row, 6).SetValue(CellValue::FromNumber(i - 2.5));
        if (i != 2) {
            std::ostringstream line;
            line << i << ",Player " << i << ",SS,0.2" << i << "5," << i * 3 << "," << (i - 2.5);
            expected.push_back(line.str());
        }
    }
    EXPECT_EQ(sheet.Range("A5:F5").Delete(), "");
    sheet.Range("pitcher").SetValue("Ace Pitcher");
    expected.push_back("Pitcher,Ace Pitcher,3.25,#DIV/0!,,");
    EXPECT_EQ(sheet.Range("A3:F3").SetColorIndex(16), "");
    EXPECT_EQ(sheet.SetCenterFooter("Data: gameday sources"), "");
    sheet.SetFooterMargin(0.25);
    sheet.SelectA1();
    EXPECT_EQ(book->SaveAs(path, kXlWorkbookNormal), "");
    return expected;
}

// Strings that fill many CONTINUE records: some in 16-bit characters, a few longer than a
// record, every seventh with a formatting run (font 1 from the second character). LibreOffice
// and our own reader find each one whole.
std::vector<std::string> WriteLongStrings(const std::string& path) {
    const std::string run("\1\0\1\0", 4);
    ExcelApplication app;
    ExcelWorkbook& book = app.Add();
    ExcelWorksheet sheet = book.Worksheets(1);
    std::vector<std::string> expected;
    for (int r = 1; r <= 300; ++r) {
        size_t length = r % 100 ? r * 7 % 400 + 1 : 9000;
        std::string text = std::string(length, static_cast<char>('a' + r % 26)) +
                           (r % 3 ? "" : " Jos\xC3\xA9 \xE2\x80\x94 ") + std::to_string(r);
        sheet.Cells(r, 1).SetValue(text);
        if (r % 7 == 0)
            book.Model().sheets[0].CellForWrite(r - 1, 0).extra.reset(new xls::CellExtra{{}, run});
        expected.push_back(text);
    }
    EXPECT_EQ(book.SaveAs(path, kXlWorkbookNormal), "");
    xls::Workbook back;
    EXPECT_EQ(xls::OpenWorkbookFile(path, back), "");
    for (int r = 1; r <= 300 && !back.sheets.empty(); ++r) {
        const xls::Cell* cell = back.sheets[0].CellAt(r - 1, 0);
        EXPECT_EQ(cell ? cell->value.text : "(no cell)", expected[r - 1]) << r;
        EXPECT_EQ(cell && cell->extra ? cell->extra->runs : "", r % 7 ? "" : run) << r;
    }
    return expected;
}

// Small enough that its stream is padded to stay out of the mini stream.
std::vector<std::string> WriteTiny(const std::string& path) {
    ExcelApplication app;
    ExcelWorkbook& book = app.Add();
    book.Worksheets(1).Cells(1, 1).SetValue("tiny");
    book.Worksheets(1).Cells(2, 2).SetValue(2.5);
    EXPECT_EQ(book.SaveAs(path, kXlWorkbookNormal), "");
    return {"tiny,", ",2.5"};
}

TEST(LibreOffice, ReadsWhatWeWrite) {
    if (!testing::HasLibreOffice()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    testing::TempFolder folder;
    std::vector<std::pair<std::string, std::vector<std::string>>> files = {
        {"card", WriteScorecard(folder / "card.xls")},
        {"strings", WriteLongStrings(folder / "strings.xls")},
        {"tiny", WriteTiny(folder / "tiny.xls")}};
    std::vector<std::string> paths;
    for (const auto& [name, expected] : files) {
        paths.push_back(folder / (name + ".xls"));
        EXPECT_EQ(testing::WorkbookInvariantViolations(testing::ReadFile(paths.back())),
                  std::vector<std::string>{})
            << name;
    }
    ASSERT_TRUE(testing::ConvertWithLibreOffice(folder, "csv:Text - txt - csv (StarCalc):44,34,76,1", paths))
        << "LibreOffice did not convert the files in time";
    for (const auto& [name, expected] : files)
        EXPECT_EQ(Lines(testing::ReadFile(folder / ("out/" + name + ".csv"))), expected) << name;

    // Names, merges, fills and the footer, as LibreOffice's own flat XML shows them.
    ASSERT_TRUE(
        testing::ConvertWithLibreOffice(folder, "fods", {paths[0], testing::XlsTestData("template.xlt")}))
        << "LibreOffice did not convert the files in time";
    std::string xml = testing::ReadFile(folder / "out/card.fods");
    EXPECT_EQ(NamedRangeAddress(xml, "team"), "$Scorecard.$B$2");
    EXPECT_EQ(NamedRangeAddress(xml, "TeamLogo"), "$Scorecard.$D$1:.$F$2");
    EXPECT_EQ(NamedRangeAddress(xml, "pitcher"), "$Scorecard.$B$12");
    EXPECT_EQ(NamedRangeAddress(xml, "lineup"), "$Scorecard.$A$4:.$F$11");
    for (const char* part : {"table:number-columns-spanned=\"3\" table:number-rows-spanned=\"2\"",
                             "fo:background-color=\"#808080\"", "fo:background-color=\"#ffff99\""})
        EXPECT_NE(xml.find(part), std::string::npos) << part;
    size_t footerText = xml.find("Data: gameday sources");
    EXPECT_NE(footerText, std::string::npos);
    EXPECT_LT(xml.find("<style:footer>"), footerText);  // and nowhere before the footer

    // The look of the template: the same column widths and row heights as LibreOffice's own.
    std::string original = testing::ReadFile(folder / "out/template.fods");
    EXPECT_EQ(AttributeValues(xml, "style:column-width"), AttributeValues(original, "style:column-width"));
    auto heights = [](const std::string& x) {
        std::vector<std::string> v = AttributeValues(x, "style:row-height");
        return std::set<std::string>(v.begin(), v.end());
    };
    EXPECT_EQ(heights(xml), heights(original));
    EXPECT_FALSE(heights(original).empty());
}

// LibreOffice shows each picture of the file as its anchor says: from the anchor cell by the
// offsets in LibreOffice's own cell size, as tall as our rows and as wide as our columns but
// for the few percent by which it measures columns wider.
void ExpectPicturesAtAnchors(const std::string& xlsPath, const std::string& shownPath, size_t count) {
    xls::Workbook ours;
    ASSERT_EQ(xls::OpenWorkbookFile(xlsPath, ours), "");
    const xls::Sheet& sheet = ours.sheets[0];
    std::vector<xls::ShapeAnchor> anchors = xls::ShapeAnchors(sheet);
    std::vector<testing::ShownShape> shown;
    int sheets = 0;
    for (const std::string& line : Lines(testing::ReadFile(shownPath))) {
        sheets += line.starts_with("sheet ");
        if (sheets == 1 && line.starts_with("shape ")) shown.push_back(testing::ParseShownShape(line));
    }
    ASSERT_EQ(anchors.size(), count);
    ASSERT_EQ(shown.size(), count);
    auto hmm = [](double points) { return points * 2540 / 72; };
    for (size_t i = 0; i < count; ++i) {
        const xls::ClientAnchor& a = anchors[i].anchor;
        const testing::ShownShape& s = shown[i];
        xls::ShapeBox box;
        ASSERT_TRUE(xls::ShapeBoxOf(ours, sheet, anchors[i].shapeId, box));
        EXPECT_EQ(s.cell, "$Scorecard." + xls::AbsoluteAddress(a.row1, a.col1)) << i;
        EXPECT_EQ(s.picture, "48x24") << i;
        EXPECT_NEAR(s.x - s.cellX, s.cellWidth * a.dx1 / 1024.0, 10) << i;
        EXPECT_NEAR(s.y - s.cellY, s.cellHeight * a.dy1 / 256.0, 10) << i;
        EXPECT_NEAR(s.height, hmm(box.height), 10) << i;
        EXPECT_NEAR(s.width, hmm(box.width), hmm(box.width) * 0.06) << i;
    }
}

TEST(LibreOffice, ShowsOurPicturesAtTheirAnchors) {
    if (!testing::HasLibreOffice()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    testing::TempFolder folder;
    ExcelApplication app;
    ExcelWorkbook* book = nullptr;
    ASSERT_EQ(app.Open(testing::XlsTestData("template.xlt"), book), "");
    ExcelWorksheet sheet = book->Worksheets(1);
    ExcelRange logo = sheet.Range("TeamLogo");
    for (const xls::ShapeBox& b :
         {xls::ShapeBox{logo.Left() + 3, logo.Top() + 1, logo.Width() * 0.97, logo.Height() * 0.97},
          xls::ShapeBox{20.5, 150.25, 60, 30}}) {
        ExcelShape shape;
        ASSERT_EQ(sheet.AddPicture(testing::XlsTestData("logo.gif"), false, true, b.left, b.top, b.width,
                                   b.height, shape),
                  "");
    }
    ASSERT_EQ(book->SaveAs(folder / "logo.xls", kXlWorkbookNormal), "");
    ASSERT_TRUE(testing::RunLibreOfficeJobs(folder, {{folder / "logo.xls", "", folder / "logo.txt"}}));
    ExpectPicturesAtAnchors(folder / "logo.xls", folder / "logo.txt", 2);
}

}  // namespace
}  // namespace quillbat
