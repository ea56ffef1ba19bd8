#pragma once
// Cutting table markup into cells and reducing markup to its visible text. Tag texts are
// found without regard to letter case. None of these fail: markup they do not recognise is
// copied or skipped.

#include <string>
#include <string_view>
#include <vector>

namespace quillbat {

// The raw markup of a row's cells, numbered from 1; reading outside the list yields "".
class CellList {
public:
    int Count() const { return static_cast<int>(cells_.size()); }
    const std::string& At(int index) const;
    void Clear() { cells_.clear(); }
    void Add(std::string cell) { cells_.push_back(std::move(cell)); }

private:
    std::vector<std::string> cells_;
};

// Each cell runs from the "<" of "<td" through the first "</td>" after it, or to the end of
// the text when no "</td>" follows.
void ParseTDs(std::string_view row, CellList& cells);
// The same for "</th>"; the first cell must open with "<th " (so "<thead>" is passed over),
// later ones with "<th".
void ParseTHs(std::string_view header, CellList& cells);

// Superscripts and the first onmouseover attribute removed, tags and tabs dropped, each run
// of LFs made one CR LF (none at the start); entities are left as they are.
std::string HtmlToText(std::string_view markup);
// Removes every complete "<sup>...</sup>" with its content; an unclosed one stays.
std::string RemoveSupTags(std::string_view markup);
// Removes the first onmouseover attribute through the second double quote after it.
std::string RemoveOnMouseOver(std::string_view markup);

// "&nbsp;" becomes " ".
std::string ReplaceNbsp(std::string_view text);
// In turn: "&nbsp;" -> " ", "&amp;" -> "&", "&quot;" -> '"', "&#039;" -> "'", "&#042;" -> "*".
std::string ReplaceEntities(std::string_view text);

// Position of needle in text at or after from, ignoring ASCII letter case; npos when absent.
std::size_t FindNoCase(std::string_view text, std::string_view needle, std::size_t from = 0);

}  // namespace quillbat
