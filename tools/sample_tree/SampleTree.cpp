#include "SampleTree.h"

#include <cctype>
#include <cstdio>

namespace quillbat::sample {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string PercentDecode(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            int hi = HexValue(text[i + 1]), lo = HexValue(text[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out += static_cast<char>(hi * 16 + lo);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// Keeps what is safe in a file name and readable; escapes the rest.
std::string EncodeQuery(std::string_view query) {
    std::string out;
    for (unsigned char c : query) {
        if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '=' || c == '&' || c == ',') {
            out += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            out += escaped;
        }
    }
    return out;
}

bool SafeSegment(const std::string& segment) {
    if (segment.empty() || segment == "." || segment == "..") return false;
    for (char c : segment)
        if (c == '\0' || c == '\\' || c == '@') return false;
    return true;
}

}  // namespace

std::string HostFolder(std::string_view hostHeader) {
    std::string host(hostHeader.substr(0, hostHeader.find(':')));
    for (char& c : host) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::string suffix = ".localhost";
    if (host.size() > suffix.size() && host.ends_with(suffix)) host.resize(host.size() - suffix.size());
    if (host.empty() || host == "." || host == "..") return "";
    for (char c : host)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '.') return "";
    return host;
}

std::string RequestFile(std::string_view target) {
    std::size_t question = target.find('?');
    std::string path = PercentDecode(target.substr(0, question));
    if (path.empty() || path[0] != '/') return "";
    if (path.back() == '/') path += "index.html";
    std::string file;
    std::size_t start = 1;
    while (start <= path.size()) {
        std::size_t slash = path.find('/', start);
        std::string segment = path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        if (!SafeSegment(segment)) return "";
        file += (file.empty() ? "" : "/") + segment;
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    if (question != std::string_view::npos) file += "@" + EncodeQuery(PercentDecode(target.substr(question + 1)));
    return file;
}

std::optional<std::string> TreePath(const std::string& root, std::string_view hostHeader,
                                    std::string_view target) {
    std::string host = HostFolder(hostHeader);
    std::string file = RequestFile(target);
    if (host.empty() || file.empty()) return std::nullopt;
    return root + "/" + host + "/" + file;
}

}  // namespace quillbat::sample
