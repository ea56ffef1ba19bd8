#include "dialogs/ProgramIdentity.h"

#include <cstdio>

#include "platform/ProgramVersion.h"
#include "platform/TextFunctions.h"

namespace quillbat {

const ProgramIdentity& ThisProgram() {
    static const ProgramIdentity program{
        "Quillbat",
        "Quillbat",
        "Scorecards and rosters for baseball scorekeepers",
        "The Quillbat developers",
        "Copyright \xC2\xA9 2026 The Quillbat developers",
        kVersionMajor,
        kVersionMinor,
        kVersionRevision,
        // Reserved names that never reach anyone, until the project has its own site.
        "https://www.quillbat.invalid",
        "support@quillbat.invalid",
    };
    return program;
}

std::string VersionNumber(const ProgramIdentity& program) {
    return std::to_string(program.major) + "." + std::to_string(program.minor) + "." +
           std::to_string(program.revision);
}

std::string VersionLine(const ProgramIdentity& program) {
    std::string line = "Version " + std::to_string(program.major) + "." + std::to_string(program.minor);
    if (program.revision > 0) {
        char build[16];
        std::snprintf(build, sizeof build, "%03d", program.revision);
        line += std::string(" build ") + build;
    }
    return line;
}

std::string AboutTitle(const ProgramIdentity& program) {
    if (program.productName == program.fileDescription) return program.productName;
    return program.productName + " - " + program.fileDescription;
}

std::string AboutDescription(const ProgramIdentity& program) {
    if (IsBlank(program.companyName)) return program.legalCopyright;
    return program.companyName + "\r\n\r\n" + program.legalCopyright;
}

}  // namespace quillbat
