// LibreOffice's PDF of a template with our logo: the logo sits on the merged range it was
// placed over, and our own page has the same layout (the same rows exactly, the same left
// edges, columns within the few percent by which LibreOffice measures them wider).

#include <gtest/gtest.h>

#include <regex>

#include "LibreOfficeRun.h"
#include "PageImage.h"
#include "PdfContent.h"
#include "TempFolder.h"
#include "XlsInvariants.h"
#include "workbooks/ExcelProcs.h"
#include "xls/PageOutput.h"

namespace quillbat {
namespace {

constexpr double kDpi = 144;
constexpr double kColumnMeasureTolerance = 0.06;
const QColor kTitleYellow(0xFF, 0xFF, 0x99), kHeadingGrey(0xC0, 0xC0, 0xC0);
const QColor kLogoRed(0xFF, 0, 0), kLogoBlue(0, 0, 0xFF);

double PageHeight(const std::string& pdf) {
    std::smatch m;
    static const std::regex box(R"(/MediaBox\s*\[\s*0 0 [\d.]+ ([\d.]+))");
    return std::regex_search(pdf, m, box) ? std::stod(m[1].str()) : 0;
}

bool Near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) < 4 && std::abs(a.green() - b.green()) < 4 &&
           std::abs(a.blue() - b.blue()) < 4;
}

// The first page's content: the first stream that draws an image.
std::string FirstPageWithImage(const std::string& pdf) {
    for (const std::string& s : testing::InflatedStreams(pdf))
        if (!testing::ImageBoxes(s).empty()) return s;
    return "";
}

std::optional<QRectF> FillOf(const std::string& content, const QColor& colour, double pageHeight) {
    for (const testing::PdfFill& f : testing::FilledRectangles(content))
        if (Near(f.colour, colour))
            return QRectF(f.box.x(), pageHeight - f.box.y() - f.box.height(), f.box.width(), f.box.height());
    return std::nullopt;
}

// The box of a colour on our page, found along lines through a point inside it.
QRectF BoxOnPage(const testing::PageImage& page, QColor colour, QPointF inside) {
    auto across = page.RunAcross(inside.y(), colour), down = page.RunDown(inside.x(), colour);
    if (!across || !down) return {};
    return QRectF(QPointF(across->first, down->first), QPointF(across->second, down->second));
}

void ExpectSameLayout(const QRectF& ours, const QRectF& theirs, const char* what) {
    SCOPED_TRACE(what);
    EXPECT_NEAR(ours.top(), theirs.top(), 1);
    EXPECT_NEAR(ours.bottom(), theirs.bottom(), 1);
    EXPECT_NEAR(ours.width(), theirs.width(), theirs.width() * kColumnMeasureTolerance);
}

TEST(LibreOfficePdf, TheLogoAndTheCellsLieWhereOurPageHasThem) {
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

    std::string pdf = testing::ReadFile(folder / "out/card.pdf");
    double height = PageHeight(pdf);
    std::string content = FirstPageWithImage(pdf);
    ASSERT_FALSE(content.empty()) << "LibreOffice's first page has no image";
    auto title = FillOf(content, kTitleYellow, height), heading = FillOf(content, kHeadingGrey, height);
    ASSERT_TRUE(title && heading);
    QRectF image = testing::ImageBoxes(content)[0];
    image.moveTop(height - image.y() - image.height());
    // D1:F2: right of the title A1:C1, down to the heading row, to the heading's right end.
    EXPECT_NEAR(image.left(), title->right(), 1);
    EXPECT_NEAR(image.right(), heading->right(), 1);
    EXPECT_NEAR(image.top(), title->top(), 1);
    EXPECT_NEAR(image.bottom(), heading->top(), 1);

    std::vector<QImage> pages;
    ASSERT_EQ(xls::RenderPageImages(book->Model(), 0, kDpi, pages), "");
    testing::PageImage ours(pages.at(0), kDpi);
    QPointF inTitle(title->left() + 3, title->bottom() - 3), inHeading(heading->left() + 3, heading->center().y());
    QRectF ourTitle = BoxOnPage(ours, kTitleYellow, inTitle);
    QRectF ourHeading = BoxOnPage(ours, kHeadingGrey, inHeading);
    ExpectSameLayout(ourTitle, *title, "title");
    ExpectSameLayout(ourHeading, *heading, "heading");
    EXPECT_NEAR(ourTitle.left(), title->left(), 1);
    EXPECT_NEAR(ourHeading.left(), heading->left(), 1);
    // Our logo: red from its left edge, blue to its right edge, on the same rows.
    QRectF ourRed = BoxOnPage(ours, kLogoRed, {ourTitle.right() + 3, image.bottom() - 3});
    QRectF ourBlue = BoxOnPage(ours, kLogoBlue, {ourHeading.right() - 3, image.bottom() - 3});
    QRectF ourLogo(ourRed.topLeft(), ourBlue.bottomRight());
    ourLogo.setTop(ourBlue.top());
    ExpectSameLayout(ourLogo, image, "logo");
    EXPECT_NEAR(ourLogo.left(), ourTitle.right(), 1);
}

}  // namespace
}  // namespace quillbat
