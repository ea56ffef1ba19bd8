// The scorecards made from the program's own template: the cells they fill, the logo, the
// printed page, and a template that lacks a name.

#include "workbooks/Scorecard.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "ScriptedUi.h"
#include "TempFolder.h"
#include "gameday/LineupTable.h"
#include "gameday/PlayersTable.h"
#include "platform/FileSystem.h"
#include "workbooks/TeamLogo.h"
#include "xls/PrintLayout.h"

namespace quillbat {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

class ScorecardTest : public ::testing::Test {
protected:
    ScorecardTest() {
        settings.programFolder = root.path();
        settings.programLog = root / "Quillbat.log";
        settings.templatesDir = QUILLBAT_TEMPLATES;
        settings.outputDir = root / "out";
        settings.logosDir = root / "logos";
        settings.dataSourcesLine = "Data Sources: here";
        settings.scorecardPlayerFmt = "BA/WAR";
        fs::create_directories(settings.outputDir);
        fs::create_directories(settings.logosDir);
        for (int slot = 1; slot <= 8; ++slot) AddBatter("home", slot, "Home" + std::to_string(slot));
        AddBatter("home", 1, "Later");
        AddBatter("away", 1, "Visitor");
        // One players row, read for the home starter (#44) and for the lead-off man (id 1).
        int row = players.AddRow();
        players.Set(PlayerField::kSide, row, "home");
        players.Set(PlayerField::kUniformNumber, row, "44");
        players.Set(PlayerField::kPlayerId, row, "1");
        players.Set(PlayerField::kBats, row, "R");
        players.Set(PlayerField::kThrows, row, "L");
    }

    void AddBatter(const std::string& side, int slot, const std::string& name) {
        using namespace LineupField;
        int row = lineups.AddRow();
        lineups.Set(kSide, row, side);
        lineups.Set(kBattingOrder, row, std::to_string(slot));
        lineups.Set(kBoxScoreName, row, name);
        lineups.Set(kAverage, row, ".250");
        lineups.Set(kPosition, row, "SS");
        lineups.Set(kPlayerId, row, std::to_string(slot));
        lineups.Set(kUniformNumber, row, std::to_string(slot + 10));
        lineups.Set(kWar, row, slot == 1 ? "1.5" : "");
    }

    std::string Create() {
        ScorecardSources sources{settings, lineups, players, ui, nullptr};
        return CreateScorecard(
            sources, {"Away Club (1-2)", "Home Club (2-1)", "Home Park", "07/04/2014",
                      "Visiting Pitcher (1-0, 2.00)", "Home Pitcher (0-1, 3.00)", "12", "44", "awy", "hom"});
    }

    TempFolder root;
    Settings settings;
    LineupTable lineups;
    PlayersTable players;
    testing::ScriptedUi ui;
};

std::string Text(const ExcelWorksheet& sheet, const std::string& name) {
    return xls::DisplayText(sheet.Range(name).Value());
}

TEST_F(ScorecardTest, TheCardsCarryTheGameTheNineAndTheLogoOnOnePage) {
    fs::copy_file(QUILLBAT_XLS_TEST_DATA "/logo.gif", root / "logos/hom.gif");
    root.Write("logos/awy.gif", "not a picture");
    settings.devMode = true;
    ASSERT_EQ(Create(), "");
    ExcelApplication app;
    ExcelWorkbook* book = nullptr;
    ASSERT_EQ(app.Open(root / "out/ScorecardHome.xls", book), "");
    ExcelWorksheet sheet = book->Worksheets(1);
    // The game's and the nine's cells on real data are read back by the sample game test.
    EXPECT_EQ(Text(sheet, "pitcherthrows"), "L");
    EXPECT_EQ(Text(sheet, "player1"), "Home1 (.250, 1.5 WAR)");  // the first row of slot 1
    EXPECT_EQ(Text(sheet, "bats1"), "R");
    EXPECT_EQ(Text(sheet, "bats2"), "");  // no players row for him
    EXPECT_EQ(Text(sheet, "player9"), "");  // nobody bats ninth: the template's empty cell stays
    EXPECT_EQ(sheet.CenterFooter(), "Data Sources: here");
    EXPECT_TRUE(FileExists(root / "debugPlayerList.txt"));
    // The away club's logo does not read: its card is made without one, and the log says so.
    ExcelWorkbook* away = nullptr;
    ASSERT_EQ(app.Open(root / "out/ScorecardAway.xls", away), "");
    EXPECT_TRUE(away->Worksheets(1).Shapes().empty());
    EXPECT_NE(ReadTextFile(root / "Quillbat.log").find("The logo was left out"), std::string::npos);

    // The logo sits inside its frame, 97 % of it across.
    ASSERT_EQ(sheet.Shapes().size(), 1u);
    ExcelShape logo = sheet.Shapes()[0];
    ExcelRange frame = sheet.Range("TeamLogo");
    EXPECT_NEAR(logo.Width(), 0.97 * std::nearbyint(frame.Width()), 1);
    EXPECT_GE(logo.Left(), frame.Left());
    EXPECT_LE(logo.Top() + logo.Height(), frame.Top() + frame.Height() + 0.5);

    // One landscape page, hardly shrunk, that fits Letter and the shorter A4 alike.
    xls::PrintLayout layout = xls::LayOutPrint(book->Model(), 0);
    ASSERT_EQ(layout.pages.size(), 1u);
    EXPECT_TRUE(layout.settings.landscape);
    EXPECT_GE(layout.scale, 0.95);
    const double a4Height = 595.3, letterWidth = 792;
    const xls::PageSettings& page = layout.settings;
    EXPECT_LE(layout.rowEdges.back() * layout.scale + 72 * (page.topMargin + page.bottomMargin), a4Height);
    EXPECT_LE(layout.columnEdges.back() * layout.scale + 72 * (page.leftMargin + page.rightMargin),
              letterWidth);
}

TEST_F(ScorecardTest, ATemplateWithoutOneOfTheNamesStopsTheRunAndLeavesNoCard) {
    root.Write("out/ScorecardAway.xls", "an earlier run's card");
    root.Write("templates/Scorecard Template.xlt", testing::ReadFile(QUILLBAT_XLS_TEST_DATA "/template.xlt"));
    settings.templatesDir = root / "templates";
    EXPECT_EQ(Create(), "The scorecard template " + root / "templates/Scorecard Template.xlt" +
                            " has no cell named \"opponent\".");
    EXPECT_FALSE(FileExists(root / "out/ScorecardAway.xls"));
    EXPECT_FALSE(FileExists(root / "out/ScorecardHome.xls"));
}

TEST(TeamLogoTest, APictureOfTheFramesSizeEndsAt97PercentCentredInIt) {
    // A 100 x 60 frame at left 200, top 50: 97 x 58.2, read back as 58 high for the centring.
    ExcelApplication app;
    ExcelWorksheet sheet = app.Add().Worksheets(1);
    ExcelShape picture;
    ASSERT_EQ(sheet.AddPicture(QUILLBAT_XLS_TEST_DATA "/logo.gif", false, true, 200, 50, 100, 60, picture),
              "");
    ASSERT_EQ(FitLogoInFrame(picture, 100, 60), "");
    EXPECT_TRUE(picture.LockAspectRatio());
    EXPECT_FLOAT_EQ(picture.Width(), 97);
    EXPECT_FLOAT_EQ(picture.Height(), 58.2f);
    EXPECT_FLOAT_EQ(picture.Left(), 201.5);
    EXPECT_FLOAT_EQ(picture.Top(), 51);
}

}  // namespace
}  // namespace quillbat
