#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include "TempFolder.h"

namespace quillbat {
namespace {

using testing::ReadFile;
using testing::TempFolder;

TEST(IniFileTest, ReadsWithoutRegardToCaseTrimsTakesTheFirstAndMissingReadsBlank) {
    TempFolder dir;
    EXPECT_EQ(ReadIniValue(dir / "missing.ini", "Config", "OutputDir"), "");
    std::string ini = dir.Write("a.ini",
                                "; comment\r\n[config]\r\n  outputdir =  /home/me/My Documents  \r\n"
                                "Quoted=\"  spaced  \"\r\nEmpty=\r\n[LastRun]\r\nPrintOutput=y\r\n"
                                "[A]\r\nk=1\r\nk=2\r\n[A]\r\nk=3\r\n");
    const char* const cases[][3] = {
        {"Config", "OutputDir", "/home/me/My Documents"},
        {"CONFIG", "quoted", "  spaced  "},
        {"LastRun", "PrintOutput", "y"},
        {"A", "k", "1"},  // the first of duplicate sections and keys
        {"Options", "OutputDir", ""},
        {"Config", "LogosDir", ""},
        {"Config", "Empty", ""},
    };
    for (auto [section, key, value] : cases)
        EXPECT_EQ(ReadIniValue(ini, section, key), value) << section << "/" << key;
}

// Each case: the file before (none when null), the writes and deletes, the file after.
TEST(IniFileTest, WritesAndDeletesKeepOtherLinesAndLineEnds) {
    struct Edit {
        const char *section, *key, *value;  // no value: delete the key
    };
    struct Case {
        const char* before;
        std::vector<Edit> edits;
        const char* after;
    } cases[] = {
        {nullptr,  // creates the file and its sections
         {{"Config", "OutputDir", "/out"}, {"LastRun", "PrintOutput", "N"}},
         "[Config]\nOutputDir=/out\n[LastRun]\nPrintOutput=N\n"},
        {"; my settings\r\n[Config]\r\nOutputDir=/old\r\nLogosDir=/logos\r\n"
         "\r\n[Options]\r\nFavoriteTeam=Boston\r\n",
         {{"config", "OUTPUTDIR", "/new"},
          {"Config", "TemplatesDir", "/t"},
          {"Options", "ScorecardPlayerFmt", "BAOnly"}},
         "; my settings\r\n[Config]\r\nOUTPUTDIR=/new\r\nLogosDir=/logos\r\nTemplatesDir=/t\r\n"
         "\r\n[Options]\r\nFavoriteTeam=Boston\r\nScorecardPlayerFmt=BAOnly\r\n"},
        {"[A]\nx=1",  // the last line has no line end
         {{"A", "y", "2"}, {"B", "z", "3"}},
         "[A]\nx=1\ny=2\n[B]\nz=3\n"},
        {"[Config]\nTempDir=/a\nOutputDir=/o\n[Other]\nTempDir=/keep\n",
         {{"Config", "tempdir", nullptr}, {"Config", "Absent", nullptr}, {"NoSection", "TempDir", nullptr}},
         "[Config]\nOutputDir=/o\n[Other]\nTempDir=/keep\n"},
    };
    for (const Case& c : cases) {
        TempFolder dir;
        std::string ini = c.before ? dir.Write("a.ini", c.before) : dir / "a.ini";
        for (const Edit& e : c.edits)
            ASSERT_TRUE(e.value ? WriteIniValue(ini, e.section, e.key, e.value)
                                : DeleteIniKey(ini, e.section, e.key))
                << e.section << "/" << e.key;
        EXPECT_EQ(ReadFile(ini), c.after);
    }
}

// A value is cut at the longest a value may be, and its line breaks cannot start new lines.
TEST(IniFileTest, LongValuesAreCutAndLineBreaksStayOnOneLine) {
    TempFolder dir;
    std::string ini = dir / "a.ini";
    ASSERT_TRUE(WriteIniValue(ini, "A", "long", std::string(300, 'x')));
    EXPECT_EQ(ReadIniValue(ini, "A", "long"), std::string(kIniValueMaxLength, 'x'));
    ASSERT_TRUE(WriteIniValue(ini, "A", "k", "one\r\n[Evil]\nkey=two"));
    EXPECT_EQ(ReadIniValue(ini, "A", "k"), "one  [Evil] key=two");
    EXPECT_EQ(ReadIniValue(ini, "Evil", "key"), "");
}

}  // namespace
}  // namespace quillbat
