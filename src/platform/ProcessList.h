#pragma once
// The running processes of this user, and ending one of them.

#include <string>
#include <vector>

namespace quillbat {

struct ProcessEntry {
    std::string text;  // the id padded to five digits, " - ", the executable's file name
    long id = 0;
};

// "04712 - EXCEL.EXE"; an id longer than five digits keeps all of them.
std::string ProcessEntryText(long id, const std::string& executable);

// The executable's file name from a process's command line (its first NUL-separated word):
// the text after the last "/" or "\", so a program run under Wine shows its Windows name.
std::string ExecutableNameFromCmdline(const std::string& cmdline);

// The processes of the running user, in ascending id order. Processes of other users, and
// those whose command line cannot be read, are left out.
std::vector<ProcessEntry> GetProcessList();

// Ends the process, when it still runs under this user with the same executable name: a
// request to stop first, then a kill when it has not gone within two seconds. Failures are
// ignored.
void TerminateProcessEntry(const ProcessEntry& entry);

}  // namespace quillbat
