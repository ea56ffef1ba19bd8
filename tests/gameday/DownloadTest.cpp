// Downloads against the loopback test server: results, local files, logs and the bounds
// that keep a bad server from hanging or flooding the program.

#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "NetTestSession.h"
#include "TestHttpServer.h"
#include "gameday/DownloadLogs.h"
#include "gameday/Transfer.h"

namespace quillbat::testing {
namespace {

const std::string kStamp = R"(\d\d\.\d\d\.\d{4} \d\d:\d\d)";

class DownloadTest : public ::testing::Test {
protected:
    DownloadTest() : server(site.path()) {}

    std::string Local(const std::string& name) const { return net.settings.tempFolder + "/" + name; }

    TempFolder site;
    TestHttpServer server;
    NetTestSession net;
};

TEST_F(DownloadTest, TxtNameReceivesThePageTextOtherNamesTheRawBody) {
    site.Write("/p.htm", "<p>Line\tone</p>\n\n<b>two</b>\n");
    ASSERT_EQ(DownloadFile(net.session, server.Url("/p.htm"), Local("page.TxT")), "");
    ASSERT_EQ(DownloadFile(net.session, server.Url("/p.htm"), Local("page.htm")), "");
    EXPECT_EQ(ReadFile(Local("page.TxT")), "Lineone\r\ntwo\r\n");
    EXPECT_EQ(ReadFile(Local("page.htm")), "<p>Line\tone</p>\n\n<b>two</b>\n");
}

// An error status (even with a body), a refused connection, a gameday "not found" page, a cut-off
// or oversized body and a local file that cannot be written each fail with their own error and
// leave no file. Without a register of refusing sites, a 403 is retried like any failure.
TEST_F(DownloadTest, FailuresLeaveNoFile) {
    for (int status : {400, 403, 500, 503})
        server.SetStatus("/s" + std::to_string(status), status, "<games/>");
    site.Write("/stub.xml", "GameDay - 404 NOT Found");
    site.Write("/big.xml", std::string(100'000, 'x'));
    server.SetTruncated("/big.xml", 5'000);
    site.Write("/huge.bin", std::string(300'000, 'y'));
    net.session.limits.maxBytes = 200'000;
    // The address of a server that stopped at the end of this line: its port refuses connections.
    const std::string refused = TestHttpServer(TempFolder().path()).Url("/x.xml");
    const std::string open = "Download failed: error = open url failed",
                      read = "Download failed: error = read url failed";
    const std::pair<std::string, std::string> cases[] = {
        {server.Url("/s400"), open},
        {server.Url("/s403"), open},
        {server.Url("/s500"), open},
        {server.Url("/s503"), open},
        {refused, open},
        {server.Url("/stub.xml"), "Download failed: error = GameDay - 404 NOT Found"},
        {server.Url("/big.xml"), read},
        {server.Url("/huge.bin"), read}};
    for (const auto& [url, error] : cases) {
        EXPECT_EQ(DownloadFile(net.session, url, Local("f.xml")), error) << url;
        EXPECT_FALSE(FileExists(Local("f.xml"))) << url;
    }
    EXPECT_EQ(server.RequestCount("/big.xml"), 2);
    EXPECT_EQ(server.RequestCount("/s403"), 2);
    std::string log = net.ErrorLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 8) << "one error-log line for each";
    EXPECT_NE(log.find("GameDay - 404 NOT Found URL = "), std::string::npos);
    site.Write("/a.xml", "<a/>");
    std::string unwritable = net.settings.tempFolder + "/no such folder/a.xml";
    EXPECT_EQ(DownloadFile(net.session, server.Url("/a.xml"), unwritable),
              "Download failed: error = cannot write " + unwritable);
}

TEST_F(DownloadTest, RetrySucceedsAfterOneFailure) {
    site.Write("/flaky.xml", "<ok/>");
    server.SetStatus("/flaky.xml", 500, "busy", 1);
    EXPECT_EQ(DownloadFile(net.session, server.Url("/flaky.xml"), Local("flaky.xml")), "");
    EXPECT_EQ(ReadFile(Local("flaky.xml")), "<ok/>");
    EXPECT_EQ(server.RequestCount("/flaky.xml"), 2);
    EXPECT_FALSE(FileExists(ErrorLogPath(net.settings)));
}

TEST_F(DownloadTest, SilentServerTimesOutWhileTheEventsArePumped) {
    server.SetSilent("/never.xml");
    EXPECT_EQ(DownloadFile(net.session, server.Url("/never.xml"), Local("never.xml")),
              "Download failed: error = open url failed");
    EXPECT_GT(net.ui.pumps, 0);
    EXPECT_EQ(server.RequestCount("/never.xml"), 2);
}

TEST_F(DownloadTest, ADownloadEndsAtItsOverallTimeLimitEvenWhileBytesMayStillCome) {
    site.Write("/slow.xml", "<slow/>");
    server.SetLatency(std::chrono::milliseconds(2000));
    TransferLimits limits = net.session.limits;
    limits.stallTimeoutMs = 10'000;
    limits.totalTimeoutMs = 200;
    TransferResult result = RunTransfer({server.Url("/slow.xml"), "GetData"}, limits, net.ui);
    EXPECT_EQ(result.failedAt, TransferStage::Open);
    EXPECT_EQ(result.reason, "not finished after 200 ms");
}

TEST_F(DownloadTest, TenMegabytesOfRandomBytesArriveUnchanged) {
    std::string body(10u << 20, '\0');
    std::mt19937 random(5);
    for (char& c : body) c = static_cast<char>(random());
    site.Write("/random.bin", body);
    net.session.limits.stallTimeoutMs = 5000;  // a loaded machine may pause a large transfer briefly
    ASSERT_EQ(DownloadFile(net.session, server.Url("/random.bin"), Local("random.bin")), "");
    EXPECT_TRUE(ReadFile(Local("random.bin")) == body);
}

TEST_F(DownloadTest, FollowsAtMostFiveRedirects) {
    site.Write("/r/end.xml", "<end/>");
    for (int i = 0; i < 6; ++i) {
        server.SetRedirect("/r/" + std::to_string(i), i == 5 ? "/r/end.xml" : "/r/" + std::to_string(i + 1));
    }
    EXPECT_EQ(DownloadFile(net.session, server.Url("/r/1"), Local("five.xml")), "");
    EXPECT_EQ(ReadFile(Local("five.xml")), "<end/>");
    EXPECT_EQ(DownloadFile(net.session, server.Url("/r/0"), Local("six.xml")),
              "Download failed: error = open url failed");
}

// A blank in an address is sent encoded; a file address reads the file.
TEST_F(DownloadTest, AddressesWithBlanksAndFileAddressesFetchTheirFile) {
    std::string path = site.Write("/team pages/roster 40.htm", "<html>roster</html>");
    for (const std::string& url : {server.Url("/team pages/roster 40.htm"), "file://" + path}) {
        EXPECT_EQ(DownloadFile(net.session, url, Local("roster.htm")), "") << url;
        EXPECT_EQ(ReadFile(Local("roster.htm")), "<html>roster</html>") << url;
    }
}

TEST_F(DownloadTest, FetchUrlTextGivesTheRawBodyOrAnErrorCode) {
    site.Write("/UpdateInfo.dat", "Version=1.2\r\n<b>x</b>");
    UrlText fetched = FetchUrlText(net.session, server.Url("/UpdateInfo.dat"));
    EXPECT_EQ(fetched.errorCode, 0);
    EXPECT_EQ(fetched.text, "Version=1.2\r\n<b>x</b>");
    EXPECT_EQ(server.Requests().back().userAgent, "WinINet");

    EXPECT_EQ(FetchUrlText(net.session, server.Url("/gone.dat")).errorCode, 404);
    EXPECT_EQ(server.RequestCount("/gone.dat"), 1) << "a single pass";
    EXPECT_FALSE(FileExists(HistoryFilePath(net.settings)));
}

// Files fetched together from a slow server come out as if fetched one by one: the same files,
// errors, history and error log in the given order; no more requests at once than the setting
// allows. Each request asks for a fresh copy; a failure is retried once and keeps the older copy
// of its file.
TEST_F(DownloadTest, FilesFetchedTogetherKeepTheirOrderEverywhere) {
    net.settings.sources.maxConnections = 3;
    server.SetLatency(std::chrono::milliseconds(100));
    server.SetSilent("/f4.xml");
    WriteFileAtomically(Local("f3.xml"), "older copy");
    std::vector<DownloadRequest> files;
    std::string history, errorLog;
    for (int i = 0; i < 7; ++i) {
        std::string name = "/f" + std::to_string(i) + ".xml";
        if (i != 3 && i != 4) site.Write(name, "<f" + std::to_string(i) + "/>");
        files.push_back({server.Url(name), Local(name.substr(1))});
        history +=
            kStamp + " " + files.back().url + "\r\n" + kStamp + "  to " + files.back().localPath + "\r\n";
        if (i == 3 || i == 4) {
            history += kStamp + "  ERROR: Download failed: error = open url failed\r\n";
            errorLog +=
                kStamp + " Download failed: error = open url failed URL = " + files.back().url + "\r\n";
        }
    }

    std::vector<std::string> errors = DownloadFiles(net.session, files);

    for (int i = 0; i < 7; ++i) {
        bool fails = i == 3 || i == 4;
        EXPECT_EQ(errors[i], fails ? "Download failed: error = open url failed" : "") << i;
        EXPECT_EQ(ReadFile(files[i].localPath), i == 3  ? "older copy"
                                                : fails ? ""
                                                        : "<f" + std::to_string(i) + "/>")
            << i;
    }
    EXPECT_TRUE(std::regex_match(net.History(), std::regex(history))) << net.History();
    EXPECT_TRUE(std::regex_match(net.ErrorLog(), std::regex(errorLog))) << net.ErrorLog();
    EXPECT_EQ(server.RequestCount("/f3.xml"), 2);
    EXPECT_EQ(server.RequestCount("/f0.xml"), 1);
    for (const RecordedRequest& r : server.Requests())
        EXPECT_EQ(r.userAgent + "|" + r.cacheControl + "|" + r.pragma, "GetData|no-cache|no-cache") << r.path;
    EXPECT_LE(server.MostRequestsAtOnce(), 3);
    EXPECT_GE(server.MostRequestsAtOnce(), 2) << "fetched together, not one by one";
}

TEST_F(DownloadTest, AStopEndsEveryFileOfABatchWithoutErrorLogLines) {
    struct StoppingUi : ScriptedUi {
        void PumpEvents() override {
            if (++pumps == 3) RequestStop();
        }
    } ui;
    NetSession stopping{net.settings, ui, net.session.limits};
    server.SetLatency(std::chrono::milliseconds(200));
    std::vector<DownloadRequest> files;
    for (int i = 0; i < 8; ++i)
        files.push_back({server.Url("/s.xml"), Local("s" + std::to_string(i) + ".xml")});
    site.Write("/s.xml", "<s/>");

    for (const std::string& error : DownloadFiles(stopping, files))
        EXPECT_EQ(error, "Download failed: error = open url failed");
    EXPECT_LE(server.RequestCount("/s.xml"), 6) << "no file started after the stop, none retried";
    EXPECT_FALSE(FileExists(ErrorLogPath(net.settings)));
}

TEST(CompleteUrl, PutsASchemeInFrontOnlyWhenThereIsNone) {
    const char* cases[][2] = {{"gd2.mlb.com/components", "http://gd2.mlb.com/components"},
                              {"FTP.example.org/f.txt", "ftp://FTP.example.org/f.txt"},
                              {"ftpsite.org/f", "http://ftpsite.org/f"},
                              {"https://a.b/c", "https://a.b/c"},
                              {"file:///tmp/x", "file:///tmp/x"}};
    for (const auto& c : cases) EXPECT_EQ(CompleteUrl(c[0]), c[1]) << c[0];
}

TEST(EncodeUnsafeUrlBytes, EncodesBlanksControlAndNonAsciiBytesOnly) {
    EXPECT_EQ(EncodeUnsafeUrlBytes("http://h/a b?c=d&e=%20"), "http://h/a%20b?c=d&e=%20");
    EXPECT_EQ(EncodeUnsafeUrlBytes("http://h/\t\xC3\xA9"), "http://h/%09%C3%A9");
}

}  // namespace
}  // namespace quillbat::testing
