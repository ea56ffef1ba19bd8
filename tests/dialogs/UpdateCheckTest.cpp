#include "dialogs/AutoUpdateCheck.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

#include "StartupFixture.h"
#include "TestHttpServer.h"
#include "app/frmCreateScorecard.h"
#include "cli/CliCommands.h"
#include "dialogs/ProgramIdentity.h"
#include "dialogs/UpdateInfo.h"

namespace quillbat {
namespace {

TEST(UpdateInfoTest, FirstMatchingLineOfThreeFields) {
    EXPECT_FALSE(FindUpdateLine("' Quillbat, 9.0.0, http://a\r\n", "Quillbat").found);
    UpdateLine line = FindUpdateLine(
        "\r\nQuillbat, 9.0.0, http://a, extra\r\nOther, 8.0.0, http://o\r\n"
        "  QUILLBAT ,  1.4.0 , http://b  \r\nQuillbat, 2.0.0, http://c\r\n",
        "Quillbat");
    EXPECT_TRUE(line.found);
    EXPECT_EQ(line.version, "1.4.0");
    EXPECT_EQ(line.downloadPage, "http://b");
    EXPECT_EQ(FindUpdateLine("quillbat, 1.0.1, http://lf\nOther, 1, x\n", "Quillbat").downloadPage,
              "http://lf");
}

TEST(UpdateInfoTest, NewerOnlyForThreeLaterParts) {
    const std::pair<const char*, bool> cases[] = {
        {"1.3.2", false},      {"1.3.3", true},  {"1.4.0", true},
        {"2.0.0", true},       {"1.2.9", false}, {"1.4", false},
        {"1.4.0.1", false},    {"1.x.9", false}, {"1.3.99999999999999999999", false},
        {" 1 . 3 . 10 ", true}};
    for (const auto& [version, newer] : cases) EXPECT_EQ(IsNewerVersion(version, 1, 3, 2), newer) << version;
}

// Records what the dialogs showed and answers as told.
struct FakeDialogs : UpdateDialogs {
    std::vector<UpdateState> newVersion, current;
    std::string answer;
    void ShowNewVersionAvailable(UpdateState& state) override {
        newVersion.push_back(state);
        state.downloadAnswer = answer;
    }
    void ShowVersionIsCurrent(UpdateState& state) override {
        current.push_back(state);
        state.autoCheckAnswer = answer;
    }
};

class UpdateCheckTest : public ::testing::Test {
protected:
    UpdateCheckTest() : server(f.root / "site") {
        f.CloseSources();
        WriteIniValue(f.Ini(), "Sources", "UpdateHost", server.Url(""));
        EXPECT_EQ(f.Start(ctx), "");
    }
    void Offer(const std::string& version) {
        f.root.Write("site/autoupdates/UpdateInfo.dat",
                     "' comment\r\nQuillbat, " + version + ", http://dl/page\r\n");
    }
    // Whether the check turns automatic checks on; a failed check leaves `enable` as it was.
    bool Check(bool silent, bool enable = false) {
        CheckForUpdate(ctx.settings, f.ui, dialogs, silent, enable);
        return enable;
    }
    std::string Next(int revisions) {
        const ProgramIdentity& p = ThisProgram();
        return std::to_string(p.major) + "." + std::to_string(p.minor) + "." +
               std::to_string(p.revision + revisions);
    }
    testing::StartupFixture f;
    AppContext ctx{f.ui};
    testing::TestHttpServer server;
    FakeDialogs dialogs;
};

TEST_F(UpdateCheckTest, NewerVersionShowsItsDialogEvenWhenSilent) {
    Offer(Next(1));
    Check(true);
    ASSERT_EQ(dialogs.newVersion.size(), 1u);
    EXPECT_EQ(dialogs.newVersion[0].programName, "Quillbat");
    EXPECT_EQ(dialogs.newVersion[0].yourVersion, Next(0));
    EXPECT_EQ(dialogs.newVersion[0].currentVersion, Next(1));
    EXPECT_TRUE(f.ui.opened.empty());  // answered No

    dialogs.answer = "Y";
    f.ui.SetOpenResult(2);
    Check(true);
    EXPECT_EQ(f.ui.opened, std::vector<std::string>{"http://dl/page"});
    EXPECT_EQ(f.ui.MessageLines(), std::vector<std::string>{"Error: Could not initiate web link!"});
    EXPECT_EQ(server.Requests().at(0).userAgent, "WinINet");
}

TEST_F(UpdateCheckTest, NothingNewerIsShownOnlyFromTheMenu) {
    Offer(Next(0));
    EXPECT_FALSE(Check(true));
    EXPECT_TRUE(dialogs.current.empty());
    dialogs.answer = "Y";  // the box ticked
    EXPECT_TRUE(Check(false));
    ASSERT_EQ(dialogs.current.size(), 1u);
    EXPECT_EQ(dialogs.current[0].currentVersion, Next(0));

    CheckForUpdateFromMenu(ctx.settings, f.ui, dialogs);
    EXPECT_EQ(ReadIniValue(f.Ini(), "Config", "AutoUpdate"), "Y");
    EXPECT_EQ(ctx.settings.autoUpdate, "");  // read again at the next start
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST_F(UpdateCheckTest, FailuresSayTheirCodeOnlyFromTheMenu) {
    EXPECT_TRUE(Check(true, true));  // 404: no file; the flag is left alone
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_TRUE(Check(false, true));
    ASSERT_EQ(f.ui.MessageLines(),
              std::vector<std::string>{"Error: Check for update failed with error code 404!"});
    EXPECT_EQ(f.ui.messages[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(dialogs.current.empty());
}

TEST_F(UpdateCheckTest, JunkFilesAndAHungServer) {
    std::string junk(3 << 20, '\0');
    for (std::size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>(i % 7 == 0 ? '\n' : i * 31);
    f.root.Write("site/autoupdates/UpdateInfo.dat", junk);
    EXPECT_FALSE(Check(false));
    EXPECT_EQ(dialogs.current.size(), 1u);
    EXPECT_TRUE(dialogs.newVersion.empty());

    server.SetSilent("/autoupdates/UpdateInfo.dat");
    TransferLimits quick = UpdateCheckLimits();
    quick.stallTimeoutMs = 300;
    bool enable = false;
    auto start = std::chrono::steady_clock::now();
    CheckForUpdate(ctx.settings, f.ui, dialogs, true, enable, quick);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_GT(f.ui.pumps, 1);  // the window kept its events going while it waited
}

TEST_F(UpdateCheckTest, CommandLineAnswersNo) {
    std::ostringstream out, err;
    auto run = [&] {
        out.str("");
        err.str("");
        return RunCli({"update-check"}, f.root / "prog", f.Inputs().environment, out, err);
    };
    EXPECT_EQ(run(), kExitFailure);
    EXPECT_EQ(err.str(), "Error: Check for update failed with error code 404!\n");
    Offer(Next(1));
    EXPECT_EQ(run(), kExitSuccess);
    EXPECT_EQ(out.str(), "newer version available: " + Next(1) + " (this is " + Next(0) + ")\n");
    EXPECT_EQ(err.str(), "New Version Available: A new version of Quillbat is available. Your version is: " +
                             Next(0) + " Current version is: " + Next(1) +
                             " Would you like to visit the website now to download it?\n");
    Offer(Next(0));
    EXPECT_EQ(run(), kExitSuccess);
    EXPECT_EQ(out.str(), "up to date: " + Next(0) + "\n");
    EXPECT_EQ(ReadIniValue(f.Ini(), "Config", "AutoUpdate"), "");
}

// The window's silent check against a server offering a newer version; every dialog of the
// check is closed as soon as it shows.
TEST_F(UpdateCheckTest, TheWindowsOwnDialogDoesNotStartTheCheckAgain) {
    Offer(Next(1));
    ctx.settings.autoUpdate = "Y";
    frmCreateScorecard window(ctx, Date{2014, 7, 4});
    int dialogsShown = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++dialogsShown;
            modal->close();
        }
    });
    closer.start(20);
    window.show();
    QApplication::setActiveWindow(&window);
    QTest::qWait(300);
    window.OnActivated();  // also what main() does once the event loop runs
    QTest::qWait(300);
    EXPECT_EQ(server.RequestCount("/autoupdates/UpdateInfo.dat"), 1);
    EXPECT_EQ(dialogsShown, 1);

    // Coming back from another program is a new activation.
    QEvent deactivate(QEvent::WindowDeactivate), activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &deactivate);
    QApplication::sendEvent(&window, &activate);
    QTest::qWait(300);
    EXPECT_EQ(server.RequestCount("/autoupdates/UpdateInfo.dat"), 2);
}

}  // namespace
}  // namespace quillbat
