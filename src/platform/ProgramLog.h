#pragma once
// The program log: one time-stamped line per entry, appended, never truncated.

#include <ctime>
#include <string>
#include <string_view>

#include "platform/Settings.h"

namespace quillbat {

// "MM.DD.YYYY HH:MM " + text + CR LF.
std::string LogLine(const std::tm& localTime, std::string_view text);
void WriteLog(const Settings& settings, std::string_view text);

}  // namespace quillbat
