#pragma once
// A test on the first sheet of the template workbook, opened through the spreadsheet operations.

#include <gtest/gtest.h>

#include "XlsInvariants.h"
#include "workbooks/ExcelProcs.h"

namespace quillbat::testing {

class TemplateSheet : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(app.Open(XlsTestData("template.xlt"), book), "");
        sheet = book->Worksheets(1);
    }
    // Adds a picture, the logo unless told otherwise, over the merged range named "TeamLogo".
    std::string AddOverLogoRange(ExcelShape& shape, const std::string& path = XlsTestData("logo.gif")) {
        ExcelRange r = sheet.Range("TeamLogo");
        return sheet.AddPicture(path, false, true, r.Left(), r.Top(), r.Width(), r.Height(), shape);
    }
    ExcelApplication app;
    ExcelWorkbook* book = nullptr;
    ExcelWorksheet sheet;
};

}  // namespace quillbat::testing
