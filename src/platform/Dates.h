#pragma once
// Calendar dates as the program reads and shows them: month/day/year.

#include <optional>
#include <string>
#include <string_view>

namespace quillbat {

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    auto operator<=>(const Date&) const = default;
};

// Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999.
inline constexpr int kTwoDigitYearPivot = 30;

bool IsValidDate(int year, int month, int day);
// Reads m/d/yyyy, m/d/yy, m/d (in today's year) and yyyy-mm-dd; blanks around are ignored.
std::optional<Date> ParseDate(std::string_view text, const Date& today);
// "MM/DD/YYYY".
std::string FormatDate(const Date& date);
// Today's local date.
Date Today();

}  // namespace quillbat
