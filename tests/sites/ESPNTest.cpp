// ESPN: team codes and ids, names turned surname first, the roster page's player ids, the
// batter-versus-pitcher table on odd markup and on the sample world, one download per page.

#include <gtest/gtest.h>

#include "SampleSites.h"
#include "SitePages.h"
#include "TestText.h"
#include "Versus.h"
#include "sites/ESPN.h"
#include "sites/EspnPages.h"

namespace quillbat::testing {
namespace {

using sample::Player;

TEST(EspnTeams, CodesAndIdsByFileCodeInAnyCase) {
    TeamTables tables = SampleTeamTables();
    EXPECT_EQ(GetESPNTeamCode(tables, "NYY"), "nyy");
    EXPECT_EQ(GetESPNTeamID(tables, "nyy"), "10");
    EXPECT_EQ(GetESPNTeamCode(tables, "xxx"), "");
    EXPECT_EQ(GetESPNTeamID(tables, ""), "");
}

TEST(FormatLastFirst, SplitsAtTheFirstSpace) {
    EXPECT_EQ(FormatLastFirst("Mike Trout"), "Trout, Mike");
    EXPECT_EQ(FormatLastFirst("Ken Griffin Jr."), "Griffin Jr., Ken");
    EXPECT_EQ(FormatLastFirst("Ichiro"), "Ichiro");
}

// A table's rows, "|" between their first `fields` fields and "; " between rows.
std::string Rows(const TextTable& table, int fields) {
    std::string out;
    for (int row = 1; row <= table.Rows(); ++row) {
        out += row > 1 ? "; " : "";
        for (int field = 1; field <= fields; ++field) out += (field > 1 ? "|" : "") + table.At(field, row);
    }
    return out;
}

TEST(ReadEspnRoster, PlayerLinksWithNumericIds) {
    EspnRoster roster = ReadEspnRoster(
        R"(<td><a href="http://x/mlb/player/_/id/101/a-b">Al Bee</a></td><td><a href="/MLB/Player/_/id/102/c">Cy Dee</a>)"
        "\n<a href=\"/mlb/player/_/id/103\">No Slash</a>\n"
        R"(<a href="/mlb/player/_/id/x1/e">Bad Id</a> <a href="/mlb/player/_/id/104/f">Ed Eff</a>)");
    EXPECT_EQ(Rows(roster.players, 3), "Al Bee||101; Cy Dee||102; Ed Eff||104");
    EXPECT_EQ(roster.skipped, 1);  // "x1"; the id without "/" finds no link text after it
}

// The page ends inside the second row.
TEST(ReadEspnBatterTable, RowsOverSeveralLines) {
    EspnBatterTable table = ReadEspnBatterTable(
        "<tr class=\"colhead\"><td>BATTER</td><td>AB</td><td>H</td><td>AVG</td></tr><tr class=\"oddrow\">"
        "<td><a href=\"/mlb/player/_/id/1/x\">ab "
        "Cee</a></td><td>10</td>\n<td>3</td>\n<td>.300</td>\n<td>extra</td>\n"
        "</tr><tr class=\"evenrow\"><td><a href=\"/mlb/player/_/id/2/y\n"
        "<tr><td><a href=\"/mlb/player/_/id/3/z\">Al Dee</a></td><td>4</td>\n<td>1</td>");
    EXPECT_EQ(table.columnNames, (std::vector<std::string>{"Batter", "AB", "H", "AVG"}));
    EXPECT_EQ(Rows(table.batters, 5), "ab Cee|10|3|.300|; Al Dee|4|1||");  // "extra" has no column
}

TEST(ReadEspnBatterTable, NoisePagesEndCalmly) {
    std::string links = Repeat("/mlb/player/_/id/1/", 500'000);
    EXPECT_EQ(ReadEspnRoster(links + "\">x</a>").players.Rows(), 5000);
    EspnBatterTable table =
        ReadEspnBatterTable("<td>BATTER</td><td>AB</td><tr " + links + "\n" +
                            Repeat("<tr><a href=\"/mlb/player/_/id/1/\">A B</a>\n", 300'000));
    EXPECT_EQ(table.batters.Rows(), 5000);
}

// The first sample game: the away club's starting pitcher and the home club's batters who have
// faced him.
const sample::Game& FirstGame() { return TheWorld().days.front().games.front(); }

TEST(ScrapeESPN, SampleWorldBattersSortedByName) {
    const sample::Game& game = FirstGame();
    std::vector<std::pair<std::string, sample::BattingLine>> expected;
    for (const Player& batter : game.home->players) {
        sample::BattingLine career = sample::VersusPitcher(batter, *game.awayStarter).Career();
        if (!batter.IsPitcher() && batter.status == "A" && career.pa > 0)
            expected.emplace_back(batter.name.last + ", " + batter.name.first, career);
    }
    std::sort(expected.begin(), expected.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    ASSERT_FALSE(expected.empty());

    std::string shown;
    for (const auto& [name, career] : expected)
        shown += name + " " + std::to_string(career.ab) + " " + sample::Rate3(career.Avg()) + "; ";

    SampleSession net;
    TeamTables tables = SampleTeamTables();
    EspnRequest request{game.away->club.fileCode, game.awayStarter->name.Display(), "",
                        game.home->club.fileCode};
    for (int call = 0; call < 2; ++call) {
        BatterVersusPitcher result;
        ASSERT_EQ(ScrapeESPN(net.session, tables, request, result), "");
        EXPECT_EQ(result.columns.ColumnName(1), "Batter");
        std::string read;
        for (const StatsRow& row : result.batters)
            read += GetStat("Batter", row) + " " + GetStat("AB", row) + " " + GetStat("AVG", row) + "; ";
        EXPECT_EQ(read, shown);
    }
    const std::string& host = net.settings.sources.espnHost;
    EXPECT_EQ(Downloads(net.History(), host + "/mlb/teams/roster?team=" + game.away->club.espnCode), 1);
    EXPECT_EQ(Downloads(net.History(), host + "/mlb/player/batvspitch/_/id/" + game.awayStarter->espnId +
                                           "/teamId/" + game.home->club.espnTeamId),
              1);
}

TEST(ScrapeESPN, ErrorsWithoutIdsOrPage) {
    const sample::Game& game = FirstGame();
    SampleSession net;
    TeamTables tables = SampleTeamTables();
    BatterVersusPitcher result;
    const std::string& own = game.away->club.fileCode;
    std::string pitcher = game.awayStarter->name.Display();
    // A player not on the roster page: no address is made with an empty id.
    EXPECT_EQ(ScrapeESPN(net.session, tables, {own, "Nobody Known", "", game.home->club.fileCode}, result),
              "No ESPN player id for Nobody Known");
    EXPECT_EQ(ScrapeESPN(net.session, tables, {own, pitcher, "", "xxx"}, result), "No ESPN team id for xxx");
    EXPECT_EQ(
        Downloads(net.History(), net.settings.sources.espnHost + "/mlb/player/batvspitch/_/id//teamId/" +
                                     game.home->club.espnTeamId),
        0);
    // No page for the pitcher against his own club: the download's error as it came.
    EXPECT_EQ(ScrapeESPN(net.session, tables, {own, pitcher, "", own}, result),
              "Download failed: error = open url failed");
    EXPECT_TRUE(result.batters.empty());
}

}  // namespace
}  // namespace quillbat::testing
