#pragma once
// Starting other programs without a shell in between, so no argument is ever re-parsed.

#include <optional>
#include <string>
#include <vector>

namespace quillbat {

// Runs the program (looked up on PATH), waits for it and returns its standard output;
// nothing when it could not be started or did not exit with status 0.
std::optional<std::string> RunAndCapture(const std::vector<std::string>& argv);
// Starts the program and does not wait for it; 0 on success, else the error number.
int StartDetached(const std::vector<std::string>& argv);
// The full path of a program on PATH, or "".
std::string FindOnPath(const std::string& program);

}  // namespace quillbat
