#pragma once
// The program log: one time-stamped line per entry, appended, never truncated.

#include <ctime>
#include <string>
#include <string_view>

#include "platform/Settings.h"

namespace quillbat {

// Longest text one log entry keeps, in bytes.
inline constexpr std::size_t kMaxLogTextLength = 1000;

// The text as one log entry holds it: line breaks, tabs and other control characters become
// blanks, so text from outside (a served page, a file name) cannot start entries of its own,
// and a text longer than maxLength bytes is cut at a character boundary and ends in "...".
std::string OneLineText(std::string_view text, std::size_t maxLength = kMaxLogTextLength);

// "MM.DD.YYYY HH:MM " + OneLineText(text) + CR LF.
std::string LogLine(const std::tm& localTime, std::string_view text);
void WriteLog(const Settings& settings, std::string_view text);

}  // namespace quillbat
