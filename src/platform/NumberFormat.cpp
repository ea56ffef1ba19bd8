#include "platform/NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace quillbat {

namespace {

struct FormatCode {
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool hasPoint = false;
};

FormatCode ParseCode(std::string_view format) {
    FormatCode code;
    auto dot = format.find('.');
    std::string_view integer = format.substr(0, dot);
    for (char c : integer)
        if (c == '0') ++code.minIntegerDigits;
    code.hasPoint = dot != std::string_view::npos;
    if (code.hasPoint) {
        for (char c : format.substr(dot + 1)) {
            if (c == '0') ++code.minDecimals, ++code.maxDecimals;
            if (c == '#') ++code.maxDecimals;
        }
    }
    return code;
}

// The value's decimal digits, rounded half away from zero to `decimals` places:
// digits holds the integer and fraction digits, pointPos how many of them stand before the point.
struct Decimal {
    std::string digits;
    int pointPos = 0;
};

Decimal RoundedDigits(double magnitude, int decimals) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", magnitude);  // d.dddddddddddddde±XX
    std::string mantissa = std::string(1, buf[0]) + std::string(buf + 2, 14);
    int exponent = std::atoi(std::strchr(buf, 'e') + 1);
    Decimal d{mantissa, exponent + 1};
    int keep = d.pointPos + decimals;
    if (keep < 0) return Decimal{"", 0};
    if (keep >= static_cast<int>(d.digits.size())) return d;
    bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    for (int i = keep - 1; up && i >= 0; --i) {
        if (d.digits[i] == '9') {
            d.digits[i] = '0';
        } else {
            ++d.digits[i];
            up = false;
        }
    }
    if (up) {
        d.digits.insert(d.digits.begin(), '1');
        ++d.pointPos;
    }
    return d;
}

char DigitAt(const Decimal& d, int index) {  // index 0 = first digit before the point
    int i = index + d.pointPos;
    return i >= 0 && i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0';
}

}  // namespace

std::string FormatNumber(double value, std::string_view format) {
    if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
    FormatCode code = ParseCode(format);
    Decimal d = RoundedDigits(std::fabs(value), code.maxDecimals);

    std::string integer;
    for (int i = -d.pointPos; i < 0; ++i) integer += DigitAt(d, i);
    auto firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? "" : integer.substr(firstNonZero);
    if (static_cast<int>(integer.size()) < code.minIntegerDigits)
        integer.insert(0, code.minIntegerDigits - integer.size(), '0');

    std::string fraction;
    for (int i = 0; i < code.maxDecimals; ++i) fraction += DigitAt(d, i);
    while (static_cast<int>(fraction.size()) > code.minDecimals && fraction.back() == '0')
        fraction.pop_back();

    std::string out = integer;
    if (code.hasPoint) out += "." + fraction;
    bool zero = out.find_first_of("123456789") == std::string::npos;
    return (value < 0 && !zero) ? "-" + out : out;
}

double LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digitsStart = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    if (i < text.size() && text[i] == '.') ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    bool anyDigit = false;
    for (std::size_t k = digitsStart; k < i; ++k)
        if (text[k] != '.') anyDigit = true;
    if (!anyDigit) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        if (e < text.size() && std::isdigit(static_cast<unsigned char>(text[e]))) {
            while (e < text.size() && std::isdigit(static_cast<unsigned char>(text[e]))) ++e;
            i = e;
        }
    }
    return std::strtod(std::string(text.substr(start, i - start)).c_str(), nullptr);
}

}  // namespace quillbat
