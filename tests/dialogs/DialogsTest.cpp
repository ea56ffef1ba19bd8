#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "StartupFixture.h"
#include "dialogs/HyperText.h"
#include "dialogs/ProgramIdentity.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmAutoUpdateVersionIsCurrent.h"
#include "dialogs/frmOptions.h"
#include "platform/FileSystem.h"
#include "platform/IniFile.h"

namespace quillbat {
namespace {

class OptionsTest : public ::testing::Test {
protected:
    void Start() {
        f.CloseSources();
        ASSERT_EQ(f.Start(ctx), "");
        for (const char* folder : {"logos", "templates", "newtmp"}) CreateFolderPath(f.root / folder);
        ctx.settings.logosDir = f.root / "logos";
        ctx.settings.templatesDir = f.root / "templates";
    }
    testing::StartupFixture f;
    AppContext ctx{f.ui};
};

TEST_F(OptionsTest, SaveReportsTheFirstInvalidFolderOnly) {
    Start();
    frmOptions options(ctx);
    options.txtOutputDir->setText("");
    options.txtTemplatesDir->setText(QString::fromStdString(f.root / "missing"));
    options.cmdSave->click();
    ASSERT_EQ(f.ui.MessageLines(), std::vector<std::string>{"Folder Error: Invalid folder for Output!"});
    EXPECT_EQ(f.ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(options.result(), QDialog::Rejected);
    EXPECT_EQ(ReadIniValue(f.Ini(), "Options", "ScorecardPlayerFmt"), "");  // nothing saved
}

TEST_F(OptionsTest, LoadsOddValuesAndSavesWhatIsShown) {
    WriteIniValue(f.Ini(), "Options", "FavoriteTeam", "Gotham");
    WriteIniValue(f.Ini(), "Config", "AutoUpdate", "yes");
    WriteIniValue(f.Ini(), "Options", "SavePdf", "Y");
    Start();
    std::string longFolder = f.root / std::string(200, 'x');
    CreateFolderPath(longFolder);
    ctx.settings.logosDir = longFolder;
    frmOptions options(ctx);
    EXPECT_EQ(options.txtLogoFilesDir->text().toStdString(), longFolder);
    EXPECT_EQ(options.txtLogoFilesDir->toolTip().toStdString(), longFolder);
    EXPECT_TRUE(options.optBAOnly->isChecked());
    EXPECT_TRUE(options.chkAutoUpdateCheck->isChecked());
    EXPECT_TRUE(options.chkSavePdf->isChecked());
    EXPECT_EQ(options.cboFavoriteTeam->currentText(), "<no favorite>");
    EXPECT_EQ(options.cboFavoriteTeam->count(), 31);
    EXPECT_EQ(options.cboFavoriteTeam->itemText(1), "Arizona");

    std::string oldTemp = ctx.settings.tempFolder, oldRoot = ctx.settings.tempDirRoot;
    f.ui.SetPickedFolder(f.root / "newtmp");
    options.cmdBrowseTempStorage->click();
    f.ui.SetPickedFolder("");
    options.cmdBrowseOutputDir->click();  // cancelled: the box keeps its folder
    EXPECT_EQ(f.ui.pickTitles, (std::vector<std::string>{"Folder for Temp Storage", "Folder for Output"}));
    options.chkAutoUpdateCheck->setChecked(false);
    options.chkSavePdf->setChecked(false);
    options.cmdSave->click();
    EXPECT_EQ(options.result(), QDialog::Accepted);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(ReadIniValue(f.Ini(), "Options", "ScorecardPlayerFmt"), "BAOnly");
    EXPECT_EQ(ReadIniValue(f.Ini(), "Options", "FavoriteTeam"), "");
    EXPECT_EQ(ReadIniValue(f.Ini(), "Config", "AutoUpdate"), "N");
    EXPECT_EQ(ctx.settings.autoUpdate, "N");
    EXPECT_EQ(ReadIniValue(f.Ini(), "Options", "SavePdf"), "N");
    EXPECT_FALSE(ctx.settings.savePdf);
    EXPECT_EQ(ReadIniValue(f.Ini(), "Config", "LogosDir"), longFolder);
    EXPECT_EQ(ReadIniValue(f.Ini(), "Config", "TempDirRoot"), f.root / "newtmp");
    EXPECT_EQ(ctx.settings.tempDirRoot, oldRoot);  // this run keeps its temporary folder
    EXPECT_EQ(ctx.settings.tempFolder, oldTemp);
}

TEST(AboutTest, VersionLineTitleAndDescription) {
    ProgramIdentity p{"Quillbat", "Quillbat", "Quillbat", "  ", "(c) us", 1, 3, 2, "http://w", "a@b"};
    EXPECT_EQ(VersionLine(p), "Version 1.3 build 002");
    p.revision = 0;
    p.minor = 0;
    EXPECT_EQ(VersionLine(p), "Version 1.0");
    EXPECT_EQ(AboutTitle(p), "Quillbat");
    EXPECT_EQ(AboutDescription(p), "(c) us");
    p.fileDescription = "Scorecards";
    p.companyName = "Us";
    EXPECT_EQ(AboutTitle(p), "Quillbat - Scorecards");
    EXPECT_EQ(AboutDescription(p), "Us\r\n\r\n(c) us");
}

TEST(AboutTest, LinksOpenAndTurnVisitedOrSayWhyNot) {
    testing::ScriptedUi ui;
    frmAbout about(ui, ThisProgram());
    EXPECT_EQ(about.windowTitle(), "About Quillbat");
    EXPECT_EQ(about.lblWebLink->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QTest::mouseClick(about.lblEmailLink, Qt::LeftButton);
    EXPECT_EQ(ui.opened, std::vector<std::string>{"mailto:" + ThisProgram().supportEmail});
    EXPECT_EQ(about.lblEmailLink->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    ui.SetOpenResult(5);
    about.webLink->Label_Click();
    EXPECT_EQ(ui.opened.back(), ThisProgram().webPage);
    ASSERT_EQ(ui.MessageLines(), std::vector<std::string>{"Error: Could not start browser!"});
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(about.lblWebLink->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

TEST(UpdateDialogsTest, TheCloseBoxStillReportsTheTickedBox) {
    UpdateState state{"Quillbat", "1.3.2", "1.3.2", "", ""};
    frmAutoUpdateVersionIsCurrent dialog(state);
    EXPECT_EQ(dialog.lblNoUPdatesAvailable->text(),
              "No updates are available -- you have the current version of Quillbat!");
    dialog.show();
    dialog.chkAutoCheck->setChecked(true);
    dialog.close();
    EXPECT_EQ(state.autoCheckAnswer, "Y");
}

}  // namespace
}  // namespace quillbat
