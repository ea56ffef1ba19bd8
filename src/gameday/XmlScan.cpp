#include "gameday/XmlScan.h"

#include <array>
#include <cstdlib>

#include "platform/TextFunctions.h"
#include "platform/Utf8.h"
#include "sites/MarkupText.h"

namespace quillbat {

namespace {

// The character a reference (the text between "&" and ";") stands for; false when unknown.
bool Decode(std::string_view name, std::string& out) {
    static constexpr std::array<std::pair<std::string_view, char>, 5> kNamed = {
        {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}}};
    for (const auto& [entity, c] : kNamed)
        if (name == entity) return out += c, true;
    if (name.size() < 2 || name[0] != '#') return false;
    bool hex = name[1] == 'x' || name[1] == 'X';
    std::string digits(name.substr(hex ? 2 : 1));
    if (digits.empty()) return false;
    char* end = nullptr;
    unsigned long code = std::strtoul(digits.c_str(), &end, hex ? 16 : 10);
    if (*end != '\0' || code == 0 || code > 0x10FFFF) return false;
    AppendUtf8(out, static_cast<char32_t>(code));
    return true;
}

bool IsXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

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

std::string DecodeXmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t semicolon = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
        if (semicolon != std::string_view::npos && semicolon - i <= 10 &&
            Decode(text.substr(i + 1, semicolon - i - 1), out)) {
            i = semicolon;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string ScanLineAttribute(std::string_view text, std::string_view name, int occurrence) {
    std::string key = " " + ToLower(name) + "=";
    int seen = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(start, end - start));
        std::string value;
        if (ValueInLine(ToLower(line), line, key, value) && ++seen == occurrence) return value;
        start = end + 1;
    }
    return "";
}

std::string GetXmlAttribute(std::string_view text, std::string_view name, int n) {
    std::string key = std::string(name) + "=";
    std::size_t at = std::string_view::npos;
    for (int i = 0; i < n; ++i) {
        at = FindNoCase(text, key, at == std::string_view::npos ? 0 : at + 1);
        if (at == std::string_view::npos) return "";
    }
    std::size_t open = text.find('"', at);
    std::size_t close = open == std::string_view::npos ? open : text.find('"', open + 1);
    if (close == std::string_view::npos) return "";
    return std::string(text.substr(open + 1, close - open - 1));
}

std::string_view StartTag(std::string_view text, std::string_view tag) {
    std::string open = "<" + std::string(tag);
    std::size_t at = text.find(open);
    while (at != std::string_view::npos) {
        char next = at + open.size() < text.size() ? text[at + open.size()] : '>';
        if (IsXmlSpace(next) || next == '/' || next == '>') break;
        at = text.find(open, at + 1);
    }
    if (at == std::string_view::npos) return {};
    std::size_t end = text.find('>', at);
    return text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
}

std::string TagAttribute(std::string_view element, std::string_view name) {
    std::string key = std::string(name) + "=\"";
    std::size_t at = element.find(key);
    while (at != std::string_view::npos && (at == 0 || !IsXmlSpace(element[at - 1])))
        at = element.find(key, at + 1);
    if (at == std::string_view::npos) return "";
    std::size_t start = at + key.size();
    std::size_t end = element.find('"', start);
    if (end == std::string_view::npos) return "";
    return DecodeXmlText(element.substr(start, end - start));
}

}  // namespace quillbat
