// Drawing printed pages: the template's text, borders and footer where its cells are, a
// picture the right way round, text spilling into empty neighbours only, PDF files and page
// images written whole or not at all, and printing without a printer.

#include <gtest/gtest.h>

#include <QPrinter>
#include <filesystem>

#include "PageImage.h"
#include "TempFolder.h"
#include "TemplateSheet.h"
#include "TestText.h"
#include "xls/Geometry.h"
#include "workbooks/WorksheetPrinting.h"
#include "xls/PageOutput.h"
#include "xls/PrintLayout.h"
#include "xls/SheetDrawing.h"
#include "xls/SheetPrinting.h"

namespace quillbat {
namespace {

using testing::Occurrences;
using testing::PageImage;

constexpr double kDpi = 144;
const QColor kLogoRed(0xFF, 0, 0), kLogoBlue(0, 0, 0xFF), kLogoGreen(0, 160, 0);

// The book's only page, drawn.
PageImage OnlyPage(const xls::Workbook& book) {
    std::vector<QImage> pages;
    EXPECT_EQ(xls::RenderPageImages(book, 0, kDpi, pages), "");
    EXPECT_EQ(pages.size(), 1u);
    return PageImage(pages.empty() ? QImage() : pages[0], kDpi);
}

class RenderTemplate : public testing::TemplateSheet {
protected:
    void SetUp() override {
        ASSERT_EQ(xls::EnsureGuiApplication(), "");
        ASSERT_NO_FATAL_FAILURE(TemplateSheet::SetUp());
        layout = xls::LayOutPrint(book->Model(), 0);
        ASSERT_EQ(layout.pages.size(), 1u);
    }
    // Where a range of the sheet lies on the first page, in paper points.
    xls::RangeGeometry OnPaper(const std::string& address) {
        xls::RangeGeometry g = xls::GeometryOf(model(), model().sheets[0], *xls::ParseA1(address));
        g.left += layout.pages[0].left;
        g.top += layout.pages[0].top;
        return g;
    }
    xls::Workbook& model() { return book->Model(); }

