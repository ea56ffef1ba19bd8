// Cell splitting and markup to text. The real statistics pages are read through these by the
// FanGraphs and Baseball-Reference readers (FanGraphsTest.cpp, BaseballReferenceTest.cpp).

#include <gtest/gtest.h>

#include "sites/MarkupText.h"

namespace quillbat::testing {
namespace {

using Strings = std::vector<std::string>;

Strings Cells(const CellList& list) {
    Strings cells;
    for (int i = 1; i <= list.Count(); ++i) cells.push_back(list.At(i));
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
    const char* cases[][2] = {
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
    };
    for (const auto& c : cases) EXPECT_EQ(HtmlToText(c[0]), c[1]) << c[0];
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

}  // namespace
}  // namespace quillbat::testing
