#pragma once
// Office processes that own no visible top-level window are left over from an earlier run
// (or a crash); this finds them and, after asking, ends them.

#include <functional>
#include <string>
#include <vector>

#include "platform/ProcessList.h"
#include "platform/TextTable.h"
#include "platform/Ui.h"

namespace quillbat {

// The executables of the office programs: LibreOffice's, and Microsoft Office's under Wine.
inline const std::vector<std::string> kOfficeExecutables = {"winword.exe", "excel.exe", "powerpnt.exe",
                                                            "soffice.bin"};

// Where the process and window lists come from and how a process is ended; tests supply
// their own.
struct TaskSystem {
    std::function<std::vector<ProcessEntry>()> processes = GetProcessList;
    std::function<bool(TextTable&)> windows;  // false: no window list to judge by
    std::function<void(const ProcessEntry&)> terminate = TerminateProcessEntry;

    static TaskSystem Running();  // this machine's
};

// kind is "all" for every office program, or one executable name ("excel.exe"). With
// askFirst the user is asked before anything is ended; without it the answer is yes.
void CheckOrphanedTasks(Ui& ui, bool askFirst, const std::string& kind,
                        const TaskSystem& system = TaskSystem::Running());

}  // namespace quillbat
