// End to end on the present-day source: `quillbat-cli games` and `create` with Provider=statsapi
// against the sample server's Stats API answers; LibreOffice reads the away card and the rosters
// back, and they hold the sample world's players and figures; the profiles show the batters'
// career lines against the starter from the same source.

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

#include "LibreOfficeRun.h"
#include "SampleGameRun.h"
#include "Versus.h"
#include "World.h"
#include "Writers.h"

namespace quillbat {
namespace {

using testing::At;

const sample::Game& FirstGame(const sample::World& world) {
    for (const sample::Day& day : world.days)
        if (day.UsDate() == sample::kLineupsDay) return day.games.front();
    throw std::logic_error("no lineups day");
}

// The row of the rosters sheet whose name column holds the name, 0 when none does.
int RowNamed(const testing::Grid& sheet, int column, const std::string& name) {
    for (int row = 1; row <= static_cast<int>(sheet.size()); ++row)
        if (At(sheet, row, column) == name) return row;
    return 0;
}

TEST(StatsApiSampleGameTest, GamesAndCreateOnTheStatsApiShowTheSampleWorldsPlayersAndFigures) {
    if (!testing::HasLibreOffice()) GTEST_SKIP() << "LibreOffice is not installed";
    sample::World world;
    ASSERT_TRUE(sample::BuildWorld(world, testing::ReadFile(QUILLBAT_TEAMS_SQL), 2014));
    const sample::Game& game = FirstGame(world);
    testing::TempFolder root;
    testing::SampleGame server(root);

    std::string err, out;
    ASSERT_EQ(testing::RunSampleCli(root, server, {"games", "07/04/2014"}, err, "statsapi", &out), 0) << err;
    EXPECT_EQ(out.substr(0, out.find('\n')),
              "* " + game.away->club.teamCity + " at " + game.home->club.teamCity);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 15);

    const std::size_t before = server.Server().Requests().size();
    ASSERT_EQ(testing::RunSampleCli(root, server,
                                    {"create", "07/04/2014", "1", "--scorecards", "--rosters", "--profiles"},
                                    err, "statsapi"),
              0)
        << err;
    auto requests = server.Server().Requests();
    auto api = std::count_if(requests.begin() + before, requests.end(),
                             [](const std::string& r) { return r.starts_with("statsapi/"); });
    std::cout << "Stats API requests of the Create: " << api << "\n";
    // Nothing from the gameday tree or ESPN; the profiles' pitch figures still come from FanGraphs
    // and Baseball-Reference.
    EXPECT_EQ(
        std::count_if(requests.begin() + before, requests.end(),
                      [](const std::string& r) { return r.starts_with("gd2/") || r.starts_with("espn/"); }),
        0);
    EXPECT_LE(api, 11);  // a handful, whatever the size of the rosters, each response fetched once

    ASSERT_TRUE(testing::ConvertWithLibreOffice(
        root, "csv:Text - txt - csv (StarCalc):44,34,76,1",
        {root / "prog/Output/ScorecardAway.xls", root / "prog/Output/Rosters.xls",
         root / "prog/Output/Starting Pitchers Profiles.xls"}));
    testing::Grid card = testing::ReadCsv(testing::ReadFile(root / "out/ScorecardAway.csv"));
    testing::Grid rosters = testing::ReadCsv(testing::ReadFile(root / "out/Rosters.csv"));
    testing::Grid profiles = testing::ReadCsv(testing::ReadFile(root / "out/Starting Pitchers Profiles.csv"));

    // The home batters who have faced the away starter, by name, with their career lines.
    std::vector<std::string> versus, shown;
    for (const sample::Player& batter : game.home->players) {
        sample::BattingLine career = sample::VersusPitcher(batter, *game.awayStarter).Career();
        if (!batter.IsPitcher() && batter.status == "A" && career.pa > 0)
            versus.push_back(batter.name.last + ", " + batter.name.first + " " + sample::Rate3(career.Avg()) +
                             " " + std::to_string(career.ab) + " " + std::to_string(career.h) + " " +
                             std::to_string(career.hr));
    }
    std::sort(versus.begin(), versus.end());
    for (int row = 5; !At(profiles, row, 5).empty(); ++row)
        shown.push_back(At(profiles, row, 5) + " " + At(profiles, row, 6) + " " + At(profiles, row, 7) + " " +
                        At(profiles, row, 8) + " " + At(profiles, row, 9));
    ASSERT_FALSE(versus.empty());
    EXPECT_EQ(shown, versus);

    const sample::Team& away = *game.away;
    EXPECT_EQ(At(card, 1, 1), "Team: " + away.club.FullName() + " (" + std::to_string(away.wins) + "-" +
                                  std::to_string(away.losses) + ")");
    EXPECT_EQ(At(card, 2, 12), "Ballpark: " + game.home->club.venue);
    int slot = 0;
    for (const auto& [player, position] : away.Lineup(game.awayStarter, game.DesignatedHitter())) {
        int row = 6 + 3 * slot++;
        SCOPED_TRACE(player->name.Display());
        EXPECT_EQ(At(card, row, 2), player->number);
        EXPECT_EQ(At(card, row, 3),
                  player->name.Display() + " (" + sample::Rate3(player->batting.season.Avg()) + ")");
        EXPECT_EQ(At(card, row, 4), position);
        EXPECT_EQ(At(card, row, 5), std::string(1, player->bats));
    }
    const sample::PitchingLine& starter = game.awayStarter->pitching.season;
    EXPECT_EQ(At(card, 39, 1), game.awayStarter->name.Display() + " (" + std::to_string(starter.w) + "-" +
                                   std::to_string(starter.l) + ", " + sample::Fixed(starter.Era(), 2) + ")");

    // Every active player of the away club, with his season and sabermetric figures.
    for (const sample::Player& p : away.players) {
        if (p.status != "A") continue;
        SCOPED_TRACE(p.name.Display());
        const std::string name = p.name.last + ", " + p.name.first;
        int row = RowNamed(rosters, p.IsPitcher() ? 16 : 2, name);
        ASSERT_GT(row, 0);
        if (p.IsPitcher()) {
            EXPECT_EQ(At(rosters, row, 21), sample::Fixed(p.pitching.season.Era(), 2));
            EXPECT_EQ(At(rosters, row, 27), sample::Fixed(p.war, 1));
        } else {
            EXPECT_EQ(At(rosters, row, 9), sample::Rate3(p.batting.season.Avg()));
            EXPECT_EQ(At(rosters, row, 13), sample::Fixed(p.war, 1));
        }
    }
}

}  // namespace
}  // namespace quillbat
