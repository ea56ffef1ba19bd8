// Reads and rewrites arbitrary settings-file contents: nothing may crash, and a value
// written must read back as written (line breaks turned to blanks, cut to the value limit).
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzBudget.h"
#include "platform/FileSystem.h"
#include "platform/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillbat::fuzz::FuzzBudget budget;
    static const std::string path = "/tmp/quillbat-ini-fuzz-" + std::to_string(::getpid()) + ".ini";
    std::string content(reinterpret_cast<const char*>(data), size);
    quillbat::WriteFileAtomically(path, content);
    quillbat::ReadIniValue(path, "Config", "OutputDir");
    quillbat::DeleteIniKey(path, "Config", "TempDir");
    std::string value = content.substr(0, 40);
    for (char& c : value)
        if (c == '\r' || c == '\n' || c == '\0') c = 'x';
    std::string trimmed = value;
    while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '\t')) trimmed.pop_back();
    while (!trimmed.empty() && (trimmed.front() == ' ' || trimmed.front() == '\t')) trimmed.erase(0, 1);
    bool quoted = trimmed.size() >= 2 && (trimmed.front() == '"' || trimmed.front() == '\'') &&
                  trimmed.back() == trimmed.front();
    if (quoted) return 0;
    quillbat::WriteIniValue(path, "Fuzz", "Key", value);
    if (quillbat::ReadIniValue(path, "Fuzz", "Key") != trimmed) std::abort();
    return 0;
}
