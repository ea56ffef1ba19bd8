// Baseball-Reference: team codes, tip attributes, rows of the three pitching tables on the
// sample pages and the league-average row of a captured page, the error texts, one download
// per team page.

#include <gtest/gtest.h>

#include "SampleSites.h"
#include "SitePages.h"
#include "TestText.h"
#include "sites/BaseballReference.h"

namespace quillbat::testing {
namespace {

using sample::PitchingLine;
using sample::Player;

BrcRequest Request(std::string team, std::string row, std::string table) {
    return {"2014", std::move(team), std::move(row), "", "Pitching", std::move(table)};
}

TEST(GetBRCTeamCode, GamedayCodesInTheSitesSpelling) {
    const char* cases[][2] = {{"sf", "SFG"},  {"CWS", "CHW"}, {"ANA", "LAA"}, {"LAA", "LAA"},
                              {"was", "WSN"}, {"kc", "KCR"},  {"nyy", "NYY"}, {"", ""}};
    for (const auto& c : cases) EXPECT_EQ(GetBRCTeamCode(c[0]), c[1]) << c[0];
}

TEST(RemoveTipAttribute, CutsTheFirstQuotedTipOnly) {
    const char* cases[][2] = {
        {R"(<th tip="Strikes<br>all" class="r">Str%</th>)", R"(<th  class="r">Str%</th>)"},
        {R"(<th tip="a" tip="b">X</th>)", R"(<th  tip="b">X</th>)"},
        {R"(<th data-tip="a">X</th>)", R"(<th data->X</th>)"},
        {R"(<th Tip="a">X</th>)", R"(<th Tip="a">X</th>)"},
        {R"(<th tip="open>X</th>)", R"(<th tip="open>X</th>)"},
    };
    for (const auto& c : cases) EXPECT_EQ(RemoveTipAttribute(c[0]), c[1]) << c[0];
}

// The captured 2022 table writes each row on one line and the name as the row's header cell; its
// header cells stand one a line.
TEST(ScrapeBRC, CapturedLeagueAverageRow) {
    const std::string against = "Team Batting Against";
    const std::pair<BrcRequest, std::string> cases[] = {
        {Request("ARI", "League Average", against),
         "ok | 26 | RA/G=4.28 BA=.243 OPS=.706 SO=1360 PAu= ROE=38 Tm="},
        {Request("ARI", "Arizona Diamondbacks", against), "ok | 26 | RA/G=4.57"},  // the name is a link
        {Request("ARI", "Atlanta Braves", against), "ok | 26 | BA=.226 SO=1554"},
        {Request("ARI", "Montreal Expos", against), "Invalid player name | 27 | BA= Tm="},
        {Request("ARI", "League Average", "Team Pitching Ratios"), "Invalid stat name | 0 |"}};
    for (const auto& [request, expected] : cases) {
        NetTestSession net;
        CachePage(net.settings, "brc",
                  net.settings.sources.baseballReferenceHost + "/teams/ARI/2014-pitching.shtml",
                  ReadFile(kSitesData + "br_2022_batting_against_excerpt.html"));
        EXPECT_EQ(Read(ScrapeBRC, net.session, request, expected), expected);
    }
}

TEST(ScrapeBRC, TablesWithoutHeaderAndCodesThatCannotBeAddresses) {
    NetTestSession net;
    CachePage(
        net.settings, "brc", net.settings.sources.baseballReferenceHost + "/teams/ARI/2014-pitching.shtml",
        "<h2>Team Pitching Pitches</h2>\n<thead>\n<tr><th>Rk</th></tr>\n</thead>\n<tr>\n<td>x</td>\n</tr>\n");
    EXPECT_EQ(Read(ScrapeBRC, net.session, Request("ARI", "x", "Team Pitching Pitches"), ""),
              "Could not locate stat description | 0 |");
    EXPECT_EQ(Read(ScrapeBRC, net.session, Request("NY/../X", "x", "Team Pitching Pitches"), ""),
              "Invalid team code: NY/../X | 0 |");
    EXPECT_EQ(net.History(), "");
}

// 10 MB of rows, one row of 100 cells: the table keeps 5000 rows of 51 cells.
TEST(ScrapeBRC, OversizedTablesAreCut) {
    NetTestSession net;
    std::string wide = "<tr >" + Repeat("<td>9</td>", 100) + "</tr>\n";
    CachePage(net.settings, "brc",
              net.settings.sources.baseballReferenceHost + "/teams/ARI/2014-pitching.shtml",
              "Team Pitching Pitches\n<thead>\n<th x>N</th>" + Repeat("<th>C</th>", 60) + "\n</thead>\n" +
                  wide + Repeat("<tr>\n<td>League Average</td><td>1</td>\n</tr>\n", 300'000));
    StatsRow row;
    EXPECT_EQ(ScrapeBRC(net.session, Request("ARI", "League Average", "Team Pitching Pitches"), row), "");
    EXPECT_EQ(row.ColumnCount(), 50);
    EXPECT_EQ(row.Value(1), "1");
    net.settings.debugMode = true;
    EXPECT_EQ(ScrapeBRC(net.session, Request("ARI", "9", "Team Pitching Pitches"), row), "");
    EXPECT_EQ(row.Value(50), "9");
    EXPECT_NE(ReadFile(net.settings.programFolder + "/debug_ScrapeBRC.txt").find("tot players = 5000\r\n"),
              std::string::npos);
}

std::string N(int n) { return std::to_string(n); }
// The sample pages leave a cell blank where the figure is 0.0.
std::string P1(double a, double b) {
    std::string text = sample::Fixed(100 * a / b, 1);
    return text == "0.0" ? "" : text;
}

// The sample pages: rows over several lines, the rank as an uncounted header cell, tip texts
// with markup, "*" after left-handers, a table inside a comment; each team page is fetched
// once for all six reads.
TEST(ScrapeBRC, SampleWorldPitcherAndLeagueRows) {
    const sample::Team& team = SampleTeam("sf");
    PitchingLine league;
    for (const sample::Team& t : TheWorld().teams)
        if (t.club.league == team.club.league)
            for (const Player& p : t.players) league.Add(p.pitching.season);
    SampleSession net;
    for (bool lefty : {false, true}) {
        const Player& pitcher = FirstPlayer(team, [&](const Player& p) {
            return p.IsPitcher() && p.pitching.season.bf > 0 && (p.throws == 'L') == lefty;
        });
        const PitchingLine& own = pitcher.pitching.season;
        std::string name = pitcher.name.Display(), average = "League Average";
        const std::pair<BrcRequest, std::string> cases[] = {
            {Request("SFG", name, "Team Pitching Pitches"),
             "ok | 11 | PA=" + N(own.bf) + " Pit=" + N(own.pitches) + " Name="},
            {Request("SFG", name, "Team Pitching Ratios"),
             "ok | 17 | SO%=" + P1(own.so, own.bf) + " HR%=" + P1(own.hr, own.bf)},
            {Request("SFG", name, "Team Batting Against"), "ok | 16 | SO=" + N(own.so) + " H=" + N(own.h)},
            {Request("SFG", average, "Team Pitching Pitches"),
             "ok | 11 | PA=" + N(league.bf) + " Str=" + N(league.strikes)},
            {Request("SFG", average, "Team Pitching Ratios"), "ok | 17 | BB%=" + P1(league.bb, league.bf)},
            {Request("SFG", average, "Team Batting Against"), "ok | 16 | HR=" + N(league.hr)}};
        for (const auto& [request, expected] : cases)
            EXPECT_EQ(Read(ScrapeBRC, net.session, request, expected), expected) << request.statName;
    }
    std::string url = net.settings.sources.baseballReferenceHost + "/teams/SFG/2014-pitching.shtml";
    EXPECT_EQ(Downloads(net.History(), url), 1);
}

}  // namespace
}  // namespace quillbat::testing
