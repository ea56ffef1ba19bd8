#include "xls/NumberFormats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

#include "platform/NumberFormat.h"
#include "platform/TextFunctions.h"
#include "xls/ByteIo.h"
#include "xls/XlString.h"

namespace quillbat::xls {
namespace {

const std::map<uint16_t, std::string_view>& BuiltInCodes() {
    static const std::map<uint16_t, std::string_view> codes = {
        {0, "General"}, {1, "0"}, {2, "0.00"}, {3, "#,##0"}, {4, "#,##0.00"},
        {5, "$#,##0_);($#,##0)"}, {6, "$#,##0_);[Red]($#,##0)"},
        {7, "$#,##0.00_);($#,##0.00)"}, {8, "$#,##0.00_);[Red]($#,##0.00)"}, {9, "0%"},
        {10, "0.00%"}, {11, "0.00E+00"}, {12, "# ?/?"}, {13, "# ?" "?/?" "?"}, {14, "m/d/yyyy"},
        {15, "d-mmm-yy"}, {16, "d-mmm"}, {17, "mmm-yy"}, {18, "h:mm AM/PM"},
        {19, "h:mm:ss AM/PM"}, {20, "h:mm"}, {21, "h:mm:ss"}, {22, "m/d/yyyy h:mm"},
        {37, "#,##0_);(#,##0)"}, {38, "#,##0_);[Red](#,##0)"}, {39, "#,##0.00_);(#,##0.00)"},
        {40, "#,##0.00_);[Red](#,##0.00)"}, {41, "_(* #,##0_);_(* (#,##0);_(* \"-\"_);_(@_)"},
        {42, "_($* #,##0_);_($* (#,##0);_($* \"-\"_);_(@_)"},
        {43, "_(* #,##0.00_);_(* (#,##0.00);_(* \"-\"??_);_(@_)"},
        {44, "_($* #,##0.00_);_($* (#,##0.00);_($* \"-\"??_);_(@_)"}, {45, "mm:ss"},
        {46, "[h]:mm:ss"}, {47, "mm:ss.0"}, {48, "##0.0E+0"}, {49, "@"}};
    return codes;
}

// --- Tokens of one section ----------------------------------------------------------------

enum class Tok { Literal, Digit, Point, Comma, Percent, Exponent, Slash, Date, Text, General };

struct Token {
    Tok kind;
    std::string text;  // the literal, the digit place ('0', '#', '?'), the date code, "E+", "e-"...
};

bool StartsWithNoCase(std::string_view text, size_t at, std::string_view prefix) {
    return EqualsNoCase(text.substr(at, prefix.size()), prefix);
}

// "[$X-409]" gives the currency text X; colours, conditions and locales give nothing;
// "[h]", "[m]", "[s]" are elapsed-time codes.
void BracketToken(std::string_view inner, std::vector<Token>& out) {
    if (!inner.empty() && inner[0] == '$') {
        size_t dash = inner.find('-');
        out.push_back({Tok::Literal, std::string(inner.substr(1, dash - 1))});
        return;
    }
    std::string lower = ToLower(inner);
    if (!lower.empty() && lower.find_first_not_of(lower[0]) == std::string::npos &&
        (lower[0] == 'h' || lower[0] == 'm' || lower[0] == 's'))
        out.push_back({Tok::Date, "[" + lower + "]"});
}

void AddLiteral(std::vector<Token>& out, std::string_view text) {
    if (!out.empty() && out.back().kind == Tok::Literal) out.back().text += text;
    else out.push_back({Tok::Literal, std::string(text)});
}

std::vector<Token> Tokenize(std::string_view code) {
    std::vector<Token> out;
    for (size_t i = 0; i < code.size(); ++i) {
        char c = code[i];
        char lower = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        if (c == '"') {
            size_t end = code.find('"', i + 1);
            if (end == std::string_view::npos) end = code.size();
            AddLiteral(out, code.substr(i + 1, end - i - 1));
            i = end;
        } else if (c == '\\' && i + 1 < code.size()) {
            AddLiteral(out, code.substr(++i, 1));
        } else if (c == '_' && i + 1 < code.size()) {
            AddLiteral(out, " ");
            ++i;
        } else if (c == '*' && i + 1 < code.size()) {
            ++i;
        } else if (c == '[') {
            size_t end = code.find(']', i);
            if (end == std::string_view::npos) end = code.size();
            BracketToken(code.substr(i + 1, end - i - 1), out);
            i = end;
        } else if (c == '0' || c == '#' || c == '?') {
            out.push_back({Tok::Digit, std::string(1, c)});
        } else if (c == '.') {
            out.push_back({Tok::Point, "."});
        } else if (c == ',') {
            out.push_back({Tok::Comma, ","});
        } else if (c == '%') {
            out.push_back({Tok::Percent, "%"});
        } else if (c == '/') {
            out.push_back({Tok::Slash, "/"});
        } else if (c == '@') {
            out.push_back({Tok::Text, "@"});
        } else if ((lower == 'e') && i + 1 < code.size() && (code[i + 1] == '+' || code[i + 1] == '-')) {
            out.push_back({Tok::Exponent, std::string(1, c) + code[++i]});
        } else if (StartsWithNoCase(code, i, "General")) {
            out.push_back({Tok::General, ""});
            i += 6;
        } else if (StartsWithNoCase(code, i, "AM/PM")) {
            out.push_back({Tok::Date, "am/pm"});
            i += 4;
        } else if (StartsWithNoCase(code, i, "A/P")) {
            out.push_back({Tok::Date, "a/p"});
            i += 2;
        } else if (lower == 'y' || lower == 'm' || lower == 'd' || lower == 'h' || lower == 's') {
            size_t end = i;
            while (end < code.size() && (code[end] | 0x20) == lower) ++end;
            out.push_back({Tok::Date, std::string(end - i, lower)});
            i = end - 1;
        } else {
            AddLiteral(out, code.substr(i, 1));
        }
    }
    return out;
}

std::vector<std::string> SplitCodeSections(std::string_view code) {
    std::vector<std::string> sections(1);
    bool quoted = false;
    for (size_t i = 0; i < code.size(); ++i) {
        char c = code[i];
        if (c == '"') quoted = !quoted;
        if (c == ';' && !quoted) {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
        if (c == '\\' && i + 1 < code.size()) sections.back() += code[++i];
    }
    return sections;
}

bool Has(const std::vector<Token>& tokens, Tok kind) {
    for (const Token& t : tokens)
        if (t.kind == kind) return true;
    return false;
}

// --- General --------------------------------------------------------------------------------

// Six significant digits (or `decimals` + 1) and a two-digit exponent at least, without
// trailing zeros. Rounds half away from zero on the 15 significant digits the spreadsheet
// keeps, so 1234.5 with three decimals is 1.235E+03 as it shows there.
std::string GeneralScientific(double v, int decimals = 5) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14E", std::fabs(v));
    std::string s = buf;
    size_t e = s.find('E');
    std::string digits = s.substr(0, 1) + s.substr(2, e - 2);  // 15 digits, no point
    int exponent = std::stoi(s.substr(e + 1));
    bool up = digits[decimals + 1] >= '5';
    digits.resize(decimals + 1);
    for (int i = decimals; up && i >= 0; --i) {
        up = digits[i] == '9';
        digits[i] = up ? '0' : static_cast<char>(digits[i] + 1);
    }
    if (up) digits.insert(digits.begin(), '1'), digits.pop_back(), ++exponent;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string mantissa = digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "");
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return (v < 0 ? "-" : "") + mantissa + tail;
}

// Up to ten significant digits (eleven for an integer); scientific from 1E+11 up, below
// 1E-04, and when rounding carries an integer into a twelfth digit.
std::string GeneralNumber(double v) {
    if (v == 0) return "0";
    double magnitude = std::fabs(v);
    if (magnitude >= 1e11 || magnitude < 1e-4) return GeneralScientific(v);
    int integerDigits = magnitude < 1 ? 1 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    std::string code = "0";
    if (integerDigits < 10) code += "." + std::string(10 - integerDigits, '#');
    std::string fixed = FormatNumber(v, code);
    if (fixed.back() == '.') fixed.pop_back();  // "0.##" leaves the point after an integer
    size_t digits = fixed.size() - (v < 0 ? 1 : 0);
    if (fixed.find('.') == std::string::npos && digits > 11) return GeneralScientific(v);
    return fixed;
}

// --- Numbers ----------------------------------------------------------------------------------

struct NumberShape {
    int integerPlaces = 0, fractionPlaces = 0, exponentPlaces = 0;
    bool grouping = false, hasPoint = false;
    int percents = 0, thousandsScale = 0;
};

NumberShape ShapeOf(const std::vector<Token>& tokens) {
    NumberShape s;
    bool afterPoint = false, inExponent = false;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.kind == Tok::Digit) {
            (inExponent ? s.exponentPlaces : afterPoint ? s.fractionPlaces : s.integerPlaces)++;
        } else if (t.kind == Tok::Point && !inExponent) {
            afterPoint = s.hasPoint = true;
        } else if (t.kind == Tok::Exponent) {
            inExponent = true;
        } else if (t.kind == Tok::Percent) {
            ++s.percents;
        } else if (t.kind == Tok::Comma && !inExponent) {
            // Between digit places it groups thousands; after the last one it divides by 1000.
            bool digitAfter = i + 1 < tokens.size() && tokens[i + 1].kind == Tok::Digit;
            if (digitAfter && !afterPoint && s.integerPlaces > 0) s.grouping = true;
            else if (!digitAfter && s.integerPlaces + s.fractionPlaces > 0) ++s.thousandsScale;
        }
    }
    return s;
}

