#include "dialogs/UpdateInfo.h"

#include <array>
#include <charconv>
#include <sstream>
#include <vector>

#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

std::string TrimLine(std::string line) {
    auto first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> SplitFields(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = line.find(separator, start);
        fields.push_back(TrimLine(line.substr(start, end - start)));
        if (end == std::string::npos) return fields;
        start = end + 1;
    }
}

bool ParseWholeNumber(const std::string& text, long long& value) {
    if (text.empty() || !IsAllDigits(text)) return false;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

UpdateLine FindUpdateLine(const std::string& fileText, const std::string& programName) {
    std::istringstream lines(fileText);
    std::string line;
    while (std::getline(lines, line)) {
        line = TrimLine(line);
        if (line.empty() || line[0] == '\'') continue;
        auto fields = SplitFields(line, ',');
        if (fields.size() != 3 || !EqualsNoCase(fields[0], programName)) continue;
        return {true, fields[1], fields[2]};
    }
    return {};
}

bool IsNewerVersion(const std::string& version, int major, int minor, int revision) {
    auto parts = SplitFields(version, '.');
    if (parts.size() != 3) return false;
    std::array<long long, 3> offered{};
    for (std::size_t i = 0; i < 3; ++i)
        if (!ParseWholeNumber(parts[i], offered[i])) return false;
    std::array<long long, 3> running{major, minor, revision};
    return offered > running;
}

}  // namespace quillbat
