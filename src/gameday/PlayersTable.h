#pragma once
// Every player of both teams of the chosen game, with identity, handedness and figures.

#include "platform/TextTable.h"

namespace quillbat {

namespace PlayerField {
inline constexpr int kSide = 1;
inline constexpr int kTeamName = 2;
inline constexpr int kFirstName = 3;
inline constexpr int kLastName = 4;
inline constexpr int kUniformNumber = 5;
inline constexpr int kBoxScoreName = 6;
inline constexpr int kThrows = 7;  // the players file's rl value
inline constexpr int kPosition = 8;
inline constexpr int kPlayerId = 12;
inline constexpr int kCount = 58;
}  // namespace PlayerField

class PlayersTable : public TextTable {
public:
    PlayersTable() : TextTable(PlayerField::kCount, 0) {}
};

}  // namespace quillbat
