#include "platform/Shell.h"

#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "TempFolder.h"

namespace quillbat {
namespace {

using testing::ScriptedUi;
using testing::TempFolder;

// A missing file, a type without a viewer and a failed open each say so in one message; a file
// that opens says nothing.
TEST(ViewFileTest, OpensTheFileOrSaysWhyNot) {
    TempFolder dir;
    std::string readme = dir.Write("Readme.txt", "x"), rosters = dir.Write("Rosters.xls", "x");
    struct Case {
        std::string file;
        int openResult;
        std::string message;  // "" for none
    } cases[] = {
        {"/nowhere/Readme.txt", 0, "Could not locate file /nowhere/Readme.txt"},
        {rosters, 0,
         "There is no viewer currently installed for files of type XLS - file can not be viewed."},
        {readme, 0, ""},
        {readme, 2, "Error 2 encountered when attempting to open " + readme},
    };
    for (const Case& c : cases) {
        ScriptedUi ui;
        ui.SetViewer("txt", "org.gnome.TextEditor.desktop");
        ui.SetOpenResult(c.openResult);
        ViewFile(c.file, ui);
        EXPECT_EQ(ui.opened, c.file == readme ? std::vector<std::string>{readme} : std::vector<std::string>{})
            << c.file;
        EXPECT_EQ(ui.MessageLines(), c.message.empty() ? std::vector<std::string>{}
                                                       : std::vector<std::string>{"Oops: " + c.message});
    }
}

}  // namespace
}  // namespace quillbat
