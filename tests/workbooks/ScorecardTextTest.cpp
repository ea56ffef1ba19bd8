// What a scorecard shows of a batter and a pitcher.

#include "workbooks/ScorecardText.h"

#include <gtest/gtest.h>

#include "gameday/LineupTable.h"
#include "gameday/PlayersTable.h"

namespace quillbat {
namespace {

int AddBatter(LineupTable& lineups, const std::string& side, const std::string& slot, const std::string& name,
              const std::string& war = "", const std::string& vsLeft = "", const std::string& vsRight = "") {
    using namespace LineupField;
    int row = lineups.AddRow();
    lineups.Set(kSide, row, side);
    lineups.Set(kBattingOrder, row, slot);
    lineups.Set(kBoxScoreName, row, name);
    lineups.Set(kAverage, row, ".301");
    lineups.Set(kWar, row, war);
    lineups.Set(kAverageVsLeft, row, vsLeft);
    lineups.Set(kAverageVsRight, row, vsRight);
    return row;
}

TEST(ScorecardTextTest, PlayerTextAndHeadingFollowThePlayerFormat) {
    LineupTable lineups;
    int withWar = AddBatter(lineups, "away", "1", "Ortiz", "2.4", ".250", ".310");
    int blankWar = AddBatter(lineups, "away", "2", "Nava", "  ", "   ", ".277");
    struct Case {
        std::string format, heading, withWar, blankWar;
    } cases[] = {
        {"BA/WAR", "Player (BA / WAR)", "Ortiz (.301, 2.4 WAR)", "Nava (.301)"},
        {"BASplits", "Player (BA L/R splits)", "Ortiz (.250/.310)", "Nava (-/.277)"},
        {"BAOnly", "Player (BA)", "Ortiz (.301)", "Nava (.301)"},
        {"", "Player (BA)", "Ortiz (.301)", "Nava (.301)"},
        {"basplits", "Player (BA)", "Ortiz (.301)", "Nava (.301)"},  // the setting is read exactly
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(PlayerHeading(c.format), c.heading);
        EXPECT_EQ(PlayerText(c.format, lineups, withWar), c.withWar);
        EXPECT_EQ(PlayerText(c.format, lineups, blankWar), c.blankWar);
    }
}

TEST(ScorecardTextTest, TheFirstMatchingRowWins) {
    LineupTable lineups;
    AddBatter(lineups, "home", "1", "Home lead-off");
    int first = AddBatter(lineups, "away", "1", "First");
    AddBatter(lineups, "away", "1", "Second");
    AddBatter(lineups, "Away", "2", "Wrong case");
    EXPECT_EQ(FindLineupRow(lineups, "away", 1), first);
    EXPECT_EQ(FindLineupRow(lineups, "away", 2), 0);

    using namespace PlayerField;
    PlayersTable players;
    auto add = [&](const std::string& side, const std::string& number, const std::string& id,
                   const std::string& throws) {
        int row = players.AddRow();
        players.Set(kSide, row, side);
        players.Set(kUniformNumber, row, number);
        players.Set(kPlayerId, row, id);
        players.Set(kThrows, row, throws);
        players.Set(kBats, row, "B" + id);
    };
    add("home", "31", "100", "L");
    add("AWAY", "", "200", "R");  // a player without a number
    add("away", "31", "300", "S");
    add("away", "31", "300", "X");
    EXPECT_EQ(GetPitcherThrows(players, "away", "31"), "S");
    EXPECT_EQ(GetPitcherThrows(players, "away", ""), "R");
    EXPECT_EQ(GetPitcherThrows(players, "home", ""), "");
    EXPECT_EQ(GetPitcherThrows(players, "away", "31 "), "");
    EXPECT_EQ(LookupPlayerField(players, "300", kBats), "B300");
    EXPECT_EQ(LookupPlayerField(players, "999", kBats), "");
}

TEST(ScorecardTextTest, SplitCellAddressTakesTheColumnAndRowOfAnAbsoluteAddress) {
    struct Case {
        std::string address, column, row;
    } cases[] = {{"$B$10", "B", "10"}, {"$AB$7", "AB", "7"}, {"$C", "", ""}, {"$", "", ""}, {"", "", ""}};
    for (const Case& c : cases) {
        std::string column = "x", row = "y";
        SplitCellAddress(c.address, column, row);
        EXPECT_EQ(column, c.column) << c.address;
        EXPECT_EQ(row, c.row) << c.address;
    }
}

}  // namespace
}  // namespace quillbat
