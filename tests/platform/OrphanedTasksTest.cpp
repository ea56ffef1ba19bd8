#include "platform/OrphanedTasks.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "platform/WindowList.h"

extern char** environ;

namespace quillbat {
namespace {

using testing::ScriptedUi;

// A machine of our own making: processes, windows (pid and state per window), and a record of
// what was ended.
struct FakeMachine {
    std::vector<ProcessEntry> processes;
    std::vector<std::pair<long, std::string>> windows;
    bool haveDisplay = true;
    std::vector<std::string> ended;

    void Process(long id, const std::string& exe) { processes.push_back({ProcessEntryText(id, exe), id}); }

    TaskSystem System() {
        TaskSystem system;
        system.processes = [this] { return processes; };
        system.windows = [this](TextTable& rows) {
            rows.Resize(WindowField::kCount, 0);
            for (const auto& [pid, state] : windows) {
                int row = rows.AddRow();
                rows.Set(WindowField::kProcessId, row, std::to_string(pid));
                rows.Set(WindowField::kState, row, state);
            }
            return haveDisplay;
        };
        system.terminate = [this](const ProcessEntry& entry) { ended.push_back(entry.text); };
        return system;
    }
};

TEST(OrphanedTasksTest, OnlyProcessesWithoutAVisibleWindowAreOfferedAndEnded) {
    FakeMachine m;
    m.Process(4712, "EXCEL.EXE");  // visible main window
    m.Process(4713, "EXCEL.EXE");  // hidden windows only
    m.Process(4714, "excel.exe");  // no window at all
    m.Process(5000, "WINWORD.EXE");  // a dialog of another window only
    m.Process(5001, "bash");
    m.windows = {{4712, "-1"}, {4712, "0"}, {4713, "-1"}, {5000, "12345"}, {5001, "0"}};
    ScriptedUi ui;
    ui.QueueAnswer(MsgAnswer::Yes);
    CheckOrphanedTasks(ui, true, "all", m.System());
    ASSERT_EQ(ui.MessageLines(),
              std::vector<std::string>{"Orphaned Tasks Running: There appear to be orphaned "
                                       "OFFICE tasks running.  \r\n\r\n"
                                       "Do you want to terminate them before continuing?"});
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(m.ended,
              (std::vector<std::string>{"04713 - EXCEL.EXE", "04714 - excel.exe", "05000 - WINWORD.EXE"}));
}

TEST(OrphanedTasksTest, OneKindNoAnswerAndNoDisplay) {
    FakeMachine m;
    m.Process(123456, "EXCEL.EXE");
    m.Process(2345, "soffice.bin");
    m.windows = {{12345, "0"}};  // a five-digit id is not the six-digit one
    ScriptedUi ui;
    CheckOrphanedTasks(ui, true, "excel.exe", m.System());  // answered No
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.substr(0, 50), "There appear to be orphaned EXCEL tasks running.  ");
    EXPECT_TRUE(m.ended.empty());

    CheckOrphanedTasks(ui, false, "excel.exe", m.System());  // without asking
    EXPECT_EQ(m.ended, std::vector<std::string>{"123456 - EXCEL.EXE"});

    m.ended.clear();
    m.haveDisplay = false;  // nothing can be judged orphaned
    CheckOrphanedTasks(ui, false, "all", m.System());
    EXPECT_TRUE(m.ended.empty());
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST(ProcessListTest, ExecutableNamesFromCommandLines) {
    EXPECT_EQ(
        ExecutableNameFromCmdline(std::string("/usr/lib/libreoffice/program/soffice.bin\0--headless\0", 52)),
        "soffice.bin");
    EXPECT_EQ(ExecutableNameFromCmdline("C:\\Program Files\\Microsoft Office\\Office12\\EXCEL.EXE"),
              "EXCEL.EXE");
    EXPECT_EQ(ExecutableNameFromCmdline(""), "");
}

TEST(ProcessListTest, ListsAndEndsAChildOfOurs) {
    pid_t child = 0;
    char* argv[] = {const_cast<char*>("sleep"), const_cast<char*>("60"), nullptr};
    ASSERT_EQ(posix_spawnp(&child, "sleep", nullptr, nullptr, argv, environ), 0);
    std::vector<ProcessEntry> list;
    auto found = list.end();
    // Until its exec has finished the child has no command line and is not listed.
    for (int i = 0; i < 100 && found == list.end(); ++i, usleep(20'000)) {
        list = GetProcessList();
        found = std::find_if(list.begin(), list.end(), [&](const ProcessEntry& e) { return e.id == child; });
    }
    ASSERT_NE(found, list.end());
    EXPECT_EQ(found->text, ProcessEntryText(child, "sleep"));

    TerminateProcessEntry({ProcessEntryText(child, "EXCEL.EXE"), child});  // not what runs there
    EXPECT_EQ(waitpid(child, nullptr, WNOHANG), 0);
    TerminateProcessEntry(*found);
    int status = 0;
    EXPECT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status));
}

}  // namespace
}  // namespace quillbat
