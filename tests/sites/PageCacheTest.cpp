// The page cache: a page is fetched once per URL and kind, and the marker says which URL.

#include <gtest/gtest.h>

#include "NetTestSession.h"
#include "TestHttpServer.h"
#include "sites/HTMLProcs.h"

namespace quillbat::testing {
namespace {

class PageCacheTest : public ::testing::Test {
protected:
    PageCacheTest() : server(site.path()) {
        site.Write("/a.shtml", "<tr>\n<td>A</td>\n</tr>\n");
        site.Write("/b.shtml", "<tr>\n<td>B</td>\n</tr>\n");
    }

    std::string Page() const { return ReadFile(PageFilePath(net.settings, "brc")); }
    std::string Marker() const { return ReadFile(PageMarkerPath(net.settings, "brc")); }

    TempFolder site;
    TestHttpServer server;
    NetTestSession net;
};

TEST_F(PageCacheTest, SameUrlIsFetchedOnceAndNormalizedOnce) {
    std::string url = server.Url("/a.shtml");
    ASSERT_EQ(GetCachedPage(net.session, url, "brc", true), "");
    EXPECT_EQ(Page(), "<tr>\r\n<td>A</td>\r\n</tr>\r\n");
    EXPECT_EQ(Marker(), url + "\r\n");
    EXPECT_EQ(PageFilePath(net.settings, "brc"), net.settings.tempFolder + "/brc.tmp.htm");

    // A cached page is used exactly as it stands, even when edited since.
    WriteFileAtomically(PageFilePath(net.settings, "brc"), "edited\n");
    ASSERT_EQ(GetCachedPage(net.session, url, "brc", true), "");
    EXPECT_EQ(Page(), "edited\n");
    EXPECT_EQ(server.RequestCount("/a.shtml"), 1);
}

// The marker is compared exactly: a URL that differs in case only is another page.
TEST_F(PageCacheTest, AnotherUrlReplacesTheSlot) {
    ASSERT_EQ(GetCachedPage(net.session, server.Url("/a.shtml"), "brc", false), "");
    ASSERT_EQ(GetCachedPage(net.session, server.Url("/b.shtml"), "brc", false), "");
    EXPECT_EQ(Page(), "<tr>\n<td>B</td>\n</tr>\n");
    EXPECT_EQ(Marker(), server.Url("/b.shtml") + "\r\n");
    site.Write("/B.shtml", "upper");
    ASSERT_EQ(GetCachedPage(net.session, server.Url("/B.shtml"), "brc", false), "");
    EXPECT_EQ(Page(), "upper");
}

// A missing page file is fetched again; a failed download passes its error on and keeps the
// marker of the page before.
TEST_F(PageCacheTest, MissingPageIsFetchedAgainAndFailuresKeepTheMarker) {
    std::string url = server.Url("/a.shtml");
    ASSERT_EQ(GetCachedPage(net.session, url, "brc", false), "");
    DeleteFile(PageFilePath(net.settings, "brc"));
    ASSERT_EQ(GetCachedPage(net.session, url, "brc", false), "");
    EXPECT_EQ(server.RequestCount("/a.shtml"), 2);
    EXPECT_EQ(Page(), "<tr>\n<td>A</td>\n</tr>\n");
    EXPECT_EQ(GetCachedPage(net.session, server.Url("/gone.shtml"), "brc", false),
              "Download failed: error = open url failed");
    EXPECT_EQ(Marker(), url + "\r\n");
}

TEST_F(PageCacheTest, PageKindsCannotLeaveTheTemporaryFolder) {
    EXPECT_NE(GetCachedPage(net.session, server.Url("/a.shtml"), "../brc", false), "");
    EXPECT_EQ(server.Requests().size(), 0u);
}

}  // namespace
}  // namespace quillbat::testing
