// PDF copies beside the saved workbooks: their names, the option, and a copy that cannot be
// written.

#include "workbooks/PdfCopy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "TempFolder.h"
#include "XlsInvariants.h"
#include "gameday/DownloadLogs.h"
#include "platform/FileSystem.h"

namespace quillbat {
namespace {

// A workbook's usual name is checked with the copy written below.
TEST(PdfCopyTest, ADotInAFolderNameIsNoExtension) {
    EXPECT_EQ(PdfCopyPath("/my.files/card"), "/my.files/card.pdf");
}

TEST(PdfCopyTest, WrittenOnlyWhenAskedAndAFailureIsOneErrorLogLine) {
    testing::TempFolder folder;
    Settings settings;
    settings.programFolder = folder.path();
    ExcelApplication app;
    ExcelWorkbook* book = nullptr;
    ASSERT_EQ(app.Open(testing::XlsTestData("template.xlt"), book), "");
    ExcelWorksheet sheet = book->Worksheets(1);
    const std::string card = folder / "ScorecardAway.xls";

    SavePdfCopy(settings, sheet, card);
    EXPECT_FALSE(FileExists(folder / "ScorecardAway.pdf"));
    settings.savePdf = true;
    SavePdfCopy(settings, sheet, card);
    EXPECT_TRUE(testing::ReadFile(folder / "ScorecardAway.pdf").rfind("%PDF", 0) == 0);
    DeleteWorkbookAndPdfCopy(card);
    EXPECT_FALSE(FileExists(folder / "ScorecardAway.pdf"));

    std::filesystem::create_directory(folder / "ScorecardAway.pdf");  // in the copy's way
    SavePdfCopy(settings, sheet, card);
    std::string log = testing::ReadFile(ErrorLogPath(settings));
    EXPECT_NE(log.find("Could not save the PDF copy " + folder / "ScorecardAway.pdf"), std::string::npos)
        << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1);
}

}  // namespace
}  // namespace quillbat
