// The pitcher profiles' lookup names and shading marks.

#include "workbooks/ProfileTables.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quillbat {
namespace {

TEST(ProfileTablesTest, LookupNamesDropTheRecordAndPutTheGivenNameFirst) {
    EXPECT_EQ(ProfileLookupName("Hanley, Jacob (3-6, 3.89)"), "Jacob Hanley");
    EXPECT_EQ(ProfileLookupName("Jacob Hanley (3-6, 3.89)"), "Jacob Hanley");
    EXPECT_EQ(ProfileLookupName(" Ruiz,Carlos  "), "Carlos Ruiz");
    EXPECT_EQ(ProfileLookupName(""), "");
}

const ReferenceRow& Row(int sheetRow) {
    for (const ReferenceRow& row : ReferenceRows())
        if (row.sheetRow == sheetRow) return row;
    throw std::out_of_range("no reference row " + std::to_string(sheetRow));
}

TEST(ProfileTablesTest, ValuesAtOrBeyondEitherMarkAreShaded) {
    EXPECT_TRUE(IsBeyondMarks(Row(23), "11.5"));  // swinging strikes, equal to the high mark
    EXPECT_TRUE(IsBeyondMarks(Row(23), "6.9 %"));  // equal to the low mark, with its sign
    EXPECT_FALSE(IsBeyondMarks(Row(23), "9.0"));
    EXPECT_TRUE(IsBeyondMarks(Row(23), ""));  // an empty value counts 0
    EXPECT_TRUE(IsBeyondMarks(Row(32), "1.2"));  // ground balls to fly balls
    EXPECT_FALSE(IsBeyondMarks(Row(32), "1.19"));
    EXPECT_TRUE(IsBeyondMarks(Row(41), "0.223"));  // batting average against, low mark
    EXPECT_FALSE(IsBeyondMarks(Row(41), ".250"));
}

TEST(ProfileTablesTest, BatterAveragesStandOutFromFifteenAtBats) {
    EXPECT_FALSE(IsNotableBatterAverage("14", "0.5"));
    EXPECT_FALSE(IsNotableBatterAverage("15", "0.2"));
    EXPECT_TRUE(IsNotableBatterAverage("15", "0.1999"));
    EXPECT_TRUE(IsNotableBatterAverage("15", "0.3"));
    EXPECT_FALSE(IsNotableBatterAverage("-", "-"));
}

}  // namespace
}  // namespace quillbat