// Writes the number's digits into the places of the code: integer digits right to left (the
// leftmost place takes every digit left over), fraction digits left to right, the exponent
// padded to its places.
class NumberWriter {
public:
    NumberWriter(const NumberShape& shape, std::string integer, std::string fraction,
                 int exponent)
        : shape_(shape), integer_(std::move(integer)), fraction_(std::move(fraction)) {
        remaining_ = static_cast<int>(integer_.size());
        lastSignificant_ = static_cast<int>(fraction_.find_last_not_of('0'));
        if (fraction_.find_last_not_of('0') == std::string::npos) lastSignificant_ = -1;
        exponentSign_ = exponent < 0 ? "-" : "";
        exponent_ = std::to_string(std::abs(exponent));
        if (static_cast<int>(exponent_.size()) < shape.exponentPlaces)
            exponent_.insert(0, shape.exponentPlaces - exponent_.size(), '0');
    }

    std::string Write(const std::vector<Token>& tokens) {
        std::string out;
        int integerPlace = 0, fractionPlace = 0, exponentPlace = 0;
        bool afterPoint = false, inExponent = false;
        for (const Token& t : tokens) {
            switch (t.kind) {
            case Tok::Digit:
                if (inExponent) out += exponentPlace++ == 0 ? exponent_ : "";
                else if (afterPoint) out += FractionDigit(t.text[0], fractionPlace++);
                else out += IntegerDigits(t.text[0], integerPlace++);
                break;
            case Tok::Point:
                // Without integer places the integer digits still show, before the point.
                if (!inExponent && !afterPoint && shape_.integerPlaces == 0) out += integer_;
                if (!inExponent) afterPoint = true;
                out += '.';
                break;
            case Tok::Exponent:
                inExponent = true;
                out += t.text.substr(0, 1) +
                       (exponentSign_.empty() && t.text[1] == '+' ? "+" : exponentSign_);
                break;
            case Tok::Percent: out += '%'; break;
            case Tok::Slash: out += '/'; break;
            case Tok::Literal: out += t.text; break;
            default: break;
            }
        }
        return out;
    }

private:
    std::string IntegerDigits(char place, int index) {
        int fromRight = shape_.integerPlaces - 1 - index;
        int take = index == 0 ? std::max(remaining_ - fromRight, 0) : (remaining_ > fromRight ? 1 : 0);
        std::string out;
        for (int k = 0; k < take; ++k) {
            out += integer_[integer_.size() - remaining_--];
            Group(out, remaining_);
        }
        if (take == 0 && place == '0') {
            out += '0';
            Group(out, fromRight);
        } else if (take == 0 && place == '?') {
            out += ' ';
        }
        return out;
    }

