// The flat table's shape, on small documents that pin down each rule.

#include <gtest/gtest.h>

#include "gameday/FlatTable.h"

namespace quillbat::testing {
namespace {

using Strings = std::vector<std::string>;

FlatTable Parse(const std::string& xml) {
    FlatTable table;
    std::string error = ParseFlatTable(xml, table);
    EXPECT_EQ(error, "") << xml;
    return table;
}

TEST(FlatTableShape, ColumnsDepthFirstWithNumberedRepeatsOfAName) {
    FlatTable table = Parse(R"(<a id="1"><b id="2" x="1"/><c id="3">text<d id2="z"/></c><b x="2" y="3"/></a>)");
    EXPECT_EQ(table.columns, (Strings{"id", "id2", "x", "y", "id3", "c", "id22"}));
}

TEST(FlatTableShape, DocumentWithoutRepeatsIsOneRow) {
    FlatTable table = Parse(R"(<Player id="1" team="det"><season avg=".300"/><career avg=".280"/></Player>)");
    EXPECT_EQ(table.columns, (Strings{"id", "team", "avg", "avg2"}));
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0], (Strings{"1", "det", ".300", ".280"}));
}

TEST(FlatTableShape, EachRepeatingOccurrenceGivesRowsCarryingWhatIsAboveIt) {
    FlatTable table = Parse(
        "<box g=\"1\">"
        "<side t=\"away\"><p id=\"10\"/><p id=\"11\"/><note>n1</note></side>"
        "<side t=\"home\"><p id=\"20\"/></side>"
        "<info>i</info></box>");
    EXPECT_EQ(table.columns, (Strings{"g", "t", "id", "note", "info"}));
    EXPECT_EQ(table.rows, (std::vector<Strings>{
                              {"1", "away", "10", "n1", "i"},
                              {"1", "away", "11", "n1", "i"},
                              {"1", "home", "20", "", "i"},
                          }));
}

TEST(FlatTableShape, RepeatingAnywhereMakesAPathRepeatEverywhere) {
    // game 1 has one inning, game 2 has two: both games' innings give rows of their own, and
    // a repeating element without repeating descendants gives one row.
    FlatTable table = Parse(
        "<games><game id=\"1\"><ls r=\"3\"><inning n=\"1\"/></ls><pp name=\"A\"/></game>"
        "<game id=\"2\"><ls r=\"4\"><inning n=\"1\"/><inning n=\"2\"/></ls></game>"
        "<game id=\"3\"/></games>");
    EXPECT_EQ(table.columns, (Strings{"id", "r", "n", "name"}));
    EXPECT_EQ(table.rows, (std::vector<Strings>{
                              {"1", "3", "1", "A"},
                              {"2", "4", "1", ""},
                              {"2", "4", "2", ""},
                              {"3", "", "", ""},
                          }));
}

TEST(FlatTableShape, TextAndCdataMakeTheirOwnColumn) {
    FlatTable table = Parse("<g><p note=\"(BS, 1)\">(BS, 1)</p><p/><info><![CDATA[<b>x</b> &]]></info></g>");
    EXPECT_EQ(table.columns, (Strings{"note", "p", "info"}));
    EXPECT_EQ(table.rows, (std::vector<Strings>{{"(BS, 1)", "(BS, 1)", "<b>x</b> &"}, {"", "", "<b>x</b> &"}}));
}

TEST(FlatTableShape, AttributesInOrderOfFirstAppearance) {
    FlatTable table = Parse(R"(<r><e b="1" a="2"/><e a="3" c="4" b="5"/></r>)");
    EXPECT_EQ(table.columns, (Strings{"b", "a", "c"}));
    EXPECT_EQ(table.rows, (std::vector<Strings>{{"1", "2", ""}, {"5", "3", "4"}}));
}

TEST(FlatTableEncoding, ByteOrderMarksAndLatin1AreRead) {
    FlatTable table = Parse("\xEF\xBB\xBF<p boxname=\"Chac\xC3\xADn\"/>");
    EXPECT_EQ(table.Cell(0, table.IndexOf("boxname")), "Chac\xC3\xADn");

    table = Parse("<p boxname=\"D\xED" "az, E\"/>");
    EXPECT_EQ(table.Cell(0, 0), "D\xC3\xAD" "az, E") << "Latin-1 bytes become UTF-8";

    table = Parse(std::string("\xFF\xFE<\0p\0 \0a\0=\0\"\0\xE9\0\"\0/\0>\0", 22));
    EXPECT_EQ(table.Cell(0, table.IndexOf("a")), "\xC3\xA9");
}

TEST(FlatTableEncoding, EntitiesAreDecoded) {
    FlatTable table = Parse(R"(<p name="O&apos;Day &amp; Co" x="&#233;"/>)");
    EXPECT_EQ(table.rows[0], (Strings{"O'Day & Co", "\xC3\xA9"}));
}

TEST(FlatTableErrors, BadDocumentsGiveAnErrorAndNoTable) {
    for (const std::string& xml : {std::string(""), std::string("   \n"), std::string("<a><b></a>"),
                                   std::string("GameDay - 404 Not Found"), std::string("<a x=\"1\"/><b/>"),
                                   std::string("<a>") + std::string(10, '\0')}) {
        FlatTable table;
        table.columns = {"stale"};
        EXPECT_NE(ParseFlatTable(xml, table), "") << ::testing::PrintToString(xml);
        EXPECT_TRUE(table.columns.empty() && table.rows.empty());
    }
}

TEST(FlatTableErrors, DeepNestingIsRefusedNotRecursedInto) {
    std::string xml;
    for (int i = 0; i < 5000; ++i) xml += "<a>";
    for (int i = 0; i < 5000; ++i) xml += "</a>";
    FlatTable table;
    EXPECT_NE(ParseFlatTable(xml, table).find("nested"), std::string::npos);
}

}  // namespace
}  // namespace quillbat::testing
