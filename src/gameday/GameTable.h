#pragma once
// The games of one day, as the master scoreboard lists them.

#include "platform/TextTable.h"

namespace quillbat {

namespace GameField {
inline constexpr int kAwayCity = 1;
inline constexpr int kHomeCity = 2;
inline constexpr int kGamedayId = 3;  // names the game folder
inline constexpr int kVenue = 4;
inline constexpr int kAwayWins = 5;
inline constexpr int kAwayLosses = 6;
inline constexpr int kHomeWins = 7;
inline constexpr int kHomeLosses = 8;
inline constexpr int kAwayPitcherName = 9;
inline constexpr int kAwayPitcherNumber = 10;
inline constexpr int kAwayPitcherWins = 11;
inline constexpr int kAwayPitcherLosses = 12;
inline constexpr int kAwayPitcherEra = 13;
inline constexpr int kHomePitcherName = 14;
inline constexpr int kHomePitcherNumber = 15;
inline constexpr int kHomePitcherWins = 16;
inline constexpr int kHomePitcherLosses = 17;
inline constexpr int kHomePitcherEra = 18;
inline constexpr int kAwayFileCode = 19;
inline constexpr int kHomeFileCode = 20;
inline constexpr int kGameId = 21;
inline constexpr int kDoubleHeaderGame = 22;  // "1", "2" or ""
inline constexpr int kAwayTeamName = 23;
inline constexpr int kHomeTeamName = 24;
inline constexpr int kAwayLeagueId = 25;
inline constexpr int kHomeLeagueId = 26;
inline constexpr int kAwayTeamId = 27;  // the Stats API's club ids; "" in a gameday table
inline constexpr int kHomeTeamId = 28;
inline constexpr int kAwayPitcherId = 29;  // the Stats API's probable pitchers; "" in a gameday table
inline constexpr int kHomePitcherId = 30;
inline constexpr int kCount = 30;
}  // namespace GameField

// The fields that describe one side of a game, so that code working per side names no field
// by its neighbour's number.
struct GameSideFields {
    int city, teamName, wins, losses, fileCode, leagueId;
    int pitcherName, pitcherNumber, pitcherWins, pitcherLosses, pitcherEra;
    int teamId, pitcherId;
};

inline constexpr GameSideFields kAwayFields = {
    GameField::kAwayCity,          GameField::kAwayTeamName,      GameField::kAwayWins,
    GameField::kAwayLosses,        GameField::kAwayFileCode,      GameField::kAwayLeagueId,
    GameField::kAwayPitcherName,   GameField::kAwayPitcherNumber, GameField::kAwayPitcherWins,
    GameField::kAwayPitcherLosses, GameField::kAwayPitcherEra,    GameField::kAwayTeamId,
    GameField::kAwayPitcherId};
inline constexpr GameSideFields kHomeFields = {
    GameField::kHomeCity,          GameField::kHomeTeamName,      GameField::kHomeWins,
    GameField::kHomeLosses,        GameField::kHomeFileCode,      GameField::kHomeLeagueId,
    GameField::kHomePitcherName,   GameField::kHomePitcherNumber, GameField::kHomePitcherWins,
    GameField::kHomePitcherLosses, GameField::kHomePitcherEra,    GameField::kHomeTeamId,
    GameField::kHomePitcherId};

// One row per game, in the scoreboard's order.
class GameTable : public TextTable {
public:
    GameTable() : TextTable(GameField::kCount, 0) {}
};

}  // namespace quillbat
