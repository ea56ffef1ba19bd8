#include "gameday/XmlAttributeScan.h"

#include <fstream>

#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

// The quoted value after the first ` name=` of the line, when the line has one with quotes.
bool ValueInLine(const std::string& lowerLine, const std::string& line, const std::string& key,
                 std::string& value) {
    auto at = lowerLine.find(key);
    if (at == std::string::npos) return false;
    auto open = line.find('"', at);
    if (open == std::string::npos) return false;
    auto close = line.find('"', open + 1);
    if (close == std::string::npos) return false;
    value = line.substr(open + 1, close - open - 1);
    return true;
}

}  // namespace

std::string ScanXmlFileAttribute(const std::string& path, std::string_view name, int occurrence) {
    std::ifstream in(path, std::ios::binary);
    std::string key = " " + ToLower(name) + "=";
    std::string line;
    int seen = 0;
    while (std::getline(in, line)) {
        std::string value;
        if (ValueInLine(ToLower(line), line, key, value) && ++seen == occurrence) return value;
    }
    return "";
}

}  // namespace quillbat
