#pragma once
// The update information file: one line per program, "name, newest version, download page".

#include <string>

namespace quillbat {

inline constexpr const char* kUpdateInfoPath = "/autoupdates/UpdateInfo.dat";

struct UpdateLine {
    bool found = false;
    std::string version;  // as written, e.g. "1.3.3"
    std::string downloadPage;
};

// The first line for the program (its name compared without regard to case). Lines are
// trimmed; empty lines, lines starting with "'" and lines without exactly three
// comma-separated fields are passed over. Lines may end in CR LF or LF.
UpdateLine FindUpdateLine(const std::string& fileText, const std::string& programName);

// True when version has three whole-number parts and is later than major.minor.revision.
bool IsNewerVersion(const std::string& version, int major, int minor, int revision);

}  // namespace quillbat
