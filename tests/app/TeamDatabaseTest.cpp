#include "app/TeamDatabase.h"

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <set>

#include "TempFolder.h"

namespace quillbat {
namespace {

using testing::TempFolder;

std::string MakeDatabase(const TempFolder& dir, const std::string& sql) {
    std::string path = dir / "teams.db";
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    return path;
}

const char* const kSchema =
    "CREATE TABLE Teams (file_code TEXT, team_city TEXT, team_name TEXT, city_name TEXT, "
    "espn_file_code TEXT, espn_team_id TEXT);";

TEST(TeamDatabaseTest, ShippedDatabaseHoldsEveryClub) {
    TeamTables t;
    ASSERT_EQ(LoadTeamDatabase(QUILLBAT_TEAM_DB, t), "");
    ASSERT_EQ(t.teams.Rows(), 30);
    ASSERT_EQ(t.espnTeams.Rows(), 30);
    std::set<std::string> codes, ids;
    for (int row = 1; row <= 30; ++row) {
        codes.insert(t.teams.At(TeamField::kFileCode, row));
        ids.insert(t.espnTeams.At(EspnTeamField::kEspnTeamId, row));
        EXPECT_EQ(t.teams.At(TeamField::kFileCode, row), t.espnTeams.At(EspnTeamField::kFileCode, row));
        if (row > 1) {
            EXPECT_LT(t.teams.At(TeamField::kTeamCity, row - 1), t.teams.At(TeamField::kTeamCity, row));
        }
    }
    EXPECT_EQ(codes.size(), 30u);
    EXPECT_EQ(ids.size(), 30u);
    EXPECT_EQ(LookupTeamName(t, "bos"), "Red Sox");
    EXPECT_EQ(LookupTeamName(t, "tor"), "Blue Jays");
    EXPECT_EQ(LookupCityName(t, "stl"), "St. Louis");
    EXPECT_EQ(LookupCityName(t, "ana"), "Los Angeles");
    EXPECT_EQ(t.teams.At(TeamField::kTeamCity, 1), "Arizona");
}

TEST(TeamDatabaseTest, FirstRowInCityOrderWinsAndCaseMatters) {
    TempFolder dir;
    std::string db = MakeDatabase(dir, std::string(kSchema) +
        "INSERT INTO Teams VALUES ('nyy','Zeta','Later','Z','nyy','10');"
        "INSERT INTO Teams VALUES ('nyy','Alpha','First','A','nyy','10');");
    TeamTables t;
    ASSERT_EQ(LoadTeamDatabase(db, t), "");
    EXPECT_EQ(LookupTeamName(t, "nyy"), "First");
    EXPECT_EQ(LookupCityName(t, "nyy"), "A");
    EXPECT_EQ(LookupTeamName(t, "NYY"), "");
    EXPECT_EQ(LookupTeamName(t, "xxx"), "");
}

TEST(TeamDatabaseTest, EmptyTableGivesEmptyTables) {
    TempFolder dir;
    TeamTables t;
    ASSERT_EQ(LoadTeamDatabase(MakeDatabase(dir, kSchema), t), "");
    EXPECT_EQ(t.teams.Rows(), 0);
    EXPECT_EQ(LookupTeamName(t, "bos"), "");
}

TEST(TeamDatabaseTest, UnreadableDatabasesAreReported) {
    TempFolder dir;
    TeamTables t;
    EXPECT_NE(LoadTeamDatabase(dir / "missing.db", t), "");
    EXPECT_NE(LoadTeamDatabase(dir.Write("junk.db", std::string(2048, 'j')), t), "");
    EXPECT_NE(LoadTeamDatabase(dir.Write("empty.db", ""), t), "");
    std::string noColumn = MakeDatabase(dir, "CREATE TABLE Teams (file_code TEXT, team_city TEXT);");
    EXPECT_EQ(LoadTeamDatabase(noColumn, t), "the Teams table has no column espn_file_code");
    EXPECT_EQ(t.teams.Rows(), 0);
}

}  // namespace
}  // namespace quillbat
