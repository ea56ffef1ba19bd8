#include "workbooks/ProfileTables.h"

#include <array>

#include "gameday/PlayersTable.h"
#include "platform/NumberFormat.h"
#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

constexpr std::array<PitchType, 8> kPitchTypes = {{{"Fastball", "FB"},
                                                   {"Slider", "SL"},
                                                   {"Cutter", "CT"},
                                                   {"Curveball", "CB"},
                                                   {"Changeup", "CH"},
                                                   {"Split-fingered", "SF"},
                                                   {"Knuckleball", "KN"},
                                                   {"Unidentified", "XX"}}};

using enum ReferenceSource;
constexpr std::array<ReferenceRow, 24> kReferenceRows = {{
    {PlateDiscipline, 15, "Swing", "Swing%", "49.9", "44.1"},
    {PlateDiscipline, 16, "Swing In Strike Zone", "Z-Swing%", "68.8", "61.8"},
    {PlateDiscipline, 17, "Swing Out Of Strike Zone", "O-Swing%", "35.2", "27.3"},
    {PlateDiscipline, 18, "Contact", "Contact%", "84.6", "75.2"},
    {PlateDiscipline, 19, "Contact In Strike Zone", "Z-Contact%", "91.4", "83.6"},
    {PlateDiscipline, 20, "Contact Out Of Strike Zone", "O-Contact%", "74.3", "58.7"},
    {PlateDiscipline, 21, "In Strike Zone", "Zone%", "49.2", "42.1"},
    {PlateDiscipline, 22, "First Pitch Strikes", "F-Strike%", "65.8", "56.9"},
    {PlateDiscipline, 23, "Swinging Strikes", "SwStr%", "11.5", "6.9"},
    {BrcPitches, 26, "Strike %", "Str%", "67.3", "61.9"},
    {BrcRatios, 27, "Strikeout %", "SO%", "26.3", "15.1"},
    {BrcRatios, 28, "Walk %", "BB%", "9.6", "4.6"},
    {BrcRatios, 29, "Home Run %", "HR%", "3.3", "1.4"},
    {BrcRatios, 30, "Extra Base Hit%", "XBH%", "9.1", "5.6"},
    {BrcRatios, 31, "% All Hits Extra Base", "X/H%", "38.0", "25.2"},
    {BrcRatios, 32, "Ground Ball to Fly Ball", "GB/FB", "1.2", "0.6"},
    {BrcRatios, 33, "Ground Outs to Air Outs", "GO/AO", "1.7", "0.7"},
    {BrcRatios, 34, "Balls In-Play %", "IP%", "74.8", "63.0"},
    {BrcRatios, 35, "Line Drive %", "LD%", "27.0", "21.0"},
    {BrcRatios, 36, "Home Runs to Fly Balls %", "HR/FB", "9.3", "4.3"},
    {BrcRatios, 37, "Fly Balls On Infield %", "IF/FB", "16.0", "9.0"},
    {BrcRatios, 38, "Double Play %", "%", "15.0", "6.2"},  // the column is named "%" alone
    {BrcBattingAgainst, 41, "BA", "BA", ".279", ".223"},
    {BrcBattingAgainst, 42, "BAbip", "BAbip", ".319", ".265"},
}};

// Marks and figures are compared in single precision, so a figure equal to its mark as
// written (11.5 against "11.5") counts as reaching it.
float SingleOf(std::string_view text) { return static_cast<float>(LeadingNumber(text)); }

constexpr float kBatterHighMark = 0.3f;
constexpr float kBatterLowMark = 0.1999f;
constexpr int kBatterMinAtBats = 15;

}  // namespace

std::span<const PitchType> PitchTypes() { return kPitchTypes; }
std::span<const ReferenceRow> ReferenceRows() { return kReferenceRows; }

std::string ProfileLookupName(std::string_view pitcherText) {
    std::string name = TrimBlanks(RemoveParenthesized(pitcherText));
    size_t comma = name.find(',');
    if (comma == std::string::npos) return name;
    // The blanks after the comma are dropped whatever their number, so "Smith,John" works too.
    return TrimBlanks(name.substr(comma + 1)) + " " + name.substr(0, comma);
}

bool IsBeyondMarks(const ReferenceRow& row, std::string_view cellText) {
    float value = SingleOf(KeepNumericChars(cellText));
    return value >= SingleOf(row.high) || value <= SingleOf(row.low);
}

bool IsNotableBatterAverage(std::string_view atBatsText, std::string_view averageText) {
    if (LeadingNumber(atBatsText) < kBatterMinAtBats) return false;
    float average = SingleOf(averageText);
    return average >= kBatterHighMark || average <= kBatterLowMark;
}

std::vector<int> OpposingBatterRows(const TextTable& players, const std::string& opposingSide) {
    using namespace PlayerField;
    std::vector<int> rows;
    for (int row = 1; row <= players.Rows(); ++row) {
        if (players.At(kSide, row) == opposingSide && players.At(kPosition, row) != "P") rows.push_back(row);
    }
    return rows;
}

}  // namespace quillbat
