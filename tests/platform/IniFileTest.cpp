#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include "TempFolder.h"

namespace quillbat {
namespace {

using testing::ReadFile;
using testing::TempFolder;

TEST(IniFileTest, MissingFileSectionOrKeyReadsBlank) {
    TempFolder dir;
    std::string ini = dir / "Quillbat.ini";
    EXPECT_EQ(ReadIniValue(ini, "Config", "OutputDir"), "");
    dir.Write("Quillbat.ini", "[Config]\nOutputDir=/x\nEmpty=\n");
    EXPECT_EQ(ReadIniValue(ini, "Options", "OutputDir"), "");
    EXPECT_EQ(ReadIniValue(ini, "Config", "LogosDir"), "");
    EXPECT_EQ(ReadIniValue(ini, "Config", "Empty"), "");
}

TEST(IniFileTest, ReadsWithoutRegardToCaseAndTrims) {
    TempFolder dir;
    std::string ini = dir.Write("a.ini",
                                "; comment\r\n[config]\r\n  outputdir =  /home/me/My Documents  \r\n"
                                "Quoted=\"  spaced  \"\r\n[LastRun]\r\nPrintOutput=y\r\n");
    EXPECT_EQ(ReadIniValue(ini, "Config", "OutputDir"), "/home/me/My Documents");
    EXPECT_EQ(ReadIniValue(ini, "CONFIG", "quoted"), "  spaced  ");
    EXPECT_EQ(ReadIniValue(ini, "LastRun", "PrintOutput"), "y");
}

TEST(IniFileTest, FirstOfDuplicateSectionsAndKeysWins) {
    TempFolder dir;
    std::string ini = dir.Write("a.ini", "[A]\nk=1\nk=2\n[A]\nk=3\n");
    EXPECT_EQ(ReadIniValue(ini, "A", "k"), "1");
}

TEST(IniFileTest, LongValuesAreCut) {
    TempFolder dir;
    std::string ini = dir / "a.ini";
    ASSERT_TRUE(WriteIniValue(ini, "A", "k", std::string(300, 'x')));
    EXPECT_EQ(ReadIniValue(ini, "A", "k"), std::string(kIniValueMaxLength, 'x'));
}

TEST(IniFileTest, WriteCreatesFileAndSection) {
    TempFolder dir;
    std::string ini = dir / "new.ini";
    ASSERT_TRUE(WriteIniValue(ini, "Config", "OutputDir", "/out"));
    ASSERT_TRUE(WriteIniValue(ini, "LastRun", "PrintOutput", "N"));
    EXPECT_EQ(ReadFile(ini), "[Config]\nOutputDir=/out\n[LastRun]\nPrintOutput=N\n");
}

TEST(IniFileTest, WriteKeepsOtherLinesAndLineEnds) {
    TempFolder dir;
    std::string ini = dir.Write("a.ini",
                                "; my settings\r\n[Config]\r\nOutputDir=/old\r\nLogosDir=/logos\r\n"
                                "\r\n[Options]\r\nFavoriteTeam=Boston\r\n");
    ASSERT_TRUE(WriteIniValue(ini, "config", "OUTPUTDIR", "/new"));
    ASSERT_TRUE(WriteIniValue(ini, "Config", "TemplatesDir", "/t"));
    ASSERT_TRUE(WriteIniValue(ini, "Options", "ScorecardPlayerFmt", "BAOnly"));
    EXPECT_EQ(ReadFile(ini),
              "; my settings\r\n[Config]\r\nOUTPUTDIR=/new\r\nLogosDir=/logos\r\nTemplatesDir=/t\r\n"
              "\r\n[Options]\r\nFavoriteTeam=Boston\r\nScorecardPlayerFmt=BAOnly\r\n");
}

TEST(IniFileTest, WriteAfterLastLineWithoutLineEnd) {
    TempFolder dir;
    std::string ini = dir.Write("a.ini", "[A]\nx=1");
    ASSERT_TRUE(WriteIniValue(ini, "A", "y", "2"));
    ASSERT_TRUE(WriteIniValue(ini, "B", "z", "3"));
    EXPECT_EQ(ReadFile(ini), "[A]\nx=1\ny=2\n[B]\nz=3\n");
}

TEST(IniFileTest, LineBreaksInValueStayOnOneLine) {
    TempFolder dir;
    std::string ini = dir / "a.ini";
    ASSERT_TRUE(WriteIniValue(ini, "A", "k", "one\r\n[Evil]\nkey=two"));
    EXPECT_EQ(ReadIniValue(ini, "A", "k"), "one  [Evil] key=two");
    EXPECT_EQ(ReadIniValue(ini, "Evil", "key"), "");
}

TEST(IniFileTest, DeleteKey) {
    TempFolder dir;
    std::string ini = dir.Write("a.ini", "[Config]\nTempDir=/a\nOutputDir=/o\n[Other]\nTempDir=/keep\n");
    ASSERT_TRUE(DeleteIniKey(ini, "Config", "tempdir"));
    EXPECT_EQ(ReadFile(ini), "[Config]\nOutputDir=/o\n[Other]\nTempDir=/keep\n");
    ASSERT_TRUE(DeleteIniKey(ini, "Config", "Absent"));
    ASSERT_TRUE(DeleteIniKey(ini, "NoSection", "TempDir"));
    EXPECT_EQ(ReadFile(ini), "[Config]\nOutputDir=/o\n[Other]\nTempDir=/keep\n");
}

TEST(IniFileTest, FailedWriteLeavesFileAsItWas) {
    TempFolder dir;
    std::string ini = dir / "missing-folder/a.ini";
    EXPECT_FALSE(WriteIniValue(ini, "A", "k", "v"));
    EXPECT_EQ(ReadIniValue(ini, "A", "k"), "");
}

}  // namespace
}  // namespace quillbat
