// LibreOffice reads what the engine writes: several of our files are converted by one
// headless LibreOffice run (a private profile, under a time limit), and the values, names,
// merges, fills and footer it finds are the ones we wrote.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>

#include "LibreOfficeRun.h"
#include "TempFolder.h"
#include "XlsInvariants.h"
#include "workbooks/ExcelProcs.h"
#include "xls/Geometry.h"
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
    size_t tag = xml.find("<table:named-range table:name=\"" + name + "\"");
    if (tag == std::string::npos) return "";
    std::string key = "table:cell-range-address=\"";
    size_t start = xml.find(key, tag);
    if (start == std::string::npos || start > xml.find('>', tag)) return "";
    start += key.size();
    return xml.substr(start, xml.find('"', start) - start);
}

// Every value of an attribute in LibreOffice's flat XML, in document order.
std::vector<std::string> AttributeValues(const std::string& xml, const std::string& attribute) {
    std::vector<std::string> values;
    std::string key = attribute + "=\"";
    for (size_t at = xml.find(key); at != std::string::npos; at = xml.find(key, at + 1)) {
        size_t start = at + key.size();
        values.push_back(xml.substr(start, xml.find('"', start) - start));
    }
    return values;
}

// The template filled as a scorecard stage fills it, with the second lineup row deleted.
std::vector<std::string> WriteScorecard(const std::string& path) {
    ExcelApplication app;
    ExcelWorkbook* book = nullptr;
    EXPECT_EQ(app.Open(testing::XlsTestData("template.xlt"), book), "");
    ExcelWorksheet sheet = book->Worksheets(1);
    sheet.Range("team").SetValue("Boston");
    std::vector<std::string> expected = {"Scorecard,,,,,", "Team,Boston,,,,",
                                         "#,Batter,Pos,AVG,HR,WAR"};
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

std::vector<std::string> WriteFlatTable(const std::string& path) {
    ExcelApplication app;
    ExcelWorkbook& book = app.Add();
    ExcelWorksheet sheet = book.Worksheets(1);
    std::vector<std::string> expected;
    for (int r = 1; r <= 30; ++r) {
        std::string line;
        for (int c = 1; c <= 12; ++c) {
            std::string text = r == 1  ? "col" + std::to_string(c)
                               : c % 2 ? "r" + std::to_string(r) + "c" + std::to_string(c)
                                       : std::to_string(r * c);
            sheet.Cells(r, c).SetValue(text);
            line += (c > 1 ? "," : "") + text;
        }
        expected.push_back(line);
    }
    EXPECT_EQ(book.SaveAs(path, kXlWorkbookNormal), "");
    return expected;
}

std::vector<std::string> WriteLongStrings(const std::string& path) {
    ExcelApplication app;
    ExcelWorkbook& book = app.Add();
    ExcelWorksheet sheet = book.Worksheets(1);
    std::vector<std::string> expected;
    for (int r = 1; r <= 300; ++r) {
        std::string text = std::string(r * 7 % 400 + 1, static_cast<char>('a' + r % 26)) +
                           (r % 3 ? "" : " Jos\xC3\xA9 \xE2\x80\x94 ") + std::to_string(r);
        sheet.Cells(r, 1).SetValue(text);
        expected.push_back(text);
    }
    EXPECT_EQ(book.SaveAs(path, kXlWorkbookNormal), "");
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
        {"flat", WriteFlatTable(folder / "flat.xls")},
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
    ASSERT_TRUE(testing::ConvertWithLibreOffice(folder, "fods", {paths[0], testing::XlsTestData("template.xlt")}))
        << "LibreOffice did not convert the files in time";
    std::string xml = testing::ReadFile(folder / "out/card.fods");
    EXPECT_EQ(NamedRangeAddress(xml, "team"), "$Scorecard.$B$2");
    EXPECT_EQ(NamedRangeAddress(xml, "TeamLogo"), "$Scorecard.$D$1:.$F$2");
    EXPECT_EQ(NamedRangeAddress(xml, "pitcher"), "$Scorecard.$B$12");
    EXPECT_EQ(NamedRangeAddress(xml, "lineup"), "$Scorecard.$A$4:.$F$11");
    for (const char* part : {"table:number-columns-spanned=\"3\" table:number-rows-spanned=\"2\"",
                             "fo:background-color=\"#808080\"", "fo:background-color=\"#ffff99\""})
        EXPECT_NE(xml.find(part), std::string::npos) << part;
    size_t footer = xml.find("<style:footer>");
    ASSERT_NE(footer, std::string::npos);
    EXPECT_EQ(xml.find("Data: gameday sources", footer), xml.find("Data: gameday sources"));
    EXPECT_NE(xml.find("Data: gameday sources"), std::string::npos);

    // The look of the template: the same column widths and row heights as LibreOffice's own.
    std::string original = testing::ReadFile(folder / "out/template.fods");
    EXPECT_EQ(AttributeValues(xml, "style:column-width"),
              AttributeValues(original, "style:column-width"));
    auto heights = [](const std::string& x) {
        std::vector<std::string> v = AttributeValues(x, "style:row-height");
        std::sort(v.begin(), v.end());
        v.erase(std::unique(v.begin(), v.end()), v.end());
        return v;
    };
    EXPECT_EQ(heights(xml), heights(original));
    EXPECT_FALSE(heights(original).empty());
}

// A length such as "1.5in", "2.54cm", "12mm" or "10pt" of LibreOffice's flat XML, in points.
double LengthInPoints(const std::string& text) {
    size_t unit = text.find_first_not_of("0123456789.-");
    double value = std::stod(text.substr(0, unit));
    std::string name = unit == std::string::npos ? "" : text.substr(unit);
    if (name == "in") return value * 72;
    if (name == "cm") return value * 72 / 2.54;
    if (name == "mm") return value * 72 / 25.4;
    return value;
}

// The boxes of the drawing frames in LibreOffice's flat XML, in points.
std::vector<xls::ShapeBox> FrameBoxes(const std::string& xml) {
    std::vector<xls::ShapeBox> boxes;
    for (size_t at = xml.find("<draw:frame"); at != std::string::npos;
         at = xml.find("<draw:frame", at + 1)) {
        std::string tag = xml.substr(at, xml.find('>', at) - at);
        auto value = [&](const std::string& name) {
            std::vector<std::string> v = AttributeValues(tag, name);
            return v.empty() ? -1.0 : LengthInPoints(v[0]);
        };
        boxes.push_back({value("svg:x"), value("svg:y"), value("svg:width"), value("svg:height")});
    }
    return boxes;
}

// The column widths of the first sheet in LibreOffice's flat XML, in points.
std::vector<double> FirstSheetColumnWidths(const std::string& xml) {
    std::map<std::string, double> widths;
    for (size_t at = xml.find("<style:style style:name=\"co"); at != std::string::npos;
         at = xml.find("<style:style style:name=\"co", at + 1)) {
        std::string name = AttributeValues(xml.substr(at, xml.find('>', at) - at),
                                           "style:name")[0];
        std::string props = xml.substr(at, xml.find("</style:style>", at) - at);
        std::vector<std::string> width = AttributeValues(props, "style:column-width");
        if (!width.empty()) widths[name] = LengthInPoints(width[0]);
    }
    std::vector<double> columns;
    size_t end = xml.find("</table:table>");
    for (size_t at = xml.find("<table:table-column "); at < end && columns.size() < 256;
         at = xml.find("<table:table-column ", at + 1)) {
        std::string tag = xml.substr(at, xml.find('>', at) - at);
        std::vector<std::string> repeated = AttributeValues(tag, "table:number-columns-repeated");
        int count = repeated.empty() ? 1 : std::stoi(repeated[0]);
        double width = widths[AttributeValues(tag, "table:style-name")[0]];
        for (int i = 0; i < count && columns.size() < 256; ++i) columns.push_back(width);
    }
    return columns;
}

// LibreOffice places each frame as its anchor says, by its own column widths: the offset in
// the anchor cell (frames are positioned relative to it) and the size.
void ExpectFramesAtAnchors(const std::string& xlsPath, const std::string& fodsPath,
                           size_t count) {
    std::string xml = testing::ReadFile(fodsPath);
    std::vector<double> columns = FirstSheetColumnWidths(xml);
    ASSERT_EQ(columns.size(), 256u);
    xls::Workbook ours;
    ASSERT_EQ(xls::OpenWorkbookFile(xlsPath, ours), "");
    std::vector<xls::ShapeAnchor> anchors = xls::ShapeAnchors(ours.sheets[0]);
    std::sort(anchors.begin(), anchors.end(), [](const auto& a, const auto& b) {
        return std::pair(a.anchor.row1, a.anchor.col1) < std::pair(b.anchor.row1, b.anchor.col1);
    });
    std::vector<xls::ShapeBox> frames = FrameBoxes(xml);
    ASSERT_EQ(frames.size(), count);
    ASSERT_EQ(anchors.size(), count);
    auto column = [&](int c) { return columns[c]; };
    auto row = [&](int r) { return xls::RowHeightPoints(ours.sheets[0], r); };
    for (size_t i = 0; i < count; ++i) {
        const xls::ClientAnchor& a = anchors[i].anchor;
        xls::ShapeBox box = xls::BoxOfAnchor(a, column, row);
        EXPECT_NEAR(frames[i].left, columns[a.col1] * a.dx1 / 1024, 0.3) << i;
        EXPECT_NEAR(frames[i].top, row(a.row1) * a.dy1 / 256, 0.3) << i;
        EXPECT_NEAR(frames[i].width, box.width, 0.3) << i;
        EXPECT_NEAR(frames[i].height, box.height, 0.3) << i;
    }
}

std::string AddAndSave(ExcelWorkbook& book, const std::vector<xls::ShapeBox>& boxes,
                       const std::string& path) {
    for (const xls::ShapeBox& b : boxes) {
        ExcelShape shape;
        std::string error = book.Worksheets(1).AddPicture(testing::XlsTestData("logo.gif"), false,
                                                          true, b.left, b.top, b.width,
                                                          b.height, shape);
        if (!error.empty()) return error;
    }
    return book.SaveAs(path, kXlWorkbookNormal);
}

TEST(LibreOffice, ShowsOurPicturesWhereThePointsSayAndKeepsThemInItsOwnFiles) {
    if (!testing::HasLibreOffice()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    testing::TempFolder folder;
    ExcelApplication app;
    ExcelWorkbook* book = nullptr;
    ASSERT_EQ(app.Open(testing::XlsTestData("template.xlt"), book), "");
    ExcelRange logo = book->Worksheets(1).Range("TeamLogo");
    std::vector<xls::ShapeBox> boxes = {
        {logo.Left() + 3, logo.Top() + 1, logo.Width() * 0.97, logo.Height() * 0.97},
        {20.5, 150.25, 60, 30}};
    ASSERT_EQ(AddAndSave(*book, boxes, folder / "logo.xls"), "");
    ASSERT_TRUE(testing::ConvertWithLibreOffice(folder, "fods", {folder / "logo.xls"}));
    ExpectFramesAtAnchors(folder / "logo.xls", folder / "out/logo.fods", 2);
    ASSERT_TRUE(testing::ConvertWithLibreOffice(folder, "pdf", {folder / "logo.xls"}));
    std::string pdf = testing::ReadFile(folder / "out/logo.pdf");
    EXPECT_TRUE(pdf.find("/Subtype/Image") != std::string::npos ||
                pdf.find("/Subtype /Image") != std::string::npos)
        << "the PDF page has no image";

    // LibreOffice's own file with those pictures takes one more; all three show.
    ASSERT_TRUE(testing::ConvertWithLibreOffice(folder, "xls:MS Excel 97", {folder / "logo.xls"}));
    ExcelWorkbook* theirs = nullptr;
    ASSERT_EQ(app.Open(folder / "out/logo.xls", theirs), "");
    ASSERT_EQ(theirs->Worksheets(1).Shapes().size(), 2u);
    boxes.push_back({250, 200, 48, 24});
    std::filesystem::create_directories(folder / "again");
    ASSERT_EQ(AddAndSave(*theirs, {boxes.back()}, folder / "again/logo3.xls"), "");
    EXPECT_EQ(testing::WorkbookInvariantViolations(testing::ReadFile(folder / "again/logo3.xls")),
              std::vector<std::string>{});
    ASSERT_TRUE(testing::ConvertWithLibreOffice(folder, "fods", {folder / "again/logo3.xls"}));
    ExpectFramesAtAnchors(folder / "again/logo3.xls", folder / "out/logo3.fods", 3);
}

}  // namespace
}  // namespace quillbat
