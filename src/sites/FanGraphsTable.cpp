#include "sites/FanGraphsTable.h"

#include "sites/MarkupText.h"
#include "sites/PageLines.h"

namespace quillbat {

namespace {

// The cells of a row line; a line without cells adds no row.
void AddRow(const std::string& line, TextTable& rows) {
    CellList cells;
    ParseTDs(line, cells);
    if (cells.Count() == 0 || rows.Rows() >= kPageTableMaxRows) return;
    int row = rows.AddRow();
    for (int k = 1; k <= cells.Count() && k <= kPageTableWidth; ++k)
        rows.Set(k, row, HtmlToText(cells.At(k)));
}

std::vector<std::string> ColumnNames(const std::string& header) {
    CellList cells;
    ParseTHs(header, cells);
    std::vector<std::string> names;
    for (int k = 1; k <= cells.Count() && k <= kPageTableWidth; ++k) names.push_back(HtmlToText(cells.At(k)));
    return names;
}

}  // namespace

FanGraphsTable ReadFanGraphsTable(std::string page, const std::string& rowKey) {
    FanGraphsTable table;
    table.rows.Resize(kPageTableWidth, 0);
    PageLines lines(std::move(page));
    bool data = false, inHead = false, capturing = false;
    std::string header;
    for (std::string line; lines.Next(line);) {
        if (FindNoCase(line, "Export Data") != std::string::npos) data = true;
        if (data && FindNoCase(line, rowKey) != std::string::npos) AddRow(line, table.rows);
        // Only the first header block counts: once it is taken, the head is not looked for again.
        if (header.empty() && !inHead && FindNoCase(line, "<thead>") != std::string::npos) inHead = true;
        if (inHead && FindNoCase(line, "rgHeader") != std::string::npos) capturing = true;
        if (capturing) {
            header += line;
            if (FindNoCase(line, "</thead>") != std::string::npos) capturing = inHead = false;
        }
    }
    table.columnNames = ColumnNames(header);
    return table;
}

}  // namespace quillbat
