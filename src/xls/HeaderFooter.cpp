#include "xls/HeaderFooter.h"

#include <cctype>

namespace quillbat::xls {

namespace {

constexpr size_t kColourCodeDigits = 6;

// The position after a font code that starts at `i` (just past the '&'), or `i` when
// there is none there.
size_t SkipFontCode(const std::string& s, size_t i) {
    if (s[i] == '"') {  // &"Arial,Bold"
        size_t close = s.find('"', i + 1);
        return close == std::string::npos ? s.size() : close + 1;
    }
    if (std::isdigit(static_cast<unsigned char>(s[i]))) {  // &12: font size
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
        return i;
    }
    if (s[i] == 'K' || s[i] == 'k') return std::min(s.size(), i + 1 + kColourCodeDigits);
    return i;
}

// The text of a field code; "" for style codes (&B, &I, &U, ...) and pictures (&G).
std::string FieldValue(char code, const PageFields& f) {
    switch (std::toupper(static_cast<unsigned char>(code))) {
        case 'P': return std::to_string(f.page);
        case 'N': return std::to_string(f.pages);
        case 'D': return f.date;
        case 'T': return f.time;
        case 'F': return f.fileName;
        case 'Z': return f.folder;
        case 'A': return f.sheetName;
        default: return "";
    }
}

}  // namespace

std::string ExpandFieldCodes(const std::string& section, const PageFields& fields) {
    std::string out;
    for (size_t i = 0; i < section.size(); ++i) {
        if (section[i] != '&' || i + 1 == section.size()) {
            out.push_back(section[i]);
            continue;
        }
        char code = section[i + 1];
        if (code == '&') {
            out.push_back('&');
            ++i;
            continue;
        }
        size_t after = SkipFontCode(section, i + 1);
        if (after != i + 1) {
            i = after - 1;
            continue;
        }
        out += FieldValue(code, fields);
        ++i;
    }
    return out;
}

FooterSections PrintedSections(const std::string& text, const PageFields& fields) {
    FooterSections s = SplitSections(text);
    return {ExpandFieldCodes(s.left, fields), ExpandFieldCodes(s.center, fields),
            ExpandFieldCodes(s.right, fields)};
}

}  // namespace quillbat::xls
