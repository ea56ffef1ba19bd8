#pragma once
// A page file read line by line, the way the page readers scan it: lines end at LF, and the
// CRs just before the LF are not part of the line (pages come with LF, CR LF or CR CR LF).

#include <string>
#include <string_view>

namespace quillbat {

// The page tables of the FanGraphs and Baseball-Reference readers hold this many cells per
// row; cells beyond it are not kept.
inline constexpr int kPageTableWidth = 51;
// No statistics table has nearly this many rows; a page with more is not a table the readers
// know, and its rows beyond this are not kept.
inline constexpr int kPageTableMaxRows = 5000;

class PageLines {
public:
    explicit PageLines(std::string text) : text_(std::move(text)) {}
    // The next line into `line`; false when the text has ended.
    bool Next(std::string& line);

private:
    std::string text_;
    std::size_t at_ = 0;
};

}  // namespace quillbat