    // A thousands separator after a digit with a multiple of three digits on its right.
    void Group(std::string& out, int digitsOnRight) const {
        if (shape_.grouping && digitsOnRight > 0 && digitsOnRight % 3 == 0) out += ',';
    }

    std::string FractionDigit(char place, int index) const {
        char digit = index < static_cast<int>(fraction_.size()) ? fraction_[index] : '0';
        if (index <= lastSignificant_ || place == '0') return std::string(1, digit);
        return place == '?' ? " " : "";
    }

    const NumberShape& shape_;
    std::string integer_, fraction_, exponent_, exponentSign_;
    int remaining_ = 0, lastSignificant_ = -1;
};

// The magnitude rounded half away from zero to the places, as "123.45".
std::string Rounded(double magnitude, int fractionPlaces) {
    return FormatNumber(magnitude, fractionPlaces ? "0." + std::string(fractionPlaces, '0') : "0");
}

int IntegerDigitCount(const std::string& rounded) {
    return static_cast<int>(std::min(rounded.find('.'), rounded.size()));
}

// The exponent for scientific notation: a multiple of the number of integer places (Excel's
// engineering notation with "##0.0E+0"), chosen so the rounded mantissa fits those places.
int ScientificExponent(double magnitude, const NumberShape& shape) {
    int step = std::max(shape.integerPlaces, 1);
    double power = std::floor(std::log10(magnitude));
    int exponent = static_cast<int>(std::floor(power / step)) * step;
    // Rounding up can give the mantissa one digit too many (9.999 as "10.00").
    std::string mantissa = Rounded(magnitude / std::pow(10.0, exponent), shape.fractionPlaces);
    if (IntegerDigitCount(mantissa) > step) exponent += step;
    return exponent;
}

