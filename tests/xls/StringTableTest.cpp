// The shared string table across CONTINUE records, and the unicode strings it is made of. The
// table we write is read back by LibreOffice and by our reader in LibreOfficeTest.cpp.

#include <gtest/gtest.h>

#include "xls/ByteIo.h"
#include "xls/Sst.h"
#include "platform/Utf8.h"

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
    std::vector<std::string> texts;
    for (const XlText& t : out) texts.push_back(t.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"ab", "xyz\xC3\xA9\xE2\x80\x94", "z"}));
}

}  // namespace
}  // namespace quillbat::xls
