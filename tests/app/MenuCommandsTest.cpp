#include "app/MenuCommands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "StartupFixture.h"

namespace quillbat {
namespace {

using testing::StartupFixture;

class MenuCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ctx.settings.programFolder = f.root / "prog";
        f.ui.SetViewer("txt", "viewer.desktop");
        f.ui.SetViewer("xls", "calc.desktop");
    }
    std::string LastMessage() const { return f.ui.messages.empty() ? "" : f.ui.messages.back().text; }

    StartupFixture f;
    AppContext ctx{f.ui};
};

TEST_F(MenuCommandsTest, ReadMeAndReleaseNotes) {
    ShowReadMe(ctx);
    EXPECT_EQ(LastMessage(), "Could not locate ReadMe file!");
    ShowReleaseNotes(ctx);
    EXPECT_EQ(LastMessage(), "Could not locate Release Notes file!");
    EXPECT_EQ(f.ui.messages.back().title, "Error");

    f.root.Write("prog/Readme.txt", "r");
    f.root.Write("prog/ReleaseNotes.txt", "n");
    ShowReadMe(ctx);
    ShowReleaseNotes(ctx);
    EXPECT_EQ(f.ui.messages.size(), 2u);
    EXPECT_EQ(f.ui.opened,
              (std::vector<std::string>{f.root / "prog/Readme.txt", f.root / "prog/ReleaseNotes.txt"}));
}

TEST_F(MenuCommandsTest, ExampleOutput) {
    ViewExampleOutput(ctx);
    EXPECT_EQ(LastMessage(), "Could not locate Examples sub-directory!");
    f.root.Write("prog/Examples/notes.txt", "n");
    ViewExampleOutput(ctx);
    EXPECT_EQ(LastMessage(), "Could not locate the example files!");
    f.root.Write("prog/Examples/ScorecardAway.xls", "a");
    f.root.Write("prog/Examples/Rosters.xls", "r");
    ViewExampleOutput(ctx);
    EXPECT_EQ(f.ui.messages.size(), 2u);
    EXPECT_EQ(f.ui.opened.size(), 2u);
}

TEST_F(MenuCommandsTest, OutputFolder) {
    ctx.settings.outputDir = f.root / "out";
    OpenOutputFolder(ctx);
    EXPECT_EQ(LastMessage(), "Could not locate the output folder " + ctx.settings.outputDir);
    std::filesystem::create_directories(ctx.settings.outputDir);
    OpenOutputFolder(ctx);
    EXPECT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.opened, std::vector<std::string>{ctx.settings.outputDir});
}

}  // namespace
}  // namespace quillbat