std::string FormatNumberSection(double v, const std::vector<Token>& tokens, bool showMinus) {
    NumberShape shape = ShapeOf(tokens);
    double magnitude = std::fabs(v) * std::pow(100.0, shape.percents) /
                       std::pow(1000.0, shape.thousandsScale);
    int exponent = 0;
    if (Has(tokens, Tok::Exponent) && magnitude != 0) {
        exponent = ScientificExponent(magnitude, shape);
        magnitude /= std::pow(10.0, exponent);
    }
    std::string rounded = Rounded(magnitude, shape.fractionPlaces);
    size_t point = rounded.find('.');
    std::string integer = rounded.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : rounded.substr(point + 1);
    if (integer == "0") integer.clear();
    bool zero = rounded.find_first_of("123456789") == std::string::npos;
    NumberWriter writer(shape, integer, fraction, exponent);
    std::string out = writer.Write(tokens);
    return showMinus && v < 0 && !zero ? "-" + out : out;
}

// --- Dates and times --------------------------------------------------------------------------

struct DateTime {
    int year = 1900, month = 1, day = 0, weekday = 0;  // weekday 0 = Sunday
    int hour = 0, minute = 0, second = 0;
    long long elapsedSeconds = 0;  // for [h], [m] and [s]
    std::string subsecond;         // the digits after "ss."
};

