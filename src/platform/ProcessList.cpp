#include "platform/ProcessList.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/FileSystem.h"
#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

std::string ProcFile(long id, const char* name) { return "/proc/" + std::to_string(id) + "/" + name; }

bool OwnedByThisUser(long id) {
    struct stat info {};
    return ::stat(ProcFile(id, "").c_str(), &info) == 0 && info.st_uid == ::geteuid();
}

// The executable name of a process of this user; "" when it is someone else's or has no
// command line (kernel threads, processes that have ended).
std::string OwnExecutableName(long id) {
    if (!OwnedByThisUser(id)) return "";
    std::string cmdline;
    if (!ReadWholeFile(ProcFile(id, "cmdline"), cmdline)) return "";
    return ExecutableNameFromCmdline(cmdline);
}

}  // namespace

std::string ProcessEntryText(long id, const std::string& executable) {
    std::string digits = std::to_string(id);
    if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
    return digits + " - " + executable;
}

std::string ExecutableNameFromCmdline(const std::string& cmdline) {
    std::string first = cmdline.substr(0, cmdline.find('\0'));
    return TrimBlanks(first.substr(first.find_last_of("/\\") + 1));
}

std::vector<ProcessEntry> GetProcessList() {
    std::vector<long> ids;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        std::string name = entry.path().filename().string();
        if (!name.empty() && name.size() < 10 && IsAllDigits(name)) ids.push_back(std::stol(name));
    }
    std::sort(ids.begin(), ids.end());
    std::vector<ProcessEntry> list;
    for (long id : ids) {
        std::string executable = OwnExecutableName(id);
        if (!executable.empty()) list.push_back({ProcessEntryText(id, executable), id});
    }
    return list;
}

void TerminateProcessEntry(const ProcessEntry& entry) {
    // The id may have been reused since the list was made: end only the process it names.
    std::string expected = entry.text.substr(entry.text.find(" - ") + 3);
    if (entry.id <= 1 || OwnExecutableName(entry.id) != expected) return;
    auto running = [&] { return OwnExecutableName(entry.id) == expected; };  // a zombie has gone
    pid_t id = static_cast<pid_t>(entry.id);
    if (::kill(id, SIGTERM) != 0) return;
    for (int i = 0; i < 40 && running(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (running()) ::kill(id, SIGKILL);
}

}  // namespace quillbat
