#include "cli/CliCommands.h"
#include "cli/CliUi.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "GameWorld.h"
#include "TempFolder.h"
#include "platform/FileSystem.h"
#include "workbooks/ExcelProcs.h"

namespace quillbat {
namespace {

TEST(CliUiTest, MessagesAreOneLineEachAndAnsweredFromOptions) {
    std::ostringstream err;
    CliUi ui(err, false);
    ui.SetAnswer("Lineups Not Available", MsgAnswer::Yes);
    EXPECT_EQ(ui.Message(MsgIcon::Exclamation, "Error", "first\r\nsecond\nthird"), MsgAnswer::Ok);
    EXPECT_EQ(ui.Message(MsgIcon::Question, "Lineups Not Available", "Go on?", MsgButtons::YesNo),
              MsgAnswer::Yes);
    EXPECT_EQ(ui.Message(MsgIcon::Question, "Other", "Go on?", MsgButtons::YesNo), MsgAnswer::No);
    EXPECT_EQ(ui.Message(MsgIcon::None, "", "Invalid date!"), MsgAnswer::Ok);
    ui.ShowStatus("not shown without --verbose");
    EXPECT_EQ(
        err.str(),
        "Error: first second third\nLineups Not Available: Go on?\nOther: Go on?\nQuillbat: Invalid date!\n");
    EXPECT_EQ(ui.MessageCount(MsgIcon::Question), 2);

    std::ostringstream verbose;
    CliUi talkative(verbose, true);
    talkative.ShowStatus("Retrieving game list...");
    EXPECT_EQ(verbose.str(), "status: Retrieving game list...\n");
}

class CliTest : public ::testing::Test {
protected:
    int Run(const std::vector<std::string>& args) {
        out.str("");
        err.str("");
        return RunCli(args, world.root / "prog", world.Inputs().environment, out, err);
    }
    testing::GameWorld world;
    std::ostringstream out, err;
};

TEST_F(CliTest, UsageAndUsageErrors) {
    EXPECT_EQ(Run({}), kExitUsage);
    EXPECT_NE(err.str().find("usage: quillbat-cli"), std::string::npos);
    EXPECT_EQ(Run({"help"}), kExitSuccess);
    EXPECT_NE(out.str().find("games DATE"), std::string::npos);
    EXPECT_EQ(Run({"create", "04/07/2017", "99", "--scorecards"}), kExitUsage);
    EXPECT_EQ(err.str(), "quillbat-cli: GAME must be a number from 1 to 15\n");
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"frobnicate"},
                                               {"settings", "extra"},
                                               {"games"},
                                               {"create", "04/07/2017"},
                                               {"create", "04/07/2017", "1", "--everything"},
                                               {"create", "04/07/2017", "x", "--scorecards"}})
        EXPECT_EQ(Run(args), kExitUsage) << ::testing::PrintToString(args);
}

TEST_F(CliTest, SettingsRunsStartUpAndExit) {
    EXPECT_EQ(Run({"settings", "-DEBUG"}), kExitSuccess) << err.str();
    EXPECT_NE(out.str().find("Settings file:    " + world.Ini()), std::string::npos);
    WriteIniValue(world.Ini(), "Sources", "Provider", "statsapi");
    WriteIniValue(world.Ini(), "Sources", "StatsApiHost", "http://api.example");
    EXPECT_EQ(Run({"settings"}), kExitSuccess) << err.str();
    EXPECT_NE(out.str().find("Stats API data:   http://api.example\n"), std::string::npos) << out.str();
    EXPECT_NE(testing::ReadFile(world.Ini()).find("[LastRun]"), std::string::npos);

    std::filesystem::remove(world.root / "prog/Quillbat.db");
    EXPECT_EQ(Run({"settings"}), kExitFailure);
    EXPECT_EQ(
        err.str().rfind("Error: Could not read the team database " + world.root / "prog/Quillbat.db", 0), 0u)
        << err.str();
}

TEST_F(CliTest, GamesListsTheDayWithThePreselectedEntryMarked) {
    WriteIniValue(world.Ini(), "Options", "FavoriteTeam", "NY Yankees");
    EXPECT_EQ(Run({"games", "042213", "--verbose"}), kExitSuccess) << err.str();
    std::string expected;
    auto lists = testing::ExpectedGameLists();
    for (const auto& entry : lists["year_2013/month_04/day_22"])
        expected += (entry == "NY Yankees at Tampa Bay" ? "* " : "  ") + entry + "\n";
    EXPECT_EQ(out.str(), expected);
    EXPECT_EQ(err.str(), "status: Retrieving game list...\nstatus: Select game and click 'Create'.\n");
}

