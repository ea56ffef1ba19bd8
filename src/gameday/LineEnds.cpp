#include "gameday/LineEnds.h"

#include "platform/FileSystem.h"

namespace quillbat {

std::string WithCrLfLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16 + 2);
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = text.find_first_of("\r\n", i);
        if (end == std::string_view::npos) end = text.size();
        out.append(text.substr(i, end - i)).append("\r\n");
        i = end;
        if (i == text.size()) break;
        bool crLf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        i += crLf ? 2 : 1;
    }
    if (out.size() < 3) out.clear();
    return out;
}

std::string NormalizeLineEnds(const std::string& path) {
    if (!FileExists(path)) return "";
    std::string content;
    if (!ReadWholeFile(path, content)) return "cannot read " + path;
    if (!WriteFileAtomically(path, WithCrLfLineEnds(content))) return "cannot write " + path;
    return "";
}

}  // namespace quillbat
