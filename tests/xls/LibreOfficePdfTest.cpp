// LibreOffice's PDF of a template with our logo: the logo sits on the merged range it was
// placed over, and our own PDF and page image have the same layout (the same rows exactly, the
// same left edges, columns within the few percent by which LibreOffice measures them wider).

#include <gtest/gtest.h>

#include "LibreOfficeRun.h"
#include "PageImage.h"
#include "PdfContent.h"
#include "TempFolder.h"
#include "XlsInvariants.h"
#include "workbooks/ExcelProcs.h"
#include "workbooks/WorksheetPrinting.h"
#include "xls/PageOutput.h"

namespace quillbat {
namespace {

constexpr double kDpi = 144;
constexpr double kColumnMeasureTolerance = 0.06;
const QColor kTitleYellow(0xFF, 0xFF, 0x99), kHeadingGrey(0xC0, 0xC0, 0xC0);
const QColor kLogoRed(0xFF, 0, 0), kLogoBlue(0, 0, 0xFF);

bool Near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) < 4 && std::abs(a.green() - b.green()) < 4 &&
           std::abs(a.blue() - b.blue()) < 4;
}

// What a page shows that the comparison needs, in points from the paper's top-left corner.
struct PageLayout {
    QRectF title, heading, logo;
};

// The first page of a PDF file: the first content stream that draws an image.
std::optional<PageLayout> LayoutOfPdf(const std::string& pdf) {
    double height = testing::PageHeight(pdf);
    for (const std::string& s : testing::InflatedStreams(pdf)) {
        testing::PdfDrawing d = testing::InterpretContent(s);
        if (d.images.empty()) continue;
        PageLayout page;
        page.logo = testing::FromTop(d.images[0], height);
        // A range may be filled cell by cell: its box is all fills of its colour together.
        for (const testing::PdfFill& f : d.fills) {
            if (Near(f.colour, kTitleYellow)) page.title |= testing::FromTop(f.box, height);
            if (Near(f.colour, kHeadingGrey)) page.heading |= testing::FromTop(f.box, height);
        }
        return page;
    }
    return std::nullopt;
}

// The box of a colour on a page image, found along lines through a point inside it.
QRectF BoxOnImage(const testing::PageImage& page, QColor colour, QPointF inside) {
    auto across = page.RunAcross(inside.y(), colour), down = page.RunDown(inside.x(), colour);
    if (!across || !down) return {};
    return QRectF(QPointF(across->first, down->first), QPointF(across->second, down->second));
}

PageLayout LayoutOfImage(const QImage& image, const PageLayout& near) {
    testing::PageImage page(image, kDpi);
    PageLayout ours;
    ours.title = BoxOnImage(page, kTitleYellow, {near.title.left() + 3, near.title.bottom() - 3});
    ours.heading = BoxOnImage(page, kHeadingGrey, {near.heading.left() + 3, near.heading.center().y()});
    QRectF red = BoxOnImage(page, kLogoRed, {ours.title.right() + 3, near.logo.bottom() - 3});
    QRectF blue = BoxOnImage(page, kLogoBlue, {ours.heading.right() - 3, near.logo.bottom() - 3});
    ours.logo = QRectF(QPointF(red.left(), blue.top()), blue.bottomRight());
    return ours;
}

void ExpectSameBox(const QRectF& ours, const QRectF& theirs, const char* what) {
    SCOPED_TRACE(what);
    EXPECT_NEAR(ours.top(), theirs.top(), 1);
    EXPECT_NEAR(ours.bottom(), theirs.bottom(), 1);
    EXPECT_NEAR(ours.width(), theirs.width(), theirs.width() * kColumnMeasureTolerance);
}

void ExpectSameLayout(const PageLayout& ours, const PageLayout& theirs) {
    ExpectSameBox(ours.title, theirs.title, "title");
    ExpectSameBox(ours.heading, theirs.heading, "heading");
    ExpectSameBox(ours.logo, theirs.logo, "logo");
    EXPECT_NEAR(ours.title.left(), theirs.title.left(), 1);
    EXPECT_NEAR(ours.heading.left(), theirs.heading.left(), 1);
    EXPECT_NEAR(ours.logo.left(), ours.title.right(), 1);  // where the title ends
}

TEST(LibreOfficePdf, TheLogoAndTheCellsLieWhereOurPagesHaveThem) {
    if (!testing::HasLibreOffice()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    ASSERT_EQ(xls::EnsureGuiApplication(), "");
    testing::TempFolder folder;
    ExcelApplication app;
    ExcelWorkbook* book = nullptr;
    ASSERT_EQ(app.Open(testing::XlsTestData("template.xlt"), book), "");
    ExcelWorksheet sheet = book->Worksheets(1);
    ExcelRange range = sheet.Range("TeamLogo");
    ExcelShape logo;
    ASSERT_EQ(sheet.AddPicture(testing::XlsTestData("logo.gif"), false, true, range.Left(),
                               range.Top(), range.Width(), range.Height(), logo), "");
    ASSERT_EQ(book->SaveAs(folder / "card.xls", kXlWorkbookNormal), "");
    ASSERT_TRUE(testing::ConvertWithLibreOffice(folder, "pdf", {folder / "card.xls"}));

    auto theirs = LayoutOfPdf(testing::ReadFile(folder / "out/card.pdf"));
    ASSERT_TRUE(theirs) << "LibreOffice's first page has no image";
    // D1:F2: right of the title A1:C1, down to the heading row, to the heading's right end.
    EXPECT_NEAR(theirs->logo.left(), theirs->title.right(), 1);
    EXPECT_NEAR(theirs->logo.right(), theirs->heading.right(), 1);
    EXPECT_NEAR(theirs->logo.top(), theirs->title.top(), 1);
    EXPECT_NEAR(theirs->logo.bottom(), theirs->heading.top(), 1);

    ASSERT_EQ(SaveAsPdf(sheet, folder / "ours.pdf"), "");
    auto ourPdf = LayoutOfPdf(testing::ReadFile(folder / "ours.pdf"));
    ASSERT_TRUE(ourPdf) << "our first page has no image";
    {
        SCOPED_TRACE("our PDF");
        ExpectSameLayout(*ourPdf, *theirs);
    }
    std::vector<QImage> pages;
    ASSERT_EQ(xls::RenderPageImages(book->Model(), 0, kDpi, pages), "");
    SCOPED_TRACE("our page image");
    ExpectSameLayout(LayoutOfImage(pages.at(0), *theirs), *theirs);
}

}  // namespace
}  // namespace quillbat
