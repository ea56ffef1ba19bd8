#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "GameWorld.h"
#include "app/frmCreateScorecard.h"

namespace quillbat {
namespace {

using testing::GameWorld;

constexpr const char* kScoreboardPath =
    "/components/game/mlb/year_2013/month_04/day_22/master_scoreboard.xml";

class WindowGameListTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteIniValue(world.Ini(), "Config", "DefaultDate", "04/22/2013");
        ASSERT_EQ(world.Start(ctx), "");
        window = std::make_unique<frmCreateScorecard>(ctx, Date{2014, 7, 4});
        window->show();
        window->activateWindow();
        window->OnActivated();  // offscreen windows are not always told they were activated
    }

    // Types into the date box and moves the focus on, as the Tab key does.
    void EnterDate(const QString& text) {
        window->txtGameDate->setFocus(Qt::TabFocusReason);
        window->txtGameDate->setText(text);
        window->chkCreateScorecards->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    GameWorld world;
    AppContext ctx{world.ui};
    std::unique_ptr<frmCreateScorecard> window;
};

TEST_F(WindowGameListTest, FirstActivationListsTheDateBoxGamesAndTheSameDateIsNotFetchedAgain) {
    EXPECT_EQ(window->cboGames->count(), 13);
    EXPECT_EQ(window->cboGames->currentText(), "Oakland at Boston");
    EXPECT_EQ(window->cboGames->currentData().toInt(), 1);
    EXPECT_TRUE(window->cmdCreate->isEnabled());
    EXPECT_EQ(world.ui.statuses.back(), "Select game and click 'Create'.");
    EnterDate("04/22/2013");
    EnterDate("042213");  // the same date typed another way
    EXPECT_EQ(window->txtGameDate->text(), "04/22/2013");
    EXPECT_EQ(world.server.RequestCount(kScoreboardPath), 1);
    EXPECT_TRUE(world.ui.messages.empty());
}

TEST_F(WindowGameListTest, NewDateIsReformattedAndFetched) {
    EnterDate("05.04.09");
    EXPECT_EQ(window->txtGameDate->text(), "05/04/2009");
    EXPECT_EQ(ctx.settings.selectedGameDate, "05/04/2009");
    EXPECT_EQ(window->cboGames->count(), 15);
    EXPECT_EQ(window->cboGames->itemText(1), "Boston at NY Yankees");
    EXPECT_TRUE(window->cmdCreate->isEnabled());
}

TEST_F(WindowGameListTest, InvalidDateKeepsTheFocusAndTheList) {
    EnterDate("12345");
    EXPECT_TRUE(window->txtGameDate->hasFocus());
    EXPECT_EQ(window->cboGames->count(), 13);
    EnterDate("");
    ASSERT_EQ(world.ui.MessageLines(),
              (std::vector<std::string>{"Oops: Invalid date!", "Quillbat: Invalid date!"}));
    EXPECT_EQ(world.ui.messages[1].icon, MsgIcon::None);
}

// A day the server does not have, and a day without games: the list is cleared when the date
// changes and stays empty.
TEST_F(WindowGameListTest, ADateWithoutAListLeavesItEmpty) {
    world.AddScoreboard("year_2014/month_12/day_25", "<games year=\"2014\" month=\"12\" day=\"25\"/>");
    for (auto [date, message] : {std::pair{"04/23/2013",
                                           "Error: Error attempting to get games for selected "
                                           "date!  See .LOG file for details."},
                                 {"12/25/2014", "No Games: No games scheduled for that date!"}}) {
        SCOPED_TRACE(date);
        world.ui.messages.clear();
        EnterDate(date);
        EXPECT_EQ(world.ui.MessageLines(), std::vector<std::string>{message});
        EXPECT_EQ(window->cboGames->count(), 0);
        EXPECT_EQ(window->cboGames->currentIndex(), -1);
        EXPECT_FALSE(window->cmdCreate->isEnabled());
        EXPECT_EQ(world.ui.statuses.back(), "Select game and click 'Create'.");
    }
}

}  // namespace
}  // namespace quillbat
