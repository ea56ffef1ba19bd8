// Closing the window while a download hangs stops it at once and runs the exit steps.

#include <QApplication>
#include <QCheckBox>
#include <QTimer>

#include <gtest/gtest.h>

#include "GameWorld.h"
#include "app/frmCreateScorecard.h"
#include "gameday/DownloadLogs.h"
#include "platform/FileSystem.h"

namespace quillbat {
namespace {

// The scripted answers, with the window's events really pumped, as the window's own Ui does.
class PumpingUi : public testing::ScriptedUi {
public:
    void PumpEvents() override {
        ScriptedUi::PumpEvents();
        QCoreApplication::processEvents();
    }
};

TEST(WindowClose, ClosingDuringAHungDownloadStopsItAndRunsTheExitSteps) {
    testing::GameWorld world;
    const std::string day = "/components/game/mlb/year_2013/month_04/day_22/master_scoreboard.xml";
    world.server.SetSilent(day);
    WriteIniValue(world.Ini(), "Config", "DefaultDate", "04/22/2013");
    PumpingUi ui;
    AppContext ctx(ui);
    ASSERT_EQ(world.Start(ctx), "");
    frmCreateScorecard window(ctx, Date{2014, 7, 4});
    window.show();
    window.chkCreateRosters->click();
    QTimer::singleShot(300, &window, [&window] { window.close(); });

    window.OnActivated();  // fetches the day's games; the server never answers

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(world.server.RequestCount(day), 1) << "no second try once stopped";
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ReadIniValue(world.Ini(), "LastRun", "CreateRosters"), "Y");
    EXPECT_FALSE(FileExists(HistoryFilePath(ctx.settings))) << "the temporary folder was emptied";
    EXPECT_FALSE(FileExists(ErrorLogPath(ctx.settings)));
}

}  // namespace
}  // namespace quillbat
