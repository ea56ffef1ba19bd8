#include "app/CreateRequest.h"
#include "app/GameContext.h"

#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "TempFolder.h"

namespace quillbat {
namespace {

using testing::ScriptedUi;
using testing::TempFolder;

class CreateRequestTest : public ::testing::Test {
protected:
    void SetUp() override { ctx.settings.templatesDir = dir.path(); }
    void Flags(bool scorecards, bool rosters, bool profiles, bool print) {
        ctx.settings.createScorecards = scorecards;
        ctx.settings.createRosters = rosters;
        ctx.settings.createPitcherProfiles = profiles;
        ctx.settings.printOutput = print;
    }
    TempFolder dir;
    ScriptedUi ui;
    AppContext ctx{ui};
};

TEST_F(CreateRequestTest, NothingListedOrNothingTicked) {
    Flags(true, false, false, false);
    EXPECT_FALSE(CheckCreateRequest(ctx, false));
    Flags(false, false, false, true);  // printing alone is no output
    EXPECT_FALSE(CheckCreateRequest(ctx, true));
    EXPECT_EQ(ui.MessageLines(),
              (std::vector<std::string>{
                  "No Game Selected: Please select the game you want to create scorecards for!",
                  "No Output Selected: Please check on which items you want to create!"}));
}

// One missing template is checked on a whole run (CreatePipelineTest.cpp).
TEST_F(CreateRequestTest, AllTemplatesMissingStopsQuietlyAfterTheirMessages) {
    Flags(true, true, true, false);
    EXPECT_FALSE(CheckCreateRequest(ctx, true));
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[1].text.rfind("Could not locate rosters template file:", 0), 0u);
    EXPECT_EQ(ui.messages[2].text, "Could not locate pitchers template file:\r\n\r\n" +
                                       (dir / "Starting Pitchers Profiles Template.xlt") + "!");
}

// The usual names and leagues are checked on a game record below.
TEST(GameContextTest, ANameInsideTheCityInAnyCaseAndUnknownLeagues) {
    EXPECT_EQ(CombineCityAndName("BOSTON", "boston"), "BOSTON");
    EXPECT_EQ(LeagueName("105"), "");
    EXPECT_EQ(LeagueName(""), "");
}

// The names, venue, game folder and a club's title with its record on real games are checked
// by the pipeline test and the sample game test.
TEST(GameContextTest, BuiltFromTheGameRecord) {
    using namespace GameField;
    GameTable games;
    games.AddRow();
    int g = games.AddRow();
    auto set = [&](int field, const char* value) { games.Set(field, g, value); };
    set(kHomeCity, "LA Angels");
    set(kHomeTeamName, "Angels");
    set(kHomeFileCode, "ana");
    set(kAwayLeagueId, "103");
    set(kHomeLeagueId, "104");
    set(kAwayPitcherName, "Holland, D");
    set(kAwayPitcherNumber, "45");
    set(kAwayPitcherWins, "1");
    set(kAwayPitcherLosses, "1");
    set(kAwayPitcherEra, "1.64");
    set(kHomePitcherNumber, "55");  // a number without a name is not shown

    GameContext c = BuildGameContext(games, g, TeamTables{}, "04/22/2014");
    EXPECT_EQ(c.gameNumber, 2);
    EXPECT_EQ(c.home.title, "LA Angels");  // the name is inside the city; no record
    EXPECT_EQ(c.away.league, "AL");
    EXPECT_EQ(c.home.league, "NL");
    EXPECT_EQ(c.home.teamName, "");  // from the team database, which lacks "ana", not the record
    EXPECT_EQ(c.away.pitcher, "Holland, D (1-1, 1.64)");
    EXPECT_EQ(c.away.pitcherNumber, "45");
    EXPECT_EQ(c.home.pitcher, "");
    EXPECT_EQ(c.home.pitcherNumber, "");
}

}  // namespace
}  // namespace quillbat
