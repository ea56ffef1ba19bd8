// The rosters made from the program's own template: what each column shows, who leads, the
// average rows, the split into two pages, and a template the sheet can not be laid out on.

#include "workbooks/TeamRosters.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ScriptedUi.h"
#include "TempFolder.h"
#include "gameday/PlayersTable.h"
#include "platform/FileSystem.h"
#include "workbooks/RosterCells.h"
#include "xls/PrintLayout.h"

namespace quillbat {
namespace {

namespace fs = std::filesystem;
using namespace PlayerField;

TEST(RosterCellsTest, HeadingsGamesAndQualification) {
    PlayersTable players;
    for (const char* position : {"D", "P"}) players.Set(kPosition, players.AddRow(), position);
    for (auto [field, row, text] : {std::tuple{kBatterWar, 1, "1.5"},
                                    {kPitcherWar, 2, "2.5"},
                                    {kBatterSplitsAverage, 1, ".333"},
                                    {kBatterSplitsAtBats, 1, "6"}})
        players.Set(field, row, text);
    // "DH" and a pitcher's W-L are read back from a made sheet below.
    EXPECT_EQ(GetRosterCell("war", players, 1), "1.5");
    EXPECT_EQ(GetRosterCell("WAR", players, 2), "2.5");
    EXPECT_EQ(GetRosterCell("vs. opp pitcher", players, 1), ".333, 6 AB");
    EXPECT_EQ(GetRosterCell("W-L", players, 1) + GetRosterCell("Age", players, 1), "");  // not a batter's

    for (auto [title, games] : {std::pair{"Boston Red Sox (85-70)", 155},
                                {"Boston Red Sox", 0},
                                {"Club (85)", 0},
                                {"Club (0-1) x", 1}})
        EXPECT_EQ(GamesFromTitle(title), games) << title;

    // 85-70: 3.1 x 155 = 480.5 plate appearances, 155 innings. That counting figures rank
    // everyone is seen on a made sheet below.
    EXPECT_FALSE(QualifiesToLead("BA", false, 480, 0, 155));
    EXPECT_TRUE(QualifiesToLead("BA", false, 481, 0, 155));
    EXPECT_FALSE(QualifiesToLead("ERA", true, 0, 154.2f, 155));
    EXPECT_TRUE(QualifiesToLead("ERA", true, 0, 155, 155));
    EXPECT_TRUE(QualifiesToLead("BA", false, 0, 0, 0));
    EXPECT_EQ(DirectionOf(BuildStatDirections(), "ERA"), 'L');
    EXPECT_EQ(DirectionOf(BuildStatDirections(), "era"), 0);  // ranked headings match exactly
}

class TeamRostersTest : public ::testing::Test {
protected:
    TeamRostersTest() {
        settings.programFolder = root.path();
        settings.templatesDir = QUILLBAT_TEMPLATES;
        settings.outputDir = root / "out";
        settings.dataSourcesLine = "Data Sources: here";
        fs::create_directories(settings.outputDir);
        AddAverage(teamAverages, "Twins", "Batters", "AVG", "0.250");
        AddAverage(teamAverages, "Twins", "Batters", "WAR", "12.5");
        AddAverage(teamAverages, "Twins", "Pitchers", "WAR", "8.0");
        AddAverage(leagueAverages, "AL", "Pitchers", "ERA", "3.90");
    }
    static void AddAverage(AveragesTable& table, const char* owner, const char* kind, const char* stat,
                           const char* value) {
        int row = table.AddRow();
        for (auto [field, text] : {std::pair{1, owner}, {2, kind}, {3, stat}, {4, value}})
            table.Set(field, row, text);
    }
    int AddPlayer(const std::string& side, const std::string& position,
                  std::initializer_list<std::pair<int, std::string>> figures) {
        int row = players.AddRow();
        for (auto [field, text] : {std::pair<int, std::string>{kSide, side},
                                   {kPosition, position},
                                   {kUniformNumber, std::to_string(row)},
                                   {kFirstName, "Joe"},
                                   {kLastName, "Player" + std::to_string(row) + " Jr."},
                                   {kBats, "R"}})
            players.Set(field, row, text);
        for (auto [field, text] : figures) players.Set(field, row, text);
        return row;
    }
    int AddBatter(const std::string& side, const std::string& pa, const std::string& ba,
                  const std::string& hr) {
        return AddPlayer(side, "C",
                         {{kBatterPlateAppearances, pa}, {kFanGraphsAverage, ba}, {kHomeRuns, hr}});
    }
    std::string Create() {
        RostersSources sources{settings, players, leagueAverages, teamAverages, ui, nullptr};
        return CreateTeamRosters(
            sources, {"Minnesota Twins (50-50)", "Detroit Tigers (3-4)", "Twins", "Tigers", "min", "det",
                      "AL", "NL", "", "", "Comerica Park", "07/04/2014"});
    }
    ExcelWorksheet Open(const std::string& file) {
        ExcelWorkbook* book = nullptr;
        EXPECT_EQ(app.Open(root / ("out/" + file), book), "");
        return book ? book->Worksheets(1) : ExcelWorksheet();
    }
    static std::string Text(const ExcelWorksheet& sheet, int row, int column) {
        return xls::DisplayText(sheet.Cells(row, column).Value());
    }
    static bool Shaded(const ExcelWorksheet& sheet, int row, int column) {
        return sheet.Cells(row, column).Color() != 0xFFFFFF;
    }

