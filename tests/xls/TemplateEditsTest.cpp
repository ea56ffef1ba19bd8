// The edits the stages make, on workbooks that LibreOffice and xlwt wrote
// (tests/data/xls/make_edit_files.py). LibreOffice checks each result: after our delete it
// shows what it shows after making the same delete itself, and it shows the template's own
// pictures, rows and formats beside what we added.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <regex>
#include <sstream>

#include "LibreOfficeRun.h"
#include "XlsInvariants.h"
#include "workbooks/ExcelProcs.h"

namespace quillbat {
namespace {

using testing::XlsTestData;

const std::string kLogo = XlsTestData("logo.gif");

// Excel keeps a solver container (the connector's rules) in the record of the last shape,
// before that shape's OBJ; LibreOffice gives it a record of its own.
void KeepSolverWithTheLastShape(xls::Sheet& sheet) {
    auto& records = sheet.records;
    auto drawing = [](const xls::Record& r) { return r.type == xls::rec::kMsoDrawing; };
    auto solver = std::find_if(records.rbegin(), records.rend(), drawing);
    auto last = std::find_if(solver + 1, records.rend(), drawing);
    last->data += solver->data;
    records.erase(std::next(solver).base());
}

std::string AddLogo(ExcelWorksheet sheet, const std::string& cell) {
    ExcelRange at = sheet.Range(cell);
    ExcelShape shape;
    return sheet.AddPicture(kLogo, false, true, at.Left(), at.Top(), 48, 24, shape);
}

// Our edits, saved; LibreOffice then reads every file in one run.
class TemplateEdits : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!testing::HasLibreOffice()) return;
        folder_ = new testing::TempFolder;
        std::vector<testing::LibreOfficeJob> jobs;
        auto ours = [&](const std::string& name, const std::string& source,
                        const std::function<std::string(ExcelWorkbook&)>& edit) {
            ExcelApplication app;
            ExcelWorkbook* book = nullptr;
            std::string path = *folder_ / (name + ".xls");
            std::string error = app.Open(XlsTestData(source), book);
            if (error.empty()) error = edit(*book);
            if (error.empty()) error = book->SaveAs(path, kXlWorkbookNormal);
            if (error.empty() && !testing::WorkbookInvariantViolations(testing::ReadFile(path)).empty())
                error = "the saved file breaks the invariants";
            errors_[name] = error;
            jobs.push_back({path, "", *folder_ / (name + ".txt")});
        };
        for (std::string range : {"A1:F2", "A5:G5", "A20:F20"}) {
            jobs.push_back({XlsTestData("edits.xls"), range, *folder_ / ("theirs " + range + ".txt")});
            ours("ours " + range, "edits.xls",
                 [&](ExcelWorkbook& book) { return book.Worksheets(1).Range(range).Delete(); });
        }
        ours("overwritten", "edits.xls",
             [](ExcelWorkbook& book) { return book.Worksheets(1).Cells(1, 3).SetValue(5.0); });
        jobs.push_back({XlsTestData("pictures.xls"), "", *folder_ / "pictures.txt"});
        ours("logos", "pictures.xls", [](ExcelWorkbook& book) {
            std::string error = AddLogo(book.Worksheets(1), "B10");
            return error + AddLogo(book.Worksheets(1), "D10");
        });
        ours("solver", "pictures.xls", [](ExcelWorkbook& book) {
            KeepSolverWithTheLastShape(book.Model().sheets[2]);
            return AddLogo(book.Worksheets(3), "B10");
        });
        ours("rows", "rows-and-styles.xls", [](ExcelWorkbook& book) {
            std::string error = book.Worksheets(1).Range("A1:A4").SetColorIndex(6);
            return error + AddLogo(book.Worksheets(1), "B10");
        });
        ran_ = testing::RunLibreOfficeJobs(*folder_, jobs);
    }
    static void TearDownTestSuite() { delete folder_; }
    void SetUp() override {
        if (!testing::HasLibreOffice()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
        ASSERT_TRUE(ran_) << "LibreOffice did not run in time";
    }

    // What LibreOffice shows of one file, a line per row, cell and shape. A reference to a
    // deleted cell is "#REF!" however it is spelled (it keeps the column after its own delete).
    static std::vector<std::string> Shown(const std::string& name) {
        EXPECT_EQ(errors_[name], "") << name;
        std::istringstream in(testing::ReadFile(*folder_ / (name + ".txt")));
        std::vector<std::string> lines;
        const std::regex deleted(R"(\$?[A-Z]{0,3}\$?#REF!(\$?#REF!)?)");
        for (std::string line; std::getline(in, line);)
            lines.push_back(std::regex_replace(line, deleted, "#REF!"));
        return lines;
    }
    // The added logos' lines, which leave the rest as it was.
    static std::vector<std::string> TakeLogos(std::vector<std::string>& lines) {
        std::vector<std::string> logos;
        std::copy_if(lines.begin(), lines.end(), std::back_inserter(logos),
                     [](const std::string& l) { return l.ends_with("picture 48x24"); });
        std::erase_if(lines, [](const std::string& l) { return l.ends_with("picture 48x24"); });
        return logos;
    }
    // A logo's corner is the corner of the cell it is anchored to.
    static void ExpectOnCell(const std::string& logo, const std::string& cell) {
        testing::ShownShape shape = testing::ParseShownShape(logo);
        EXPECT_EQ(shape.cell, cell) << logo;
        EXPECT_EQ(std::pair(shape.x, shape.y), std::pair(shape.cellX, shape.cellY)) << logo;
    }

    static inline testing::TempFolder* folder_ = nullptr;
    static inline std::map<std::string, std::string> errors_;  // of our edits, by file
    static inline bool ran_ = false;
};

