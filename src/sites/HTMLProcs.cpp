#include "sites/HTMLProcs.h"

#include "gameday/LineEnds.h"
#include "platform/FileSystem.h"

namespace quillbat {

namespace {

std::string FirstLine(const std::string& path) {
    std::string content;
    if (!ReadWholeFile(path, content)) return "";
    return content.substr(0, content.find_first_of("\r\n"));
}

bool CachedCopyFits(const std::string& page, const std::string& marker, const std::string& url) {
    return FileExists(page) && FileExists(marker) && FirstLine(marker) == url;
}

}  // namespace

std::string PageFilePath(const Settings& settings, const std::string& pageKind) {
    return JoinPath(settings.tempFolder, pageKind + ".tmp.htm");
}

std::string PageMarkerPath(const Settings& settings, const std::string& pageKind) {
    return JoinPath(settings.tempFolder, pageKind + ".tmp.txt");
}

std::string GetCachedPage(const NetSession& session, const std::string& url,
                          const std::string& pageKind, bool normalizeLineEnds) {
    if (pageKind.empty() || pageKind.find('/') != std::string::npos || pageKind.find("..") != std::string::npos) {
        return "unusable page name \"" + pageKind + "\"";
    }
    std::string page = PageFilePath(session.settings, pageKind);
    std::string marker = PageMarkerPath(session.settings, pageKind);
    if (CachedCopyFits(page, marker, url)) return "";

    std::string error = DownloadFile(session, url, page);
    if (!error.empty()) return error;
    if (!WriteFileAtomically(marker, url + "\r\n")) return "cannot write " + marker;
    return normalizeLineEnds ? NormalizeLineEnds(page) : "";
}

}  // namespace quillbat
