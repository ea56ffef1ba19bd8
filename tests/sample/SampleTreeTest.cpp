// How requests map to the sample world's files, and that one seed always gives one world.

#include <gtest/gtest.h>

#include <set>

#include "SampleSettings.h"
#include "SampleTree.h"
#include "SampleWorld.h"
#include "platform/IniFile.h"
#include "platform/TextFunctions.h"

namespace quillbat::testing {
namespace {

using sample::HostFolder;
using sample::RequestFile;

TEST(SampleTree, HostFolderIsTheNameUnderLocalhost) {
    EXPECT_EQ(HostFolder("gd2.localhost:8080"), "gd2");
    EXPECT_EQ(HostFolder("NewYork.Yankees.LOCALHOST"), "newyork.yankees");
    EXPECT_EQ(HostFolder("fangraphs"), "fangraphs");
    EXPECT_EQ(HostFolder(""), "");
    EXPECT_EQ(HostFolder("localhost:80"), "localhost");
    EXPECT_EQ(HostFolder("../etc"), "");
    EXPECT_EQ(HostFolder("..:80"), "");
    EXPECT_EQ(HostFolder("a/b.localhost"), "");
}

TEST(SampleTree, QueryStringsNameOneFileHoweverTheyAreEscaped) {
    EXPECT_EQ(RequestFile("/team/roster_40man.jsp?c_id=nyy"), "team/roster_40man.jsp@c_id=nyy");
    EXPECT_EQ(RequestFile("/winss.aspx?team=Red Sox&pos=all"), "winss.aspx@team=Red%20Sox&pos=all");
    EXPECT_EQ(RequestFile("/winss.aspx?team=Red%20Sox&pos=all"),
              RequestFile("/winss.aspx?team=Red Sox&pos=all"));
    EXPECT_EQ(RequestFile("/a?x=1/2"), "a@x=1%2F2");
    EXPECT_EQ(RequestFile("/mlb/player/batvspitch/_/id/123/teamId/10"),
              "mlb/player/batvspitch/_/id/123/teamId/10");
    EXPECT_EQ(RequestFile("/folder/"), "folder/index.html");
}

TEST(SampleTree, PathsThatWouldLeaveTheHostFolderFindNothing) {
    for (const char* target :
         {"", "relative", "/../secret", "/a/../../b", "/a/%2e%2e/b", "/a//b", "/a/%2E%2E", "/x@y"})
        EXPECT_EQ(RequestFile(target), "") << target;
    EXPECT_FALSE(sample::TreePath("/root", "gd2.localhost", "/../x"));
    EXPECT_EQ(*sample::TreePath("/root", "gd2.localhost:1", "/a.xml"), "/root/gd2/a.xml");
}

// Thirty clubs of forty players with unique six-digit gameday ids and unique ESPN ids; another
// seed gives other players. (The same seed giving the same bytes is checked on the generator
// program, GeneratorProgramTest.cpp.)
TEST(SampleWorldSeed, ClubsOfFortyWithUniqueIdsAndOtherPlayersForOtherSeeds) {
    std::string teams = ReadFile(QUILLBAT_TEAMS_SQL);
    sample::World a, c;
    EXPECT_FALSE(sample::BuildWorld(c, "-- no clubs here\n", 7));
    EXPECT_TRUE(c.days.empty());
    ASSERT_TRUE(sample::BuildWorld(a, teams, 7) && sample::BuildWorld(c, teams, 8));
    ASSERT_EQ(a.teams.size(), 30u);
    std::set<std::string> ids, espnIds;
    for (const sample::Team& team : a.teams) {
        EXPECT_EQ(team.players.size(), 40u);
        for (const sample::Player& p : team.players) {
            EXPECT_TRUE(ids.insert(p.id).second && p.id.size() == 6 && IsAllDigits(p.id)) << p.id;
            EXPECT_TRUE(espnIds.insert(p.espnId).second) << p.espnId;
        }
    }
    EXPECT_NE(a.teams[0].players[25].name.Display() + a.teams[1].players[3].name.Display(),
              c.teams[0].players[25].name.Display() + c.teams[1].players[3].name.Display());
}

// The sources point at the server and other lines stay. (The hosts the program downloads from,
// and the output folder beside the program that fresh settings get, are used end to end by the
// sample-game tests.)
TEST(SampleSettings, PointsSourcesAtTheServerAndKeepsOtherLines) {
    TempFolder folder;
    std::string ini = folder.Write("Quillbat.ini",
                                   "[Config]\r\nOutputDir=/home/me/out\r\n[Options]\r\nFavoriteTeam=nyy\r\n");
    ASSERT_TRUE(sample::WriteSampleSettings(ini, 41234));
    const std::pair<const char*, const char*> sources[] = {{"GamedayHost", "http://gd2.localhost:41234"},
                                                           {"TeamSiteDomain", "localhost:41234"},
                                                           {"UpdateHost", "http://updates.localhost:41234"},
                                                           {"SampleData", "Y"},
                                                           {"Provider", "gameday"}};
    for (auto [key, value] : sources) EXPECT_EQ(ReadIniValue(ini, "Sources", key), value) << key;
    EXPECT_EQ(ReadIniValue(ini, "Config", "DefaultDate"), "07/04/2014");
    EXPECT_EQ(ReadIniValue(ini, "Config", "OutputDir"), "/home/me/out");
    EXPECT_EQ(ReadIniValue(ini, "Options", "FavoriteTeam"), "nyy");
}

}  // namespace
}  // namespace quillbat::testing
