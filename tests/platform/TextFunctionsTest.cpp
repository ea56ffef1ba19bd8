#include "platform/TextFunctions.h"

#include <gtest/gtest.h>

namespace quillbat {
namespace {

struct PathCase {
    const char* path;
    const char* extension;
    const char* parent;
    const char* withoutExtension;
};

TEST(PathTextTest, ExtensionParentAndStem) {
    const PathCase cases[] = {
        {"a.b.txt", "txt", "", "a.b"},
        {"name.", "", "", "name"},
        {"C:\\dir.x\\file", "x\\file", "C:\\dir.x", "C:\\dir"},
        {"C:\\a/b", "", "C:\\a", "C:\\a/b"},
        {"/tmp/quillbat/scoreboard.xml", "xml", "/tmp/quillbat", "/tmp/quillbat/scoreboard"},
        {"file", "", "", "file"},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(GetFileExtension(c.path), c.extension);
        EXPECT_EQ(GetParentFolder(c.path), c.parent);
        EXPECT_EQ(RemoveExtension(c.path), c.withoutExtension);
    }
    EXPECT_EQ(GetFileExtensionUpper("Rosters.xls"), "XLS");
}

TEST(TextTest, RemoveParenthesized) {
    EXPECT_EQ(RemoveParenthesized("Smith (R) (inj)"), "Smith  ");
    EXPECT_EQ(RemoveParenthesized("a (b (x) d) e"), "a  d) e");
    EXPECT_EQ(RemoveParenthesized("open ( only"), "open ( only");
    EXPECT_EQ(RemoveParenthesized(") before ("), ") before (");
    EXPECT_EQ(RemoveParenthesized("(all)"), "");
}

TEST(TextTest, CharacterFilters) {
    EXPECT_EQ(KeepNumericChars("ERA: 3.45 -"), "3.45-");
    EXPECT_EQ(RemoveSpaces(" San  Diego "), "SanDiego");
    EXPECT_EQ(RemoveDots("St. Louis"), "St Louis");
    EXPECT_EQ(RemoveNulChars(std::string("ab\0c\0", 5)), "abc");
    EXPECT_EQ(TrimBlanks("  x y  "), "x y");
    EXPECT_EQ(TrimBlanks("\tx"), "\tx");  // only blanks are trimmed
    EXPECT_TRUE(IsBlank("   "));
    EXPECT_TRUE(IsBlank(""));
    EXPECT_FALSE(IsBlank(" a "));
    EXPECT_TRUE(IsAllDigits(""));
    EXPECT_TRUE(IsAllDigits("0123456789"));
    EXPECT_FALSE(IsAllDigits("12a"));
    EXPECT_FALSE(IsAllDigits("-1"));
}

TEST(TextTest, CaseAndReplace) {
    EXPECT_TRUE(EqualsNoCase("QuillBat", "qUILLbAT"));
    EXPECT_FALSE(EqualsNoCase("abc", "abcd"));
    EXPECT_TRUE(EndsWithNoCase("C:/Temp/QUILLBAT", "/quillbat"));
    EXPECT_FALSE(EndsWithNoCase("bat", "/quillbat"));
    EXPECT_TRUE(ContainsNoCase("Command -DEBUG now", "-debug"));
    EXPECT_EQ(ReplaceAll("04.05.14", ".", "/"), "04/05/14");
    EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

}  // namespace
}  // namespace quillbat
