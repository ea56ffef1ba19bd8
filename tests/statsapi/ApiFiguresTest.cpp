#include "statsapi/ApiFigures.h"

#include <gtest/gtest.h>

#include "StatsApiData.h"

namespace quillbat {
namespace {

using namespace PlayerField;

// Ohtani's real 2025 pitching, made known as a Dodger: the lookup answers the tables the API has,
// and the season fields are filled by player id.
TEST(ApiFiguresTest, LookupAndSeasonFieldsOfARealPitcher) {
    ApiFigures figures;
    figures.AddPlayer("Dodgers", "Shohei Ohtani", "660271");
    ASSERT_EQ(
        ReadPlayerStatsFile(testing::kStatsApiData +
                                "/person_660271_hydrate_stats_season_yearByYear_career_gameLog_pitching.json",
                            figures.Stats()),
        "");
    FanGraphsLookup lookup = figures.Lookup();
    EXPECT_EQ(
        lookup({"Standard", "Full Season", "Pitchers"}, "Dodgers", "Shohei Ohtani", "", {"SV", "era", "UZR"}),
        (std::vector<std::string>{"0", "2.87", ""}));
    EXPECT_EQ(lookup({"Advanced", "Full Season", "Fielders"}, "Dodgers", "Shohei Ohtani", "P", {"UZR"}),
              std::vector<std::string>{""});
    EXPECT_FALSE(lookup({"Standard", "Full Season", "Pitchers"}, "Angels", "Shohei Ohtani", "", {"SV"}));
    EXPECT_FALSE(lookup({"Standard", "Full Season", "Pitchers"}, "Dodgers", "Someone Else", "", {"SV"}));
    EXPECT_EQ(figures.PlayerIds(), std::vector<std::string>{"660271"});

    PlayersTable players;
    players.AddRow();
    players.Set(kPlayerId, 1, "660271");
    players.Set(kPosition, 1, "P");
    players.AddRow();
    players.Set(kPlayerId, 2, "1");
    figures.FillSeasonFields(players);
    EXPECT_EQ(players.At(kPitcherEra, 1), "2.87");
    EXPECT_EQ(players.At(kPitcherSeasonInnings, 1), "47.0");
    EXPECT_EQ(players.At(kPitcherStrikeoutsPerNine, 1), "11.87");
    EXPECT_EQ(players.At(kPitcherSeasonWins, 1), "1");
    EXPECT_EQ(players.At(kBatterAverage, 2), "");
}

}  // namespace
}  // namespace quillbat