    testing::TempFolder root;
    Settings settings;
    PlayersTable players;
    AveragesTable leagueAverages, teamAverages;
    testing::ScriptedUi ui;
    ExcelApplication app;
};

// The template's columns: 1 #, 2 name, 5 PA, 6 HR, 9 BA, 13 WAR; pitchers from 15: 16 name,
// 18 W-L, 20 IP, 21 ERA, 27 WAR.
TEST_F(TeamRostersTest, BlocksLeadersAndAverageRowsOfBothTeams) {
    AddBatter("away", "310", ".300", "5");  // qualified (100 games): leads BA with the next
    AddBatter("away", "400", ".300", "9");
    AddBatter("away", "309", ".350", "20");  // better but not qualified for BA; leads HR
    AddBatter("away", "0", ".000", "0");  // no plate appearance: only Bats, Pos, PA, AB
    AddPlayer("away", "P",
              {{kPitcherSeasonInnings, "0"},
               {kPitcherSeasonEra, "0.00"},
               {kPitcherSeasonWins, "0"},
               {kPitcherSeasonLosses, "1"}});
    AddBatter("home", "22", ".200", "1");
    AddPlayer("home", "D", {{kBatterPlateAppearances, "22"}, {kFanGraphsAverage, ".210"}});
    ASSERT_EQ(Create(), "");
    EXPECT_FALSE(FileExists(root / "out/Rosters_Page1.xls"));
    ExcelWorksheet sheet = Open("Rosters.xls");
    EXPECT_EQ(Text(sheet, 4, 2), "Minnesota Twins");
    EXPECT_TRUE(Shaded(sheet, 4, 27));
    EXPECT_EQ(Text(sheet, 5, 2), "Player1, Joe");
    EXPECT_EQ(Text(sheet, 5, 16), "Player5, Joe");
    EXPECT_EQ(Text(sheet, 5, 18), "0-1");
    EXPECT_EQ(Text(sheet, 5, 20), "0");
    EXPECT_EQ(Text(sheet, 5, 21), "");  // no inning: no ERA
    EXPECT_EQ(Text(sheet, 8, 4) + Text(sheet, 8, 5) + Text(sheet, 8, 9), "R0");
    EXPECT_TRUE(Shaded(sheet, 5, 9) && Shaded(sheet, 6, 9));
    EXPECT_FALSE(Shaded(sheet, 7, 9));
    EXPECT_TRUE(Shaded(sheet, 7, 6));
    EXPECT_FALSE(Shaded(sheet, 5, 6));
    // Team and league rows; "WAR" takes the batters' figure in both blocks.
    EXPECT_EQ(Text(sheet, 10, 2), "Team Avg");
    EXPECT_EQ(Text(sheet, 10, 9), "0.25");
    EXPECT_EQ(Text(sheet, 10, 13), "12.5");
    EXPECT_EQ(Text(sheet, 10, 27), "12.5");
    EXPECT_EQ(Text(sheet, 11, 16), "AL League Avg");
    EXPECT_EQ(Text(sheet, 11, 21), "3.9");
    // The home block two rows below; 22 PA qualify in 7 games (21.7), "D" reads "DH".
    EXPECT_EQ(Text(sheet, 13, 2), "Detroit Tigers");
    EXPECT_EQ(Text(sheet, 15, 3), "DH");
    EXPECT_TRUE(Shaded(sheet, 15, 9));
    EXPECT_FALSE(Shaded(sheet, 14, 9));
    EXPECT_EQ(Text(sheet, 18, 2), "NL League Avg");
    // One landscape page, hardly shrunk.
    xls::PrintLayout layout = xls::LayOutPrint(*sheet.Book(), 0);
    EXPECT_EQ(layout.pages.size(), 1u);
    EXPECT_TRUE(layout.settings.landscape);
    EXPECT_GE(layout.scale, 0.9);
}

// 19 players a side end the home block at row 50: rows 47 to 50 go to row 4 of page 2.
TEST_F(TeamRostersTest, ASheetPastLastRowIsSplitIntoTwoPages) {
    root.Write("out/Rosters.xls", "an earlier run's workbook");
    for (int i = 0; i < 38; ++i) AddBatter(i < 19 ? "away" : "home", "1", ".100", i == 37 ? "30" : "1");
    ASSERT_EQ(Create(), "");
    EXPECT_FALSE(FileExists(root / "out/Rosters.xls"));
    ExcelWorksheet first = Open("Rosters_Page1.xls");
    EXPECT_EQ(Text(first, 46, 2), "Player37, Joe");  // without "Jr."
    EXPECT_EQ(Text(first, 47, 2), "");
    ExcelWorksheet second = Open("Rosters_Page2.xls");
    EXPECT_EQ(Text(second, 4, 2), "Player38, Joe");
    EXPECT_TRUE(Shaded(second, 4, 6));  // the HR leader keeps his shading
    EXPECT_FALSE(Shaded(second, 4, 7));
    EXPECT_EQ(Text(second, 6, 2), "Team Avg");
    EXPECT_EQ(Text(second, 7, 2), "NL League Avg");
}

// Rows past 100 keep their plate appearances: the 110th batter qualifies and leads.
TEST_F(TeamRostersTest, AVeryLongRosterRanksEveryRow) {
    for (int i = 0; i < 110; ++i) AddBatter("away", i == 109 ? "400" : "1", i == 109 ? ".300" : ".400", "1");
    ASSERT_EQ(Create(), "");
    ExcelWorksheet second = Open("Rosters_Page2.xls");
    EXPECT_EQ(Text(second, 4 + 114 - 47, 2), "Player110, Joe");
    EXPECT_TRUE(Shaded(second, 4 + 114 - 47, 9));
    EXPECT_FALSE(Shaded(second, 4, 9));
}

TEST_F(TeamRostersTest, ATemplateWithoutLastRowGivesOnePlainError) {
    fs::create_directories(root / "templates");
    fs::copy_file(QUILLBAT_TEMPLATES "/Scorecard Template.xlt", root / "templates/Rosters Template.xlt");
    settings.templatesDir = root / "templates";
    EXPECT_EQ(Create(), "The rosters template " + root / "templates/Rosters Template.xlt" +
                            " has no cell named \"lastrow\".");
}

}  // namespace
}  // namespace quillbat
