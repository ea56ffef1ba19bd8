#include "gameday/PlayerData.h"

#include <gtest/gtest.h>

#include "GridSheet.h"
#include "NetTestSession.h"
#include "TestHttpServer.h"

namespace quillbat::testing {
namespace {

using namespace PlayerField;

TEST(PlayerData, ActivePlayersFromThePlayersTable) {
    GridSheet sheet({{"type", "name", "id", "first", "last", "num", "boxname", "rl", "position", "status",
                      "avg", "hr", "rbi", "wins", "losses", "era", "id2"},
                     {"away", "Visitors", "111", "Al", "Bat", "7", "Bat, A", "R", "SS", "A", ".250", "3", "9",
                      "", "", "", "501"},
                     {"away", "Visitors", "111", "Not", "Active", "8", "", "L", "C", "D15", "", "", "", "",
                      "", "", "502"},
                     {"home", "Hosts", "112", "Pete", "Arm", "30", "Arm", "L", "P", "A", ".100", "0", "0",
                      "5", "3", "3.5", "503"},
                     {"home", "Hosts", "112", "", "Ump", "", "", "", "", "", "", "", "", "", "", "", "99"}});
    PlayersTable players = PlayersFromTable(sheet);
    ASSERT_EQ(players.Rows(), 2);
    EXPECT_EQ(players.At(kPlayerId, 1), "501");
    EXPECT_EQ(players.At(kTeamName, 1), "Visitors");
    EXPECT_EQ(players.At(kBatterAverage, 1) + players.At(kBatterHomeRuns, 1) + players.At(kBatterRbi, 1),
              ".25039");
    EXPECT_EQ(players.At(kPitcherWins, 2) + "-" + players.At(kPitcherLosses, 2), "5-3");
    EXPECT_EQ(players.At(kPitcherEra, 2), "3.50");
}

TEST(PlayerData, SortsByCharacterCode) {
    PlayersTable players;
    for (const char* last : {"smith", "Smith", "Abbot", "Smith"}) {
        int p = players.AddRow();
        players.Set(kLastName, p, last);
        players.Set(kFirstName, p, std::to_string(p));
    }
    SortPlayersByName(players);
    std::string order;
    for (int p = 1; p <= players.Rows(); ++p)
        order += players.At(kLastName, p) + players.At(kFirstName, p) + " ";
    EXPECT_EQ(order, "Abbot3 Smith2 Smith4 smith1 ");
}

// A game or season file holding the given attributes, one element each, in order.
std::string File(const std::vector<std::pair<std::string, std::string>>& attributes) {
    std::string text = "<Player>";
    for (const auto& [name, value] : attributes) text += "<x " + name + "=\"" + value + "\"/>";
    return text + "</Player>";
}

// Ten splits before the two against the day's pitcher.
std::string BatterGameFile(const std::string& abA, const std::string& avgA, const std::string& abB,
                           const std::string& avgB) {
    std::vector<std::pair<std::string, std::string>> a = {{"bats", "L"}, {"throws", "R"}, {"ops", ".800"}};
    for (int i = 0; i < 10; ++i)
        a.insert(a.end(), {{"avg", ".999"}, {"ab", "99"}, {"hr", "9"}, {"rbi", "9"}});
    a.insert(a.end(), {{"avg", avgA}, {"ab", abA}, {"hr", "1"}, {"rbi", "2"}});
    a.insert(a.end(), {{"avg", avgB}, {"ab", abB}, {"hr", "0"}, {"rbi", "3"}});
    return File(a);
}

class PlayerFilesTest : public ::testing::Test {
protected:
    PlayerFilesTest() : server(site.path()) { net.settings.gamedayBaseUrl = server.Url(""); }
    int Add(const std::string& id, const std::string& position) {
        int p = players.AddRow();
        players.Set(kPlayerId, p, id);
        players.Set(kPosition, p, position);
        return p;
    }
    TempFolder site;
    TestHttpServer server;
    NetTestSession net;
    PlayersTable players;
};

TEST_F(PlayerFilesTest, GameFilesCombineTheTwoSplits) {
    site.Write("/g/batters/1.xml", BatterGameFile("10", ".300", "20", ".200"));
    site.Write("/g/batters/2.xml", BatterGameFile("0", ".300", "0", ".200"));
    site.Write("/g/pitchers/3.xml",
               File({{"bats", "R"}, {"throws", "L"}, {"w", "4"}, {"l", "2"}, {"sv", "1"}}));
    net.folder.Write("temp/4_game.xml", BatterGameFile("1", "1.000", "0", ".000"));  // left by an earlier run
    Add("1", "SS"), Add("2", "C"), Add("3", "P"), Add("4", "LF"), Add("../5", "RF");
    ReadPlayerGameFiles(net.session, server.Url("/g"), players,
                        [](const std::string& id) { return id != "4"; });
    EXPECT_EQ(players.At(kBatterSplitsAverage, 1) + " " + players.At(kBatterSplitsAtBats, 1), ".233 30");
    EXPECT_EQ(players.At(kBatterSplitsHomeRuns, 1) + " " + players.At(kBatterSplitsRbi, 1), "1 5");
    EXPECT_EQ(players.At(kBats, 1) + players.At(kThrows, 1) + players.At(kBatterOps, 1), "LR.800");
    EXPECT_EQ(players.At(kBatterSplitsAverage, 2) + players.At(kBatterSplitsAtBats, 2), "--");
    EXPECT_EQ(players.At(kThrows, 3) + players.At(kPitcherGameWins, 3) + players.At(kPitcherSaves, 3), "L41");
    EXPECT_EQ(players.At(kBatterSplitsAverage, 4), "1.000");
    EXPECT_EQ(server.RequestCount("/g/batters/4.xml"), 0);
    EXPECT_EQ(server.Requests().size(), 3u);  // the hostile id never became an address
    std::string log = ReadFile(net.settings.programLog);
    EXPECT_NE(log.find(" Skipped player id \"../5\": not all digits\r\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("Skipped"), log.rfind("Skipped")) << log;
}

TEST_F(PlayerFilesTest, SeasonRates) {
    site.Write(
        "/year_2014/pitchers/1.xml",
        File({{"s_ip", "45.2"}, {"s_h", "40"}, {"s_bb", "12"}, {"s_k", "50"}, {"w", "3"}, {"era", "2.10"}}));
    site.Write("/year_2014/pitchers/2.xml", File({{"s_ip", "0"}, {"s_h", "4"}}));
    site.Write("/year_2014/batters/3.xml", File({{"s_ab", "0"}}));
    site.Write("/year_2014/batters/4.xml", File({{"s_ab", "100"},
                                                 {"s_h", "30"},
                                                 {"s_single", "20"},
                                                 {"s_double", "5"},
                                                 {"s_triple", "1"},
                                                 {"s_hr", "4"}}));
    Add("1", "P"), Add("2", "P"), Add("3", "C"), Add("4", "CF");
    players.Set(kBatterOps, 3, ".650");
    players.Set(kBatterOps, 4, ".900");
    ReadPlayerSeasonFiles(net.session, "2014", players);
    EXPECT_EQ(players.At(kPitcherWhip, 1) + " " + players.At(kPitcherWalksPerNine, 1) + " " +
                  players.At(kPitcherStrikeoutsPerNine, 1) + " " + players.At(kPitcherSeasonInnings, 1),
              "1.14 2.4 10.0 45.2");
    EXPECT_EQ(players.At(kPitcherWhip, 2) + " " + players.At(kPitcherWalksPerNine, 2), "0.00 0.0");
    EXPECT_EQ(
        players.At(kBatterSlugging, 3) + players.At(kBatterSeasonAverage, 3) + players.At(kBatterOnBase, 3),
        ".000.000.650");
    EXPECT_EQ(players.At(kBatterSeasonAverage, 4) + " " + players.At(kBatterSlugging, 4) + " " +
                  players.At(kBatterOnBase, 4),
              ".300 .490 .410");  // (20 + 2*5 + 3*1 + 4*4) / 100 = .490
}

TEST(PlayerData, FanGraphsMergeAwayThenHomeForEachRequest) {
    PlayersTable players;
    for (const char* side : {"home", "away"}) {
        int p = players.AddRow();
        players.Set(kSide, p, side);
        players.Set(kFirstName, p, side);
        players.Set(kLastName, p, "X");
        players.Set(kPosition, p, "SS");
    }
    std::vector<std::string> asked;
    FanGraphsLookup lookup =
        [&](const FanGraphsQuery& r, const std::string& team, const std::string& name,
            const std::string& position,
            const std::vector<std::string>& stats) -> std::optional<std::vector<std::string>> {
        asked.push_back(r.group + "/" + r.split + "/" + r.kind + " " + team + " " + name + " " + position);
        if (name == "home X" && r.group == "Value") return std::nullopt;
        return stats;  // each figure's value is its own name
    };
    MergeFanGraphsFigures(lookup, {"", "Vis", ""}, {"", "Hos", ""}, players);
    ASSERT_EQ(asked.size(), 18u);
    EXPECT_EQ(asked[0], "Standard/Full Season/Batters Vis away X ");
    EXPECT_EQ(asked[1], "Standard/Full Season/Batters Hos home X ");
    EXPECT_EQ(asked[17], "Advanced/Full Season/Fielders Hos home X SS");
    EXPECT_EQ(players.At(kBatterPlateAppearances, 2), "PA");
    EXPECT_EQ(players.At(kAverageVsRight, 2), "AVG");
    EXPECT_EQ(players.At(kPitcherSaves, 2), "SV");
    EXPECT_EQ(players.At(kBatterWar, 2), "WAR");
    EXPECT_EQ(players.At(kBatterWar, 1), "");  // the failed lookup left it as it was
}

}  // namespace
}  // namespace quillbat::testing
