// The shared string table across CONTINUE records, and the unicode strings it is made of.

#include <gtest/gtest.h>

#include "xls/ByteIo.h"
#include "xls/Record.h"
#include "xls/Sst.h"
#include "platform/Utf8.h"
#include "xls/Workbook.h"

namespace quillbat::xls {
namespace {

TEST(Utf, ConvertsBothWaysAndReplacesBadInput) {
    std::string text = "Jos\xC3\xA9 \xE2\x80\x94 \xF0\x9F\x98\x80";  // é, em dash, an emoji
    std::u16string units = Utf8ToUtf16(text);
    EXPECT_EQ(units.size(), 9u);  // the emoji takes a surrogate pair
    EXPECT_EQ(Utf16ToUtf8(units), text);
    EXPECT_EQ(Utf8ToUtf16("a\xFF"
                          "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

// An SST whose second string starts with 8-bit characters in the SST record and goes on
// with 16-bit characters in a CONTINUE record, and a third string after it there.
TEST(Sst, ReadsAStringThatChangesWidthAcrossContinue) {
    std::string sst;
    PutU32(sst, 3);
    PutU32(sst, 3);
    PutU16(sst, 2);
    PutU8(sst, 0);
    sst += "ab";
    PutU16(sst, 5);
    PutU8(sst, 0);
    sst += "xyz";  // 3 of 5 characters here
    std::string cont;
    PutU8(cont, 1);  // the rest is 16-bit
    PutU16(cont, 0x00E9);
    PutU16(cont, 0x2014);
    PutU16(cont, 1);
    PutU8(cont, 0);
    cont += "z";
    std::vector<XlText> out;
    ASSERT_EQ(ReadSst({sst, cont}, out), "");
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].text, "ab");
    EXPECT_EQ(out[1].text, "xyz\xC3\xA9\xE2\x80\x94");
    EXPECT_EQ(out[2].text, "z");
}

// Strings long enough to cross several CONTINUE records, alternating between 8-bit and
// 16-bit text, with formatting runs: written, split into records, and read back the same.
TEST(Sst, WritesAndReadsBackStringsAcrossContinueRecords) {
    std::vector<XlText> strings;
    for (int i = 0; i < 300; ++i) {
        std::string text(37 * i % 5000, static_cast<char>('a' + i % 26));
        if (i % 3 == 1) text += "\xE2\x80\x94\xC3\xA9";  // forces 16-bit characters
        std::string runs;
        if (i % 7 == 0) {
            PutU16(runs, 0);
            PutU16(runs, 5);
        }
        strings.push_back({text, runs});
    }
    std::string stream;
    AppendSstAndExtSst(stream, strings, 1234);
    std::vector<PlacedRecord> records;
    ASSERT_EQ(SplitRecords(stream, records), "");
    ASSERT_GT(records.size(), 10u);
    std::vector<std::string_view> segments;
    for (const PlacedRecord& r : records) {
        EXPECT_LE(r.data.size(), kMaxRecordData);
        if (r.type != rec::kExtSst) segments.push_back(r.data);
    }
    EXPECT_EQ(records.front().type, rec::kSst);
    EXPECT_EQ(GetU32At(records.front().data, 0), 1234u);
    std::vector<XlText> back;
    ASSERT_EQ(ReadSst(segments, back), "");
    EXPECT_EQ(back, strings);
}

}  // namespace
}  // namespace quillbat::xls
