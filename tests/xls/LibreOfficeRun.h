#pragma once
// Running a headless LibreOffice: a private profile below the test's folder, results in its
// "out" folder, under a time limit.

#include <string>
#include <vector>

#include "TempFolder.h"

namespace quillbat::testing {

bool HasLibreOffice();
// True when LibreOffice ran to the end in time.
bool ConvertWithLibreOffice(const TempFolder& folder, const std::string& format,
                            const std::vector<std::string>& files);

// LibreOffice opens `source`, deletes the cells of `edit` moving those below up when it is
// not empty ("A5:F5" on the first sheet), recalculates, and writes to `target` what it shows:
// per sheet, each row ("row 8 1270" with its height in 1/100 mm when it is not fitted to its
// cells, "hidden"), each cell ("$Card.$C$2 =B2*2 | 40", with " bg FFFF00" for a fill) and each
// shape (position and size in 1/100 mm, the cell it is anchored to and that cell's top, the
// picture's size in pixels or "empty"). A file it cannot open gives "error ...".
struct LibreOfficeJob {
    std::string source, edit, target;
};
// One LibreOffice run for all the jobs; true when it ran to the end in time.
bool RunLibreOfficeJobs(const TempFolder& folder, const std::vector<LibreOfficeJob>& jobs);

}  // namespace quillbat::testing
