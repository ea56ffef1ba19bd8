// The update information file: comment lines, a line for another program, an older line for
// Quillbat under a comment, and Quillbat's line naming a release one revision newer than this
// build, so the update check against the sample server offers it. CR LF line ends.

#include "Writers.h"
#include "platform/ProgramVersion.h"

namespace quillbat::sample {

std::string SampleNewerVersion() {
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision + 1);
}

void WriteUpdateInfo(TreeWriter& tree) {
    tree.Write(kUpdateHost, "/autoupdates/UpdateInfo.dat",
               WithCrLf("' Sample update information: program, newest version, download page\n"
                        "\n"
                        "OtherTool, 9.9.9, http://updates.localhost/othertool\n"
                        "' Quillbat, 0.0.1, http://updates.localhost/quillbat/old.html\n"
                        "  Quillbat , " +
                        SampleNewerVersion() + " , http://updates.localhost/quillbat/download.html  \n"));
}

}  // namespace quillbat::sample
