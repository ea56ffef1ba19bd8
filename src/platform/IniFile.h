#pragma once
// Profile-style settings file: "[Section]" lines followed by "key=value" lines.
// Sections and keys match without regard to case; a missing file, section or key reads "".
// Writes keep every other line as it is (and the file's own line ends) and replace the file
// atomically, so an interrupted write never leaves a half-written settings file. A write
// holds a lock on the file's folder from reading to replacing, so copies of the program
// writing at once never lose each other's keys; it goes through a symbolic link to the file
// it names and keeps that file's mode.

#include <string>

namespace quillbat {

inline constexpr std::size_t kIniValueMaxLength = 259;

// The stored value (surrounding blanks and one pair of matching quotes removed), cut to
// kIniValueMaxLength characters; "" when the file, section or key is missing.
std::string ReadIniValue(const std::string& path, const std::string& section, const std::string& key);

// Creates or replaces the key, creating the file and section when missing. A line break in
// the value becomes a blank, so the value stays on its one line. False, with the file
// unchanged, when it could not be written (the user may not write it, for one).
bool WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value);

// Removes the key from the section; nothing happens when it is absent.
bool DeleteIniKey(const std::string& path, const std::string& section, const std::string& key);

}  // namespace quillbat
