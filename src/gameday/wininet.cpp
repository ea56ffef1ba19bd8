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

TransferResult FetchOnce(const NetSession& session, const std::string& url, const char* agent) {
    TransferResult result = RunTransfer({CompleteUrl(url), agent}, session.limits, session.ui);
    if (result.failedAt != TransferStage::Done && session.settings.debugMode) {
        WriteLog(session.settings, "  Download of " + url + " failed: " + result.reason);
    }
    return result;
}

std::string WriteDownloaded(const std::string& localPath, const FetchedPage& page) {
    const std::string& content = GetFileExtensionUpper(localPath) == "TXT" ? page.text : page.raw;
    return WriteFileAtomically(localPath, content) ? "" : "cannot write " + localPath;
}

}  // namespace

std::string CompleteUrl(const std::string& url) {
    if (url.find("//") != std::string::npos) return url;
    return (ToLower(url.substr(0, 4)) == "ftp." ? "ftp://" : "http://") + url;
}

FetchedPage GetData(const NetSession& session, const std::string& url) {
    TransferResult result = FetchOnce(session, url, "GetData");
    if (result.failedAt != TransferStage::Done && !session.ui.StopRequested())
        result = FetchOnce(session, url, "GetData");
    FetchedPage page;
    if (result.failedAt != TransferStage::Done) {
        page.error = FailureText(result.failedAt);
        return page;
    }
    page.raw = std::move(result.body);
    page.text = HtmlToText(page.raw);
    return page;
}

std::string DownloadFile(const NetSession& session, const std::string& url, const std::string& localPath) {
    FetchedPage page = GetData(session, url);
    std::string error;
    if (!page.error.empty()) {
        error = kDownloadFailedPrefix + page.error;
    } else if (ContainsNoCase(page.text, "404 not found")) {
        error = kDownloadFailedPrefix + page.text;
    } else if (std::string written = WriteDownloaded(localPath, page); !written.empty()) {
        error = kDownloadFailedPrefix + written;
    }
    AppendHistory(session.settings, url, localPath, error);
    // The failure text may hold a whole served page: cut short, so the address stays in the entry.
    // A download stopped because the program is closing did not fail.
    if (!error.empty() && !session.ui.StopRequested())
        AppendErrorLog(session.settings, OneLineText(error, kMaxLogTextLength / 2) + " URL = " + url);
    return error;
}

UrlText FetchUrlText(const NetSession& session, const std::string& url) {
    TransferResult result = FetchOnce(session, url, "WinINet");
    UrlText fetched;
    fetched.errorCode = result.failedAt == TransferStage::Done ? 0 : result.errorCode;
    fetched.text = std::move(result.body);
    return fetched;
}

}  // namespace quillbat
