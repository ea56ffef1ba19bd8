// End to end: `quillbat-cli create` makes both cards of a sample game served by the sample
// server, and LibreOffice reads them back with the game's cells in place.

#include <gtest/gtest.h>

#include <regex>

#include "LibreOfficeRun.h"
#include "SampleGameRun.h"

namespace quillbat {
namespace {

using testing::At;
using testing::Grid;
using testing::ReadCsv;

void CheckCard(const Grid& card, const std::string& title) {
    SCOPED_TRACE(title);
    EXPECT_EQ(At(card, 1, 12), "Date: 07/04/2014");
    EXPECT_TRUE(std::regex_match(At(card, 2, 12), std::regex("Ballpark: .+")));
    EXPECT_EQ(At(card, 5, 3), "Player (BA)");
    for (int slot = 1; slot <= 9; ++slot) {
        int row = 6 + 3 * (slot - 1);
        SCOPED_TRACE("slot " + std::to_string(slot));
        EXPECT_EQ(At(card, row, 1), std::to_string(slot));
        EXPECT_TRUE(std::regex_match(At(card, row, 2), std::regex("[0-9]+")));
        EXPECT_TRUE(std::regex_match(At(card, row, 3), std::regex(".+ \\(\\.[0-9]{3}\\)")));
        EXPECT_TRUE(std::regex_match(At(card, row, 4), std::regex("[A-Z0-9]{1,2}")));
        EXPECT_TRUE(std::regex_match(At(card, row, 5), std::regex("[LRS]")));
    }
    EXPECT_TRUE(std::regex_match(At(card, 39, 1) + At(card, 39, 4) + At(card, 39, 5),
                                 std::regex(".+ \\([0-9]+-[0-9]+, [0-9.]+\\)[0-9]+[LR]")));
}

TEST(ScorecardSampleGameTest, BothCardsOfASampleGameOpenInLibreOfficeWithTheGameFilledIn) {
    if (!testing::HasLibreOffice()) GTEST_SKIP() << "LibreOffice is not installed";
    testing::TempFolder root;
    testing::SampleGame game(root);
    std::string err;
    ASSERT_EQ(testing::RunSampleCli(root, game, {"create", "07/04/2014", "1", "--scorecards", "--pdf"}, err),
              0)
        << err;
    for (const char* pdf : {"ScorecardAway.pdf", "ScorecardHome.pdf"})
        EXPECT_EQ(testing::PdfPageCount(root / (std::string("prog/Output/") + pdf)), 1) << pdf;

    std::string away = root / "prog/Output/ScorecardAway.xls", home = root / "prog/Output/ScorecardHome.xls";
    ASSERT_TRUE(
        testing::ConvertWithLibreOffice(root, "csv:Text - txt - csv (StarCalc):44,34,76,1", {away, home}));
    Grid awayCard = ReadCsv(testing::ReadFile(root / "out/ScorecardAway.csv"));
    Grid homeCard = ReadCsv(testing::ReadFile(root / "out/ScorecardHome.csv"));
    CheckCard(awayCard, "away");
    CheckCard(homeCard, "home");
    // Each card's team is the other's opponent.
    EXPECT_EQ("Opponent:" + At(awayCard, 1, 1).substr(5), At(homeCard, 2, 1));
    EXPECT_EQ("Opponent:" + At(homeCard, 1, 1).substr(5), At(awayCard, 2, 1));
}

}  // namespace
}  // namespace quillbat