// Days since 1 January 1970 to a civil date (the proleptic Gregorian calendar).
void CivilFromDays(long z, int& y, int& m, int& d) {
    z += 719468;
    long era = (z >= 0 ? z : z - 146096) / 146097;
    long doe = z - era * 146097;
    long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

// The date of a day number. The 1900 system has a day 0 (0 January 1900) and counts a
// 29 February 1900 (day 60); its weekdays follow the day number, so serial 1 is a Sunday.
void SetDate(long days, bool date1904, DateTime& t) {
    // Day numbers since 1970: 1 Jan 1904 is -24107, 31 Dec 1899 is -25568.
    if (date1904) {
        CivilFromDays(days - 24107, t.year, t.month, t.day);
        t.weekday = static_cast<int>((days + 5) % 7);  // 1 Jan 1904 was a Friday
        return;
    }
    t.weekday = static_cast<int>((days + 6) % 7);
    if (days == 0) {
        t.year = 1900, t.month = 1, t.day = 0;
    } else if (days == 60) {
        t.year = 1900, t.month = 2, t.day = 29;
    } else {
        CivilFromDays(days - 25568 - (days > 60 ? 1 : 0), t.year, t.month, t.day);
    }
}

// Rounds to the second, or to the fraction of a second the code shows, before splitting.
DateTime FromSerial(double serial, bool date1904, int subsecondPlaces) {
    long long perSecond = 1;
    for (int i = 0; i < subsecondPlaces; ++i) perSecond *= 10;
    long long ticks = std::llround(serial * 86400.0 * static_cast<double>(perSecond));
    DateTime t;
    t.elapsedSeconds = ticks / perSecond;
    if (subsecondPlaces > 0) {
        t.subsecond = std::to_string(ticks % perSecond);
        t.subsecond.insert(0, subsecondPlaces - t.subsecond.size(), '0');
    }
    long long daySeconds = t.elapsedSeconds % 86400;
    t.hour = static_cast<int>(daySeconds / 3600);
    t.minute = static_cast<int>(daySeconds / 60 % 60);
    t.second = static_cast<int>(daySeconds % 60);
    SetDate(static_cast<long>(t.elapsedSeconds / 86400), date1904, t);
    return t;
}

std::string TwoDigits(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};
const char* const kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

// An "m" code means minutes right after an hour code or right before a seconds code.
bool IsMinuteAt(const std::vector<Token>& tokens, size_t i) {
    for (size_t k = i; k-- > 0;) {
        if (tokens[k].kind != Tok::Date) continue;
        if (tokens[k].text[0] == 'h' || tokens[k].text.starts_with("[h")) return true;
        break;
    }
    for (size_t k = i + 1; k < tokens.size(); ++k) {
        if (tokens[k].kind != Tok::Date) continue;
        return tokens[k].text[0] == 's';
    }
    return false;
}

std::string ElapsedPart(const std::string& code, const DateTime& t) {
    long long divisor = code[1] == 'h' ? 3600 : code[1] == 'm' ? 60 : 1;
    return std::to_string(t.elapsedSeconds / divisor);
}

std::string DatePart(const std::string& code, const DateTime& t, bool minute, bool twelveHour) {
    char c = code[0];
    size_t n = code.size();
    if (code == "am/pm") return t.hour < 12 ? "AM" : "PM";
    if (code == "a/p") return t.hour < 12 ? "A" : "P";
    if (c == '[') return ElapsedPart(code, t);
    if (c == 'y') return n <= 2 ? TwoDigits(t.year % 100) : std::to_string(t.year);
    if (c == 'm' && minute) return n == 1 ? std::to_string(t.minute) : TwoDigits(t.minute);
    if (c == 'm') {
        std::string name = kMonths[(t.month + 11) % 12];
        if (n == 1) return std::to_string(t.month);
        if (n == 2) return TwoDigits(t.month);
        if (n == 3) return name.substr(0, 3);
        return n == 5 ? name.substr(0, 1) : name;
    }
    if (c == 'd') {
        if (n == 1) return std::to_string(t.day);
        if (n == 2) return TwoDigits(t.day);
        std::string name = kDays[t.weekday];
        return n == 3 ? name.substr(0, 3) : name;
    }
    if (c == 'h') {
        int hour = twelveHour ? (t.hour % 12 == 0 ? 12 : t.hour % 12) : t.hour;
        return n == 1 ? std::to_string(hour) : TwoDigits(hour);
    }
    if (c == 's') return n == 1 ? std::to_string(t.second) : TwoDigits(t.second);
    return "";
}

bool IsSecondsCode(const Token& t) {
    return t.kind == Tok::Date && (t.text[0] == 's' || t.text.starts_with("[s"));
}

// The "0" places of a point right after a seconds code ("ss.00"): at most three.
int SubsecondPlacesAt(const std::vector<Token>& tokens, size_t point) {
    if (tokens[point].kind != Tok::Point || point == 0 || !IsSecondsCode(tokens[point - 1]))
        return 0;
    int places = 0;
    while (places < 3 && point + 1 + places < tokens.size() &&
           tokens[point + 1 + places].kind == Tok::Digit && tokens[point + 1 + places].text == "0")
        ++places;
    return places;
}

std::string FormatDateSection(double serial, const std::vector<Token>& tokens, bool date1904) {
    // Before day 0 or after 31 December 9999 there is no date to show.
    if (serial < 0 || serial >= (date1904 ? 2957004 : 2958466)) return "########";
    int subsecondPlaces = 0;
    bool twelveHour = false;
    for (size_t i = 0; i < tokens.size(); ++i) {
        subsecondPlaces = std::max(subsecondPlaces, SubsecondPlacesAt(tokens, i));
        if (tokens[i].kind == Tok::Date && (tokens[i].text == "am/pm" || tokens[i].text == "a/p"))
            twelveHour = true;
    }
    DateTime t = FromSerial(serial, date1904, subsecondPlaces);
    std::string out;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& tok = tokens[i];
        if (int places = SubsecondPlacesAt(tokens, i); places > 0) {
            out += "." + t.subsecond.substr(0, places);
            i += places;
        } else if (tok.kind == Tok::Date) {
            out += DatePart(tok.text, t, tok.text[0] == 'm' && IsMinuteAt(tokens, i), twelveHour);
        } else if (tok.kind != Tok::General) {
            out += tok.text;
        }
    }
    return out;
}

