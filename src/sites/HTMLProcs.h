#pragma once
// The layer every page reader shares: the page cache, and (from MarkupText.h) cell splitting
// and markup to text.

#include <string>

#include "gameday/wininet.h"
#include "sites/MarkupText.h"

namespace quillbat {

// tempFolder + "/" + kind + ".tmp.htm", and the URL marker beside it with ".tmp.txt".
std::string PageFilePath(const Settings& settings, const std::string& pageKind);
std::string PageMarkerPath(const Settings& settings, const std::string& pageKind);

// Makes the page file of this kind hold the page of url: reused when the marker names exactly
// this URL and the page file exists, else downloaded (then the marker is rewritten and, when
// asked, the page's line ends made CR LF). Returns "" when the page file may be read, else the
// download's error text.
std::string GetCachedPage(const NetSession& session, const std::string& url,
                          const std::string& pageKind, bool normalizeLineEnds);

}  // namespace quillbat
