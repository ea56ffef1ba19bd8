#include "statsapi/RosterReader.h"

#include <gtest/gtest.h>

#include "StatsApiData.h"

namespace quillbat {
namespace {

using namespace PlayerField;
using testing::kStatsApiData;

const std::string kRoster = kStatsApiData + "/team_134_roster_fullSeason_hydrate_person.json";

std::string Identity(const PlayersTable& p, int row) {
    return p.At(kSide, row) + " " + p.At(kTeamName, row) + " " + p.At(kFirstName, row) + " " +
           p.At(kLastName, row) + " #" + p.At(kUniformNumber, row) + " " + p.At(kPosition, row) + " " +
           p.At(kBoxScoreName, row) + " " + p.At(kPlayerId, row) + " " + p.At(kBats, row) + "/" +
           p.At(kThrows, row) + " " + p.At(kRlValue, row);
}

// The Pirates' whole-season roster: 57 entries, 38 of them active; names as the players go by.
TEST(RosterReaderTest, RealRosterActivePlayers) {
    PlayersTable players;
    ASSERT_EQ(ReadRosterFile(kRoster, "home", "Pirates", players), "");
    ASSERT_EQ(players.Rows(), 38);
    EXPECT_EQ(Identity(players, 1), "home Pirates Braxton Ashcraft #67 P Ashcraft, B 677952 L/R R");
    EXPECT_EQ(Identity(players, 4), "home Pirates Joey Bart #14 C Bart 663698 R/R R");
    EXPECT_EQ(Identity(players, 7), "home Pirates Bubba Chandler #57 P Chandler 696149 S/R R");
    EXPECT_EQ(Identity(players, 38), "home Pirates Nick Yorke #38 2B Yorke 694377 R/R R");
    int lefties = 0;
    for (int row = 1; row <= players.Rows(); ++row) lefties += players.At(kThrows, row) == "L";
    EXPECT_EQ(lefties, 3);  // Barco, Sisk, Suwinski
}

TEST(RosterReaderTest, ShapesOfRosters) {
    struct Case {
        const char* json;
        const char* error;
        int rows;
    } cases[] = {
        {R"({"roster": []})", "", 0},
        {R"({"roster": [{"person": {"id": 5}, "status": {"code": "A"}}, {"person": {"id": 6}}, 4]})", "", 1},
        {R"({"roster": [{"person": {"id": "5/../x"}, "status": {"code": "A"}}]})", "", 0},
        {R"({"roster": {"person": {}}})", "no roster in the response", 0},
        {R"({"teams": []})", "no roster in the response", 0},
    };
    for (const Case& c : cases) {
        PlayersTable players;
        EXPECT_EQ(ReadRoster(testing::Parsed(c.json), "away", "X", players), c.error) << c.json;
        EXPECT_EQ(players.Rows(), c.rows) << c.json;
    }
}

}  // namespace
}  // namespace quillbat
