#include "statsapi/ApiJson.h"

#include <gtest/gtest.h>

#include "StatsApiData.h"
#include "TempFolder.h"
#include "statsapi/BoxscoreReader.h"
#include "statsapi/RosterReader.h"
#include "statsapi/ScheduleReader.h"
#include "statsapi/VersusPitcherReader.h"

namespace quillbat {
namespace {

// A response that is cut off, not JSON, of another shape or enormous fails like a download
// that did not come: an error naming the file, and empty tables.
TEST(ApiJsonTest, HostileResponsesFailEveryReader) {
    std::string schedule = testing::ReadFile(
        testing::kStatsApiData + "/schedule_date_2026-03-18_hydrate_probablePitcher_pregame.json");
    struct Case {
        const char* what;
        std::string body;
        const char* error;
    } cases[] = {
        {"cut off", schedule.substr(0, schedule.size() / 2), "not JSON"},
        {"an error page", "<html><body>502 Bad Gateway</body></html>", "not JSON"},
        {"empty", "", "not JSON"},
        {"an array", "[1, 2, 3]", "not a JSON object"},
        {"a string", "\"dates\"", "not a JSON object"},
        {"deeply nested", std::string(100000, '[') + std::string(100000, ']'), "not a JSON object"},
        {"enormous", "{\"dates\": [" + std::string(kMaxJsonBytes, ' ') + "]}", "response too large"},
        {"another shape", R"({"copyright": "x", "message": "Object not found"})", "no "},
    };
    testing::TempFolder folder;
    for (const Case& c : cases) {
        std::string path = folder.Write("response.json", c.body);
        GameTable games;
        std::string error = ReadScheduleFile(path, TeamTables{}, games);
        EXPECT_NE(error.find(path), std::string::npos) << c.what;
        EXPECT_NE(error.find(c.error), std::string::npos) << c.what << ": " << error;
        EXPECT_EQ(games.Rows(), 0) << c.what;
        LineupTable lineups;
        StartingPitcher away{"probable", "", ""}, home;
        EXPECT_NE(ReadBoxscoreFile(path, {}, lineups, away, home), "") << c.what;
        EXPECT_EQ(lineups.Rows(), 0) << c.what;
        EXPECT_EQ(away.text, "probable") << c.what;
        PlayersTable players;
        EXPECT_NE(ReadRosterFile(path, "away", "X", players), "") << c.what;
        EXPECT_EQ(players.Rows(), 0) << c.what;
        VersusPitcherLines versus;
        EXPECT_NE(ReadVersusPitcherFile(path, versus), "") << c.what;
        EXPECT_TRUE(versus.table.batters.empty()) << c.what;
    }
    GameTable games;
    EXPECT_NE(ReadScheduleFile(folder / "missing.json", TeamTables{}, games), "");
}

TEST(ApiJsonTest, TextOfValues) {
    Json json;
    ASSERT_EQ(
        ParseJson("\xEF\xBB\xBF{\"a\": {\"s\": \"x\", \"i\": 12, \"f\": 4.5, \"n\": null, \"o\": {}}}", json),
        "");
    EXPECT_EQ(Text(json, {"a", "s"}), "x");
    EXPECT_EQ(Text(json, {"a", "i"}), "12");
    EXPECT_EQ(Text(json, {"a", "f"}), "4.5");
    EXPECT_EQ(Text(json, {"a", "n"}), "");
    EXPECT_EQ(Text(json, {"a", "o"}), "");
    EXPECT_EQ(Text(json, {"a", "s", "deeper"}), "");
    EXPECT_EQ(Text(json, {"b"}), "");
    EXPECT_TRUE(Items(json, {"a"}).empty());
}

TEST(ApiJsonTest, ApiIds) {
    EXPECT_TRUE(IsApiId("744914"));
    for (const char* bad : {"", "12a", "../1", "1 2", "12345678901", "-5"}) EXPECT_FALSE(IsApiId(bad)) << bad;
}

}  // namespace
}  // namespace quillbat