TEST_F(CliTest, GamesFailures) {
    EXPECT_EQ(Run({"games", "04/23/2013"}), kExitFailure);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(),
              "Error: Error attempting to get games for selected date!  See .LOG file for details.\n");
    world.AddScoreboard("year_2014/month_12/day_25", "<games/>");
    EXPECT_EQ(Run({"games", "12/25/2014"}), kExitFailure);
    EXPECT_EQ(err.str(), "No Games: No games scheduled for that date!\n");
    EXPECT_EQ(Run({"games", "12345"}), kExitUsage);
    EXPECT_EQ(err.str(), "Oops: Invalid date!\n");
}

TEST_F(CliTest, CreateRunsThePipelineForTheNumberedGame) {
    world.WriteStandInTemplates();
    WriteIniValue(world.Ini(), "LastRun", "CreateRosters", "Y");

    EXPECT_EQ(Run({"create", "04/07/2017", "1", "--scorecards"}), kExitFailure);
    EXPECT_EQ(err.str(),
              "Lineups Not Available: There are no starting lineups available yet.  Proceed anyway?\n");

    EXPECT_EQ(Run({"create", "04/07/2017", "1", "--scorecards", "--proceed-without-lineups"}), kExitFailure);
    // The stand-in template is no workbook: the scorecard stage ends the run naming it.
    EXPECT_NE(err.str().find("Error: The file " + world.root / "prog/Templates/Scorecard Template.xlt" +
                             " is not a readable workbook"),
              std::string::npos)
        << err.str();

    EXPECT_EQ(Run({"create", "--profiles", "04/07/2017", "2", "-dev"}),
              kExitFailure);  // -dev keeps the downloads
    EXPECT_TRUE(FileExists(world.root / "tmp/quillbat/boxscore.xls"));
    EXPECT_TRUE(FileExists(world.root / "tmp/quillbat/players.xls"));
    // The window's last-run choices are not the command line's.
    EXPECT_EQ(ReadIniValue(world.Ini(), "LastRun", "CreateRosters"), "Y");
    EXPECT_EQ(ReadIniValue(world.Ini(), "LastRun", "CreatePitcherProfiles"), "N");
}

TEST_F(CliTest, FlattenWritesTheTableBesideTheFile) {
    std::string xml = world.root.Write("in/players.xml", "<game><team id=\"1\"/><team id=\"2\"/></game>");
    EXPECT_EQ(Run({"flatten", xml}), kExitSuccess) << err.str();
    EXPECT_EQ(out.str(), world.root / "in/players.xls\n");
    EXPECT_TRUE(FileExists(world.root / "in/players.xls"));

    std::string bad = world.root.Write("in/bad.xml", "<game>");
    EXPECT_EQ(Run({"flatten", bad}), kExitFailure);
    EXPECT_EQ(err.str().rfind("Error: " + bad + ": not well-formed XML", 0), 0u) << err.str();
}

TEST_F(CliTest, PdfWritesTheFirstWorksheetsPages) {
    ExcelApplication app;
    ExcelWorkbook& book = app.Add();
    ASSERT_EQ(book.Worksheets(1).Cells(1, 1).SetValue("Home"), "");
    std::string xls = world.root / "card.xls", pdf = world.root / "card.pdf";
    ASSERT_EQ(book.SaveAs(xls, kXlWorkbookNormal), "");
    EXPECT_EQ(Run({"pdf", xls, pdf}), kExitSuccess) << err.str();
    EXPECT_EQ(out.str(), pdf + "\n");
    EXPECT_EQ(testing::ReadFile(pdf).rfind("%PDF-", 0), 0u);

    EXPECT_EQ(Run({"pdf", world.root / "missing.xls", pdf}), kExitFailure);
    EXPECT_EQ(err.str().rfind("Error: ", 0), 0u) << err.str();
    EXPECT_EQ(Run({"pdf", xls}), kExitUsage);
}

}  // namespace
}  // namespace quillbat
