// End to end: one `quillbat-cli create` run makes the scorecards, rosters and pitcher profiles of
// a sample game served by the sample server, and LibreOffice reads them back with the game's
// cells in place, filled and shaded.

#include <gtest/gtest.h>

#include <regex>

#include "LibreOfficeRun.h"
#include "SampleGameRun.h"
#include "platform/FileSystem.h"
#include "workbooks/ProfileTables.h"

namespace quillbat {
namespace {

using testing::ShownCell;
using Cells = std::map<std::string, ShownCell>;

const char* const kWorkbooks[] = {"ScorecardAway", "ScorecardHome", "Rosters", "Starting Pitchers Profiles"};

// One run makes every output of the sample game; LibreOffice shows the cells of each workbook.
class SampleGameTest : public ::testing::Test {
protected:
    // The cell as shown, "" when it is empty.
    ShownCell Cell(const std::string& workbook, const std::string& address) {
        const Cells& cells = shown[workbook];
        auto it = cells.find(address);
        return it == cells.end() ? ShownCell() : it->second;
    }
    std::string Text(const std::string& workbook, char column, int row) {
        return Cell(workbook, column + std::to_string(row)).text;
    }
    std::string Output(const std::string& name) const { return root / ("prog/Output/" + name); }

    void CheckCards();
    void CheckRosters();
    void CheckProfiles();

