// Inputs a hostile server could send, at sizes where work that grows faster than the input
// shows: each is refused with a plain error or handled with bounded work.

#include <gtest/gtest.h>

#include "TestText.h"
#include "gameday/FlatTable.h"
#include "gameday/MasterScoreboard.h"
#include "gameday/UniqueNames.h"
#include "sites/MarkupText.h"

namespace quillbat::testing {
namespace {

TEST(HostileFlatTable, RowsTimesColumnsOverTheBoundIsRefusedBeforeTheRowsAreBuilt) {
    // 12 KB: 300 columns copied into 7,000 rows would be 2.1 million cells.
    std::string attributes;
    for (int i = 0; i < 300; ++i) attributes += " a" + std::to_string(i) + "=''";
    std::string xml = "<r><h" + attributes + "/>" + Repeat("<e/>", 7000) + "</r>";
    FlatTable table;
    EXPECT_EQ(ParseFlatTable(xml, table),
              "the flat table would have 7000 rows of 300 columns, more than 2000000 cells");
    EXPECT_TRUE(table.columns.empty() && table.rows.empty());

    xml = "<r><h" + attributes + "/>" + Repeat("<e/>", 6000) + "</r>";  // 1.8 million cells
    ASSERT_EQ(ParseFlatTable(xml, table), "");
    EXPECT_EQ(table.rows.size(), 6000u);
}

TEST(HostileFlatTable, EqualNamesCostOneTryEachAndSkipNamesTakenLiterally) {
    UniqueNames names;
    EXPECT_EQ(names.Take("id3"), "id3");
    EXPECT_EQ(names.Take("id"), "id");
    EXPECT_EQ(names.Take("id"), "id2");
    EXPECT_EQ(names.Take("id"), "id4");
    for (int i = 0; i < 20000; ++i) names.Take("id");
    EXPECT_EQ(names.Take("id"), "id20005");
    EXPECT_LE(names.Tries(), 2u * 20005u);
}

TEST(HostileMarkup, ManySuperscriptsAreAllRemovedIncludingOnesJoinedByACut) {
    std::string page = Repeat("x<sup>1</sup>", 100000) + "<su<sup>a</sup>p>b</SUP>y<sup>open";
    EXPECT_EQ(RemoveSupTags(page), std::string(100000, 'x') + "y<sup>open");
}

TEST(HostileScoreboard, DoubleHeadersAreMarkedAcrossManyGames) {
    GameTable games;
    const int cities = 5000;
    for (int round = 0; round < 3; ++round) {
        for (int c = 0; c < cities; ++c)
            games.Set(GameField::kAwayCity, games.AddRow(), "city" + std::to_string(c));
    }
    MarkDoubleHeaders(games);
    EXPECT_EQ(games.At(GameField::kDoubleHeaderGame, 1), "1");
    EXPECT_EQ(games.At(GameField::kDoubleHeaderGame, cities + 1), "2");
    EXPECT_EQ(games.At(GameField::kDoubleHeaderGame, 2 * cities + 1), "");  // a third game is left alone
    EXPECT_EQ(games.At(GameField::kDoubleHeaderGame, cities), "1");
    EXPECT_EQ(games.At(GameField::kDoubleHeaderGame, 2 * cities), "2");
}

}  // namespace
}  // namespace quillbat::testing
