// Converting a downloaded XML file: what is deleted and logged when it fails. The tables of real
// files are read back by LibreOffice (LibreOfficeFlatTableTest.cpp) and by the readers, with no
// error logged (BoxscoreLineupsTest.cpp).

#include <gtest/gtest.h>

#include "NetTestSession.h"
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

TEST(ConvertXmlToWorkbook, MissingFileIsAnErrorWithoutALogLine) {
    NetTestSession net;
    EXPECT_EQ(ConvertXmlToWorkbook(net.settings, net.settings.tempFolder + "/boxscore.xml"),
              "cannot read " + net.settings.tempFolder + "/boxscore.xml");
    EXPECT_EQ(net.ErrorLog(), "");
}

}  // namespace
}  // namespace quillbat::testing
