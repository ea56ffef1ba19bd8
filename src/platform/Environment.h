#pragma once
// What the program learns from the machine it runs on.

#include <string>

namespace quillbat {

// The folder holding the running executable.
std::string ExecutableFolder();
// An environment variable, or "" when unset.
std::string EnvironmentValue(const std::string& name);

}  // namespace quillbat
