#include "platform/ProgramLog.h"

#include <cstdio>

#include "platform/FileSystem.h"

namespace quillbat {

std::string LogLine(const std::tm& t, std::string_view text) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%02d.%02d.%04d %02d:%02d ", t.tm_mon + 1, t.tm_mday,
                  t.tm_year + 1900, t.tm_hour, t.tm_min);
    return std::string(stamp).append(text).append("\r\n");
}

void WriteLog(const Settings& settings, std::string_view text) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    AppendToFile(settings.programLog, LogLine(local, text));
}

}  // namespace quillbat
