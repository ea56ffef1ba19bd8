#include "gameday/wininet.h"

#include "gameday/DownloadLogs.h"
#include "platform/FileSystem.h"
#include "platform/ProgramLog.h"
#include "platform/TextFunctions.h"
#include "sites/MarkupText.h"

namespace quillbat {

namespace {

std::string FailureText(TransferStage stage) {
    switch (stage) {
        case TransferStage::Setup:
            return kInetInitFailed;
        case TransferStage::Open:
            return kOpenUrlFailed;
        default:
            return kReadUrlFailed;
    }
}

bool Failed(const TransferResult& result) { return result.failedAt != TransferStage::Done; }

std::string AgentFor(const NetSession& session, const char* fallback) {
    return session.userAgent.empty() ? fallback : session.userAgent;
}

// A failed try goes to the program log in debug mode.
void LogFailedTry(const NetSession& session, const std::string& url, const TransferResult& result) {
    if (Failed(result) && session.settings.debugMode)
        WriteLog(session.settings, "  Download of " + url + " failed: " + result.reason);
}

TransferResult FetchOnce(const NetSession& session, const std::string& url, const char* agent) {
    TransferResult result =
        RunTransfer({CompleteUrl(url), AgentFor(session, agent)}, session.limits, session.ui);
    LogFailedTry(session, url, result);
    return result;
}

FetchedPage PageFrom(TransferResult& result) {
    FetchedPage page;
    if (Failed(result)) {
        page.error = FailureText(result.failedAt);
    } else {
        page.raw = std::move(result.body);
        page.text = HtmlToText(page.raw);
    }
    return page;
}

// Every page fetched once, together; the failed ones once more. The debug log tells each
// page's failed tries in the order of the pages, as fetching them one by one would.
std::vector<FetchedPage> GetPages(const NetSession& session, const std::vector<std::string>& urls) {
    std::vector<TransferRequest> requests;
    for (const std::string& url : urls) requests.push_back({CompleteUrl(url), AgentFor(session, "GetData")});
    int connections = session.settings.sources.maxConnections;
    std::vector<TransferResult> first = RunTransfers(requests, session.limits, connections, session.ui);
    std::vector<TransferRequest> again;
    for (std::size_t i = 0; i < urls.size(); ++i)
        if (Failed(first[i])) again.push_back(requests[i]);
    std::vector<TransferResult> second;
    if (!again.empty() && !session.ui.StopRequested())
        second = RunTransfers(again, session.limits, connections, session.ui);
    std::vector<FetchedPage> pages;
    std::size_t retried = 0;
    for (std::size_t i = 0; i < urls.size(); ++i) {
        TransferResult* result = &first[i];
        LogFailedTry(session, urls[i], *result);
        if (Failed(*result) && retried < second.size()) {
            result = &second[retried++];
            LogFailedTry(session, urls[i], *result);
        }
        pages.push_back(PageFrom(*result));
    }
    return pages;
}

std::string WriteDownloaded(const std::string& localPath, const FetchedPage& page) {
    const std::string& content = GetFileExtensionUpper(localPath) == "TXT" ? page.text : page.raw;
    return WriteFileAtomically(localPath, content) ? "" : "cannot write " + localPath;
}

// Writes a fetched page to its file, with its history line and, on failure, its error-log line.
std::string KeepDownloaded(const NetSession& session, const DownloadRequest& file, const FetchedPage& page) {
    std::string error;
    if (!page.error.empty()) {
        error = kDownloadFailedPrefix + page.error;
    } else if (ContainsNoCase(page.text, "404 not found")) {
        error = kDownloadFailedPrefix + page.text;
    } else if (std::string written = WriteDownloaded(file.localPath, page); !written.empty()) {
        error = kDownloadFailedPrefix + written;
    }
    AppendHistory(session.settings, file.url, file.localPath, error);
    // The failure text may hold a whole served page: cut short, so the address stays in the entry.
    // A download stopped because the program is closing did not fail.
    if (!error.empty() && !session.ui.StopRequested())
        AppendErrorLog(session.settings, OneLineText(error, kMaxLogTextLength / 2) + " URL = " + file.url);
    return error;
}

}  // namespace

std::string CompleteUrl(const std::string& url) {
    if (url.find("//") != std::string::npos) return url;
    return (ToLower(url.substr(0, 4)) == "ftp." ? "ftp://" : "http://") + url;
}

FetchedPage GetData(const NetSession& session, const std::string& url) {
    return std::move(GetPages(session, {url}).front());
}

std::vector<std::string> DownloadFiles(const NetSession& session, const std::vector<DownloadRequest>& files) {
    std::vector<std::string> urls;
    for (const DownloadRequest& file : files) urls.push_back(file.url);
    std::vector<FetchedPage> pages = GetPages(session, urls);
    std::vector<std::string> errors;
    for (std::size_t i = 0; i < files.size(); ++i)
        errors.push_back(KeepDownloaded(session, files[i], pages[i]));
    return errors;
}

std::string DownloadFile(const NetSession& session, const std::string& url, const std::string& localPath) {
    return DownloadFiles(session, {{url, localPath}}).front();
}

UrlText FetchUrlText(const NetSession& session, const std::string& url) {
    TransferResult result = FetchOnce(session, url, "WinINet");
    UrlText fetched;
    fetched.errorCode = result.failedAt == TransferStage::Done ? 0 : result.errorCode;
    fetched.text = std::move(result.body);
    return fetched;
}

}  // namespace quillbat
