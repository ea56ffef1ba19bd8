#pragma once
// The flat table of an XML file: one header of unique column names and rows of text, the
// shape in which the gameday readers take a downloaded XML file.
//
// Columns come depth-first from the file's structure (an element's attributes, then its text
// when it has any, then its child elements); a name used by an earlier column gets the
// smallest number from 2 that makes it unique ("id", "id2"). Each occurrence of a repeating
// element (one that occurs more than once under one parent somewhere in the file) gives rows
// of its own, and every row carries the values of the elements above it and of their
// non-repeating descendants.

#include <string>
#include <string_view>
#include <vector>

namespace quillbat {

struct FlatTable {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;  // each as wide as columns

    // Index of the column with exactly this name, or -1.
    int IndexOf(std::string_view name) const;
    // "" outside the table.
    const std::string& Cell(int row, int column) const;
};

// Far above any real gameday file (a day's master scoreboard has some 40,000 cells), far below
// what a hostile file could make the row copies cost.
inline constexpr std::size_t kMaxFlatTableCells = 2'000'000;

// Builds the table from an XML document's bytes. UTF-8 (with or without a byte-order mark),
// UTF-16 with a byte-order mark, and bytes that are not valid UTF-8 (read as Latin-1) are
// accepted; cells are UTF-8. Returns "" or why the bytes are not a usable XML document, or
// why its table would be too large (rows times columns above kMaxFlatTableCells).
std::string ParseFlatTable(std::string_view xml, FlatTable& table);

}  // namespace quillbat
