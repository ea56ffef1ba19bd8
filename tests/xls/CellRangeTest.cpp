#include <gtest/gtest.h>

#include "xls/CellRange.h"

namespace quillbat::xls {
namespace {

TEST(CellRange, ParsesA1AddressesAndRejectsTheRest) {
    struct Case {
        const char* text;
        std::optional<CellRange> expected;
    };
    const Case cases[] = {
        {"A1", CellRange{0, 0, 0, 0}},
        {"$B$10", CellRange{9, 9, 1, 1}},
        {"a5:f5", CellRange{4, 4, 0, 5}},
        {"F12:A4", CellRange{3, 11, 0, 5}},  // corners in any order
        {"IV65536", CellRange{65535, 65535, 255, 255}},
        {"IW1", std::nullopt},
        {"A65537", std::nullopt},
        {"A0", std::nullopt},
        {"team", std::nullopt},
        {"A1:", std::nullopt},
        {"A1 ", std::nullopt},
        {"", std::nullopt},
        {"$$A1", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseA1(c.text), c.expected) << c.text;
}

TEST(CellRange, FormatsColumnLettersAndAbsoluteAddresses) {
    for (auto [col, letters] : {std::pair{0, "A"}, {25, "Z"}, {26, "AA"}, {255, "IV"}, {701, "ZZ"}})
        EXPECT_EQ(ColumnLetters(col), letters);
    EXPECT_EQ(AbsoluteAddress(9, 1), "$B$10");
    for (int col = 0; col < kMaxColumns; ++col)
        EXPECT_EQ(ParseA1(ColumnLetters(col) + "7"), (CellRange{6, 6, col, col}));
}

}  // namespace
}  // namespace quillbat::xls
