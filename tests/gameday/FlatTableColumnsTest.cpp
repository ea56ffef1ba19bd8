#include "gameday/FlatTableColumns.h"

#include <gtest/gtest.h>

#include "GridSheet.h"

namespace quillbat {
namespace {

using testing::GridSheet;

TEST(FindColumnTest, NamesAndPatterns) {
    ColumnNames names = {"id", "venue", " Away_Team_City ", "era", "wins", "x", "era2", "eraxx", "wins2"};
    const std::pair<const char*, int> cases[] = {
        {"era", 4},     {"eraxx", 7},   {"ERAXX", 7},     {"winsxx", 9}, {"away_team_city", 3},
        {" venue ", 2}, {"missing", 0}, {"missingxx", 0}, {"xx", 1},     {"ixx", 1},
    };
    for (const auto& [name, column] : cases) EXPECT_EQ(FindColumn(names, name), column) << name;
    // The pattern's own prefix is not trimmed: " eraxx" looks for names beginning with " era".
    EXPECT_EQ(FindColumn(names, " eraxx"), 0);
    EXPECT_EQ(FindColumn({}, "id"), 0);
}

TEST(FindColumnTest, HeaderRowIsRowOneToLastColumn) {
    GridSheet sheet({{"a", "b"}, {"1", "2", "3"}});
    EXPECT_EQ(ReadHeaderRow(sheet), (ColumnNames{"a", "b", ""}));
}

}  // namespace
}  // namespace quillbat
