#pragma once
// The two ESPN page layouts the program reads: a club's roster page, whose player links carry
// ESPN's player ids, and a pitcher's batter-versus-pitcher page, one row per batter.

#include <string>
#include <vector>

#include "platform/TextTable.h"

namespace quillbat {

// Fields of the roster list.
namespace EspnRosterField {
inline constexpr int kName = 1;  // the link text
inline constexpr int kPosition = 2;  // always empty
inline constexpr int kPlayerId = 3;
inline constexpr int kCount = 3;
}  // namespace EspnRosterField

struct EspnRoster {
    TextTable players{EspnRosterField::kCount, 0};
    int skipped = 0;  // links whose id is not a number, or whose text is too long for a name
};

// Every "/mlb/player/_/id/<id>/..." link, in page order, with the text of its "<a>" element.
EspnRoster ReadEspnRoster(std::string page);

// The batters' table: column 1 the batter's name as the page writes it, columns 2 onward his
// figures under the header texts; names are the header list's entry 1 ("Batter").
struct EspnBatterTable {
    std::vector<std::string> columnNames;
    TextTable batters;
};

// The table under the "<td>BATTER</td>" header. Empty (no columns) without such a header.
// A row keeps at most as many figures as the header has columns, and at most
// kEspnMaxColumns columns and kPageTableMaxRows batters are read.
inline constexpr int kEspnMaxColumns = 51;
EspnBatterTable ReadEspnBatterTable(std::string page);

}  // namespace quillbat
