// Rewriting downloaded text with CR LF line ends.

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "gameday/LineEnds.h"
#include "platform/FileSystem.h"

namespace quillbat::testing {
namespace {

TEST(WithCrLfLineEnds, ConvertsEveryKindOfLineEnd) {
    const char* cases[][2] = {
        {"a\nbb\n\nccc\n", "a\r\nbb\r\n\r\nccc\r\n"},  // LF only: same lines, CR LF ends
        {"a\r\nbb\r\n", "a\r\nbb\r\n"},  // already CR LF: unchanged
        {"a\nb", "a\r\nb\r\n"},  // last line without an end keeps its text
        {"one\rtwo\r", "one\r\ntwo\r\n"},  // lone CR ends a line too
        {"a\r\n\nb\r\r\nc", "a\r\n\r\nb\r\n\r\nc\r\n"},  // mixed
        {"\nx\n", "\r\nx\r\n"},
        {"", ""},
        {"\n", ""},  // nothing but a line end: empty
        {"xy", "xy\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(WithCrLfLineEnds(c[0]), c[1]) << ::testing::PrintToString(c[0]);
}

// Rewriting a file in place is checked through the page cache (PageCacheTest.cpp).
TEST(NormalizeLineEnds, LeavesAMissingFileMissing) {
    TempFolder folder;
    EXPECT_EQ(NormalizeLineEnds(folder / "none.htm"), "");
    EXPECT_TRUE(ListFiles(folder / "*", true).empty()) << "nothing written";
}

}  // namespace
}  // namespace quillbat::testing
