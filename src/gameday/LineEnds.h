#pragma once
// Rewriting a downloaded text file with CR LF line ends, so that readers that scan it line
// by line see one line per line of the page.

#include <string>
#include <string_view>

namespace quillbat {

// Every line (ended by LF, CR LF or a lone CR, or the last line without an end) followed by
// CR LF. A result shorter than three characters (an empty file, a lone line end) is "".
std::string WithCrLfLineEnds(std::string_view text);

// Rewrites the file in place (atomically); nothing happens when it does not exist.
// Returns "" on success, else the reason.
std::string NormalizeLineEnds(const std::string& path);

}  // namespace quillbat
