// Cell splitting and markup to text, on small cases and on real statistics pages.

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "sites/MarkupText.h"

namespace quillbat::testing {
namespace {

using Strings = std::vector<std::string>;

// The cells, each as it stands or (`text`) as the text it shows.
Strings Cells(const CellList& list, bool text = false) {
    Strings cells;
    for (int i = 1; i <= list.Count(); ++i) cells.push_back(text ? HtmlToText(list.At(i)) : list.At(i));
    return cells;
}

// One list for all cases: each parse empties it first.
TEST(ParseTDsAndTHs, CellsRunFromTheirOpeningTagThroughTheFirstClosingTag) {
    struct Case {
        bool header;
        std::string markup;
        Strings cells;
    } cases[] = {
        {false, R"(<tr><td class="a">1</td><TD>Two</TD></tr>)", {R"(<td class="a">1</td>)", "<TD>Two</TD>"}},
        {false, "<td>a<td>b</td><td>c</td>", {"<td>a<td>b</td>", "<td>c</td>"}},
        {false, "<td>open <b>to the end", {"<td>open <b>to the end"}},
        {false, "<tr><th>no data cells</th></tr>", {}},
        // The first header cell needs an attribute, later ones do not.
        {true,
         R"(<thead><tr><th>A</th><th class="x">B</th><th>C</th></tr>)",
         {R"(<th class="x">B</th>)", "<th>C</th>"}},
        {true, "<TH scope=col>W</TH>", {"<TH scope=col>W</TH>"}}};
    CellList cells;
    for (const Case& c : cases) {
        (c.header ? ParseTHs : ParseTDs)(c.markup, cells);
        EXPECT_EQ(Cells(cells), c.cells) << c.markup;
    }
    ParseTDs("", cells);
    EXPECT_EQ(cells.At(0) + cells.At(1), "");
}

TEST(HtmlToText, KeepsVisibleTextOnly) {
    struct Case {
        std::string markup, text;
    };
    for (const Case& c : std::vector<Case>{
             {R"(<td><a href="x">Mike Trout</a><sup>1</sup></td>)", "Mike Trout"},
             {"<td>a > b</td>", "a > b"},
             {"\ta\tb\t", "ab"},
             {"one\n\ntwo\n", "one\r\ntwo\r\n"},
             {"\n\nstart", "start"},
             {"cr\r\nlf", "cr\r\r\nlf"},
             {"<b class=x and no end", ""},
             {"text <i unclosed", "text "},
             {R"~(<td onmouseover="show('a<b')" class="c">v</td>)~", "v"},
             {"<sup>not closed", "not closed"},
         }) {
        EXPECT_EQ(HtmlToText(c.markup), c.text) << c.markup;
    }
}

TEST(RemoveOnMouseOver, RemovesOnlyTheFirstAttribute) {
    EXPECT_EQ(RemoveOnMouseOver(R"~(<a onMouseOver="x()" href="h" onmouseover="y()">)~"),
              R"~(<a  href="h" onmouseover="y()">)~");
    EXPECT_EQ(RemoveOnMouseOver(R"~(<a onmouseover="x()>)~"), R"~(<a onmouseover="x()>)~");
    EXPECT_EQ(RemoveOnMouseOver("<a onmouseover=x>"), "<a onmouseover=x>");
}

TEST(ReplaceEntities, AppliesTheFiveReplacementsInOrder) {
    EXPECT_EQ(ReplaceNbsp("A&nbsp;B&NBSP;C&amp;"), "A B C&amp;");
    EXPECT_EQ(ReplaceEntities("Tom&nbsp;O&#039;Neil &amp; Co &#042; &Quot;x&quot;"),
              "Tom O'Neil & Co * \"x\"");
    EXPECT_EQ(ReplaceEntities("&amp;quot;"), "\"");
    EXPECT_EQ(ReplaceEntities("&amp;nbsp;"), "&nbsp;");
}

std::string DataFile(const std::string& name) {
    return ReadFile(std::string(QUILLBAT_TEST_DATA) + "/sites/" + name);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(text.substr(at, end - at));
    return lines;
}

TEST(RealPages, FanGraphsLeaderboardHeaderAndRow) {
    std::vector<std::string> lines = Lines(DataFile("fg_team_batting_2019_header_and_row.html"));
    ASSERT_EQ(lines.size(), 2u);
    CellList cells;
    ParseTHs(lines[0], cells);
    Strings header = Cells(cells, true);
    ASSERT_EQ(header.size(), 23u);
    EXPECT_EQ((Strings{header[0], header[1], header[2], header[3], header[22]}),
              (Strings{"#", "Season", "Team", "G", "WAR"}));
    ParseTDs(lines[1], cells);
    Strings row = Cells(cells, true);
    ASSERT_EQ(row.size(), 23u);
    EXPECT_EQ((Strings{row[0], row[1], row[2], row[3], row[9], row[22]}),
              (Strings{"1", "2019", "Astros", "2309", "10.1%", "40.8"}));
}

TEST(RealPages, BaseballReferenceHeaderSpreadOverLinesAndRows) {
    std::vector<std::string> lines = Lines(DataFile("br_2022_batting_against_excerpt.html"));
    std::string header;
    for (const std::string& line : lines)
        if (line.find("<th aria-label") != std::string::npos) header += line + "\n";
    CellList cells;
    ParseTHs(header, cells);
    Strings names = Cells(cells, true);
    ASSERT_EQ(names.size(), 27u);
    EXPECT_EQ((Strings{names[0], names[1], names[26]}), (Strings{"Tm", "RA/G", "ROE"}));

    std::string arizona = lines.at(lines.size() - 4), average = lines.back();
    ParseTHs(arizona, cells);
    EXPECT_EQ(Cells(cells, true).at(0), "Arizona Diamondbacks");
    ParseTDs(arizona, cells);
    EXPECT_EQ(cells.Count(), 26);
    EXPECT_EQ(HtmlToText(cells.At(1)), "4.57");
    ParseTDs(average, cells);
    EXPECT_EQ((Strings{Cells(cells, true).at(0), Cells(cells, true).at(1)}), (Strings{"4.28", ""}));
}

}  // namespace
}  // namespace quillbat::testing
