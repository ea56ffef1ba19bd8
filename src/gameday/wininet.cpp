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

// The refusal in a result, when the session keeps a register of refusing sites.
std::string RefusalOf(const NetSession& session, const TransferResult& result) {
    return session.refusals ? RefusalIn(result) : "";
}

FetchedPage PageFrom(const NetSession& session, const std::string& url, TransferResult& result) {
    FetchedPage page;
    page.refusal = RefusalOf(session, result);
    if (!page.refusal.empty()) {
        page.error = kOpenUrlFailed;
        page.firstRefusal = session.refusals->Record(url);
    } else if (Failed(result)) {
        page.error = FailureText(result.failedAt);
    } else {
        page.raw = std::move(result.body);
        page.text = HtmlToText(page.raw);
    }
    return page;
}

FetchedPage RefusedEarlier() {
    FetchedPage page;
    page.error = kOpenUrlFailed;
    page.refusal = "refused earlier";
    return page;
}

// Every page fetched once, together; the failed ones once more. The debug log tells each
// page's failed tries in the order of the pages, as fetching them one by one would. Pages of a
// site that has refused are neither asked for nor retried.
std::vector<FetchedPage> GetPages(const NetSession& session, const std::vector<std::string>& urls) {
    std::vector<std::size_t> asked;
    std::vector<TransferRequest> requests;
    for (std::size_t i = 0; i < urls.size(); ++i) {
        if (session.refusals && session.refusals->HasRefused(urls[i])) continue;
        asked.push_back(i);
        requests.push_back({CompleteUrl(urls[i]), AgentFor(session, "GetData")});
    }
    int connections = session.settings.sources.maxConnections;
    std::vector<TransferResult> first = RunTransfers(requests, session.limits, connections, session.ui);
    auto retry = [&](const TransferResult& result) {
        return Failed(result) && RefusalOf(session, result).empty();
    };
    std::vector<TransferRequest> again;
    for (std::size_t k = 0; k < requests.size(); ++k)
        if (retry(first[k])) again.push_back(requests[k]);
    std::vector<TransferResult> second;
    if (!again.empty() && !session.ui.StopRequested())
        second = RunTransfers(again, session.limits, connections, session.ui);
    std::vector<FetchedPage> pages(urls.size(), RefusedEarlier());
    std::size_t retried = 0;
    for (std::size_t k = 0; k < asked.size(); ++k) {
        const std::string& url = urls[asked[k]];
        TransferResult* result = &first[k];
        LogFailedTry(session, url, *result);
        if (retry(*result) && retried < second.size()) {
            result = &second[retried++];
            LogFailedTry(session, url, *result);
        }
        pages[asked[k]] = PageFrom(session, url, *result);
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
    if (error.empty() || session.ui.StopRequested()) return error;
    if (page.refusal.empty())
        AppendErrorLog(session.settings, OneLineText(error, kMaxLogTextLength / 2) + " URL = " + file.url);
    else if (page.firstRefusal)
        AppendErrorLog(session.settings, UrlHost(file.url) + " refused the download (" + page.refusal +
                                             "); nothing more is asked of it this run. URL = " + file.url);
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
