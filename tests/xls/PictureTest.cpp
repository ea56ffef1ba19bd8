// Pictures: anchors from points, the picture store and the sheet's drawing, shape geometry with
// a locked aspect ratio, pictures moving with deleted rows, and bad picture files. The GIF
// read as a PNG of its own size is checked by the store's test (its picture decodes to 48x24)
// and by LibreOffice (LibreOfficeTest, TemplateEditsTest: "picture 48x24").

#include <gtest/gtest.h>

#include <QImage>

#include "TempFolder.h"
#include "TemplateSheet.h"
#include "xls/DrawingGroup.h"
#include "xls/Pictures.h"
#include "xls/SheetDrawing.h"

namespace quillbat {
namespace {

using xls::ClientAnchor;

const std::string kLogo = testing::XlsTestData("logo.gif");

TEST(ClientAnchor, TheBoxOfTheNotesExampleAnchorsWhereLibreOfficePutsIt) {
    auto column = [](int) { return 64.0; };
    auto row = [](int) { return 12.8; };
    ClientAnchor a = xls::AnchorOfBox({216, 21.6, 108, 54}, column, row);
    EXPECT_EQ(a, (ClientAnchor{0, 3, 384, 1, 176, 5, 63, 5, 231}));
    xls::ShapeBox back = xls::BoxOfAnchor(a, column, row);
    for (auto [got, want] :
         {std::pair{back.left, 216.0}, {back.top, 21.6}, {back.width, 108.0}, {back.height, 54.0}})
        EXPECT_NEAR(got, want, 0.1);
}

TEST(ClientAnchor, SkipsHiddenColumnsAndStaysOnTheSheet) {
    auto column = [](int c) { return c == 1 ? 0.0 : 50.0; };
    auto row = [](int) { return 10.0; };
    ClientAnchor a = xls::AnchorOfBox({50, 0, 1e7, 1e7}, column, row);
    // From the start of column C (B has no width) to the sheet's last column and row.
    EXPECT_EQ(std::vector<int>({a.col1, a.dx1, a.col2, a.row2}), std::vector<int>({2, 0, 255, 65535}));
}

class PictureOnTemplate : public testing::TemplateSheet {
protected:
    testing::TempFolder folder;
};

// A box's corners on cell edges start those cells: D1:F2 ends where G3 starts.
TEST_F(PictureOnTemplate, APictureOverTheMergedLogoRangeAnchorsAtItsCorners) {
    ExcelShape shape;
    ASSERT_EQ(AddOverLogoRange(shape), "");
    auto anchors = xls::ShapeAnchors(book->Model().sheets[0]);
    ASSERT_EQ(anchors.size(), 1u);
    const ClientAnchor& a = anchors[0].anchor;
    EXPECT_EQ(std::vector<int>({a.col1, a.dx1, a.row1, a.dy1, a.col2, a.dx2, a.row2, a.dy2}),
              std::vector<int>({3, 0, 0, 0, 6, 0, 2, 0}));
}

// The file holds the box last set.
TEST_F(PictureOnTemplate, ALockedAspectRatioScalesTheOtherSide) {
    ExcelShape shape;
    ASSERT_EQ(sheet.AddPicture(kLogo, false, true, 10, 20, 100, 50, shape), "");
    ASSERT_EQ(shape.SetWidth(80), "");  // not locked yet
    EXPECT_FLOAT_EQ(shape.Height(), 50);
    shape.Select();
    shape.SetLockAspectRatio(true);
    ASSERT_EQ(shape.SetWidth(40), "");
    EXPECT_FLOAT_EQ(shape.Height(), 25);
    ASSERT_EQ(shape.SetHeight(50) + shape.SetLeft(30.5) + shape.SetTop(40.25), "");
    xls::ShapeBox saved;
    ASSERT_TRUE(xls::ShapeBoxOf(book->Model(), book->Model().sheets[0], shape.Id(), saved));
    for (auto [got, want] : {std::pair{shape.Left(), 30.5},
                             {shape.Top(), 40.25},
                             {shape.Width(), 80.0},
                             {saved.left, 30.5},
                             {saved.top, 40.25},
                             {saved.width, 80.0},
                             {saved.height, 50.0}})
        EXPECT_NEAR(got, want, 0.1);
}

TEST_F(PictureOnTemplate, BadPictureFilesGiveAnErrorAndLeaveTheWorkbookAlone) {
    std::string empty = folder.Write("empty.gif", "");
    std::string text = folder.Write("text.gif", "this is not a picture");
    for (const std::string& path : {folder / "missing.gif", empty, text}) {
        ExcelShape shape;
        std::string error = AddOverLogoRange(shape, path);
        EXPECT_NE(error.find(path), std::string::npos) << error;
        EXPECT_FALSE(shape.IsValid());
    }
    EXPECT_EQ(xls::BlipCount(book->Model()), 0u);
    EXPECT_TRUE(sheet.Shapes().empty());
    ExcelShape linked;
    EXPECT_NE(sheet.AddPicture(kLogo, true, false, 0, 0, 10, 10, linked), "");
}

// A saved picture comes back from the store by its number as an image file, the way the
// renderer reads it. The same picture again shares the stored one, another adds one; another
// sheet gets a drawing of its own, with shape ids of its own.
TEST_F(PictureOnTemplate, PicturesSurviveSavingAndMorePicturesJoinThem) {
    ExcelShape first, second, third, onNotes;
    ASSERT_EQ(AddOverLogoRange(first), "");
    ASSERT_EQ(book->SaveAs(folder / "saved.xls", kXlWorkbookNormal), "");
    ExcelWorkbook* reopened = nullptr;
    ASSERT_EQ(app.Open(folder / "saved.xls", reopened), "");
    std::string png = xls::PictureBytes(reopened->Model(), 1);
    QImage image;
    ASSERT_TRUE(image.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size())));
    EXPECT_EQ(image.size(), QSize(48, 24));
    EXPECT_EQ(image.pixelColor(2, 2), QColor(0, 160, 0));
    EXPECT_EQ(xls::PictureBytes(reopened->Model(), 0), "");
    EXPECT_EQ(xls::PictureBytes(reopened->Model(), 2), "");
    EXPECT_EQ(xls::PictureBytes(xls::NewWorkbook(), 1), "");
    ExcelWorksheet again = reopened->Worksheets(1);
    ASSERT_EQ(again.AddPicture(kLogo, false, true, 0, 100, 48, 24, second), "");
    EXPECT_EQ(xls::BlipCount(reopened->Model()), 1u);
    std::string mirrored = folder / "mirrored.png";
    ASSERT_TRUE(
        QImage(QString::fromStdString(kLogo)).mirrored(true, false).save(QString::fromStdString(mirrored)));
    ASSERT_EQ(again.AddPicture(mirrored, false, true, 60, 100, 48, 24, third), "");
    EXPECT_EQ(xls::BlipCount(reopened->Model()), 2u);
    ASSERT_EQ(reopened->Worksheets(2).AddPicture(kLogo, false, true, 0, 0, 48, 24, onNotes), "");
    EXPECT_NE(onNotes.Id() / 1024, third.Id() / 1024);
}

TEST_F(PictureOnTemplate, DeletingRowsMovesThePicturesBelowThemUp) {
    ExcelShape below, beside;
    double rowTop = sheet.Range("A8").Top();
    ASSERT_EQ(sheet.AddPicture(kLogo, false, true, 1, rowTop + 2, 20, 10, below), "");
    double columnH = sheet.Range("H1").Left();
    ASSERT_EQ(sheet.AddPicture(kLogo, false, true, columnH, rowTop + 2, 20, 10, beside), "");
    double deletedHeight = sheet.Range("A5:A6").Height();
    ASSERT_EQ(sheet.Range("A5:F6").Delete(), "");
    EXPECT_NEAR(below.Top(), rowTop + 2 - deletedHeight, 0.2);
    EXPECT_NEAR(below.Height(), 10, 0.2);
    EXPECT_NEAR(beside.Top(), rowTop + 2, 0.2);  // its columns kept their cells
}

}  // namespace
}  // namespace quillbat
