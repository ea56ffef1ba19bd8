// FanGraphs: request codes and addresses, rows and averages from sample and captured pages,
// the error texts, and one download per address.

#include <gtest/gtest.h>

#include "SampleSites.h"
#include "SitePages.h"
#include "TestText.h"
#include "platform/TextFunctions.h"
#include "sites/FanGraphs.h"

namespace quillbat::testing {
namespace {

FanGraphsRequest Request(std::string team, std::string player, std::string kind, std::string split,
                         std::string group, std::string position = "") {
    return {"2014",          std::move(team),  std::move(player), std::move(position),
            std::move(kind), std::move(split), std::move(group)};
}

// The sample world's pages stand at the addresses of the requests in SampleWorldRequests; these
// are the others.
TEST(FanGraphsAddress, CodesModesAndPageNames) {
    struct Case {
        FanGraphsRequest request;
        std::string url, pageKind;
    } cases[] = {
        {Request("Cubs", "x", "Pitchers", "Full Season", "Plate Discipline"),
         "H/winss.aspx?team=Cubs&pos=all&stats=pit&qual=0&type=5&season=2014&month=0",
         "fangraphs_pit_player_Plate Discipline"},
        {Request("nl", "x", "Batters", "vs R", "Value"),
         "H/teams.aspx?pos=all&lg=nl&stats=bat&type=6&season=2014&month=0", "fangraphs_bat_league_Value"},
        {Request("AL", "x", "Fielders", "Full Season", "Advanced"),
         "H/teams.aspx?pos=all&lg=al&stats=fld&type=1&season=2014&month=0", "fangraphs_fld_league_Advanced"},
        {Request("", "x", "Batters", "vs R", "Pitch Value"),
         "H/winss.aspx?team=&pos=all&stats=bat&qual=0&type=7&season=2014&month=14",
         "fangraphs_bat_player_Pitch Value"},
    };
    Sources sources;
    sources.fanGraphsHost = "H";
    for (const Case& c : cases) {
        FanGraphsPage page;
        EXPECT_EQ(FanGraphsAddress(sources, c.request, page), "");
        EXPECT_EQ(page.url, c.url);
        EXPECT_EQ(page.pageKind, c.pageKind);
    }
}

TEST(FanGraphsErrors, RequestsThatFetchNothing) {
    struct Case {
        FanGraphsRequest request;
        std::string error;
    } cases[] = {
        {Request("Cubs", "x", "Catchers", "Full Season", "Standard"), "Invalid stat type: Catchers"},
        {Request("Cubs", "x", "Batters", "Full Season", "Fielding"), "Invalid stat name: Fielding"},
        {Request("Cubs", "x", "Pitchers", "Full Season", "standard"), "Invalid stat name: standard"},
        {Request("Cubs&season=1999", "x", "Batters", "Full Season", "Standard"),
         "Invalid team name: Cubs&season=1999"},
        {Request("../Cubs/", "x", "Batters", "Full Season", "Standard"), "Invalid team name: ../Cubs/"},
    };
    NetTestSession net;
    net.settings.sources.fanGraphsHost = "http://127.0.0.1:9";
    for (Case& c : cases) {
        StatsRow row;
        EXPECT_EQ(ScrapeFanGraphs(net.session, c.request, row), c.error);
        EXPECT_EQ(row.ColumnCount(), 0);
    }
    EXPECT_EQ(net.History(), "");
}

TEST(ScrapeFanGraphs, CapturedPages) {
    const std::string grid = "fg_team_batting_2019_grid.html";  // the 2019 club table, CR CR LF line ends
    auto advanced = [](std::string league, std::string team) {
        return Request(std::move(league), std::move(team), "Batters", "Full Season", "Advanced");
    };
    struct Case {
        std::string file;
        FanGraphsRequest request;
        std::string expected;
    } cases[] = {
        {grid, advanced("AL", "Astros"),
         "ok | 23 | Team=Astros #=1 Season=2019 G=2309 AVG=.274 bb%=10.1% WAR=40.8 UZR="},
        {grid, advanced("AL", "White Sox"), "ok | 23 | Team=WhiteSox wRC+=93 Def=-52.2"},
        // The average row: each figure with the decimals or percent sign of the first row's.
        {grid, advanced("NL", "Average"), "ok | 23 | Team=0 AVG=0.252 BB%=8.5% WAR=19.0 wRC+=97 G=2389"},
        {grid, advanced("AL", "Expos"), "Invalid player name | 23 | AVG="},
        // Header and row cells without the page around them: no "Export Data", no table head.
        {"fg_team_batting_2019_header_and_row.html", advanced("AL", "Astros"),
         "Invalid player name | 0 | Team="}};
    for (const Case& c : cases) {
        NetTestSession net;
        FanGraphsPage page;
        ASSERT_EQ(FanGraphsAddress(net.settings.sources, c.request, page), "");
        CachePage(net.settings, page.pageKind, page.url, ReadFile(kSitesData + c.file));
        EXPECT_EQ(Read(ScrapeFanGraphs, net.session, c.request, c.expected), c.expected);
    }
}

// Pages of noise: one 10 MB line of cells, of superscripts, or of random bytes.
TEST(ScrapeFanGraphs, NoisePagesEndCalmly) {
    std::string random(10'000'000, ' ');
    for (std::size_t i = 0; i < random.size(); ++i) random[i] = static_cast<char>((i * 2654435761u) >> 13);
    const std::string pages[] = {Repeat("Export Data<thead>rgHeader team=<td>x", 250'000),
                                 "Export Data team=<td>" + Repeat("<sup></sup>", 900'000) + "</td>", random};
    for (const std::string& page : pages) {
        NetTestSession net;
        FanGraphsRequest request = Request("AL", "Astros", "Batters", "Full Season", "Advanced");
        FanGraphsPage address;
        ASSERT_EQ(FanGraphsAddress(net.settings.sources, request, address), "");
        CachePage(net.settings, address.pageKind, address.url, page);
        StatsRow row;
        EXPECT_EQ(ScrapeFanGraphs(net.session, request, row), "Invalid player name");
        EXPECT_LE(row.ColumnCount(), 51);
    }
}

using sample::Player;

std::string Sum(const sample::Team& team, int (*figure)(const Player&)) {
    int sum = 0;
    for (const Player& p : team.players) sum += figure(p);
    return std::to_string(sum);
}

// Every kind of request the later stages make, on the sample world's Yankees.
TEST(ScrapeFanGraphs, SampleWorldRequests) {
    const sample::Team& team = SampleTeam("nyy");
    const Player& batter = FirstPlayer(team, [](const Player& p) { return p.starter && !p.IsPitcher(); });
    const Player& pitcher = FirstPlayer(team, [](const Player& p) { return p.starter && p.IsPitcher(); });
    // A bench player plays a second position first in the table, with fewer games.
    const Player& bench = FirstPlayer(team, [](const Player& p) {
        return !p.starter && !p.IsPitcher() && p.position != "DH" && p.position != "OF" &&
               p.gamesAtPosition >= 3;
    });
    const Player& outfielder = FirstPlayer(team, [](const Player& p) {
        return p.starter &&
               (p.position == "LF" || p.position == "CF" || p.position == "RF" || p.position == "OF");
    });
    std::string b = batter.name.Display(), p = pitcher.name.Display();
    const auto& season = batter.batting.season;
    std::string fielderGames = std::to_string(bench.gamesAtPosition - bench.gamesAtPosition / 3);
    std::string outfield = outfielder.position == "OF" ? "LF" : outfielder.position;
    const std::pair<FanGraphsRequest, std::string> cases[] = {
        {Request("Yankees", b, "Batters", "Full Season", "Standard"),
         "| Name=" + RemoveSpaces(b) + " PA=" + std::to_string(season.pa) +
             " AVG=" + sample::Rate3(season.Avg())},
        {Request("Yankees", batter.name.last + ", " + batter.name.first, "Batters", "Full Season", "Value"),
         "| WAR=" + sample::Fixed(batter.war, 1)},
        {Request("Yankees", b, "Batters", "vs L", "Standard"),
         "| AVG=" + sample::Rate3(batter.batting.vsLeft.Avg())},
        {Request("Yankees", b, "Batters", "vs R", "Standard"),
         "| AVG=" + sample::Rate3(batter.batting.vsRight.Avg())},
        {Request("Yankees", b, "Batters", "Full Season", "Advanced"), "| OBP=" + sample::Rate3(season.Obp())},
        {Request("Yankees", p, "Pitchers", "Full Season", "Standard"),
         "| SV=" + std::to_string(pitcher.pitching.season.sv)},
        {Request("Yankees", p, "Pitchers", "Full Season", "Advanced"),
         "| FIP=" + sample::Fixed(pitcher.fip, 2)},
        {Request("Yankees", p, "Pitchers", "Full Season", "Value"), "| WAR=" + sample::Fixed(pitcher.war, 1)},
        {Request("Yankees", bench.name.Display(), "Fielders", "Full Season", "Advanced", bench.position),
         "| Pos=" + bench.position + " G=" + fielderGames},
        {Request("Yankees", outfielder.name.Display(), "Fielders", "Full Season", "Standard", "OF"),
         "| Pos=" + outfield + " G=" + std::to_string(outfielder.gamesAtPosition)},
        {Request("AL", "Yankees", "Batters", "Full Season", "Advanced"),
         "| Team=Yankees PA=" + Sum(team, [](const Player& x) { return x.batting.season.pa; })},
        {Request("AL", "Yankees", "Pitchers", "Full Season", "Advanced"), "| Team=Yankees"}};
    SampleSession net;
    for (const auto& [request, expected] : cases) {
        std::string answer = Read(ScrapeFanGraphs, net.session, request, expected);
        EXPECT_EQ(answer.substr(0, 5), "ok | ") << answer;
        EXPECT_EQ(answer.substr(answer.rfind('|')), expected) << request.group << " " << request.playerName;
    }
}

// Many players on one page cost one download (how the page cache keeps one page a kind is
// PageCacheTest.cpp's).
TEST(ScrapeFanGraphs, OneDownloadPerAddress) {
    SampleSession net;
    net.settings.debugMode = true;
    int found = 0, batters = 0;
    for (const Player& p : SampleTeam("nyy").players) {
        batters += p.batting.season.pa > 0;
        FanGraphsRequest request = Request("Yankees", p.name.Display(), "Batters", "Full Season", "Standard");
        StatsRow row;
        found += ScrapeFanGraphs(net.session, request, row).empty();
    }
    // Pitchers who share a last name with a batter are matched to him (last name alone counts).
    EXPECT_GE(found, batters);
    std::string yankees = net.settings.sources.fanGraphsHost +
                          "/winss.aspx?team=Yankees&pos=all&stats=bat&qual=0&type=0&season=2014&month=0";
    EXPECT_EQ(Downloads(net.History(), yankees), 1);

    std::string dump = ReadFile(net.settings.programFolder + "/_debugScrapeFanGraphs_player.txt");
    EXPECT_NE(dump.find("url = " + yankees + "\r\n"), std::string::npos);
    EXPECT_NE(dump.find("error = Invalid player name\r\n"), std::string::npos);  // the pitchers
}

}  // namespace
}  // namespace quillbat::testing
