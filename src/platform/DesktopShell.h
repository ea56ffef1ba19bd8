#pragma once
// The desktop's file associations, through the freedesktop.org tools.

#include <string>

namespace quillbat {

// The desktop entry that opens the file's type, or "" when none is registered.
std::string DesktopViewerFor(const std::string& path);
// Opens a file or URL with xdg-open; 0 on success, else an error number.
int DesktopOpen(const std::string& pathOrUrl);

}  // namespace quillbat
