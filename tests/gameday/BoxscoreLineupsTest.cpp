#include "gameday/BoxscoreLineups.h"

#include <gtest/gtest.h>

#include "GridSheet.h"
#include "NetTestSession.h"
#include "TestText.h"
#include "gameday/GamedayAddresses.h"
#include "gameday/XmlToWorkbook.h"

namespace quillbat {
namespace {

using testing::GridSheet;
using namespace LineupField;

const std::vector<std::string> kHeader = {
    "team_flag",  "id",  "name_display_first_last",  "pos",  "w",  "l",   "era", "era2",
    "team_flag2", "id2", "name_display_first_last2", "pos2", "bo", "avg2"};

// A pitcher row of the box score's flat table, then a batter row.
std::vector<std::string> Pitcher(const std::string& side, const std::string& id, const std::string& name,
                                 const std::string& era) {
    return {side, id, name, "P", "5", "3", "9.99", era};
}
std::vector<std::string> Batter(const std::string& side, const std::string& id, const std::string& name,
                                const std::string& bo) {
    return {"", "", "", "", "", "", "", "", side, id, name, "SS", bo, ".250"};
}

struct Lookups {
    std::vector<std::string> asked;
    FanGraphsLookup Function() {
        return [this](const FanGraphsQuery& request, const std::string& team, const std::string& player,
                      const std::string&,
                      const std::vector<std::string>& stats) -> std::optional<std::vector<std::string>> {
            asked.push_back(player + "/" + request.split + "/" + stats.at(0));
            if (player == "Unknown Man") return std::nullopt;
            return std::vector<std::string>{team + ":" + stats.at(0)};
        };
    }
};

// Slots, sides and numbers are checked on real files below; here the odd cases and the figures.
TEST(BoxscoreLineups, StartersPitchersNamesAndFigures) {
    GridSheet box({kHeader, Pitcher("away", "10", "Away Starter", "3.5"),
                   Pitcher("away", "11", "Reliever", "1"), Batter("home", "20", "Holt, Brock", "100"),
                   Batter("home", "21", "Sub", "101"), Batter("home", "22", "Unknown Man", "200"),
                   Batter("home", "23", "Zero", "0"), Batter("home", "24", "Blank", ""),
                   Batter("home", "25", "Late", "902"), Pitcher("home", "30", "Home Starter", ""),
                   Batter("away", "31", "Away Lead", "100.0")});
    GridSheet players({{"id", "num", "id2"}, {"", "7", "20"}, {"", "45", "10"}, {"", "61", "30"}});
    Lookups lookups;
    LineupRequest request{"Visitors", "Hosts", true, lookups.Function()};
    LineupTable lineups;
    StartingPitcher away{"Probable (1-1, 1.00)", "99", ""}, home{"Other Probable", "98", ""};
    ReadLineupsFromTables(box, &players, request, lineups, away, home);

    ASSERT_EQ(lineups.Rows(), 3);
    EXPECT_EQ(lineups.At(kFanGraphsName, 1), "Brock Holt");
    EXPECT_EQ(lineups.At(kFanGraphsName, 2), "Unknown Man");
    EXPECT_EQ(lineups.At(kFanGraphsTeam, 1), "Hosts");
    EXPECT_EQ(lineups.At(kFanGraphsTeam, 3), "Visitors");
    EXPECT_EQ(lineups.At(kWar, 1), "Hosts:WAR");
    EXPECT_EQ(lineups.At(kWar, 2), "");  // a failed lookup leaves the field empty
    EXPECT_EQ(lineups.At(kAverageVsLeft, 3), "Visitors:AVG");
    EXPECT_EQ(lineups.At(kUniformNumber, 2), "");
    EXPECT_EQ(away.text, "Away Starter (5-3, 3.50)");
    EXPECT_EQ(home.text, "Home Starter (5-3, 0.00)");
    // WAR for each entry as it is read, then every vs L, then every vs R.
    EXPECT_EQ(lookups.asked,
              (std::vector<std::string>{"Brock Holt/Full Season/WAR", "Unknown Man/Full Season/WAR",
                                        "Away Lead/Full Season/WAR", "Brock Holt/vs L/AVG",
                                        "Unknown Man/vs L/AVG", "Away Lead/vs L/AVG", "Brock Holt/vs R/AVG",
                                        "Unknown Man/vs R/AVG", "Away Lead/vs R/AVG"}));
}

TEST(BoxscoreLineups, WithoutSplitsPlayersOrStartersTheInputsStay) {
    GridSheet box({kHeader, Batter("away", "1", "A", "100")});
    Lookups lookups;
    LineupTable lineups;
    StartingPitcher away{"Probable (1-1, 1.00)", "99", ""}, home;
    ReadLineupsFromTables(box, nullptr, {"V", "H", false, lookups.Function()}, lineups, away, home);
    EXPECT_EQ(lookups.asked, std::vector<std::string>{"A/Full Season/WAR"});
    EXPECT_EQ(lineups.At(kAverageVsRight, 1), "");
    EXPECT_EQ(away.text, "Probable (1-1, 1.00)");  // no pitcher row: the probable pitcher stays
    EXPECT_EQ(away.number, "99");
}

TEST(BoxscoreLineups, PitcherBattingForHimselfGetsBothNumbers) {
    GridSheet box({kHeader, Pitcher("away", "10", "Two Way", "2"), Batter("away", "10", "Two Way", "100"),
                   Batter("away", "12", "Other", "200")});
    GridSheet players({{"id", "num", "id2"}, {"", "17", "10"}});
    LineupTable lineups;
    StartingPitcher away, home;
    ReadLineupsFromTables(box, &players, {}, lineups, away, home);
    EXPECT_EQ(lineups.At(kUniformNumber, 1), "17");
    EXPECT_EQ(away.number, "17");
}

TEST(BoxscoreLineups, FirstNameFirst) {
    EXPECT_EQ(FirstNameFirst("Bradley Jr., Jackie"), "Jackie Bradley Jr.");
    EXPECT_EQ(FirstNameFirst("Ichiro"), "Ichiro");
    EXPECT_EQ(FirstNameFirst("Odd,"), " Odd");
}

// The lineups of one real game folder below `data`, as the expected-results file writes them.
std::string ReadGame(const std::string& data, const std::string& game, testing::NetTestSession& net) {
    std::string box =
        net.folder.Write(game + "/boxscore.xml", testing::ReadFile(data + game + "/boxscore.xml"));
    std::string players = testing::ReadFile(data + game + "/players.xml"), playersTable;
    if (!players.empty()) {
        std::string xml = net.folder.Write(game + "/players.xml", players);
        EXPECT_EQ(ConvertXmlToWorkbook(net.settings, xml), "");
        playersTable = FlatTablePath(xml);
    }
    EXPECT_EQ(ConvertXmlToWorkbook(net.settings, box), "");
    LineupTable lineups;
    StartingPitcher away, home;
    EXPECT_EQ(ReadBoxscoreLineups(FlatTablePath(box), playersTable, {}, lineups, away, home), "");
    std::string text;
    for (int e = 1; e <= lineups.Rows(); ++e) {
        text += "lineup";
        for (int field :
             {kSide, kBattingOrder, kBoxScoreName, kAverage, kPosition, kPlayerId, kUniformNumber})
            text += "\t" + lineups.At(field, e);
        text += "\n";
    }
    return text + "pitcher\taway\t" + away.text + "\t" + away.number + "\npitcher\thome\t" + home.text +
           "\t" + home.number + "\n";
}

// Real box scores and players files against what a reader of the files finds in them.
TEST(BoxscoreLineups, RealFilesGiveTheExpectedStartersAndPitchers) {
    const std::string data = QUILLBAT_TEST_DATA "/gameday/";
    auto games = testing::ExpectedCases(data + "expected_lineups.txt");
    EXPECT_EQ(games.size(), 3u);
    testing::NetTestSession net;
    for (const auto& [game, lines] : games) {
        std::string wanted;
        for (const std::string& line : lines) wanted += line + "\n";
        EXPECT_EQ(ReadGame(data, game, net), wanted) << game;
    }
    EXPECT_EQ(net.ErrorLog(), "");  // the conversions wrote no error line
}

}  // namespace
}  // namespace quillbat
