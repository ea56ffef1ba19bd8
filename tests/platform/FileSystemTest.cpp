#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "TempFolder.h"

namespace quillbat {
namespace {

using testing::ReadFile;
using testing::TempFolder;

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

TEST(WildcardTest, Matching) {
    struct Case {
        const char* pattern;
        const char* name;
        bool match;
    } cases[] = {
        {"*.*", "scoreboard.xml", true}, {"*.*", "README", true},     {"*.xls", "Rosters.xls", true},
        {"*.xls", "Rosters.XLS", true},  {"*.xls", "a.xlt", false},   {"_debug*.*", "_debug_x.txt", true},
        {"_debug*.*", "_DEBUG1", true},  {"_debug*.*", "debug.txt", false}, {"?.txt", "a.txt", true},
        {"?.txt", "ab.txt", false},      {"a*b*c", "aXbYc", true},    {"a*b*c", "aXbY", false},
        {"*", "", true},                 {"x", "x", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " ~ " + c.name);
        EXPECT_EQ(WildcardMatch(c.pattern, c.name), c.match);
    }
}

TEST(FileSystemTest, ExistenceTests) {
    TempFolder dir;
    dir.Write("sub/a.xls", "x");
    EXPECT_TRUE(FileExists(dir / "sub/a.xls"));
    EXPECT_TRUE(FileExists(dir / "sub/*.xls"));
    EXPECT_TRUE(FileExists(dir / "sub"));
    EXPECT_FALSE(FileExists(dir / "sub/*.xlt"));
    EXPECT_FALSE(FileExists(""));
    EXPECT_TRUE(FolderExists(dir / "sub"));
    EXPECT_TRUE(FolderExists(dir / "sub/"));
    EXPECT_FALSE(FolderExists(dir / "sub/a.xls"));
    EXPECT_FALSE(FolderExists(dir / "none"));
    EXPECT_FALSE(FolderExists("  "));
}

TEST(FileSystemTest, CreateFolderPathMakesParents) {
    TempFolder dir;
    EXPECT_TRUE(CreateFolderPath(dir / "a/b/c"));
    EXPECT_TRUE(FolderExists(dir / "a/b/c"));
    EXPECT_TRUE(CreateFolderPath(dir / "a/b/c/"));  // already there
    dir.Write("file", "");
    EXPECT_FALSE(CreateFolderPath(dir / "file/below"));
}

TEST(FileSystemTest, ListAndDeleteMatchingPlainFiles) {
    TempFolder dir;
    dir.Write("one.xml", "1");
    dir.Write("two.XML", "2");
    dir.Write(".hidden.xml", "h");
    dir.Write("other.txt", "t");
    std::filesystem::create_directory(dir / "folder.xml");
    EXPECT_EQ(Sorted(ListFiles(dir / "*.xml", false)), (std::vector<std::string>{"one.xml", "two.XML"}));
    EXPECT_EQ(Sorted(ListFiles(dir / "*.xml", true)),
              (std::vector<std::string>{".hidden.xml", "one.xml", "two.XML"}));
    EXPECT_TRUE(ListFiles(dir / "none/*.*", false).empty());

    EXPECT_EQ(DeleteMatchingFiles(dir / "*.*"), 3);
    EXPECT_EQ(Sorted(ListFiles(dir / "*", true)), (std::vector<std::string>{".hidden.xml"}));
    EXPECT_TRUE(FolderExists(dir / "folder.xml"));
    EXPECT_EQ(DeleteMatchingFiles(dir / "*.*"), 0);
    EXPECT_FALSE(DeleteFile(dir / "folder.xml"));
}

TEST(FileSystemTest, CopyFile) {
    TempFolder dir;
    std::string a = dir.Write("a", "first");
    std::string b = dir.Write("b", "second");
    EXPECT_FALSE(CopyFile(a, b, true));
    EXPECT_EQ(ReadFile(b), "second");
    EXPECT_TRUE(CopyFile(a, b, false));
    EXPECT_EQ(ReadFile(b), "first");
    EXPECT_FALSE(CopyFile(dir / "missing", dir / "c", false));
}

TEST(FileSystemTest, ReadTextFileJoinsLinesWithCrLf) {
    TempFolder dir;
    EXPECT_EQ(ReadTextFile(dir.Write("lf", "a\nb\n")), "a\r\nb");
    EXPECT_EQ(ReadTextFile(dir.Write("crlf", "a\r\nb\r\nc")), "a\r\nb\r\nc");
    EXPECT_EQ(ReadTextFile(dir.Write("cr", "a\rb")), "a\r\nb");
    EXPECT_EQ(ReadTextFile(dir.Write("blank", "a\n\nb")), "a\r\n\r\nb");
    EXPECT_EQ(ReadTextFile(dir / "missing"), "");
}

TEST(FileSystemTest, AtomicWriteReplacesWholeFile) {
    TempFolder dir;
    std::string f = dir.Write("f", "old content that is longer");
    ASSERT_TRUE(WriteFileAtomically(f, "new"));
    EXPECT_EQ(ReadFile(f), "new");
    EXPECT_EQ(ListFiles(dir / "*", true), std::vector<std::string>{"f"});  // no temporary left
    EXPECT_FALSE(WriteFileAtomically(dir / "no/such/folder/f", "x"));
    ASSERT_TRUE(AppendToFile(f, "+1"));
    EXPECT_EQ(ReadFile(f), "new+1");
}

TEST(FileSystemTest, JoinPath) {
    EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
    EXPECT_EQ(JoinPath("/a/", "/b"), "/a/b");
    EXPECT_EQ(JoinPath("", "b"), "b");
}

}  // namespace
}  // namespace quillbat
