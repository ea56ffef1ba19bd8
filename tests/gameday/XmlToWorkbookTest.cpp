// Converting a downloaded XML file: what is written, deleted and logged.

#include <gtest/gtest.h>

#include "NetTestSession.h"
#include "gameday/FlatTableFile.h"
#include "gameday/FlatTableWriter.h"
#include "gameday/XmlToWorkbook.h"

namespace quillbat::testing {
namespace {

TEST(ConvertXmlToWorkbook, MalformedFileWritesNoTableAndLogsOneLineNamingIt) {
    NetTestSession net;
    for (const std::string& content :
         {std::string(""), std::string("<boxscore><batting>"), std::string("GameDay - 404 Not Found")}) {
        DeleteFile(net.settings.programFolder + "/errors.log");
        std::string xml = net.folder.Write("temp/boxscore.XML", content);
        std::string xls = net.folder.Write("temp/boxscore.xls", "old table");

        std::string error = ConvertXmlToWorkbook(net.settings, xml);

        EXPECT_NE(error.find(xml), std::string::npos) << error;
        EXPECT_FALSE(FileExists(xls)) << "the older table is gone";
        std::string log = net.ErrorLog();
        EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
        EXPECT_NE(log.find("Could not convert " + xml + ": not well-formed XML"), std::string::npos) << log;
    }
}

// Every header and cell of a real box score reads back as the converter produced it (text that
// looks like a number, such as ".250" or "100", stays text); LibreOffice reads the same tables
// in LibreOfficeFlatTableTest.cpp.
TEST(ConvertXmlToWorkbook, RealBoxScoreRoundTrip) {
    NetTestSession net;
    std::string source = std::string(QUILLBAT_TEST_DATA) +
                         "/gameday/year_2017/month_04/day_07/gid_2017_04_07_bosmlb_detmlb_1/boxscore.xml";
    std::string xml = net.settings.tempFolder + "/boxscore.xml";
    ASSERT_TRUE(CopyFile(source, xml, false)) << source;
    ASSERT_EQ(ConvertXmlToWorkbook(net.settings, xml), "");
    FlatTable expected;
    ASSERT_EQ(ReadXmlFlatTable(xml, expected), "");
    std::string error;
    auto sheet = OpenFlatTable(net.settings.tempFolder + "/boxscore.xls", error);
    ASSERT_TRUE(sheet) << error;
    ASSERT_EQ(sheet->LastRow(), static_cast<int>(expected.rows.size()) + 1);
    ASSERT_EQ(sheet->LastColumn(), static_cast<int>(expected.columns.size()));
    int mismatches = 0;
    for (int c = 1; c <= sheet->LastColumn(); ++c) mismatches += sheet->Text(1, c) != expected.columns[c - 1];
    for (int r = 2; r <= sheet->LastRow(); ++r)
        for (int c = 1; c <= sheet->LastColumn(); ++c)
            mismatches += sheet->Text(r, c) != expected.rows[r - 2][c - 1];
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(net.ErrorLog(), "");
}

TEST(ConvertXmlToWorkbook, MissingFileIsAnErrorWithoutALogLine) {
    NetTestSession net;
    EXPECT_EQ(ConvertXmlToWorkbook(net.settings, net.settings.tempFolder + "/boxscore.xml"),
              "cannot read " + net.settings.tempFolder + "/boxscore.xml");
    EXPECT_EQ(net.ErrorLog(), "");
}

}  // namespace
}  // namespace quillbat::testing
