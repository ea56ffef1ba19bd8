#pragma once
// The two logs downloads leave: the history file in the temporary folder (every download)
// and the error log in the program folder (failed downloads only).

#include <string>
#include <string_view>

#include "platform/Settings.h"

namespace quillbat {

std::string HistoryFilePath(const Settings& settings);  // tempFolder + "/history.tmp"
std::string ErrorLogPath(const Settings& settings);     // programFolder + "/errors.log"

// Two lines, "<stamp> url" and "<stamp>  to local", and a third "<stamp>  ERROR: error" when
// the error text is not empty.
void AppendHistory(const Settings& settings, std::string_view url, std::string_view localPath,
                   std::string_view error);
// One line, "<stamp> text".
void AppendErrorLog(const Settings& settings, std::string_view text);

}  // namespace quillbat
