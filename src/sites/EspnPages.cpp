#include "sites/EspnPages.h"

#include "platform/TextFunctions.h"
#include "sites/MarkupText.h"
#include "sites/PageLines.h"

namespace quillbat {

namespace {

constexpr std::string_view kPlayerLink = "/mlb/player/_/id/";
constexpr std::string_view kBatterCell = "<td>BATTER</td>";
constexpr std::size_t kLongestName = 100;

// The links of one roster line. Each search goes on from where an earlier link's search
// ended when that is still ahead, so a long line is read once, not once per link.
void AddRosterLinks(const std::string& line, EspnRoster& roster) {
    const std::size_t none = std::string::npos;
    std::size_t slash = none, pair = none, end = none;
    for (std::size_t p = FindNoCase(line, kPlayerLink); p != none; p = FindNoCase(line, kPlayerLink, p + 1)) {
        std::size_t idStart = p + kPlayerLink.size();
        if (slash == none || slash < idStart) slash = line.find('/', idStart);
        if (slash == none) return;
        if (pair == none || pair <= slash) {
            pair = line.find("\">", slash);
            end = pair == none ? none : line.find("</a>", pair + 2);
        }
        if (pair == none || end == none) return;
        std::string id = line.substr(idStart, slash - idStart);
        std::size_t nameStart = pair + 2;
        if (roster.players.Rows() >= kPageTableMaxRows) return;
        if (id.empty() || !IsAllDigits(id) || end - nameStart > kLongestName) {
            ++roster.skipped;
            continue;
        }
        int row = roster.players.AddRow();
        roster.players.Set(EspnRosterField::kName, row, line.substr(nameStart, end - nameStart));
        roster.players.Set(EspnRosterField::kPlayerId, row, id);
    }
}

// The header cells after the batter cell, up to the first row that follows them on the
// line; the rest of the line after the batter cell is where the rows begin.
bool FindHeader(PageLines& lines, std::string& header, std::string& rest) {
    for (std::string line; lines.Next(line);) {
        std::size_t at = FindNoCase(line, kBatterCell);
        if (at == std::string::npos) continue;
        rest = line.substr(at + kBatterCell.size());
        std::size_t nextRow = FindNoCase(rest, "<tr ");
        if (nextRow == std::string::npos) continue;
        header = rest.substr(0, nextRow);
        return true;
    }
    return false;
}

// Reads one batter's row, whose link stands in `line`; returns with `line` holding the line
// that ended the row, or false when the page ended inside it.
bool ReadBatter(PageLines& lines, std::string& line, std::size_t link, EspnBatterTable& table) {
    std::size_t nameStart = line.find('>', link);
    std::size_t nameEnd = nameStart == std::string::npos ? nameStart : FindNoCase(line, "</a>", nameStart);
    // Not a whole link, or more rows than any table has: pass on.
    if (nameEnd == std::string::npos || table.batters.Rows() >= kPageTableMaxRows) return lines.Next(line);
    int row = table.batters.AddRow();
    int columns = static_cast<int>(table.columnNames.size());
    table.batters.Set(1, row, line.substr(nameStart + 1, nameEnd - nameStart - 1));
    table.batters.Set(2, row, HtmlToText(line.substr(nameEnd + 4)));
    for (int column = 3;; ++column) {
        if (!lines.Next(line)) return false;
        if (!line.starts_with("<td")) return true;
        if (column <= columns) table.batters.Set(column, row, HtmlToText(line));
    }
}

}  // namespace

EspnRoster ReadEspnRoster(std::string page) {
    EspnRoster roster;
    PageLines lines(std::move(page));
    for (std::string line; lines.Next(line);) AddRosterLinks(line, roster);
    return roster;
}

EspnBatterTable ReadEspnBatterTable(std::string page) {
    EspnBatterTable table;
    PageLines lines(std::move(page));
    std::string header, line;
    if (!FindHeader(lines, header, line)) return table;
    CellList cells;
    ParseTDs(header, cells);
    if (cells.Count() == 0) return table;
    table.columnNames.push_back("Batter");
    for (int i = 1; i <= cells.Count() && i < kEspnMaxColumns; ++i)
        table.columnNames.push_back(HtmlToText(cells.At(i)));
    table.batters.Resize(static_cast<int>(table.columnNames.size()), 0);

    for (bool more = true; more;) {
        std::size_t link = FindNoCase(line, kPlayerLink);
        more = link == std::string::npos ? lines.Next(line) : ReadBatter(lines, line, link, table);
    }
    return table;
}

}  // namespace quillbat
