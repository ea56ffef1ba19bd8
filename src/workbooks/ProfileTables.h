#pragma once
// What the starting pitcher profiles show and where: the pitch types, the reference rows with
// their shading marks, the names the readers are asked for, and the opposing batters taken
// from the players table when ESPN has none.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TextTable.h"

namespace quillbat {

struct PitchType {
    const char* name;
    const char* code;  // the prefix of FanGraphs' "Pitch Type" columns: code + "%", code + "v"
};

// Where a reference row's figures come from.
enum class ReferenceSource { PlateDiscipline, BrcPitches, BrcRatios, BrcBattingAgainst };

struct ReferenceRow {
    ReferenceSource source;
    int sheetRow;
    const char* description;  // what the sheet shows
    const char* statName;  // the column looked up in the source's stats row
    const char* high;  // a value at or above it is shaded
    const char* low;  // a value at or below it is shaded
};

// The eight pitch types, shown on rows 5 to 12 in this order.
std::span<const PitchType> PitchTypes();
// The reference rows, by sheet row.
std::span<const ReferenceRow> ReferenceRows();

// The name the readers are asked for: the pitcher text without its parenthesised parts and
// outer blanks, "Last, First" turned to "First Last".
std::string ProfileLookupName(std::string_view pitcherText);

// True when the cell's text, reduced to its numeric characters and read as a number (0 when
// there is none), lies at or beyond one of the row's marks.
bool IsBeyondMarks(const ReferenceRow& row, std::string_view cellText);

// True when a batter with this many at-bats (at least 15) has an average that stands out:
// at least .300 or at most .1999.
bool IsNotableBatterAverage(std::string_view atBatsText, std::string_view averageText);

// The players-table rows of the opposing side ("away" or "home") who are not pitchers, in the
// table's order.
std::vector<int> OpposingBatterRows(const TextTable& players, const std::string& opposingSide);

}  // namespace quillbat
