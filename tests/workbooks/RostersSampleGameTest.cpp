// End to end: `quillbat-cli create --rosters` makes the rosters of a sample game served by the
// sample server, and LibreOffice reads them back: every player of both teams, shaded leaders,
// and each team's average rows.

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "LibreOfficeRun.h"
#include "SampleGameRun.h"
#include "platform/FileSystem.h"

namespace quillbat {
namespace {

TEST(RostersSampleGameTest, TheRostersOfASampleGameOpenInLibreOfficeWithBothTeamsFilledIn) {
    if (!testing::HasLibreOffice()) GTEST_SKIP() << "LibreOffice is not installed";
    testing::TempFolder root;
    testing::SampleGame game(root);
    std::string err;
    ASSERT_EQ(testing::RunSampleCli(root, game, {"create", "07/04/2014", "1", "--rosters", "-dev"}, err), 0)
        << err;
    ASSERT_FALSE(FileExists(root / "prog/Output/Rosters_Page2.xls"));
    ASSERT_TRUE(
        testing::RunLibreOfficeJobs(root, {{root / "prog/Output/Rosters.xls", "", root / "shown.txt"}}));
    std::map<std::string, testing::ShownCell> shown =
        testing::ShownCells(testing::ReadFile(root / "shown.txt"));
    const std::string players = testing::ReadFile(root / "prog/_debugPlayers.txt");  // row, id, side, ...
    EXPECT_EQ(shown["O1"].text, "Date: 07/04/2014");

    // Each block: the team's shaded title row, its players on both sides, the two average rows.
    const std::regex name("[^,]+, .+"), rate(R"(\.[0-9]{3})");
    int row = 4;
    for (const char* side : {"away", "home"}) {
        SCOPED_TRACE(side);
        std::string r = std::to_string(row);
        EXPECT_NE(shown["B" + r].fill, "");
        int named = 0, shadedBa = 0;
        for (++row; !shown["B" + std::to_string(row)].text.starts_with("Team Avg"); ++row) {
            ASSERT_LT(row, 60);
            std::string rr = std::to_string(row);
            named +=
                std::regex_match(shown["B" + rr].text, name) + std::regex_match(shown["P" + rr].text, name);
            shadedBa += !shown["I" + rr].fill.empty();
        }
        const std::regex ofSide(std::string("\t") + side + "\t");
        EXPECT_EQ(named, std::distance(std::sregex_iterator(players.begin(), players.end(), ofSide), {}));
        EXPECT_GE(shadedBa, 1);
        EXPECT_TRUE(std::regex_match(shown["I" + std::to_string(row)].text, rate));  // the team's BA
        EXPECT_TRUE(
            std::regex_match(shown["B" + std::to_string(row + 1)].text, std::regex("[AN]L League Avg")));
        EXPECT_TRUE(
            std::regex_match(shown["U" + std::to_string(row + 1)].text, std::regex("[0-9]\\.[0-9]{2}")));
        row += 3;  // the next block's title row
    }
}

}  // namespace
}  // namespace quillbat
