// Every log entry is one line starting with its time stamp, whatever text a server sends.

#include <gtest/gtest.h>

#include <regex>

#include "NetTestSession.h"
#include "TestHttpServer.h"
#include "platform/ProgramLog.h"

namespace quillbat::testing {
namespace {

// Lines that each begin with "MM.DD.YYYY HH:MM " and end with CR LF, nothing else.
const std::regex kStampedLines(R"((\d\d\.\d\d\.\d{4} \d\d:\d\d [^\r\n]*\r\n)+)");

TEST(LogEntries, AServedPageWithLinesOfItsOwnStaysInOneEntryOfEachLog) {
    TempFolder site;
    site.Write("/forged.xml",
               "404 Not Found\r\n01.01.2014 00:00 FORGED ENTRY\nmore\rand\x0b" + std::string(3000, 'z'));
    TestHttpServer server(site.path());
    NetTestSession net;
    std::string error =
        DownloadFile(net.session, server.Url("/forged.xml"), net.settings.tempFolder + "/f.xml");
    ASSERT_NE(error, "");
    WriteLog(net.settings, "  err = " + error);

    std::string programLog = ReadFile(net.settings.programLog);
    for (const std::string& log : {net.ErrorLog(), net.History(), programLog})
        EXPECT_TRUE(std::regex_match(log, kStampedLines)) << log;
    EXPECT_NE(net.ErrorLog().find(" URL = " + server.Url("/forged.xml") + "\r\n"), std::string::npos)
        << "the address survives a long page";
    EXPECT_TRUE(std::regex_search(programLog,
                                  std::regex("404 Not Found +01.01.2014 00:00 FORGED ENTRY +more +and +z")));
    EXPECT_LE(programLog.size(), 17 + kMaxLogTextLength + 2);
}

TEST(LogEntries, ControlsBecomeBlanksAndALongTextIsCutBetweenCharacters) {
    EXPECT_EQ(OneLineText("a\tb\x7fg\xc2\x85h\xe2\x80\xa8i\xc3\xa9"), "a b g h i\xc3\xa9");
    EXPECT_EQ(OneLineText("abcdefgh", 8), "abcdefgh");
    EXPECT_EQ(OneLineText("abcdefghi", 8), "abcde...");
    EXPECT_EQ(OneLineText("abcd\xc3\xa9xyz", 8), "abcd...");  // not half of the é
}

}  // namespace
}  // namespace quillbat::testing
