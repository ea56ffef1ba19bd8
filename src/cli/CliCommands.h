#pragma once
// quillbat-cli: the program's core for batch use, with the window's program folder,
// settings file, logs and temporary folder.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace quillbat {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

using EnvironmentLookup = std::function<std::string(const std::string&)>;

// Runs one command line (argv[0] excluded); programFolder is where the program lives.
int RunCli(const std::vector<std::string>& args, const std::string& programFolder,
           const EnvironmentLookup& environment, std::ostream& out, std::ostream& err);

}  // namespace quillbat
