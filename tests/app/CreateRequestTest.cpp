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
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "No Game Selected");
    EXPECT_EQ(ui.messages[0].text, "Please select the game you want to create scorecards for!");

    Flags(false, false, false, true);  // printing alone is no output
    EXPECT_FALSE(CheckCreateRequest(ctx, true));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].title, "No Output Selected");
    EXPECT_EQ(ui.messages[1].text, "Please check on which items you want to create!");
}

TEST_F(CreateRequestTest, MissingTemplateTurnsItsOutputOff) {
    dir.Write("Rosters Template.xlt", "t");
    Flags(true, true, false, false);
    EXPECT_TRUE(CheckCreateRequest(ctx, true));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Quillbat");
    EXPECT_EQ(ui.messages[0].text,
              "Could not locate scorecard template file:\r\n\r\n" + (dir / "Scorecard Template.xlt") + "!");
    EXPECT_FALSE(ctx.settings.createScorecards);
    EXPECT_TRUE(ctx.settings.createRosters);
}

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

TEST(GameContextTest, BuiltFromTheGameRecord) {
    using namespace GameField;
    GameTable games;
    games.AddRow();
    int g = games.AddRow();
    auto set = [&](int field, const char* value) { games.Set(field, g, value); };
    set(kAwayCity, "Texas");
    set(kAwayTeamName, "Rangers");
    set(kHomeCity, "LA Angels");
    set(kHomeTeamName, "Angels");
    set(kAwayWins, "12");
    set(kAwayLosses, "7");
    set(kAwayFileCode, "tex");
    set(kHomeFileCode, "ana");
    set(kAwayLeagueId, "103");
    set(kHomeLeagueId, "104");
    set(kAwayPitcherName, "Holland, D");
    set(kAwayPitcherNumber, "45");
    set(kAwayPitcherWins, "1");
    set(kAwayPitcherLosses, "1");
    set(kAwayPitcherEra, "1.64");
    set(kHomePitcherNumber, "55");  // a number without a name is not shown
    set(kVenue, "Angel Stadium");
    set(kGamedayId, "2014_04_22_texmlb_anamlb_1");
    TeamTables teams;
    teams.teams.AddRow();
    teams.teams.Set(TeamField::kFileCode, 1, "tex");
    teams.teams.Set(TeamField::kTeamName, 1, "Rangers");
    teams.teams.Set(TeamField::kCityName, 1, "Texas");

    GameContext c = BuildGameContext(games, g, teams, "04/22/2014");
    EXPECT_EQ(c.gameNumber, 2);
    EXPECT_EQ(c.away.title, "Texas Rangers (12-7)");
    EXPECT_EQ(c.home.title, "LA Angels");
    EXPECT_EQ(c.away.league, "AL");
    EXPECT_EQ(c.home.league, "NL");
    EXPECT_EQ(c.away.teamName, "Rangers");
    EXPECT_EQ(c.away.cityName, "Texas");
    EXPECT_EQ(c.home.teamName, "");
    EXPECT_EQ(c.away.pitcher, "Holland, D (1-1, 1.64)");
    EXPECT_EQ(c.away.pitcherNumber, "45");
    EXPECT_EQ(c.home.pitcher, "");
    EXPECT_EQ(c.home.pitcherNumber, "");
    EXPECT_EQ(c.venue, "Angel Stadium");
    EXPECT_EQ(c.gameFolder, "gid_2014_04_22_texmlb_anamlb_1");
    EXPECT_EQ(c.gameDate, "04/22/2014");
}

}  // namespace
}  // namespace quillbat
