#include "platform/TextFunctions.h"

#include <algorithm>
#include <cctype>

namespace quillbat {

namespace {

char LowerChar(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
char UpperChar(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

std::string RemoveChar(std::string_view text, char unwanted) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != unwanted) out += c;
    return out;
}

}  // namespace

std::string GetFileExtension(std::string_view path) {
    auto dot = path.rfind('.');
    if (dot == std::string_view::npos || dot + 1 == path.size()) return "";
    return std::string(path.substr(dot + 1));
}

std::string GetFileExtensionUpper(std::string_view path) { return ToUpper(GetFileExtension(path)); }

std::string GetParentFolder(std::string_view path) {
    auto sep = path.find_last_of("\\/");
    if (sep == std::string_view::npos) return "";
    return std::string(path.substr(0, sep));
}

std::string RemoveExtension(std::string_view path) {
    auto dot = path.rfind('.');
    if (dot == std::string_view::npos) return std::string(path);
    return std::string(path.substr(0, dot));
}

bool IsBlank(std::string_view text) { return TrimBlanks(text).empty(); }

std::string TrimBlanks(std::string_view text) {
    auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return "";
    auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string RemoveParenthesized(std::string_view text) {
    std::string out(text);
    for (;;) {
        auto open = out.find('(');
        if (open == std::string::npos) break;
        auto close = out.find(')', open);
        if (close == std::string::npos) break;
        out.erase(open, close - open + 1);
    }
    return out;
}

std::string KeepNumericChars(std::string_view text) {
    std::string out;
    for (char c : text)
        if ((c >= '0' && c <= '9') || c == '.' || c == '-') out += c;
    return out;
}

std::string RemoveSpaces(std::string_view text) { return RemoveChar(text, ' '); }
std::string RemoveDots(std::string_view text) { return RemoveChar(text, '.'); }
std::string RemoveNulChars(std::string_view text) { return RemoveChar(text, '\0'); }

bool IsAllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string ToLower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), LowerChar);
    return out;
}

std::string ToUpper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), UpperChar);
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return LowerChar(x) == LowerChar(y); });
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           EqualsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
    return ToLower(text).find(ToLower(part)) != std::string::npos;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        auto hit = text.find(from, pos);
        if (hit == std::string_view::npos) break;
        out.append(text.substr(pos, hit - pos)).append(to);
        pos = hit + from.size();
    }
    out.append(text.substr(pos));
    return out;
}

std::string BoolToYN(bool flag) { return flag ? "Y" : "N"; }
bool YNToBool(std::string_view text) { return text == "Y"; }
int YNToCheckValue(std::string_view text) { return !text.empty() && UpperChar(text[0]) == 'Y' ? 1 : 0; }
std::string CheckValueToYN(int checkValue) { return checkValue == 1 ? "Y" : "N"; }

}  // namespace quillbat
