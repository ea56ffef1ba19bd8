#include "platform/OrphanedTasks.h"

#include <algorithm>

#include "platform/TextFunctions.h"
#include "platform/WindowList.h"

namespace quillbat {

namespace {

bool IsCandidate(const ProcessEntry& entry, const std::string& kind) {
    std::string text = ToLower(entry.text);
    if (kind != "all") return text.find(ToLower(kind)) != std::string::npos;
    return std::any_of(kOfficeExecutables.begin(), kOfficeExecutables.end(),
                       [&](const std::string& exe) { return text.find(exe) != std::string::npos; });
}

bool HasVisibleWindow(const TextTable& windows, long id) {
    const std::string pid = std::to_string(id);
    for (int row = 1; row <= windows.Rows(); ++row) {
        if (windows.At(WindowField::kProcessId, row) == pid &&
            windows.At(WindowField::kState, row) == kVisibleTopLevel)
            return true;
    }
    return false;
}

std::string OrphanedMessage(const std::string& kind) {
    if (kind == "all") return "There appear to be orphaned OFFICE tasks running.  ";
    return "There appear to be orphaned " + ToUpper(RemoveExtension(kind)) + " tasks running.  ";
}

}  // namespace

TaskSystem TaskSystem::Running() {
    TaskSystem system;
    system.windows = GetWindowList;
    return system;
}

void CheckOrphanedTasks(Ui& ui, bool askFirst, const std::string& kind, const TaskSystem& system) {
    std::vector<ProcessEntry> candidates;
    for (const ProcessEntry& entry : system.processes())
        if (IsCandidate(entry, kind)) candidates.push_back(entry);
    if (candidates.empty()) return;

    TextTable windows;
    if (!system.windows(windows)) return;  // nothing can be judged orphaned without the windows
    std::vector<ProcessEntry> orphaned;
    for (const ProcessEntry& entry : candidates)
        if (!HasVisibleWindow(windows, entry.id)) orphaned.push_back(entry);
    if (orphaned.empty()) return;

    if (askFirst) {
        MsgAnswer answer =
            ui.Message(MsgIcon::Exclamation, "Orphaned Tasks Running",
                       OrphanedMessage(kind) + "\r\n\r\nDo you want to terminate them before continuing?",
                       MsgButtons::YesNo);
        if (answer != MsgAnswer::Yes) return;
    }
    for (const ProcessEntry& entry : orphaned) system.terminate(entry);
}

}  // namespace quillbat
