#include "gameday/RosterPage.h"

#include <gtest/gtest.h>

#include "NetTestSession.h"
#include "TestHttpServer.h"
#include "platform/FileSystem.h"

namespace quillbat::testing {
namespace {

// Jr., III, St., de, de la and Van are read off the sample world's roster pages
// (tests/sample/SitePagesTest.cpp); these are the edges.
TEST(RosterPage, NormalizePlayerName) {
    struct Case {
        const char *first, *last, *wantFirst, *wantLast;
    } cases[] = {
        {"Jackie", "Jr.", "Jackie", "Jr."},  // one word: unchanged
        {"Jose De", "Leon", "Jose", "De Leon"},
        {" Ana Maria del ", " Rio", "Ana Maria", "del Rio"},
        {"Del Santos", "Lopez", "Del Santos", "Lopez"},  // the first word is never a particle
        {"Luis de Jesus de", "Cruz", "Luis de Jesus de", "Cruz"},
        {"Mary Van Der", "Berg", "Mary", "Van Der Berg"},
    };
    for (const Case& c : cases) {
        std::string first = c.first, last = c.last;
        NormalizePlayerName(first, last);
        EXPECT_EQ(first + "|" + last, std::string(c.wantFirst) + "|" + c.wantLast) << c.first;
    }
}

TEST(RosterPage, AddressesComeOnlyFromPlainNames) {
    EXPECT_EQ(RosterSubHost("St. Louis", "Cardinals"), "stlouis.cardinals");
    EXPECT_EQ(RosterPageUrl("mlb.com", "New York", "Yankees", "NYY"),
              "http://newyork.yankees.mlb.com/team/roster_40man.jsp?c_id=nyy");
    EXPECT_EQ(RosterSubHost("a/b", "x"), "");
    EXPECT_EQ(RosterPageUrl("mlb.com", "Boston", "Red Sox", "bos&x=1"), "");
    EXPECT_EQ(RosterPageUrl("mlb.com", "", "Red Sox", "bos"), "");
}

// A player's rows as the team site lays them out: number, link, then seven lines.
std::string Player(const std::string& number, const std::string& id, const std::string& name,
                   const std::string& status = "&nbsp;", const std::string& batsThrows = "R-R") {
    return "<td class=\"dg-jersey_number\">" + number + "</td>\n<td><a href=\"/player.jsp?player_id=" + id +
           "\">" + name + "</a></td>\n<td class=\"dg-status\">\n" + status +
           "\n</td>\n<td>6-1</td>\n<td>200</td>\n" + "<td>01/01/1990</td>\n<td class=\"dg-bats_throws\">" +
           batsThrows + "</td>\n</tr>\n";
}

// Every player of the sample world's pages, with his group, is read in the sample tests; these are
// what those pages lack: a link before the marker, a group the reader does not know and a
// bats-throws cell it cannot read.
TEST(RosterPage, OnlyLinesAfterTheMarkerCount) {
    std::vector<RosterEntry> roster = ReadRosterLines(
        "<a href=\"x?player_id=1\">Not Counted</a>\n<div id=\"team_table_results\">\n"
        "<th class=\"playernameHead\">Coaches</th>\n" +
        Player("3", "15", "Odd Cell", "&nbsp;", "Left"));
    ASSERT_EQ(roster.size(), 1u);
    EXPECT_EQ(roster[0].playerId + "|" + roster[0].positionGroup + "|" + roster[0].bats + roster[0].throws,
              "15||");
}

TEST(RosterPage, AVeryLongPageStopsAtTheLimit) {
    std::string page = "team_table_results\n";
    for (int i = 0; i < 150; ++i) page += Player("1", std::to_string(i), "A B");
    EXPECT_EQ(ReadRosterLines(page).size(), kMaxRosterEntries);
    EXPECT_TRUE(ReadRosterLines("no marker\n" + Player("1", "2", "A B")).empty());
}

TEST(RosterPage, FetchedFromTheTeamsSubHostWithoutLogLines) {
    TempFolder site;
    TestHttpServer server(site.path());
    NetTestSession net;
    site.Write("/team/roster_40man.jsp", "team_table_results\r\n" + Player("9", "42", "Joe Smith"));
    net.settings.sources.teamSiteDomain = "localhost:" + std::to_string(server.port());
    std::vector<RosterEntry> roster = ReadRosterPage(net.session, "New York", "Yankees", "nyy");
    ASSERT_EQ(roster.size(), 1u);
    EXPECT_EQ(roster[0].playerId, "42");
    EXPECT_TRUE(FileExists(net.settings.tempFolder + "/roster.htm"));
    EXPECT_EQ(net.History(), "");
    server.SetStatus("/team/roster_40man.jsp", 404);
    EXPECT_TRUE(ReadRosterPage(net.session, "New York", "Yankees", "nyy").empty());
}

}  // namespace
}  // namespace quillbat::testing
