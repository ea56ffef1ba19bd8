// League and team averages: which requests are made, and the figure each heading finds.

#include "workbooks/Averages.h"

#include <gtest/gtest.h>

namespace quillbat {
namespace {

// Answers every request with the given columns and records it; "Cubs" is on no league table.
struct FakeFanGraphs {
    std::vector<std::string> calls;
    AveragesRequest Request() {
        return [this](const std::string& league, const std::string& row, const std::string& kind,
                      std::vector<StatColumn>& columns) {
            calls.push_back(league + " " + row + " " + kind);
            if (row == "Cubs") return std::string("Invalid player name");
            if (kind == "Batters")
                columns = {{"Team", row}, {"AVG", "0.245"}, {"K%", "20.1%"}, {"OPS", "1.245"}};
            else
                columns = {
                    {"Team", row}, {"AVG", "0.251"}, {"K%", "21.5%"}, {"K/9", "8.1234"}, {"BB/9", "3"}};
            return std::string();
        };
    }
};

TEST(AveragesTest, EachLeagueIsAskedOnceAndEachTeamOnItsLeaguesTable) {
    FakeFanGraphs site;
    AveragesTable table;
    GetLeagueAvgs(site.Request(), "AL", "AL", table);
    EXPECT_EQ(site.calls, (std::vector<std::string>{"AL Average Batters", "AL Average Pitchers"}));
    EXPECT_EQ(table.Rows(), 9);
    GetLeagueAvgs(site.Request(), "AL", "NL", table);
    EXPECT_EQ(table.Rows(), 18);  // emptied first
    EXPECT_EQ(site.calls.back(), "NL Average Pitchers");

    site.calls.clear();
    GetTeamAvgs(site.Request(), "Twins", "AL", "Cubs", "NL", table);
    EXPECT_EQ(site.calls, (std::vector<std::string>{"AL Twins Batters", "AL Twins Pitchers",
                                                    "NL Cubs Batters", "NL Cubs Pitchers"}));
    EXPECT_EQ(table.Rows(), 9);  // the unknown team's requests add nothing
    EXPECT_EQ(table.At(AverageField::kOwner, 9), "Twins");
}

TEST(AveragesTest, AHeadingFindsItsFigureInTheFormTheRostersPrint) {
    FakeFanGraphs site;
    AveragesTable teams, leagues;
    GetTeamAvgs(site.Request(), "Twins", "AL", "Cubs", "NL", teams);
    GetLeagueAvgs(site.Request(), "AL", "NL", leagues);
    struct Case {
        const char* stat;
        const char* owner;
        const char* expected;
    } cases[] = {
        {"ba", "Twins", ".245"},  // the batters' AVG, the name upper-cased first
        {"BAA", "Twins", ".251"},  // the pitchers' AVG
        {"OPS", "Twins", "1.245"},  // only a leading "0." loses its nought
        {"K%", "Twins", "20.1%"},  // both kinds have it: the batters' comes first
        {"BB/9", "Twins", "3.0"},  {"Team", "Twins", "Twins"},
        {"WAR", "Twins", ""},      {"BA", "Cubs", ""},  // a team the league table does not have
        {"K/9", "Cubs", ""},  // a missing rate stays empty rather than reading 0.0
        {"BA", "AL", ""},  // leagues live in the other table
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetTeamAvg(c.stat, c.owner, teams), c.expected) << c.stat << " " << c.owner;
    EXPECT_EQ(GetLeagueAvg("K/9", "NL", leagues), "8.1");
    EXPECT_EQ(GetLeagueAvg("k/9", "NL", leagues), "8.1234");  // the format test is exact
    EXPECT_EQ(GetLeagueAvg("BA", "NL", leagues), ".245");
    EXPECT_EQ(GetLeagueAvg("BA", "", leagues), "");
}

}  // namespace
}  // namespace quillbat
