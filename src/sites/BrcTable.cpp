#include "sites/BrcTable.h"

#include "platform/TextFunctions.h"
#include "sites/PageLines.h"

namespace quillbat {

namespace {

bool Holds(const std::string& line, std::string_view part) {
    return FindNoCase(line, part) != std::string::npos;
}

void TakeHeader(PageLines& lines, BrcTable& table) {
    std::string line, header;
    while (lines.Next(line) && !Holds(line, "<thead>")) {}
    while (lines.Next(line) && !Holds(line, "</thead>")) header += line;
    CellList cells;
    ParseTHs(header, cells);
    for (int i = 1; i <= cells.Count() && i <= kPageTableWidth; ++i) table.header.Add(cells.At(i));
    if (table.header.Count() == 0) table.error = kNoStatDescription;
}

std::string CellText(const std::string& cell) { return ReplaceAll(ReplaceNbsp(HtmlToText(cell)), "*", ""); }

// The row's cells: a leading header cell when asked for, then the data cells.
void AddRow(const std::string& rowText, bool withRowHeader, TextTable& rows) {
    if (rows.Rows() >= kPageTableMaxRows) return;
    CellList cells, rowHeader;
    std::string rest = rowText;
    std::size_t firstCell = FindNoCase(rowText, "<td");
    if (withRowHeader) {
        std::size_t th = FindNoCase(rowText, "<th");
        std::size_t close = FindNoCase(rowText, "</th>", th);
        if (th < firstCell && close != std::string::npos) {
            rowHeader.Add(rowText.substr(th, close + 5 - th));
            rest = rowText.substr(close + 5);
        }
    }
    ParseTDs(rest, cells);
    int row = rows.AddRow();
    int column = 0;
    for (int i = 1; i <= rowHeader.Count(); ++i) rows.Set(++column, row, CellText(rowHeader.At(i)));
    for (int i = 1; i <= cells.Count() && column < kPageTableWidth; ++i)
        rows.Set(++column, row, CellText(cells.At(i)));
}

// The text between the end of the "<tr" tag and "</tr>" when the whole row stands on the line.
bool OneLineRow(const std::string& line, std::string& rowText) {
    std::size_t open = FindNoCase(line, "<tr");
    std::size_t tagEnd = line.find('>', open);
    if (tagEnd == std::string::npos) return false;
    std::size_t close = FindNoCase(line, "</tr>", tagEnd);
    if (close == std::string::npos) return false;
    rowText = line.substr(tagEnd + 1, close - tagEnd - 1);
    return true;
}

void TakeRows(PageLines& lines, TextTable& rows) {
    bool inRow = false;
    std::string line, rowText;
    while (lines.Next(line) && !Holds(line, "</table>")) {
        if (!inRow) {
            if (!Holds(line, "<tr")) continue;
            if (OneLineRow(line, rowText)) {
                if (!rowText.empty()) AddRow(rowText, true, rows);
            } else {
                inRow = true;
            }
        } else if (Holds(line, "</tr>")) {
            if (!rowText.empty()) AddRow(rowText, false, rows);
            inRow = false;
        } else {
            rowText += line;
            continue;
        }
        rowText.clear();
    }
}

}  // namespace

BrcTable ReadBrcTable(std::string page, const std::string& statName) {
    BrcTable table;
    table.rows.Resize(kPageTableWidth, 0);
    PageLines lines(std::move(page));
    std::string line;
    bool found = false;
    while (!found && lines.Next(line)) found = Holds(line, statName);
    if (!found) {
        table.error = kInvalidStatName;
        return table;
    }
    TakeHeader(lines, table);
    if (table.error.empty()) TakeRows(lines, table.rows);
    return table;
}

}  // namespace quillbat
