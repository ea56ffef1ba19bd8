// The update information file: comment lines, a line for another program, and Quillbat's
// line naming the version the sample update server offers (the same as this release, so
// the check finds nothing newer). CR LF line ends.

#include "Writers.h"

namespace quillbat::sample {

void WriteUpdateInfo(TreeWriter& tree) {
    tree.Write(kUpdateHost, "/autoupdates/UpdateInfo.dat",
               WithCrLf("' Sample update information: program, newest version, download page\n"
                        "\n"
                        "OtherTool, 9.9.9, http://updates.localhost/othertool\n"
                        "  Quillbat , 1.3.2 , http://updates.localhost/quillbat/download.html  \n"));
}

}  // namespace quillbat::sample
