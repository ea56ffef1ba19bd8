// Damaged and foreign input gives an error text: never a crash, a hang or a half-read workbook.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "TempFolder.h"
#include "XlsInvariants.h"
#include "xls/ByteIo.h"
#include "xls/CompoundFile.h"
#include "xls/Record.h"
#include "xls/Workbook.h"

namespace quillbat::xls {
namespace {

std::string TemplateBytes() { return testing::ReadFile(testing::XlsTestData("template.xlt")); }

std::string TemplateStream() {
    CompoundFile file;
    EXPECT_EQ(ReadCompoundFile(TemplateBytes(), file), "");
    return file.FindStream("Workbook")->data;
}

// A compound file holding one stream.
std::string Wrap(const std::string& name, const std::string& stream) {
    CompoundFile file;
    file.SetStream(name, stream);
    std::string bytes;
    EXPECT_EQ(WriteCompoundFile(file, bytes), "");
    return bytes;
}

std::string ReadError(const std::string& bytes) {
    Workbook book;
    return ReadWorkbook(bytes, book);
}

TEST(CorruptInput, ForeignFilesAreRejected) {
    EXPECT_NE(ReadError(""), "");
    EXPECT_NE(ReadError("PK\3\4 a zip file, say"), "");
    EXPECT_NE(ReadError(std::string(4096, '\0')), "");
    EXPECT_NE(ReadError(Wrap("WordDocument", "text")), "");
}

// Some writers give this format's stream the older format's name "Book"; the version in the
// BOF tells the formats apart.
TEST(CorruptInput, OlderFormatsAreRejectedByName) {
    for (const char* name : {"Book", "BOOK"}) {
        Workbook book;
        EXPECT_EQ(ReadWorkbook(Wrap(name, TemplateStream()), book), "") << name;
        EXPECT_EQ(book.sheets.size(), 2u) << name;
    }
    std::string stream = TemplateStream();
    SetU16At(stream, 4, 0x0500);  // BOF version of BIFF5
    EXPECT_NE(ReadError(Wrap("Book", stream)).find("Excel 5.0/95"), std::string::npos);
}

// Every cut of the workbook stream short of its end is an error; a cut file gives an error or
// a whole workbook.
TEST(CorruptInput, TruncatedInputIsRejected) {
    std::string stream = TemplateStream();
    size_t end = stream.size();
    while (end > 4 && GetU16At(stream, end - 4) == 0) end -= 1;  // past any zero padding
    for (size_t cut = 0; cut + 4 < end; cut += 7)
        EXPECT_NE(ReadError(Wrap("Workbook", stream.substr(0, cut))), "") << cut;
    std::string bytes = TemplateBytes();
    for (size_t cut = 0; cut < bytes.size(); cut += 61) {
        Workbook book;
        std::string error = ReadWorkbook(bytes.substr(0, cut), book);
        if (error.empty())
            EXPECT_FALSE(book.sheets.empty());
        else
            EXPECT_TRUE(book.sheets.empty());
    }
    EXPECT_NE(ReadError(bytes.substr(0, 512)), "");
}

TEST(CorruptInput, DamagedFieldsAreCaught) {
    std::string stream = TemplateStream();
    std::vector<PlacedRecord> records;
    ASSERT_EQ(SplitRecords(stream, records), "");
    // The stream with a field of the first record of a type set to a value.
    auto patched = [&](uint16_t type, size_t at, uint32_t value, int bytes) {
        std::string s = stream;
        auto r = std::find_if(records.begin(), records.end(),
                              [&](const PlacedRecord& p) { return p.type == type; });
        size_t field = r->offset + 4 + at;
        bytes == 2 ? SetU16At(s, field, static_cast<uint16_t>(value)) : SetU32At(s, field, value);
        return Wrap("Workbook", s);
    };
    EXPECT_NE(ReadError(patched(rec::kBoundSheet, 0, 12345, 4)), "");  // sheet elsewhere
    EXPECT_NE(ReadError(patched(rec::kSst, 8, 0xFFFF, 2)), "");  // a string longer than the table
    EXPECT_NE(ReadError(patched(rec::kBof, 0, 0xFFFF, 2)), "");  // unknown BOF version
    std::string s = stream;
    SetU16At(s, records[3].offset + 2, 0xFFFF);  // a record length past the end of the stream
    EXPECT_NE(ReadError(Wrap("Workbook", s)), "");
}

// Random damage to the stream and to the file: whatever comes back is either an error or a
// workbook that writes and reads back.
TEST(CorruptInput, RandomDamageNeverCrashes) {
    std::mt19937 random(20260704);
    std::string stream = TemplateStream(), bytes = TemplateBytes();
    int accepted = 0;
    for (int round = 0; round < 600; ++round) {
        bool inStream = round % 2 == 0;
        std::string damaged = inStream ? stream : bytes;
        for (int k = 0; k < 1 + round % 8; ++k)
            damaged[random() % damaged.size()] = static_cast<char>(random());
        Workbook book;
        std::string error = ReadWorkbook(inStream ? Wrap("Workbook", damaged) : damaged, book);
        if (!error.empty()) continue;
        ++accepted;
        std::string out;
        ASSERT_EQ(WriteWorkbook(book, out), "");
        Workbook again;
        EXPECT_EQ(ReadWorkbook(out, again), "") << round;
    }
    EXPECT_GT(accepted, 0);  // most single-byte damage lands in data the reader accepts
}

}  // namespace
}  // namespace quillbat::xls
