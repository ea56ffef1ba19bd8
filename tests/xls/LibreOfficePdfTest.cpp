// LibreOffice's PDF of a template with our logo: the logo sits on the merged range it was
// placed over, and our own PDF and page image have the same layout (the same rows exactly, the
// same left edges, columns within the few percent by which LibreOffice measures them wider).
// The PDFs are compared as poppler's pdftoppm draws them.

#include <gtest/gtest.h>

#include "LibreOfficeRun.h"
#include "PageImage.h"
#include "TempFolder.h"
#include "TemplateSheet.h"
#include "platform/Process.h"
#include "workbooks/WorksheetPrinting.h"
#include "xls/PageOutput.h"

namespace quillbat {
namespace {

constexpr double kDpi = 144;
constexpr double kColumnMeasureTolerance = 0.06;
const QColor kTitleYellow(0xFF, 0xFF, 0x99), kHeadingGrey(0xC0, 0xC0, 0xC0);
const QColor kLogoRed(0xFF, 0, 0), kLogoBlue(0, 0, 0xFF);

// What a page shows that the comparison needs, in points from the paper's top-left corner.
struct PageLayout {
    QRectF title, heading, logo;
};

// Each box is the solid area of its colour on the page (a range may be filled cell by cell); the
// logo is the red and blue of its picture.
PageLayout LayoutOfImage(const QImage& image) {
    testing::PageImage page(image, kDpi);
    return {page.Bounds(kTitleYellow), page.Bounds(kHeadingGrey),
            page.Bounds(kLogoRed) | page.Bounds(kLogoBlue)};
}

// The first page of a PDF file as poppler draws it; a null image when it cannot.
QImage FirstPageOf(const std::string& pdf) {
    std::string prefix = pdf.substr(0, pdf.size() - 4);
    if (!RunAndCapture({"pdftoppm", "-r", std::to_string(static_cast<int>(kDpi)), "-f", "1", "-l", "1",
                        "-singlefile", "-png", pdf, prefix}))
        return {};
    return QImage(QString::fromStdString(prefix + ".png"));
}

void ExpectSameBox(const QRectF& ours, const QRectF& theirs, const char* what) {
    SCOPED_TRACE(what);
    EXPECT_NEAR(ours.top(), theirs.top(), 1);
    EXPECT_NEAR(ours.bottom(), theirs.bottom(), 1);
    EXPECT_NEAR(ours.width(), theirs.width(), theirs.width() * kColumnMeasureTolerance);
}

void ExpectSameLayout(const PageLayout& ours, const PageLayout& theirs, const char* what) {
    SCOPED_TRACE(what);
    ExpectSameBox(ours.title, theirs.title, "title");
    ExpectSameBox(ours.heading, theirs.heading, "heading");
    ExpectSameBox(ours.logo, theirs.logo, "logo");
    EXPECT_NEAR(ours.title.left(), theirs.title.left(), 1);
    EXPECT_NEAR(ours.heading.left(), theirs.heading.left(), 1);
    EXPECT_NEAR(ours.logo.left(), ours.title.right(), 1);  // where the title ends
}

using LibreOfficePdf = testing::TemplateSheet;

TEST_F(LibreOfficePdf, TheLogoAndTheCellsLieWhereOurPagesHaveThem) {
    if (!testing::HasLibreOffice()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    ASSERT_EQ(xls::EnsureGuiApplication(), "");
    testing::TempFolder folder;
    ExcelShape logo;
    ASSERT_EQ(AddOverLogoRange(logo), "");
    ASSERT_EQ(book->SaveAs(folder / "card.xls", kXlWorkbookNormal), "");
    ASSERT_TRUE(testing::ConvertWithLibreOffice(folder, "pdf", {folder / "card.xls"}));

    QImage theirPage = FirstPageOf(folder / "out/card.pdf");
    ASSERT_FALSE(theirPage.isNull()) << "pdftoppm could not draw LibreOffice's PDF";
    PageLayout theirs = LayoutOfImage(theirPage);

    ASSERT_FALSE(theirs.logo.isEmpty()) << "LibreOffice's first page has no logo";
    // D1:F2: right of the title A1:C1, down to the heading row, to the heading's right end.
    EXPECT_NEAR(theirs.logo.left(), theirs.title.right(), 1);
    EXPECT_NEAR(theirs.logo.right(), theirs.heading.right(), 1);
    EXPECT_NEAR(theirs.logo.top(), theirs.title.top(), 1);
    EXPECT_NEAR(theirs.logo.bottom(), theirs.heading.top(), 1);

    ASSERT_EQ(SaveAsPdf(sheet, folder / "ours.pdf"), "");
    ExpectSameLayout(LayoutOfImage(FirstPageOf(folder / "ours.pdf")), theirs, "our PDF");
    std::vector<QImage> pages;
    ASSERT_EQ(xls::RenderPageImages(book->Model(), 0, kDpi, pages), "");
    ExpectSameLayout(LayoutOfImage(pages.at(0)), theirs, "our page image");
}

}  // namespace
}  // namespace quillbat
