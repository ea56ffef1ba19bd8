#include "platform/DesktopShell.h"

#include "platform/Process.h"
#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

std::string FirstLine(const std::string& text) {
    auto end = text.find_first_of("\r\n");
    return TrimBlanks(text.substr(0, end));
}

}  // namespace

std::string DesktopViewerFor(const std::string& path) {
    auto type = RunAndCapture({"xdg-mime", "query", "filetype", path});
    if (!type || FirstLine(*type).empty()) return "";
    auto viewer = RunAndCapture({"xdg-mime", "query", "default", FirstLine(*type)});
    return viewer ? FirstLine(*viewer) : "";
}

int DesktopOpen(const std::string& pathOrUrl) { return StartDetached({"xdg-open", pathOrUrl}); }

}  // namespace quillbat
