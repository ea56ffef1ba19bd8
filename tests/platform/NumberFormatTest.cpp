#include "platform/NumberFormat.h"

#include <gtest/gtest.h>

namespace quillbat {
namespace {

TEST(FormatNumberTest, FormatCodes) {
    struct Case {
        double value;
        const char* format;
        const char* text;
    } cases[] = {
        {0.2857, "#.000", ".286"},   {1.0, "#.000", "1.000"},    {0.0, "#.000", ".000"},
        {0.3335, "#.000", ".334"},   {12.4, "##0", "12"},        {12.5, "##0", "13"},
        {0.4, "##0", "0"},           {-2.5, "##0", "-3"},        {-0.4, "##0", "0"},
        {3.14159, "##0.00", "3.14"}, {0.285, "0.00", "0.29"},    {1.005, "0.00", "1.01"},
        {2.675, "#0.00", "2.68"},    {9.95, "#0.0", "10.0"},     {99.96, "##0.0", "100.0"},
        {7, "000", "007"},           {1234, "000", "1234"},      {0.5, "#0", "1"},
        {123.456, "####0.0", "123.5"}, {4.25, "0.00", "4.25"},  {1e-20, "0.00", "0.00"},
        {123456789.126, "0.00", "123456789.13"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " " + std::to_string(c.value));
        EXPECT_EQ(FormatNumber(c.value, c.format), c.text);
    }
}

TEST(FormatNumberTest, OptionalDecimalPlaces) {
    EXPECT_EQ(FormatNumber(1.5, "0.0#"), "1.5");
    EXPECT_EQ(FormatNumber(1.25, "0.0#"), "1.25");
    EXPECT_EQ(FormatNumber(1.0, "0.##"), "1.");
}

TEST(LeadingNumberTest, NumberAtStartOfText) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"3.45", 3.45}, {" 12abc", 12},  {".300", 0.3}, {"-1.5 ERA", -1.5}, {"abc", 0},
        {"", 0},        {"-", 0},        {".", 0},      {"1e3x", 1000},     {"2e", 2},
        {"+7", 7},      {"1,234", 1},    {"--", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value);
    }
}

}  // namespace
}  // namespace quillbat
