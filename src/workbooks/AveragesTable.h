#pragma once
// The league and team averages of the last Create: one row per FanGraphs column of a league's
// or a team's batting and pitching tables, batters' rows before pitchers' rows.

#include "platform/TextTable.h"

namespace quillbat {

namespace AverageField {
inline constexpr int kOwner = 1;  // the league ("AL" or "NL") or the team database's team name
inline constexpr int kKind = 2;  // "Batters" or "Pitchers"
inline constexpr int kStatName = 3;  // the FanGraphs column name: "AVG", "K/9", "wOBA", ...
inline constexpr int kValue = 4;  // as the page (or the league's average) writes it
inline constexpr int kCount = 4;
}  // namespace AverageField

class AveragesTable : public TextTable {
public:
    AveragesTable() : TextTable(AverageField::kCount, 0) {}
};

}  // namespace quillbat
