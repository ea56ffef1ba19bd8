#include "platform/ProgramLog.h"

#include <cstdio>

#include "platform/FileSystem.h"

namespace quillbat {

namespace {

// Bytes of a control character or a line or paragraph separator starting at text[at], or 0:
// ASCII controls, the C1 controls U+0080..U+009F and U+2028, U+2029 in UTF-8.
std::size_t ControlLength(std::string_view text, std::size_t at) {
    auto byte = [&](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    unsigned first = byte(at);
    if (first < 0x20 || first == 0x7F) return 1;
    if (first == 0xC2 && byte(at + 1) >= 0x80 && byte(at + 1) <= 0x9F) return 2;
    if (first == 0xE2 && byte(at + 1) == 0x80 && (byte(at + 2) == 0xA8 || byte(at + 2) == 0xA9)) return 3;
    return 0;
}

}  // namespace

std::string OneLineText(std::string_view text, std::size_t maxLength) {
    bool cut = text.size() > maxLength;
    if (cut) {
        std::size_t end = maxLength >= 3 ? maxLength - 3 : 0;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            --end;  // inside a character
        text = text.substr(0, end);
    }
    std::string out;
    out.reserve(text.size() + 3);
    for (std::size_t at = 0; at < text.size();) {
        std::size_t control = ControlLength(text, at);
        out += control ? ' ' : text[at];
        at += control ? control : 1;
    }
    return cut ? out + "..." : out;
}

std::string LogLine(const std::tm& t, std::string_view text) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%02d.%02d.%04d %02d:%02d ", t.tm_mon + 1, t.tm_mday, t.tm_year + 1900,
                  t.tm_hour, t.tm_min);
    return std::string(stamp).append(OneLineText(text)).append("\r\n");
}

void WriteLog(const Settings& settings, std::string_view text) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    AppendToFile(settings.programLog, LogLine(local, text));
}

}  // namespace quillbat
