#include "statsapi/ApiSession.h"

#include "gameday/DownloadLogs.h"
#include "platform/ProgramVersion.h"
#include "platform/ProgramLog.h"

namespace quillbat {

std::string ProgramUserAgent() {
    return "Quillbat/" + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision) + " (baseball scorecards for scorekeepers)";
}

NetSession ApiSession(const Settings& settings, Ui& ui) {
    NetSession session{settings, ui};
    session.userAgent = ProgramUserAgent();
    return session;
}

std::string FetchAndRead(const NetSession& session, const std::string& url, const std::string& localPath,
                         const ResponseReader& read) {
    if (url.empty() || localPath.empty()) return "no address: an id of the response was not usable";
    if (std::string error = DownloadFile(session, url, localPath); !error.empty()) return error;
    std::string error = read(localPath);
    if (!error.empty() && !session.ui.StopRequested())
        AppendErrorLog(session.settings, OneLineText(error, kMaxLogTextLength / 2) + " URL = " + url);
    return error;
}

}  // namespace quillbat
