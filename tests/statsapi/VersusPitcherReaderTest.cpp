#include "statsapi/VersusPitcherReader.h"

#include <gtest/gtest.h>

#include "StatsApiData.h"
#include "statsapi/ApiAddresses.h"

namespace quillbat {
namespace {

// One batter's person record with a career block of the given type and group.
std::string Person(const std::string& names, const std::string& type, const std::string& group,
                   const std::string& pa) {
    return "{" + names + R"(, "stats": [{"type": {"displayName": ")" + type +
           R"("}, "group": {"displayName": ")" + group + R"("}, "splits": [{"stat": {"plateAppearances": )" +
           pa +
           R"(, "atBats": 9, "hits": 3, "homeRuns": 1, "rbi": 2, "strikeOuts": 4, "avg": ".333", "ops": "1.010"}}]}]})";
}

TEST(VersusPitcherReaderTest, BattersWhoFacedHimAsEspnsTableByName) {
    std::string people =
        R"({"people": [)" +
        Person(R"("id": 1, "lastFirstName": "Young, Al")", "vsPlayerTotal", "hitting", "10") + "," +
        Person(R"("id": 2, "lastName": "Abel", "firstName": "Cy")", "vsPlayerTotal", "hitting", "11") + "," +
        Person(R"("id": 3, "fullName": "Mo Only")", "vsPlayerTotal", "hitting", "12") + "," +
        Person(R"("lastFirstName": "Never, Faced")", "vsPlayerTotal", "hitting", "0") + "," +
        Person(R"("lastFirstName": "Per, Season")", "vsPlayer", "hitting", "5") + "," +
        Person(R"("lastFirstName": "As, Pitcher")", "vsPlayerTotal", "pitching", "5") + "," +
        R"({"lastFirstName": "No, Stats"}, 7]})";
    VersusPitcherLines lines;
    ASSERT_EQ(ReadVersusPitcher(testing::Parsed(people), lines), "");
    const BatterVersusPitcher& result = lines.table;
    std::string shown;
    for (int c = 1; c <= result.columns.ColumnCount(); ++c) shown += result.columns.ColumnName(c) + " ";
    EXPECT_EQ(shown, "Batter AB H 2B 3B HR RBI BB SO AVG OBP SLG OPS ");
    shown.clear();
    for (const StatsRow& row : result.batters)
        shown += row.Value(1) + "|" + row.Value(2) + "|" + row.Value(3) + "|" + row.Value(6) + "|" +
                 row.Value(10) + "|" + row.Value(13) + "; ";
    EXPECT_EQ(shown, "Abel, Cy|9|3|1|.333|1.010; Mo Only|9|3|1|.333|1.010; Young, Al|9|3|1|.333|1.010; ");
    EXPECT_EQ(lines.playerIds, (std::vector<std::string>{"2", "3", "1"}));

    EXPECT_EQ(ReadVersusPitcher(testing::Parsed(R"({"people": {}})"), lines), "no people in the response");
}

TEST(VersusPitcherReaderTest, OnlyApiIdsEnterTheAddress) {
    EXPECT_EQ(VersusPitcherUrl("h", {"12", "../x", "34"}, "56"),
              "h/api/v1/people?personIds=12,34&hydrate=stats(group=[hitting],type=[vsPlayerTotal],"
              "opposingPlayerId=56)");
    EXPECT_EQ(VersusPitcherUrl("h", {"12"}, "5&x=1"), "");
    EXPECT_EQ(VersusPitcherUrl("h", {"a"}, "56"), "");
    EXPECT_EQ(VersusPitcherFile("t", "1/2"), "");
}

}  // namespace
}  // namespace quillbat
