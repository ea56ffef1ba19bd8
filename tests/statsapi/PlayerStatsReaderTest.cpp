#include "statsapi/PlayerStatsReader.h"

#include <gtest/gtest.h>

#include <regex>

#include "StatsApiData.h"
#include "TempFolder.h"

namespace quillbat {
namespace {

using testing::Figures;
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
    EXPECT_EQ(Figures(row, {"PA", "AB", "AVG", "OBP", "HR", "BB", "SO", "WAR"}),
              "PA=664 AB=524 AVG=.242 OBP=.401 HR=27 BB=135 SO=96 WAR=");
    EXPECT_EQ(GetStat("ISO", row), ".210");  // as the response's own seasonAdvanced block says
    EXPECT_EQ(lines.pitching.ColumnCount(), 0);
}

// Steven Kwan, 2024: season, splits against left- and right-handed pitching, sabermetrics.
TEST(PlayerStatsReaderTest, RealSplitsAndSabermetrics) {
    PlayerStatLines lines;
    ReadStatBlocks(KwanResponse()["stats"], lines);
    EXPECT_EQ(Figures(lines.batting, {"AVG", "PA", "WAR", "wOBA", "wRC+"}),
              "AVG=.387 PA=213 WAR=3.1 wOBA=.433 wRC+=187");
    EXPECT_EQ(Figures(lines.battingVsLeft, {"AVG", "PA"}), "AVG=.446 PA=61");
    EXPECT_EQ(GetStat("AVG", lines.battingVsRight), ".363");
}

// Shohei Ohtani's 2025 pitching, in a people response (W, ERA, SV, IP and K/9: ApiFiguresTest.cpp).
TEST(PlayerStatsReaderTest, RealPitchingOfAPerson) {
    PlayerStatsById stats;
    ASSERT_EQ(
        ReadPlayerStatsFile(
            kStatsApiData + "/person_660271_hydrate_stats_season_yearByYear_career_gameLog_pitching.json",
            stats),
        "");
    const StatsRow& row = stats["660271"].pitching;
    EXPECT_EQ(Figures(row, {"WHIP", "BB/9", "AVG"}), "WHIP=1.04 BB/9=1.72 AVG=.227");
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
