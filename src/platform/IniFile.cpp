#include "platform/IniFile.h"

#include <filesystem>
#include <optional>
#include <vector>

#include "platform/FileLock.h"
#include "platform/FileSystem.h"
#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

// One physical line: its text and the line end that followed it ("" for a last line without one).
struct Line {
    std::string text;
    std::string end;
};

struct Document {
    std::vector<Line> lines;
    std::string lineEnd = "\n";  // used for lines we add
};

std::string TrimWhitespace(std::string_view text) {
    auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return "";
    auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

Document Parse(const std::string& content) {
    Document doc;
    std::size_t pos = 0;
    bool sawLineEnd = false;
    while (pos < content.size()) {
        auto nl = content.find('\n', pos);
        Line line;
        if (nl == std::string::npos) {
            line.text = content.substr(pos);
            pos = content.size();
        } else {
            std::size_t textEnd = (nl > pos && content[nl - 1] == '\r') ? nl - 1 : nl;
            line.text = content.substr(pos, textEnd - pos);
            line.end = content.substr(textEnd, nl + 1 - textEnd);
            if (!sawLineEnd) doc.lineEnd = line.end;
            sawLineEnd = true;
            pos = nl + 1;
        }
        doc.lines.push_back(std::move(line));
    }
    return doc;
}

std::string Serialize(const Document& doc) {
    std::string out;
    for (const auto& line : doc.lines) out += line.text + line.end;
    return out;
}

// The section name when the line is a section header.
std::optional<std::string> SectionName(std::string_view text, bool firstLine) {
    std::string t = TrimWhitespace(text);
    if (firstLine && t.rfind("\xEF\xBB\xBF", 0) == 0) t = TrimWhitespace(t.substr(3));
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    auto close = t.find(']');
    if (close == std::string::npos) return std::nullopt;
    return TrimWhitespace(t.substr(1, close - 1));
}

// The key of a "key=value" line, or nothing.
std::optional<std::string> KeyName(std::string_view text) {
    auto eq = text.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return TrimWhitespace(text.substr(0, eq));
}

std::string ValueOf(std::string_view text) {
    std::string v = TrimWhitespace(text.substr(text.find('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

// Line range [begin, end) of the first section with this name, header excluded.
struct SectionRange {
    std::size_t header, begin, end;
};

std::optional<SectionRange> FindSection(const Document& doc, const std::string& section) {
    for (std::size_t i = 0; i < doc.lines.size(); ++i) {
        auto name = SectionName(doc.lines[i].text, i == 0);
        if (!name || !EqualsNoCase(*name, section)) continue;
        std::size_t end = i + 1;
        while (end < doc.lines.size() && !SectionName(doc.lines[end].text, false)) ++end;
        return SectionRange{i, i + 1, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const Document& doc, const SectionRange& range, const std::string& key) {
    for (std::size_t i = range.begin; i < range.end; ++i) {
        auto name = KeyName(doc.lines[i].text);
        if (name && EqualsNoCase(*name, key)) return i;
    }
    return std::nullopt;
}

std::string SingleLine(const std::string& value) {
    std::string out = value;
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

Document Load(const std::string& path) {
    std::string content;
    ReadWholeFile(path, content);
    return Parse(content);
}

// Reads, changes and writes the file while holding the lock on its folder, so two copies of
// the program writing different keys at once both keep theirs.
template <typename Change>
bool Update(const std::string& path, Change&& change) {
    std::string target = LinkTarget(path);
    std::string folder = std::filesystem::path(target).parent_path().string();
    FileLock lock(folder.empty() ? "." : folder, FileLock::Wait::Yes);
    Document doc = Load(target);
    if (!change(doc)) return true;
    return ReplaceFileContents(target, Serialize(doc));
}

void EnsureLastLineEnded(Document& doc) {
    if (!doc.lines.empty() && doc.lines.back().end.empty()) doc.lines.back().end = doc.lineEnd;
}

}  // namespace

std::string ReadIniValue(const std::string& path, const std::string& section, const std::string& key) {
    Document doc = Load(path);
    auto range = FindSection(doc, section);
    if (!range) return "";
    auto line = FindKey(doc, *range, key);
    if (!line) return "";
    std::string value = ValueOf(doc.lines[*line].text);
    if (value.size() > kIniValueMaxLength) value.resize(kIniValueMaxLength);
    return value;
}

bool WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) {
    return Update(path, [&](Document& doc) {
        Line entry{key + "=" + SingleLine(value), doc.lineEnd};
        auto range = FindSection(doc, section);
        if (!range) {
            EnsureLastLineEnded(doc);
            doc.lines.push_back({"[" + section + "]", doc.lineEnd});
            doc.lines.push_back(entry);
        } else if (auto line = FindKey(doc, *range, key)) {
            doc.lines[*line].text = entry.text;
        } else {
            // After the section's last non-blank line, so blank separator lines stay between sections.
            std::size_t at = range->end;
            while (at > range->begin && IsBlank(TrimWhitespace(doc.lines[at - 1].text))) --at;
            if (at > 0 && doc.lines[at - 1].end.empty()) doc.lines[at - 1].end = doc.lineEnd;
            doc.lines.insert(doc.lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
        }
        return true;
    });
}

bool DeleteIniKey(const std::string& path, const std::string& section, const std::string& key) {
    return Update(path, [&](Document& doc) {
        auto range = FindSection(doc, section);
        if (!range) return false;
        bool removed = false;
        while (auto line = FindKey(doc, *range, key)) {
            doc.lines.erase(doc.lines.begin() + static_cast<std::ptrdiff_t>(*line));
            --range->end;
            removed = true;
        }
        return removed;
    });
}

}  // namespace quillbat
