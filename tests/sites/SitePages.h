#pragma once
// Putting a captured page into the page cache as the page of a URL, so a reader takes it
// without a download.

#include <sstream>
#include <string>

#include "StatFigures.h"
#include "TestText.h"
#include "gameday/wininet.h"
#include "platform/FileSystem.h"
#include "platform/Settings.h"
#include "sites/HTMLProcs.h"
#include "sites/StatsRow.h"

namespace quillbat::testing {

inline const std::string kSitesData = QUILLBAT_TEST_DATA "/sites/";

inline void CachePage(const Settings& settings, const std::string& pageKind, const std::string& url,
                      const std::string& content) {
    WriteFileAtomically(PageFilePath(settings, pageKind), content);
    WriteFileAtomically(PageMarkerPath(settings, pageKind), url + "\r\n");
}

// A reader's answer as one line, "ok | 26 | BA=.243 SO=1360" (its error in place of "ok"): the
// row's column count, then each statistic that `expected`, of the same form, names after its
// last "|", so that one comparison checks them all.
inline std::string Answer(const std::string& error, const StatsRow& row, const std::string& expected) {
    std::vector<std::string> names;
    std::istringstream items(expected.substr(expected.rfind('|') + 1));
    for (std::string item; items >> item;) names.push_back(item.substr(0, item.find('=')));
    std::string out = (error.empty() ? "ok" : error) + " | " + std::to_string(row.ColumnCount()) + " |";
    return names.empty() ? out : out + " " + Figures(row, names);
}

// The answer to a request (see Answer) that `scrape` reads from the page in the cache or the
// sample site.
template <class Scrape, class Request>
std::string Read(Scrape scrape, const NetSession& session, Request request, const std::string& expected) {
    StatsRow row;
    std::string error = scrape(session, request, row);
    return Answer(error, row, expected);
}

// How often url stands in the history file as a download's address line.
inline int Downloads(const std::string& history, const std::string& url) {
    return Occurrences(history, " " + url + "\r\n");
}

}  // namespace quillbat::testing
