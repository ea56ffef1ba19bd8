#pragma once
// The starting batters of both teams in batting order, as the box score names them.

#include "platform/TextTable.h"

namespace quillbat {

namespace LineupField {
inline constexpr int kSide = 1;  // "away" or "home"
inline constexpr int kBattingOrder = 2;
inline constexpr int kBoxScoreName = 3;
inline constexpr int kAverage = 4;
inline constexpr int kPosition = 5;
inline constexpr int kPlayerId = 6;
inline constexpr int kUniformNumber = 7;
inline constexpr int kWar = 8;
inline constexpr int kFanGraphsTeam = 9;
inline constexpr int kFanGraphsName = 10;
inline constexpr int kAverageVsLeft = 11;
inline constexpr int kAverageVsRight = 12;
inline constexpr int kCount = 12;
}  // namespace LineupField

class LineupTable : public TextTable {
public:
    LineupTable() : TextTable(LineupField::kCount, 0) {}
};

}  // namespace quillbat