    testing::TempFolder root;
    std::map<std::string, Cells> shown;  // by workbook
};

bool Matches(const std::string& text, const char* pattern) {
    return std::regex_match(text, std::regex(pattern));
}

TEST_F(SampleGameTest, OneRunMakesCardsRostersAndProfilesThatOpenInLibreOfficeFilledAndShaded) {
    if (!testing::HasLibreOffice()) GTEST_SKIP() << "LibreOffice is not installed";
    testing::SampleGame game(root);
    std::string err;
    ASSERT_EQ(
        testing::RunSampleCli(
            root, game,
            {"create", "07/04/2014", "1", "--scorecards", "--rosters", "--profiles", "--pdf", "-dev"}, err),
        0)
        << err;
    std::vector<testing::LibreOfficeJob> jobs;
    for (std::string name : kWorkbooks) jobs.push_back({Output(name + ".xls"), "", root / (name + ".txt")});
    ASSERT_TRUE(testing::RunLibreOfficeJobs(root, jobs));
    for (std::string name : kWorkbooks)
        shown[name] = testing::ShownCells(testing::ReadFile(root / (name + ".txt")));
    CheckCards();
    CheckRosters();
    CheckProfiles();
}

// Both cards hold the game, the nine and the starter on one page.
void SampleGameTest::CheckCards() {
    for (const char* card : {"ScorecardAway", "ScorecardHome"}) {
        SCOPED_TRACE(card);
        EXPECT_EQ(testing::PdfPageCount(Output(std::string(card) + ".pdf")), 1);
        EXPECT_EQ(Text(card, 'L', 1), "Date: 07/04/2014");
        EXPECT_TRUE(Matches(Text(card, 'L', 2), "Ballpark: .+"));
        EXPECT_EQ(Text(card, 'C', 5), "Player (BA)");
        for (int slot = 1; slot <= 9; ++slot) {
            int row = 6 + 3 * (slot - 1);
            SCOPED_TRACE("slot " + std::to_string(slot));
            EXPECT_EQ(Text(card, 'A', row), std::to_string(slot));
            EXPECT_TRUE(Matches(Text(card, 'B', row), "[0-9]+"));
            EXPECT_TRUE(Matches(Text(card, 'C', row), ".+ \\(\\.[0-9]{3}\\)"));
            EXPECT_TRUE(Matches(Text(card, 'D', row), "[A-Z0-9]{1,2}"));
            EXPECT_TRUE(Matches(Text(card, 'E', row), "[LRS]"));
        }
        EXPECT_TRUE(Matches(Text(card, 'A', 39) + Text(card, 'D', 39) + Text(card, 'E', 39),
                            ".+ \\([0-9]+-[0-9]+, [0-9.]+\\)[0-9]+[LR]"));
    }
    // Each card's team is the other's opponent.
    EXPECT_EQ("Opponent:" + Text("ScorecardAway", 'A', 1).substr(5), Text("ScorecardHome", 'A', 2));
    EXPECT_EQ("Opponent:" + Text("ScorecardHome", 'A', 1).substr(5), Text("ScorecardAway", 'A', 2));
}

// The rosters hold each team in a block: its shaded title row, its players on both sides with
// shaded leaders, and the two average rows.
void SampleGameTest::CheckRosters() {
    SCOPED_TRACE("rosters");
    ASSERT_FALSE(FileExists(Output("Rosters_Page2.xls")));
    const std::string players = testing::ReadFile(root / "prog/_debugPlayers.txt");  // row, id, side, ...
    auto text = [&](char column, int row) { return Text("Rosters", column, row); };
    EXPECT_EQ(text('O', 1), "Date: 07/04/2014");
    const std::regex name("[^,]+, .+");
    int row = 4;
    for (const char* side : {"away", "home"}) {
        SCOPED_TRACE(side);
        EXPECT_NE(Cell("Rosters", "B" + std::to_string(row)).fill, "");
        int named = 0, shadedBa = 0;
        for (++row; !text('B', row).starts_with("Team Avg"); ++row) {
            ASSERT_LT(row, 60);
            named += std::regex_match(text('B', row), name) + std::regex_match(text('P', row), name);
            shadedBa += !Cell("Rosters", "I" + std::to_string(row)).fill.empty();
        }
        const std::regex ofSide(std::string("\t") + side + "\t");
        EXPECT_EQ(named, std::distance(std::sregex_iterator(players.begin(), players.end(), ofSide), {}));
        EXPECT_GE(shadedBa, 1);
        EXPECT_TRUE(Matches(text('I', row), R"(\.[0-9]{3})"));  // the team's BA
        EXPECT_TRUE(Matches(text('B', row + 1), "[AN]L League Avg"));
        EXPECT_TRUE(Matches(text('U', row + 1), "[0-9]\\.[0-9]{2}"));
        row += 3;  // the next block's title row
    }
}

// The profiles are filled and shaded as the marks say.
void SampleGameTest::CheckProfiles() {
    const std::string book = "Starting Pitchers Profiles";
    EXPECT_EQ(testing::PdfPageCount(Output(book + ".pdf")), 1);
    for (auto [name, pitcher, batter, average, atBats] :
         {std::tuple{'A', 'B', 'E', 'F', 'G'}, {'K', 'L', 'O', 'P', 'Q'}}) {
        SCOPED_TRACE(name);
        auto at = [&](char column, int row) { return Cell(book, column + std::to_string(row)); };
        EXPECT_TRUE(Matches(at(name, 3).text, ".+: .+ \\([0-9]+-[0-9]+, [0-9.]+\\)"));
        EXPECT_EQ(at(name, 5).text, "Fastball");
        EXPECT_TRUE(Matches(at(pitcher, 5).text, "[0-9.]+ ?%"));
        for (const ReferenceRow& row : ReferenceRows()) {
            SCOPED_TRACE(row.sheetRow);
            EXPECT_EQ(at(name, row.sheetRow).text, row.description);
            ShownCell value = at(pitcher, row.sheetRow);
            EXPECT_TRUE(Matches(value.text, "[0-9]*\\.[0-9]+ ?%?"));
            EXPECT_EQ(value.fill == "808080", IsBeyondMarks(row, value.text));
        }
        EXPECT_TRUE(Matches(at(batter, 5).text, ".+, .+"));
        for (int row = 5; !at(batter, row).text.empty(); ++row)
            EXPECT_EQ(at(average, row).fill == "808080",
                      IsNotableBatterAverage(at(atBats, row).text, at(average, row).text));
    }
}

}  // namespace
}  // namespace quillbat
