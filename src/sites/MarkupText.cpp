#include "sites/MarkupText.h"

#include <algorithm>
#include <cctype>

namespace quillbat {

namespace {

bool SameNoCase(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

std::string ReplaceAllNoCase(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    for (std::size_t hit; (hit = FindNoCase(text, from, at)) != std::string_view::npos;
         at = hit + from.size()) {
        out.append(text.substr(at, hit - at)).append(to);
    }
    out.append(text.substr(at));
    return out;
}

void ParseCells(std::string_view row, std::string_view firstOpen, std::string_view open,
                std::string_view close, CellList& cells) {
    cells.Clear();
    for (std::size_t p = FindNoCase(row, firstOpen); p != std::string_view::npos;) {
        std::size_t q = FindNoCase(row, close, p);
        if (q == std::string_view::npos) {
            cells.Add(std::string(row.substr(p)));
            return;
        }
        cells.Add(std::string(row.substr(p, q - p + close.size())));
        p = FindNoCase(row, open, q);
    }
}

}  // namespace

const std::string& CellList::At(int index) const {
    static const std::string empty;
    return index >= 1 && index <= Count() ? cells_[index - 1] : empty;
}

std::size_t FindNoCase(std::string_view text, std::string_view needle, std::size_t from) {
    if (from > text.size()) return std::string_view::npos;
    auto it = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), needle.begin(),
                          needle.end(), SameNoCase);
    return it == text.end() && !needle.empty() ? std::string_view::npos
                                               : static_cast<std::size_t>(it - text.begin());
}

void ParseTDs(std::string_view row, CellList& cells) { ParseCells(row, "<td", "<td", "</td>", cells); }

void ParseTHs(std::string_view header, CellList& cells) { ParseCells(header, "<th ", "<th", "</th>", cells); }

// One pass over the markup: the text kept so far holds no "<sup>" of its own, so after a cut
// the next one can only start in its last four characters, joined with the text after the cut.
std::string RemoveSupTags(std::string_view markup) {
    constexpr std::string_view kOpen = "<sup>", kClose = "</sup>";
    std::string out;
    out.reserve(markup.size());
    std::size_t at = 0;
    while (true) {
        std::size_t joined = std::string::npos;
        for (std::size_t k = out.size() > 4 ? out.size() - 4 : 0; k < out.size(); ++k) {
            std::size_t kept = out.size() - k;
            if (FindNoCase(std::string_view(out).substr(k), kOpen.substr(0, kept)) == 0 &&
                FindNoCase(markup.substr(at, kOpen.size() - kept), kOpen.substr(kept)) == 0) {
                joined = k;
                break;
            }
        }
        if (joined != std::string::npos) {
            std::size_t close = FindNoCase(markup, kClose, at + kOpen.size() - (out.size() - joined));
            if (close == std::string::npos) break;
            out.resize(joined);
            at = close + kClose.size();
            continue;
        }
        std::size_t open = FindNoCase(markup, kOpen, at);
        std::size_t close = open == std::string::npos ? open : FindNoCase(markup, kClose, open + 1);
        if (close == std::string::npos) break;
        out.append(markup.substr(at, open - at));
        at = close + kClose.size();
    }
    out.append(markup.substr(at));
    return out;
}

std::string RemoveOnMouseOver(std::string_view markup) {
    std::string out(markup);
    std::size_t start = FindNoCase(out, "onmouseover");
    if (start == std::string::npos) return out;
    std::size_t firstQuote = out.find('"', start + 1);
    if (firstQuote == std::string::npos) return out;
    std::size_t secondQuote = out.find('"', firstQuote + 1);
    if (secondQuote == std::string::npos) return out;
    out.erase(start, secondQuote + 1 - start);
    return out;
}

std::string HtmlToText(std::string_view markup) {
    std::string cleaned = RemoveOnMouseOver(RemoveSupTags(markup));
    std::string out;
    out.reserve(cleaned.size());
    bool inTag = false;
    for (char c : cleaned) {
        if (inTag) {
            inTag = c != '>';
        } else if (c == '<') {
            inTag = true;
        } else if (c == '\n') {
            if (!out.empty() && out.back() != '\n') out += "\r\n";
        } else if (c != '\t') {
            out += c;
        }
    }
    return out;
}

std::string ReplaceNbsp(std::string_view text) { return ReplaceAllNoCase(text, "&nbsp;", " "); }

std::string ReplaceEntities(std::string_view text) {
    std::string out = ReplaceAllNoCase(text, "&nbsp;", " ");
    out = ReplaceAllNoCase(out, "&amp;", "&");
    out = ReplaceAllNoCase(out, "&quot;", "\"");
    out = ReplaceAllNoCase(out, "&#039;", "'");
    return ReplaceAllNoCase(out, "&#042;", "*");
}

}  // namespace quillbat
