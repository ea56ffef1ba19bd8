#include "platform/Shell.h"

#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "TempFolder.h"

namespace quillbat {
namespace {

using testing::ScriptedUi;
using testing::TempFolder;

TEST(ViewFileTest, MissingFile) {
    ScriptedUi ui;
    ViewFile("/nowhere/Readme.txt", ui);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Oops");
    EXPECT_EQ(ui.messages[0].text, "Could not locate file /nowhere/Readme.txt");
    EXPECT_TRUE(ui.opened.empty());
}

TEST(ViewFileTest, NoViewerForType) {
    TempFolder dir;
    std::string file = dir.Write("Rosters.xls", "x");
    ScriptedUi ui;
    ViewFile(file, ui);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "There is no viewer currently installed for files of type XLS - file can not be viewed.");
    EXPECT_TRUE(ui.opened.empty());
}

TEST(ViewFileTest, OpensOrReportsTheError) {
    TempFolder dir;
    std::string file = dir.Write("Readme.txt", "x");
    ScriptedUi ui;
    ui.SetViewer("txt", "org.gnome.TextEditor.desktop");
    ViewFile(file, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.opened, std::vector<std::string>{file});

    ui.SetOpenResult(2);
    ViewFile(file, ui);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Error 2 encountered when attempting to open " + file);
}

TEST(MessageTest, BlankTitleShowsApplicationTitle) {
    ScriptedUi ui;
    ui.Message(MsgIcon::None, "", "Invalid date!");
    ui.Message(MsgIcon::None, "  ", "x");
    EXPECT_EQ(ui.messages[0].title, "Quillbat");
    EXPECT_EQ(ui.messages[1].title, "Quillbat");
}

}  // namespace
}  // namespace quillbat