// --- Sections ---------------------------------------------------------------------------------

// The fourth section, or a single one with "@", shows text; an empty fourth section hides it.
std::string FormatText(const std::string& text, const std::vector<std::string>& sections) {
    std::string section;
    if (sections.size() >= 4) section = sections[3];
    else if (sections.size() == 1 && sections[0].find('@') != std::string::npos) section = sections[0];
    else return text;
    std::string out;
    for (const Token& t : Tokenize(section))
        if (t.kind != Tok::Date && t.kind != Tok::General) out += t.kind == Tok::Text ? text : t.text;
    return out;
}

// A fixed denominator ("?/8"): a literal of digits right after the slash.
size_t DenominatorDigits(const std::vector<Token>& tokens, size_t i) {
    if (i == 0 || tokens[i].kind != Tok::Literal || tokens[i - 1].kind != Tok::Slash) return 0;
    return std::min(tokens[i].text.find_first_not_of("0123456789"), tokens[i].text.size());
}

// A fraction code ("# ?/?", "?/8"): digit places before a slash, a denominator after it.
bool IsFraction(const std::vector<Token>& tokens) {
    bool digitBefore = false, slash = false;
    for (size_t i = 0; i < tokens.size(); ++i) {
        bool digit = tokens[i].kind == Tok::Digit;
        if (slash && (digit || DenominatorDigits(tokens, i) > 0)) return true;
        digitBefore = digitBefore || digit;
        slash = slash || (tokens[i].kind == Tok::Slash && digitBefore);
    }
    return false;
}

