#include "app/frmCreateScorecard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "StartupFixture.h"
#include "platform/FileSystem.h"
#include "platform/IniFile.h"

namespace quillbat {
namespace {

using testing::StartupFixture;

class MainWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<frmCreateScorecard> Open(const std::string& commandLine = "") {
        f.CloseSources();
        EXPECT_EQ(f.Start(ctx, commandLine), "");
        return std::make_unique<frmCreateScorecard>(ctx, Date{2014, 7, 4});
    }
    StartupFixture f;
    AppContext ctx{f.ui};
};

TEST_F(MainWindowTest, ControlsAfterLoad) {
    auto w = Open();
    EXPECT_EQ(w->txtGameDate->text(), "07/04/2014");
    EXPECT_EQ(w->cboGames->count(), 0);
    EXPECT_FALSE(w->cmdCreate->isEnabled());
    EXPECT_TRUE(w->cmdTestStuff->isHidden());
    EXPECT_EQ(w->txtStatus->text(), "Enter game date and click 'Get Games' button.");
    EXPECT_TRUE(w->FirstActivationPending());
    w->OnActivated();
    EXPECT_FALSE(w->FirstActivationPending());
    // The status box takes no typing.
    w->SetStatusText("Retrieving game list...");
    QTest::keyClicks(w->txtStatus, "typed");
    QTest::keyClick(w->txtStatus, Qt::Key_Backspace);
    EXPECT_EQ(w->txtStatus->text(), "Retrieving game list...");
}

TEST_F(MainWindowTest, MenusInOrder) {
    auto w = Open();
    auto entries = [](QWidget* menu) {
        QStringList names;
        for (QAction* a : menu->actions()) names << (a->isSeparator() ? "-" : a->text());
        return names;
    };
    EXPECT_EQ(entries(w->menuBar()), (QStringList{"&File", "&Options", "&Help"}));
    EXPECT_EQ(entries(w->menuBar()->actions()[0]->menu()),
              (QStringList{"&View Example Output", "Open &Output Folder", "E&xit"}));
    EXPECT_EQ(
        entries(w->menuBar()->actions()[2]->menu()),
        (QStringList{"&ReadMe File", "R&elease Notes", "-", "&Check For Update", "-", "&About Quillbat"}));
}

TEST_F(MainWindowTest, TabOrderStartsAtDateBoxAndEndsAtStatus) {
    WriteIniValue(f.Ini(), "LastRun", "CreateScorecards", "Y");
    auto w = Open("-dev");
    std::vector<QWidget*> expected = {w->txtGameDate,
                                      w->cboGames,
                                      w->chkCreateScorecards,
                                      w->chkCreateRosters,
                                      w->chkCreatePitcherProfiles,
                                      w->chkPrintOutput,
                                      w->cmdCreate,
                                      w->cmdQuit,
                                      w->cmdTestStuff,
                                      w->txtStatus};
    auto nextTabStop = [](QWidget* from) {
        QWidget* next = from->nextInFocusChain();
        while (next != from && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
        return next;
    };
    for (std::size_t i = 0; i + 1 < expected.size(); ++i)
        EXPECT_EQ(nextTabStop(expected[i]), expected[i + 1]) << expected[i]->objectName().toStdString();
    EXPECT_FALSE(w->cmdTestStuff->isHidden());
}

TEST_F(MainWindowTest, CheckBoxesKeepFlagsAndCloseWritesThem) {
    WriteIniValue(f.Ini(), "LastRun", "CreateRosters", "Y");
    WriteIniValue(f.Ini(), "LastRun", "PrintOutput", "Y");
    auto w = Open();
    EXPECT_FALSE(w->chkCreateScorecards->isChecked());
    EXPECT_TRUE(w->chkCreateRosters->isChecked());
    EXPECT_TRUE(w->chkPrintOutput->isChecked());
    w->chkCreateScorecards->click();
    w->chkPrintOutput->click();
    EXPECT_TRUE(ctx.settings.createScorecards);
    EXPECT_FALSE(ctx.settings.printOutput);
    f.root.Write("tmp/quillbat/leftover.xml", "x");
    w->show();
    w->cmdQuit->click();
    EXPECT_EQ(ReadIniValue(f.Ini(), "LastRun", "CreateScorecards"), "Y");
    EXPECT_EQ(ReadIniValue(f.Ini(), "LastRun", "CreateRosters"), "Y");
    EXPECT_EQ(ReadIniValue(f.Ini(), "LastRun", "CreatePitcherProfiles"), "N");
    EXPECT_EQ(ReadIniValue(f.Ini(), "LastRun", "PrintOutput"), "N");
    EXPECT_FALSE(FileExists(f.root / "tmp/quillbat/leftover.xml"));
}

TEST_F(MainWindowTest, SampleDataIsSaidInTheStatus) {
    WriteIniValue(f.Ini(), "Sources", "SampleData", "Y");
    auto w = Open();
    EXPECT_EQ(w->txtStatus->text(),
              "Enter game date and click 'Get Games' button.   (sample data, not real games)");
    w->SetStatusText("");
    EXPECT_EQ(w->txtStatus->text(), "(sample data, not real games)");
}

}  // namespace
}  // namespace quillbat
