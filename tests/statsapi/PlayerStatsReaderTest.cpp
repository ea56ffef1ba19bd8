#include "statsapi/PlayerStatsReader.h"

#include <gtest/gtest.h>

#include <regex>

#include "StatsApiData.h"
#include "TempFolder.h"

namespace quillbat {
namespace {

using testing::kStatsApiData;
using testing::Parsed;

// The stored Kwan response was pasted into a JavaScript module (bare keys, single quotes); its
// object literal, keys quoted, is the response's JSON.
Json KwanResponse() {
    std::string js = testing::ReadFile(
        kStatsApiData + "/person_680757_stats_season_lastXGames_statSplits_vl_vr_risp_sabermetrics.js");
    std::string object = js.substr(js.find('{'), js.rfind('}') - js.find('{') + 1);
    std::replace(object.begin(), object.end(), '\'', '"');
    return Parsed(std::regex_replace(object, std::regex(R"(\n(\s*)(\w+):)"), "\n$1\"$2\":"));
}

// Juan Soto, 2022: traded in August, so the season has a split per club and one for both.
TEST(PlayerStatsReaderTest, RealSeasonBattingOfATradedPlayer) {
    Json response = Parsed(testing::ReadFile(kStatsApiData + "/person_hitting_stats_career_season.json"));
    PlayerStatLines lines;
    ReadStatBlocks(response["stats"], lines);
    const StatsRow& row = lines.batting;
    EXPECT_EQ(GetStat("PA", row), "664");
    EXPECT_EQ(GetStat("AB", row), "524");
    EXPECT_EQ(GetStat("AVG", row), ".242");
    EXPECT_EQ(GetStat("OBP", row), ".401");
    EXPECT_EQ(GetStat("HR", row), "27");
    EXPECT_EQ(GetStat("BB", row), "135");
    EXPECT_EQ(GetStat("SO", row), "96");
    EXPECT_EQ(GetStat("ISO", row), ".210");  // as the response's own seasonAdvanced block says
    EXPECT_EQ(GetStat("WAR", row), "");
    EXPECT_EQ(lines.pitching.ColumnCount(), 0);
}

// Steven Kwan, 2024: season, splits against left- and right-handed pitching, sabermetrics.
TEST(PlayerStatsReaderTest, RealSplitsAndSabermetrics) {
    PlayerStatLines lines;
    ReadStatBlocks(KwanResponse()["stats"], lines);
    EXPECT_EQ(GetStat("AVG", lines.batting), ".387");
    EXPECT_EQ(GetStat("PA", lines.batting), "213");
    EXPECT_EQ(GetStat("AVG", lines.battingVsLeft), ".446");
    EXPECT_EQ(GetStat("PA", lines.battingVsLeft), "61");
    EXPECT_EQ(GetStat("AVG", lines.battingVsRight), ".363");
    EXPECT_EQ(GetStat("WAR", lines.batting), "3.1");
    EXPECT_EQ(GetStat("wOBA", lines.batting), ".433");
    EXPECT_EQ(GetStat("wRC+", lines.batting), "187");
}

// Shohei Ohtani's 2025 pitching, in a people response (W, ERA, SV, IP and K/9: ApiFiguresTest.cpp).
TEST(PlayerStatsReaderTest, RealPitchingOfAPerson) {
    PlayerStatsById stats;
    ASSERT_EQ(
        ReadPlayerStatsFile(
            kStatsApiData + "/person_660271_hydrate_stats_season_yearByYear_career_gameLog_pitching.json",
            stats),
        "");
    ASSERT_EQ(stats.count("660271"), 1u);
    const StatsRow& row = stats["660271"].pitching;
    EXPECT_EQ(GetStat("WHIP", row), "1.04");
    EXPECT_EQ(GetStat("BB/9", row), "1.72");
    EXPECT_EQ(GetStat("AVG", row), ".227");
    EXPECT_EQ(GetStat("FIP", row), "");  // no sabermetrics asked for in this response
}

TEST(PlayerStatsReaderTest, ShapesOfPeople) {
    struct Case {
        const char* json;
        const char* error;
        std::size_t people;
    } cases[] = {
        {R"({"people": []})", "", 0},
        {R"({"people": [{"id": 1, "stats": [{"type": {"displayName": "season"}, "group": {"displayName": "pitching"},
             "splits": [{"stat": {"era": "1.00"}}]}]}, {"id": "x/1"}, 5]})",
         "", 1},
        {R"({"people": [{"id": 1, "stats": {"type": 3}}, {"id": 2, "stats": [7, {"splits": 2}]}]})", "", 2},
        {R"({"people": {"id": 1}})", "no people in the response", 0},
    };
    for (const Case& c : cases) {
        PlayerStatsById stats;
        EXPECT_EQ(ReadPlayerStats(Parsed(c.json), stats), c.error) << c.json;
        EXPECT_EQ(stats.size(), c.people) << c.json;
    }
}

}  // namespace
}  // namespace quillbat
