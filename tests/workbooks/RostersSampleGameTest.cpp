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

// What LibreOffice shows in each cell, "B5" -> "Bishop, Tyler" with " bg ..." for a fill.
std::map<std::string, std::string> ShownCells(const std::string& dump) {
    std::map<std::string, std::string> cells;
    std::istringstream lines(dump);
    static const std::regex cell(R"(\$Rosters\.\$([A-Z]+)\$([0-9]+) .* \| (.*))");
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (std::regex_match(line, m, cell)) cells[m.str(1) + m.str(2)] = m.str(3);
    }
    return cells;
}

// The players of each side in the run's "_debugPlayers.txt": row, id, side, ...
std::map<std::string, int> PlayersBySide(const std::string& dump) {
    std::map<std::string, int> count;
    std::istringstream lines(dump);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string row, id, side;
        if (std::getline(fields, row, '\t') && std::getline(fields, id, '\t') &&
            std::getline(fields, side, '\t'))
            ++count[side];
    }
    return count;
}

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
    std::map<std::string, std::string> shown = ShownCells(testing::ReadFile(root / "shown.txt"));
    std::map<std::string, int> players = PlayersBySide(testing::ReadFile(root / "prog/_debugPlayers.txt"));
    ASSERT_EQ(players.size(), 2u);
    EXPECT_EQ(shown["O1"], "Date: 07/04/2014");

    // Each block: the team's shaded title row, its players on both sides, the two average rows.
    const std::regex name("[^,]+, .+"), rate(R"(\.[0-9]{3})");
    int row = 4;
    for (const char* side : {"away", "home"}) {
        SCOPED_TRACE(side);
        std::string r = std::to_string(row);
        EXPECT_NE(shown["B" + r].find(" bg "), std::string::npos);
        EXPECT_EQ(shown["B" + r].substr(0, shown["B" + r].find(" bg ")),
                  shown["P" + r].substr(0, shown["P" + r].find(" bg ")));
        int named = 0, shadedBa = 0;
        for (++row; !shown["B" + std::to_string(row)].starts_with("Team Avg"); ++row) {
            ASSERT_LT(row, 60);
            std::string rr = std::to_string(row);
            named += std::regex_match(shown["B" + rr], name) + std::regex_match(shown["P" + rr], name);
            shadedBa += shown["I" + rr].find(" bg ") != std::string::npos;
        }
        EXPECT_EQ(named, players[side]);
        EXPECT_GE(shadedBa, 1);
        EXPECT_TRUE(std::regex_match(shown["I" + std::to_string(row)], rate));  // the team's BA
        EXPECT_TRUE(std::regex_match(shown["B" + std::to_string(row + 1)], std::regex("[AN]L League Avg")));
        EXPECT_TRUE(std::regex_match(shown["U" + std::to_string(row + 1)], std::regex("[0-9]\\.[0-9]{2}")));
        row += 3;  // the next block's title row
    }
}

}  // namespace
}  // namespace quillbat
