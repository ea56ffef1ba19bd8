#include "cli/CliCommands.h"
#include "cli/CliUi.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "TempFolder.h"

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
    EXPECT_EQ(err.str(),
              "Error: first second third\nLineups Not Available: Go on?\nOther: Go on?\nQuillbat: Invalid date!\n");
    EXPECT_EQ(ui.MessageCount(MsgIcon::Question), 2);

    std::ostringstream verbose;
    CliUi talkative(verbose, true);
    talkative.ShowStatus("Retrieving game list...");
    EXPECT_EQ(verbose.str(), "status: Retrieving game list...\n");
}

TEST(CliTest, UsageAndUnknownCommands) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({}, "/nowhere", out, err), kExitUsage);
    EXPECT_NE(err.str().find("usage: quillbat-cli"), std::string::npos);
    EXPECT_EQ(RunCli({"help"}, "/nowhere", out, err), kExitSuccess);
    EXPECT_EQ(RunCli({"frobnicate"}, "/nowhere", out, err), kExitUsage);
    EXPECT_EQ(RunCli({"settings", "extra"}, "/nowhere", out, err), kExitUsage);
}

TEST(CliTest, SettingsRunsStartUpAndExit) {
    testing::TempFolder dir;
    std::filesystem::copy_file(QUILLBAT_TEAM_DB, dir / "Quillbat.db");
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"settings", "-DEBUG"}, dir.path(), out, err), kExitSuccess) << err.str();
    EXPECT_NE(out.str().find("Settings file:    " + (dir / "Quillbat.ini")), std::string::npos);
    EXPECT_NE(testing::ReadFile(dir / "Quillbat.ini").find("[LastRun]"), std::string::npos);

    std::filesystem::remove(dir / "Quillbat.db");
    std::ostringstream out2, err2;
    EXPECT_EQ(RunCli({"settings"}, dir.path(), out2, err2), kExitFailure);
    EXPECT_EQ(err2.str().rfind("Error: Could not read the team database", 0), 0u) << err2.str();
}

}  // namespace
}  // namespace quillbat