// Fractions show as decimals: the digit places from the first to the last, denominator
// included, become General.
std::vector<Token> FractionAsGeneral(const std::vector<Token>& tokens) {
    size_t first = tokens.size(), last = 0, denominator = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        size_t digits = DenominatorDigits(tokens, i);
        if (tokens[i].kind != Tok::Digit && digits == 0) continue;
        first = std::min(first, i);
        last = i;
        denominator = digits;
    }
    std::vector<Token> out(tokens.begin(), tokens.begin() + first);
    out.push_back({Tok::General, ""});
    if (denominator > 0 && denominator < tokens[last].text.size())
        out.push_back({Tok::Literal, tokens[last].text.substr(denominator)});
    out.insert(out.end(), tokens.begin() + last + 1, tokens.end());
    return out;
}

// A section without digit places: its literals, and the number as General where the code
// says General or "@".
std::string FormatWithoutDigits(double v, const std::vector<Token>& tokens) {
    std::string out;
    for (const Token& t : tokens) {
        if (t.kind == Tok::General || t.kind == Tok::Text) out += GeneralNumber(v);
        else if (t.kind == Tok::Literal || t.kind == Tok::Slash) out += t.text;
    }
    return out;
}

std::string FormatNumberValue(double v, const std::vector<std::string>& sections, bool date1904) {
    std::string section = sections[0];
    bool showMinus = true;
    if (sections.size() >= 2 && v < 0) section = sections[1], showMinus = false;
    if (sections.size() >= 3 && v == 0) section = sections[2];
    double shown = showMinus ? v : std::fabs(v);
    std::vector<Token> tokens = Tokenize(section);
    if (Has(tokens, Tok::Date)) return FormatDateSection(shown, tokens, date1904);
    if (IsFraction(tokens)) return FormatWithoutDigits(shown, FractionAsGeneral(tokens));
    if (!Has(tokens, Tok::Digit)) return FormatWithoutDigits(shown, tokens);
    return FormatNumberSection(v, tokens, showMinus);
}

}  // namespace

std::vector<std::string> GeneralForms(double v) {
    std::vector<std::string> forms{GeneralNumber(v)};
    auto add = [&](std::string form) {
        if (form != forms.back()) forms.push_back(std::move(form));
    };
    double magnitude = std::fabs(v);
    bool fixed = forms[0].find('E') == std::string::npos;
    if (fixed && magnitude > 0) {
        size_t point = forms[0].find('.');
        int decimals = point == std::string::npos ? 0 : static_cast<int>(forms[0].size() - point - 1);
        for (int d = decimals - 1; d >= 0; --d) {
            std::string shorter = FormatNumber(v, d > 0 ? "0." + std::string(d, '#') : "0");
            if (shorter.back() == '.') shorter.pop_back();
            if (shorter == "0" || shorter == "-0") break;  // no significant digit left
            add(shorter);
        }
    }
    if (magnitude > 0)
        for (int d = 5; d >= 0; --d) add(GeneralScientific(v, d));
    return forms;
}

std::string FormatCode(const Workbook& book, uint16_t index) {
    for (const Record& r : book.globals) {
        if (r.type != rec::kFormat || GetU16At(r.data, 0) != index) continue;
        ByteReader in(r.data, 2);
        std::string code = ReadXlString(in);
        if (!in.Failed()) return code;
    }
    auto it = BuiltInCodes().find(index);
    return it == BuiltInCodes().end() ? "General" : std::string(it->second);
}

bool UsesDate1904(const Workbook& book) {
    for (const Record& r : book.globals)
        if (r.type == rec::kDateMode) return GetU16At(r.data, 0) == 1;
    return false;
}

std::string FormatValue(const CellValue& value, std::string_view code, bool date1904) {
    std::vector<std::string> sections = SplitCodeSections(code.empty() ? "General" : code);
    switch (value.kind) {
    case ValueKind::Empty: return "";
    case ValueKind::Text: return FormatText(value.text, sections);
    case ValueKind::Number:
        if (!std::isfinite(value.number)) return "#NUM!";
        return FormatNumberValue(value.number, sections, date1904);
    default: return DisplayText(value);
    }
}

}  // namespace quillbat::xls
