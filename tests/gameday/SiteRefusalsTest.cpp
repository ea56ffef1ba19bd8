// A session with a register of refusing sites: a site that answers 403, 429 or a challenge page
// is asked nothing more, is not retried, and has one error-log line.

#include "gameday/SiteRefusals.h"

#include <gtest/gtest.h>

#include "NetTestSession.h"
#include "TestHttpServer.h"
#include "TestText.h"

namespace quillbat::testing {
namespace {

TEST(SiteRefusalsTest, ARefusingSiteIsAskedOnceAndLoggedOnce) {
    TempFolder site;
    site.Write("/ok.htm", "<p>fine</p>");
    site.Write("/shield.htm", "<html><head><title>Just a moment...</title></head></html>");
    TestHttpServer server(site.path());
    server.SetStatus("/a.htm", 403);
    server.SetStatus("/c.htm", 429);
    NetTestSession net;
    SiteRefusals refusals;
    net.session.refusals = &refusals;
    const std::string port = std::to_string(server.port()), temp = net.settings.tempFolder;
    const std::string ip = server.Url(""), name = "http://localhost:" + port;

    // Both sites refuse, each in its own way; what was asked together with a refusal still comes.
    std::vector<std::string> errors = DownloadFiles(net.session, {{ip + "/a.htm", temp + "/a.htm"},
                                                                  {ip + "/ok.htm", temp + "/b.htm"},
                                                                  {name + "/shield.htm", temp + "/s.htm"},
                                                                  {ip + "/c.htm", temp + "/c.htm"}});
    EXPECT_EQ(errors[1], "");
    const std::string failed = "Download failed: error = open url failed";
    EXPECT_EQ(errors[3], failed);
    EXPECT_EQ(DownloadFile(net.session, name + "/ok.htm", temp + "/d.htm"), failed);
    EXPECT_EQ(DownloadFile(net.session, ip + "/ok.htm", temp + "/e.htm"), failed);
    for (const char* path : {"/a.htm", "/shield.htm", "/c.htm", "/ok.htm"})
        EXPECT_EQ(server.RequestCount(path), 1) << path;
    EXPECT_FALSE(FileExists(temp + "/s.htm"));

    std::string log = net.ErrorLog();
    EXPECT_EQ(Occurrences(log, "\n"), 2) << log;
    for (const std::string& refusal : {"127.0.0.1:" + port + " refused the download (HTTP status 403)",
                                       "localhost:" + port + " refused the download (a challenge page)"})
        EXPECT_EQ(Occurrences(log, refusal), 1) << refusal;
    EXPECT_EQ(Occurrences(net.History(), "Download failed"), 5);  // every address keeps its history lines
}

// Without a register a refusal is retried and logged like any failure (DownloadTest.cpp).
TEST(SiteRefusalsTest, ASiteIsItsLowerCaseHostAndPort) {
    EXPECT_EQ(UrlHost("HTTPS://user@Www.Site.com:8080/x?y=//z"), "www.site.com:8080");
}

}  // namespace
}  // namespace quillbat::testing
