// Number format codes and the text a cell shows through them, checked against what Excel
// shows for the same value and code.

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "XlsInvariants.h"
#include "xls/ByteIo.h"
#include "xls/CellStyle.h"
#include "xls/NumberFormats.h"
#include "xls/Workbook.h"

namespace quillbat::xls {
namespace {

struct Case {
    const char* code;
    double value;
    const char* shown;
};

void ExpectShown(const std::vector<Case>& cases, bool date1904 = false) {
    for (const Case& c : cases)
        EXPECT_EQ(FormatValue(CellValue::FromNumber(c.value), c.code, date1904), c.shown)
            << "code " << c.code << ", value " << c.value;
}

// A FORMAT record's data: the index, then the code as a string with a 2-byte count, in 8-bit
// characters or (`wide`) 16-bit ones.
std::string FormatRecord(uint16_t index, const std::u16string& code, bool wide = false) {
    std::string d;
    PutU16(d, index);
    PutU16(d, static_cast<uint16_t>(code.size()));
    PutU8(d, wide);
    for (char16_t unit : code) wide ? PutU16(d, unit) : PutU8(d, static_cast<uint8_t>(unit));
    return d;
}

TEST(NumberFormats, CodeComesFromTheWorkbookThenTheBuiltInsThenGeneral) {
    Workbook book = NewWorkbook();
    auto xfs = std::find_if(book.globals.begin(), book.globals.end(),
                            [](const Record& r) { return r.type == slot::kXfs; });
    book.globals.insert(xfs,
                        {{rec::kFormat, FormatRecord(164, u"0.000\" avg\"")},
                         {rec::kFormat, FormatRecord(5, u"\"\u00A3\"#,##0")},  // Excel writes 5-8 as records
                         {rec::kFormat, FormatRecord(165, u"\u20AC#,##0", true)}});
    EXPECT_EQ(FormatCode(book, 164), "0.000\" avg\"");
    EXPECT_EQ(FormatCode(book, 165), "\xE2\x82\xAC#,##0");
    EXPECT_EQ(FormatCode(book, 5), "\"\xC2\xA3\"#,##0");
    EXPECT_EQ(FormatCode(book, 0), "General");
    EXPECT_EQ(FormatCode(book, 22), "m/d/yyyy h:mm");
    EXPECT_EQ(FormatCode(book, 30), "General");  // a locale's own, none in US English
    EXPECT_EQ(FormatCode(book, 166), "General");  // no record for it
    // The date system follows the DATEMODE record.
    EXPECT_FALSE(UsesDate1904(book));
    for (Record& r : book.globals)
        if (r.type == rec::kDateMode) SetU16At(r.data, 0, 1);
    EXPECT_TRUE(UsesDate1904(book));
}

// The template's cells through their own XF and FORMAT records show what LibreOffice shows
// for them (the text paragraphs of its own export).
TEST(NumberFormats, TemplateCellsShowAsLibreOfficeShowsThem) {
    Workbook book;
    ASSERT_EQ(OpenWorkbookFile(testing::XlsTestData("template.xlt"), book), "");
    auto shown = [&](int sheet, int row, int col) {
        const Cell* cell = book.sheets[sheet].CellAt(row, col);
        if (!cell) return std::string("(no cell)");
        CellStyle style = DecodeXf(book.formats.xfs.at(cell->xf));
        return FormatValue(cell->value, FormatCode(book, style.format), UsesDate1904(book));
    };
    EXPECT_EQ(shown(0, 0, 0), "Scorecard");
    EXPECT_EQ(shown(0, 12, 2), "3.25");
    EXPECT_EQ(shown(0, 12, 3), "#DIV/0!");
    EXPECT_EQ(shown(1, 0, 0), "Second sheet");
    EXPECT_EQ(shown(1, 0, 1), "42");
}

// Digit places round half away from zero; thousands separators, scaling commas, percent,
// scientific notation (the exponent a multiple of the places left of the point), literals,
// padding, fills and brackets.
TEST(NumberFormats, NumberCodes) {
    ExpectShown({
        {"0.00", 1.005, "1.01"},  // 1.00499999... as a double, 1.005 to 15 digits
        {"#.##", 0.5, ".5"},
        {"#.##", 1, "1."},
        {"0.0#", 1.256, "1.26"},
        {"???", 5, "  5"},
        {"0.0?", 1.5, "1.5 "},
        {"#", 0, ""},
        {".00", 12.5, "12.50"},
        {"0", 1e20, "100000000000000000000"},
        {"#,##0", 999.5, "1,000"},
        {"0,000", 5, "0,005"},
        {"#,##0.00", 1234567.891, "1,234,567.89"},
        {"0.0,,\"M\"", 1234567, "1.2M"},  // scaling commas after the point count too
        {"0.0%", -0.0123, "-1.2%"},
        {"0\\%", 5, "5%"},  // a literal percent sign does not scale
        {"0.00E+00", -12345, "-1.23E+04"},
        {"0.00E+00", 0.000123, "1.23E-04"},
        {"0.00E+00", 9.999, "1.00E+01"},  // rounding up moves the exponent
        {"0.00E-00", 12345, "1.23E04"},
        {"0.0E+0", 1e100, "1.0E+100"},
        {"##0.0E+0", 12345, "12.3E+3"},
        {"##0.0E+0", 0.0001234, "123.4E-6"},
        {"00.00E+00", 12345, "01.23E+04"},
        {"\"a;b\"0", 5, "a;b5"},
        {"$#,##0", -5, "-$5"},
        {"_(0_)", 5, " 5 "},
        {"*-0", 5, "5"},
        {"[$\xE2\x82\xAC-407]#,##0.00", 1234.5,
         "\xE2\x82\xAC"
         "1,234.50"},
        {"[$USD] 0", 5, "USD 5"},
        {"[$-409]0.0", 5, "5.0"},
        {"[Blue][>=100]0", 150, "150"},
        {"(000) 000-0000", 5551234567, "(555) 123-4567"},
    });
}

TEST(NumberFormats, SectionsForPositiveNegativeZeroAndText) {
    ExpectShown({
        {"0.00;(0.00)", -5, "(5.00)"},
        {"0.0;(0.0)", 0, "0.0"},  // two sections: zero takes the first
        {"0;-0;\"zero\"", 0, "zero"},
        {"0;\"neg\"", -1, "neg"},
        {"0;;", -5, ""},
        {"[Red]0;[Blue]-0", -3, "-3"},
        {"General;(General)", -5, "(5)"},
        {"$#,##0.00_);[Red]($#,##0.00)", 1234.5, "$1,234.50 "},
    });
    std::string accounting = FormatCode(NewWorkbook(), 44);
    EXPECT_EQ(FormatValue(CellValue::FromNumber(-1234.5), accounting), " $(1,234.50)");
    EXPECT_EQ(FormatValue(CellValue::FromNumber(0), accounting), " $-   ");
    EXPECT_EQ(FormatValue(CellValue::FromText("n/a"), accounting), " n/a ");
}

// General shows up to ten significant digits (eleven characters for integers); from 1E+11 up
// and below 1E-04 it shows six significant digits in scientific notation. Fraction codes show
// decimals the same way.
TEST(NumberFormats, GeneralShowsTenDigitsThenScientific) {
    ExpectShown({
        {"General", 0, "0"},
        {"General", 0.1 + 0.2, "0.3"},
        {"General", 2.0 / 3, "0.666666667"},
        {"General", -1000.0 / 3, "-333.3333333"},
        {"General", 99999999999, "99999999999"},
        {"General", 1234567890.5, "1234567891"},
        {"General", 99999999999.5, "1E+11"},
        {"General", -1234567890123, "-1.23457E+12"},
        {"General", 484079807176, "4.8408E+11"},
        {"General", 1e100, "1E+100"},
        {"General", 0.0001, "0.0001"},
        {"General", 0.0001234567, "0.000123457"},
        {"General", 0.00001234567, "1.23457E-05"},
        {"general", 2.5, "2.5"},
        {"", 2.5, "2.5"},
        {"General\" runs\"", 5, "5 runs"},
        {"@", 1234567890123, "1.23457E+12"},
        {"# ?/?", 1.25, "1.25"},
        {"# ?/8\" in\"", 2.5, "2.5 in"},
    });
}

// Serial numbers count days from 1900 with its (false) leap day, or from 1904; weekdays
// follow the serial number, so those before March 1900 are Excel's.
TEST(NumberFormats, Dates) {
    ExpectShown({
        {"m/d/yyyy", 45000.99, "3/15/2023"},
        {"mmm d", 45000, "Mar 15"},
        {"mmmm", 45000, "March"},
        {"mmmmm", 45000, "M"},
        {"dddd", 45000, "Wednesday"},
        {"ddd", 45000, "Wed"},
        {"dd/mm/yy", 45000, "15/03/23"},
        {"m/d/yyyy", 60, "2/29/1900"},
        {"m/d/yyyy", 61, "3/1/1900"},
        {"m/d/yyyy", 0, "1/0/1900"},
        {"m/d/yyyy", 2958465, "12/31/9999"},
        {"dddd", 60, "Wednesday"},
        {"dddd", 0, "Saturday"},
    });
    ExpectShown({{"m/d/yyyy", 0, "1/1/1904"}, {"dddd", 0, "Friday"}, {"m/d/yyyy", 45000, "3/16/2027"}}, true);
    for (double serial : {-1.0, -0.5, 2958466.0}) {
        std::string shown = FormatValue(CellValue::FromNumber(serial), "m/d/yyyy");
        EXPECT_FALSE(shown.empty()) << serial;
        EXPECT_EQ(shown.find_first_not_of('#'), std::string::npos) << serial << ": " << shown;
    }
}

// Times: the twelve-hour clock, seconds rounded but minutes not, elapsed hours, minutes or
// seconds, "m" as the minute next to hours or seconds, fractions of a second.
TEST(NumberFormats, Times) {
    double t = 45000 + (13 * 60 + 5) / 1440.0;  // 15 March 2023 13:05
    ExpectShown({
        {"h:mm AM/PM", 0, "12:00 AM"},
        {"h:mm AM/PM", 0.5, "12:00 PM"},
        {"h:mm A/P", 0.75, "6:00 P"},
        {"h:mm", 10.5 / 24 + 45.0 / 86400, "10:30"},
        {"h:mm:ss", 0.5 + 1.0 / 86400 * 0.6, "12:00:01"},
        {"hh:mm:ss", 0.999999999, "00:00:00"},
        {"[h]:mm", 1.5, "36:00"},
        {"[h]:mm:ss", 1.5 - 1e-9, "36:00:00"},  // rounds to the second before counting hours
        {"[mm]:ss", 0.5 / 24, "30:00"},
        {"[ss]", 2.0 / 1440, "120"},
        {"h:m", t, "13:5"},
        {"h\"h\" mm\"m\"", t, "13h 05m"},
        {"m:ss", 65.0 / 86400, "1:05"},
        {"m/d h:mm", t, "3/15 13:05"},
        {"mm", t, "03"},
        {"mm:ss.00", 62.25 / 86400, "01:02.25"},
        {"[h]:mm:ss.000", 1 + 0.125 / 86400, "24:00:00.125"},
        {"ss.0", 59.96 / 86400, "00.0"},  // rounds into the next minute
    });
}

TEST(NumberFormats, TextBooleansErrorsAndEmptyCells) {
    const std::pair<const char*, const char*> text[] = {
        {"0.00", "Cubs"},
        {"@\" fan\"", "Cubs fan"},
        {"@\" \"@", "Cubs Cubs"},
        {"0;-0;0;\"<\"@\">\"", "<Cubs>"},
        {"0;-0;0;[Red]@", "Cubs"},
        {"0;-0", "Cubs"},
        {";;;", ""},
        {"0;-0;0;", ""}};  // an empty text section hides the text
    for (auto [code, shown] : text) EXPECT_EQ(FormatValue(CellValue::FromText("Cubs"), code), shown) << code;
    EXPECT_EQ(FormatValue(CellValue::FromBoolean(true), "0.00"), "TRUE");
    EXPECT_EQ(FormatValue(CellValue::FromError(0x07), "m/d/yyyy"), "#DIV/0!");
    EXPECT_EQ(FormatValue(CellValue(), "0.00"), "");
    EXPECT_EQ(FormatValue(CellValue::FromNumber(std::numeric_limits<double>::infinity()), "0"), "#NUM!");
}

// What a narrow column falls back on: fewer decimals while a digit is left, then scientific.
TEST(NumberFormats, GeneralFormsGetShorterAndKeepASignificantDigit) {
    using Forms = std::vector<std::string>;
    EXPECT_EQ(GeneralForms(-1234.5),
              (Forms{"-1234.5", "-1235", "-1.2345E+03", "-1.235E+03", "-1.23E+03", "-1.2E+03", "-1E+03"}));
    EXPECT_EQ(GeneralForms(0.00012), (Forms{"0.00012", "0.0001", "1.2E-04", "1E-04"}));
    EXPECT_EQ(GeneralForms(999999.5), (Forms{"999999.5", "1000000", "1E+06"}));  // rounding carries
    EXPECT_EQ(GeneralForms(5e12), (Forms{"5E+12"}));
    EXPECT_EQ(GeneralForms(0), (Forms{"0"}));
}

}  // namespace
}  // namespace quillbat::xls