    testing::TempFolder folder;
    xls::PrintLayout layout;
};

// Where the title's and the heading's fills lie is compared with LibreOffice's own page
// (LibreOfficePdfTest.cpp).
TEST_F(RenderTemplate, TextBordersAndFooterLandOnTheirCells) {
    PageImage page = OnlyPage(model());
    xls::RangeGeometry title = OnPaper("A1:C1"), heading = OnPaper("A3:F3"), logo = OnPaper("D1:F2");
    // The merged title's text is drawn over its fill, and the heading row has a bottom border.
    EXPECT_TRUE(page.HasInkIn(title.left, title.top, title.left + 60, title.top + title.height));
    EXPECT_TRUE(page.HasInkIn(heading.left + 5, heading.top + heading.height - 0.5, heading.left + 6,
                              heading.top + heading.height + 0.5));
    // The merged logo range is one box: no lines between its cells.
    EXPECT_FALSE(
        page.HasInkIn(logo.left + 2, logo.top + 2, logo.left + logo.width - 2, logo.top + logo.height - 2));
    // Below the cells the paper is empty; the centre footer sits above its margin.
    xls::RangeGeometry all = OnPaper("A1:F13");
    EXPECT_FALSE(page.HasInkIn(0, all.top + all.height + 2, layout.paperWidth, layout.paperHeight - 80));
    double footerBottom = layout.paperHeight - layout.settings.footerMargin * 72;
    EXPECT_TRUE(page.HasInkIn(layout.paperWidth / 2 - 30, footerBottom - 12, layout.paperWidth / 2 + 30,
                              footerBottom));
    EXPECT_FALSE(page.HasInkIn(0, footerBottom + 1, layout.paperWidth, layout.paperHeight));
}

// The logo's box is compared with the one on LibreOffice's page (LibreOfficePdfTest.cpp).
TEST_F(RenderTemplate, APictureIsDrawnTheRightWayRoundInItsBox) {
    ExcelShape shape;
    ASSERT_EQ(AddOverLogoRange(shape), "");
    PageImage page = OnlyPage(model());
    xls::RangeGeometry box = OnPaper("D1:F2");
    // logo.gif: red left half, blue right half, a green block of 1/6 by 1/3 at the top left.
    EXPECT_TRUE(page.Is(box.left + box.width * 0.25, box.top + box.height * 0.75, kLogoRed));
    EXPECT_TRUE(page.Is(box.left + box.width * 0.75, box.top + box.height * 0.5, kLogoBlue));
    EXPECT_TRUE(page.Is(box.left + box.width * 0.08, box.top + box.height * 0.16, kLogoGreen));
}

TEST(RenderText, TextSpillsOnlyIntoEmptyCellsAndNumbersNever) {
    ASSERT_EQ(xls::EnsureGuiApplication(), "");
    xls::Workbook book = xls::NewWorkbook();
    xls::Sheet& s = book.sheets[0];
    const std::string wide = "A heading much wider than its column";
    s.SetValue(0, 0, xls::CellValue::FromText(wide));  // B1 empty: spills
    s.SetValue(1, 0, xls::CellValue::FromText(wide));  // B2 taken: cut at the edge
    s.SetValue(1, 1, xls::CellValue::FromText(""));
    s.SetValue(1, 2, xls::CellValue::FromText("x"));
    s.SetValue(2, 0, xls::CellValue::FromNumber(1234567890123.0));  // too wide: ### inside A3
    PageImage page = OnlyPage(book);
    xls::PrintLayout l = xls::LayOutPrint(book, 0);
    double x = l.pages[0].left, y = l.pages[0].top, w = 48, h = 12.75;
    EXPECT_TRUE(page.HasInkIn(x + w + 2, y, x + 2 * w, y + h));  // B1
    EXPECT_TRUE(page.HasInkIn(x + w + 2, y + h, x + 2 * w, y + 2 * h));  // B2 holds "" only
    EXPECT_TRUE(page.HasInkIn(x, y + 2 * h, x + w, y + 3 * h));
    EXPECT_FALSE(page.HasInkIn(x + w + 1, y + 2 * h, x + 3 * w, y + 3 * h));
}

// Models a damaged file can give: formats and fonts that do not exist, overlapping merged
// ranges, a picture anchored backwards past the last column, rotations and indents out of
// range. They draw; what cannot be drawn is left out.
TEST_F(RenderTemplate, OddModelsDrawWithoutFailing) {
    ExcelShape shape;
    ASSERT_EQ(AddOverLogoRange(shape), "");
    xls::Sheet& s = model().sheets[0];
    auto anchors = xls::ShapeAnchors(s);
    ASSERT_EQ(anchors.size(), 1u);
    xls::ClientAnchor backwards = anchors[0].anchor;
    backwards.col1 = 255, backwards.col2 = 2, backwards.row1 = 40, backwards.row2 = 3;
    ASSERT_TRUE(xls::SetShapeAnchor(s, anchors[0].shapeId, backwards));
    s.CellForWrite(20, 0).xf = 60000;
    s.SetValue(20, 0, xls::CellValue::FromText("no such format"));
    std::string xf = model().formats.xfs[15];
    xf[0] = '\x7F', xf[1] = '\x7F';  // font 32639
    xf[7] = '\xB4';  // rotated 180
    xf[8] = '\x0F';  // indent 15
    model().formats.xfs.push_back(xf);
    s.SetValue(21, 1, xls::CellValue::FromText("odd font, turned, indented"));
    s.CellForWrite(21, 1).xf = static_cast<uint16_t>(model().formats.xfs.size() - 1);
    s.merges.push_back({20, 22, 0, 2});
    s.merges.push_back({21, 23, 1, 3});
    std::vector<QImage> pages;
    EXPECT_EQ(xls::RenderPageImages(model(), 0, 72, pages), "");
    EXPECT_FALSE(pages.empty());
    EXPECT_EQ(xls::SaveSheetAsPdf(model(), 0, folder / "odd.pdf"), "");
}

TEST_F(RenderTemplate, PdfHoldsEveryPageAndThePicture) {
    ExcelShape shape;
    ASSERT_EQ(AddOverLogoRange(shape), "");
    std::string path = folder / "scorecard.pdf";
    ASSERT_EQ(xls::SaveSheetAsPdf(model(), 0, path, "scorecard.xls"), "");
    std::string pdf = testing::ReadFile(path);
    EXPECT_EQ(Occurrences(pdf, "/Type /Page\n"), 1);
    EXPECT_EQ(Occurrences(pdf, "/Subtype /Image"), 1);
    // The template's paper is A4, portrait.
    EXPECT_NE(pdf.find("/MediaBox [0 0 595"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(PageOutput, FailuresLeaveNoFileBehind) {
    testing::TempFolder folder;
    xls::Workbook book = xls::NewWorkbook();
    std::string error = xls::SaveSheetAsPdf(book, 0, folder / "empty.pdf");
    EXPECT_NE(error.find("nothing to print"), std::string::npos) << error;
    book.sheets[0].SetValue(0, 0, xls::CellValue::FromText("x"));
    EXPECT_NE(xls::SaveSheetAsPdf(book, 0, folder / "no/such/folder/out.pdf"), "");
    EXPECT_NE(xls::SaveSheetAsPdf(book, 5, folder / "out.pdf"), "");
    std::vector<QImage> pages;
    EXPECT_NE(xls::RenderPageImages(book, 0, 0, pages), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 0);
}

TEST(PageOutput, PageImagesAreSavedOnePngAPage) {
    testing::TempFolder folder;
    xls::Workbook book = xls::NewWorkbook();
    for (int r = 0; r < 100; ++r) book.sheets[0].SetValue(r, 0, xls::CellValue::FromNumber(r));
    std::vector<std::string> written;
    ASSERT_EQ(xls::SavePageImages(book, 0, folder / "page", 50, written), "");
    ASSERT_EQ(written, (std::vector<std::string>{folder / "page-1.png", folder / "page-2.png"}));
    QImage second(QString::fromStdString(written[1]));
    EXPECT_EQ(second.size(), QSize(425, 550));  // Letter at 50 dpi
}

TEST_F(RenderTemplate, PrintingWithoutAPrinterSaysSoAndTheWorkbookStillSaves) {
    xls::PrintResult result = PrintOut(sheet, [] { return std::string(); });
    EXPECT_EQ(result.status, xls::PrintStatus::NoPrinter);
    EXPECT_NE(result.message.find("No printer"), std::string::npos) << result.message;
    EXPECT_EQ(book->SaveAs(folder / "ScorecardHome.xls", kXlWorkbookNormal), "");
}

TEST_F(RenderTemplate, PrintingDrawsThePagesOnThePrinter) {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    std::string path = folder / "printed.pdf";
    printer.setOutputFileName(QString::fromStdString(path));
    xls::PrintResult result = xls::PrintSheetOn(printer, model(), 0, "ScorecardHome.xls");
    EXPECT_EQ(result.status, xls::PrintStatus::Printed) << result.message;
    std::string pdf = testing::ReadFile(path);
    EXPECT_EQ(Occurrences(pdf, "/Type /Page\n"), 1);
    EXPECT_NE(pdf.find("/MediaBox [0 0 595"), std::string::npos);

    ExcelWorksheet none;
    EXPECT_EQ(PrintOut(none, [] { return std::string("any"); }).status, xls::PrintStatus::Failed);
}

}  // namespace
}  // namespace quillbat
