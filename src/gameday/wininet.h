#pragma once
// Downloads: every file the program takes from the web comes through DownloadFile.

#include <string>
#include <vector>

#include "gameday/SiteRefusals.h"
#include "gameday/Transfer.h"
#include "platform/Settings.h"
#include "platform/Ui.h"

namespace quillbat {

// What a download needs: where the logs go, whose events to pump, and the transfer bounds.
struct NetSession {
    const Settings& settings;
    Ui& ui;
    TransferLimits limits{};
    std::string userAgent{};  // "" sends the agent name of each call, as the gameday downloads always have
    // When set, a site that refuses is not asked again (nor retried) and its refusal is logged
    // once; without it every failed address is retried and logged.
    SiteRefusals* refusals = nullptr;
};

inline constexpr const char* kInetInitFailed = "inet initialization failed";
inline constexpr const char* kOpenUrlFailed = "open url failed";
inline constexpr const char* kReadUrlFailed = "read url failed";
inline constexpr const char* kDownloadFailedPrefix = "Download failed: error = ";

struct FetchedPage {
    std::string raw;  // the body as received
    std::string text;  // the body through HtmlToText
    std::string error;  // "" on success, else one of the three failure texts above
    std::string refusal;  // why the site refused (only with a refusals register), else ""
    bool firstRefusal = false;  // the site's first refusal of the run
};

// A URL without "//" gets "http://" in front, or "ftp://" when it starts with "ftp.".
std::string CompleteUrl(const std::string& url);

// One fetch, and one retry only when the first fails.
FetchedPage GetData(const NetSession& session, const std::string& url);

// Fetches url into localPath (the page text when its extension is txt, else the raw body),
// writes the history and, on failure, the error log. Returns "" or the failure text; on
// failure the local file is left as it was.
std::string DownloadFile(const NetSession& session, const std::string& url, const std::string& localPath);

struct DownloadRequest {
    std::string url, localPath;
};

// DownloadFile for independent files, fetched together (at most the MaxConnections setting at
// once); files, history and error log come out as if fetched one by one in the given order.
// Returns each file's error text in that order.
std::vector<std::string> DownloadFiles(const NetSession& session, const std::vector<DownloadRequest>& files);

struct UrlText {
    std::string text;
    int errorCode = 0;  // 0 on success, else libcurl's code or the HTTP status
};

// A single fetch without retry or logs, for the update check.
UrlText FetchUrlText(const NetSession& session, const std::string& url);

}  // namespace quillbat