// The first cells of the filled-down columns C, D and F, which keep the formula for all their
// cells, are deleted or overwritten.
TEST_F(TemplateEdits, FilledDownFormulasLoseTheirFirstCells) {
    EXPECT_EQ(Shown("ours A1:F2"), Shown("theirs A1:F2"));
    std::vector<std::string> overwritten = Shown("overwritten");
    for (const char* line : {"$Card.$C$1 5 | 5", "$Card.$C$2 =B2*2 | 40", "$Card.$C$24 =B24*2 | 480"})
        EXPECT_NE(std::find(overwritten.begin(), overwritten.end(), line), overwritten.end()) << line;
}

// Cells move up past the tall row 8 and the hidden row 10, which stay where they are (so
// SUBTOTAL still leaves out row 10), and the array formula G21:G22 moves with its cells.
TEST_F(TemplateEdits, DeletingPartOfARowAboveTallHiddenRowsAndAnArrayFormula) {
    EXPECT_EQ(Shown("ours A5:G5"), Shown("theirs A5:G5"));
}

// E1, F19 (filled down, =B20-B19) and Other!A1 refer to B20, which is deleted: #REF!.
TEST_F(TemplateEdits, ReferencesToDeletedCellsBecomeRefErrors) {
    std::vector<std::string> ours = Shown("ours A20:F20");
    EXPECT_EQ(ours, Shown("theirs A20:F20"));
    EXPECT_NE(std::find(ours.begin(), ours.end(), "$Card.$F$19 =#REF!-B19 | #REF!"), ours.end());
}

// A store of several MSODRAWINGGROUP records keeps its pictures on every sheet; the connected
// boxes' drawing, with its solver container kept in the last shape's record, takes a logo.
TEST_F(TemplateEdits, AddedLogosJoinTheTemplatesPicturesAndShapes) {
    for (auto [name, cells] :
         {std::pair<std::string, std::vector<std::string>>{"logos", {"$Card.$B$10", "$Card.$D$10"}},
          {"solver", {"$Shapes.$B$10"}}}) {
        std::vector<std::string> ours = Shown(name);
        std::vector<std::string> logos = TakeLogos(ours);
        EXPECT_EQ(ours, Shown("pictures")) << name;
        ASSERT_EQ(logos.size(), cells.size()) << name;
        for (size_t i = 0; i < cells.size(); ++i) ExpectOnCell(logos[i], cells[i]);
    }
}

// Above B10 are a hidden row, one of the default height, a tall one and one of zero height; A2
// and A3 pointed at style formats (15 and 0) before the fill.
TEST_F(TemplateEdits, LogoOverHiddenRowsAndFillsOnStyleFormats) {
    std::vector<std::string> ours = Shown("rows");
    std::vector<std::string> logos = TakeLogos(ours);
    ASSERT_EQ(logos.size(), 1u);
    ExpectOnCell(logos[0], "$Card.$B$10");
    std::map<std::string, testing::ShownCell> cells =
        testing::ShownCells(testing::ReadFile(*folder_ / "rows.txt"));
    for (const char* cell : {"A1", "A2", "A3", "A4"}) EXPECT_EQ(cells[cell].fill, "FFFF00") << cell;
}

}  // namespace
}  // namespace quillbat
