#pragma once
// Converting files with a headless LibreOffice: a private profile below the test's folder,
// the results in its "out" folder, under a time limit.

#include <string>
#include <vector>

#include "TempFolder.h"

namespace quillbat::testing {

bool HasLibreOffice();
// True when LibreOffice ran to the end in time.
bool ConvertWithLibreOffice(const TempFolder& folder, const std::string& format,
                            const std::vector<std::string>& files);

}  // namespace quillbat::testing
