// End to end: `quillbat-cli create --profiles` makes the profiles of a sample game served by
// the sample server, and LibreOffice reads them back filled and shaded as the marks say.

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>

#include "LibreOfficeRun.h"
#include "SampleGameRun.h"
#include "workbooks/ProfileTables.h"

namespace quillbat {
namespace {

TEST(PitcherProfilesSampleGameTest, TheProfilesOfASampleGameOpenInLibreOfficeFilledAndShaded) {
    if (!testing::HasLibreOffice()) GTEST_SKIP() << "LibreOffice is not installed";
    testing::TempFolder root;
    testing::SampleGame game(root);
    std::string err;
    ASSERT_EQ(testing::RunSampleCli(root, game, {"create", "07/04/2014", "1", "--profiles", "--pdf"}, err), 0)
        << err;
    EXPECT_EQ(testing::PdfPageCount(root / "prog/Output/Starting Pitchers Profiles.pdf"), 1);

    ASSERT_TRUE(testing::RunLibreOfficeJobs(
        root, {{root / "prog/Output/Starting Pitchers Profiles.xls", "", root / "shown.txt"}}));
    std::map<std::string, testing::ShownCell> cells =
        testing::ShownCells(testing::ReadFile(root / "shown.txt"));
    for (auto [name, pitcher, batter, average, atBats] :
         {std::tuple{"A", "B", "E", "F", "G"}, {"K", "L", "O", "P", "Q"}}) {
        SCOPED_TRACE(name);
        auto at = [&](const char* column, int row) { return cells[column + std::to_string(row)]; };
        EXPECT_TRUE(std::regex_match(at(name, 3).text, std::regex(".+: .+ \\([0-9]+-[0-9]+, [0-9.]+\\)")));
        EXPECT_EQ(at(name, 5).text, "Fastball");
        EXPECT_TRUE(std::regex_match(at(pitcher, 5).text, std::regex("[0-9.]+ ?%")));
        for (const ReferenceRow& row : ReferenceRows()) {
            SCOPED_TRACE(row.sheetRow);
            EXPECT_EQ(at(name, row.sheetRow).text, row.description);
            testing::ShownCell value = at(pitcher, row.sheetRow);
            EXPECT_TRUE(std::regex_match(value.text, std::regex("[0-9]*\\.[0-9]+ ?%?")));
            EXPECT_EQ(value.fill == "808080", IsBeyondMarks(row, value.text));
        }
        EXPECT_TRUE(std::regex_match(at(batter, 5).text, std::regex(".+, .+")));
        for (int row = 5; !at(batter, row).text.empty(); ++row) {
            EXPECT_EQ(at(average, row).fill == "808080",
                      IsNotableBatterAverage(at(atBats, row).text, at(average, row).text));
        }
    }
}

}  // namespace
}  // namespace quillbat
