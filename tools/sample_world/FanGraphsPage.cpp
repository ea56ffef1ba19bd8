// The FanGraphs page markup around a statistics table: menus that already mention player and
// team links, the "Export Data" link, a pager row with cells inside the table head, the
// header row on one line, and each data row's cells on one line between the row tags.
// Lines end in CR LF, as the site sent them.

#include "FanGraphs.h"
#include "World.h"

namespace quillbat::sample {
namespace {

std::string HeaderCell(const std::string& column, const std::string& selfLink, std::size_t index) {
    if (index == 0 && column == "#")
        return "<th scope=\"col\" class=\"rgHeader\" style=\"text-align:right;\">#</th>";
    // Rate columns carry a tool tip whose script holds a ">".
    std::string tip = column.find('%') != std::string::npos || column.find('+') != std::string::npos
                          ? " onmouseover=\"if (tipOn > 0) showTip('" + column + "');\""
                          : "";
    return "<th scope=\"col\" class=\"rgHeader\"" + tip + " style=\"text-align:right;\"><a title=\"Click here to sort\" "
           "href=\"" + selfLink + "&sort=" + std::to_string(index) + ",d\">" + column + "</a></th>";
}

std::string DataCell(const StatsTable::Row& row, std::size_t i) {
    const std::string& cell = row.cells[i];
    if (i == row.linked && !row.link.empty())
        return "<td class=\"grid_line_regular\" align=\"left\"><a href=\"" + row.link + "\">" + cell + "</a>" +
               (row.footnote.empty() ? "" : "<sup>" + row.footnote + "</sup>") + "</td>";
    return "<td class=\"grid_line_regular\" align=\"right\">" + cell + "</td>";
}

std::string Grid(const std::string& selfLink, const StatsTable& table) {
    std::string colspan = std::to_string(table.columns.size());
    std::string text = "<table class=\"rgMasterTable\" border=\"0\" id=\"LeaderBoard1_dg1_ctl00\" style=\"width:100%;\">\n"
                       "<colgroup>\n<col />\n</colgroup>\n<thead>\n"
                       "<tr class=\"rgPager\">\n<td class=\"rgPagerCell NumericPages\" colspan=\"" + colspan + "\">"
                       "<div class=\"rgWrap rgInfoPart\">&nbsp;Page size: 30</div></td>\n</tr><tr>\n";
    for (std::size_t i = 0; i < table.columns.size(); ++i) text += HeaderCell(table.columns[i], selfLink, i);
    text += "\n</tr>\n</thead><tbody>\n";
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        text += std::string(r == 0 ? "" : "</tr>") + "<tr class=\"" + (r % 2 ? "rgAltRow" : "rgRow") +
                "\" id=\"LeaderBoard1_dg1_ctl00__" + std::to_string(r) + "\">\n";
        for (std::size_t i = 0; i < table.rows[r].cells.size(); ++i) text += DataCell(table.rows[r], i);
        text += "\n";
    }
    if (!table.totals.empty()) {
        text += "</tr><tr class=\"rgFooter\">\n<td class=\"grid_line_regular\">Total</td>";
        for (std::size_t i = 1; i < table.columns.size(); ++i) text += "<td class=\"grid_line_regular\">&nbsp;</td>";
        text += "\n";
    }
    return text + "</tr>\n</tbody>\n</table>\n";
}

}  // namespace

std::string FanGraphsPage(const std::string& title, const std::string& selfLink, const StatsTable& table) {
    std::string text =
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" \"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\n"
        "<html xmlns=\"http://www.w3.org/1999/xhtml\">\n<head><title>\n\t" + title + " &raquo; Sample FanGraphs\n</title></head>\n"
        "<body>\n<div id=\"menu\"><a href=\"statss.aspx?playerid=1001&position=OF\">Most popular player</a> | "
        "<a href=\"winss.aspx?team=Yankees&pos=all&stats=bat\">Teams</a></div>\n"
        "<p>Sample data: an invented 2014 season, not real players.</p>\n"
        "<form name=\"aspnetForm\" method=\"post\" action=\"" + selfLink + "\" id=\"aspnetForm\">\n"
        "<div class=\"export\"><a id=\"LeaderBoard1_cmdCSV\" href=\"javascript:__doPostBack('LeaderBoard1$cmdCSV','')\">Export Data</a></div>\n";
    if (!table.columns.empty()) text += Grid(selfLink, table);
    return WithCrLf(text + "</form>\n</body>\n</html>\n");
}

}  // namespace quillbat::sample
