#include "LibreOfficeRun.h"

#include "platform/Process.h"

namespace quillbat::testing {

bool HasLibreOffice() {
    return !FindOnPath("soffice").empty();
}

bool ConvertWithLibreOffice(const TempFolder& folder, const std::string& format,
                            const std::vector<std::string>& files) {
    std::vector<std::string> argv = {
        "timeout",     "180",
        "soffice",     "-env:UserInstallation=file://" + folder.path() + "/profile",
        "--headless",  "--convert-to",
        format,        "--outdir",
        folder / "out"};
    argv.insert(argv.end(), files.begin(), files.end());
    return RunAndCapture(argv).has_value();
}

}  // namespace quillbat::testing
