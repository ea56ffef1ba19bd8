#include "gameday/DownloadLogs.h"

#include <ctime>

#include "platform/FileSystem.h"
#include "platform/ProgramLog.h"

namespace quillbat {

namespace {

std::tm Now() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

std::string HistoryFilePath(const Settings& settings) { return JoinPath(settings.tempFolder, "history.tmp"); }
std::string ErrorLogPath(const Settings& settings) { return JoinPath(settings.programFolder, "errors.log"); }

void AppendHistory(const Settings& settings, std::string_view url, std::string_view localPath,
                   std::string_view error) {
    std::tm now = Now();
    std::string lines = LogLine(now, url) + LogLine(now, " to " + std::string(localPath));
    if (!error.empty()) lines += LogLine(now, " ERROR: " + std::string(error));
    AppendToFile(HistoryFilePath(settings), lines);
}

void AppendErrorLog(const Settings& settings, std::string_view text) {
    AppendToFile(ErrorLogPath(settings), LogLine(Now(), text));
}

}  // namespace quillbat
