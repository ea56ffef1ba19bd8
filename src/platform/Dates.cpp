#include "platform/Dates.h"

#include <cstdio>
#include <ctime>
#include <vector>

#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

// Splits on the separator; each piece must be 1-4 digits.
std::optional<std::vector<int>> NumberPieces(std::string_view text, char sep,
                                             std::vector<std::size_t>& widths) {
    std::vector<int> pieces;
    std::size_t start = 0;
    for (;;) {
        auto end = text.find(sep, start);
        std::string_view piece = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (piece.empty() || piece.size() > 4 || !IsAllDigits(piece)) return std::nullopt;
        pieces.push_back(std::stoi(std::string(piece)));
        widths.push_back(piece.size());
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return pieces;
}

int ExpandYear(int year, std::size_t width) {
    if (width > 2) return year;
    return year < kTwoDigitYearPivot ? 2000 + year : 1900 + year;
}

std::optional<Date> Checked(int year, int month, int day) {
    if (!IsValidDate(year, month, day)) return std::nullopt;
    return Date{year, month, day};
}

}  // namespace

bool IsValidDate(int year, int month, int day) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    int days = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= days;
}

std::optional<Date> ParseDate(std::string_view text, const Date& today) {
    std::string t = TrimBlanks(text);
    std::vector<std::size_t> widths;
    if (t.find('-') != std::string::npos) {
        auto p = NumberPieces(t, '-', widths);
        if (!p || p->size() != 3 || widths[0] != 4) return std::nullopt;
        return Checked((*p)[0], (*p)[1], (*p)[2]);
    }
    auto p = NumberPieces(t, '/', widths);
    if (!p) return std::nullopt;
    if (p->size() == 2 && widths[0] <= 2 && widths[1] <= 2) return Checked(today.year, (*p)[0], (*p)[1]);
    if (p->size() != 3 || widths[0] > 2 || widths[1] > 2 || widths[2] == 3) return std::nullopt;
    return Checked(ExpandYear((*p)[2], widths[2]), (*p)[0], (*p)[1]);
}

std::string FormatDate(const Date& date) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", date.month, date.day, date.year);
    return buf;
}

Date Today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace quillbat
