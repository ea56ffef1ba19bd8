#pragma once
// Every player of both teams of the chosen game, with identity, handedness and figures.
// "Batter" and "pitcher" fields share numbers: a player whose position is "P" uses the
// pitcher meaning, everyone else the batter meaning.

#include "platform/TextTable.h"

namespace quillbat {

namespace PlayerField {
// Identity, from the players file or the roster page.
inline constexpr int kSide = 1;  // "away" or "home"
inline constexpr int kTeamName = 2;
inline constexpr int kFirstName = 3;
inline constexpr int kLastName = 4;
inline constexpr int kUniformNumber = 5;
inline constexpr int kBoxScoreName = 6;
inline constexpr int kRlValue = 7;   // the players file's rl value
inline constexpr int kPosition = 8;  // "P" for pitchers; roster pages give "P", "C", "IF", "OF", "DH"
// The players file's figures.
inline constexpr int kBatterAverage = 9;
inline constexpr int kPitcherWins = 9;
inline constexpr int kBatterHomeRuns = 10;
inline constexpr int kPitcherLosses = 10;
inline constexpr int kBatterRbi = 11;
inline constexpr int kPitcherEra = 11;  // "##0.00"
inline constexpr int kPlayerId = 12;
// The game file's figures.
inline constexpr int kBats = 13;
inline constexpr int kThrows = 14;
inline constexpr int kBatterOps = 15;                // replaced by FanGraphs plate appearances
inline constexpr int kBatterPlateAppearances = 15;   // after the season pass
inline constexpr int kBatterSplitsAverage = 16;      // both splits combined, or "-"
inline constexpr int kBatterSplitsAtBats = 17;
inline constexpr int kPitcherGameWins = 18;
inline constexpr int kPitcherGameLosses = 19;
inline constexpr int kPitcherSaves = 20;  // the game file's, replaced by FanGraphs "SV"
// The season file's figures and the rates worked out from them.
inline constexpr int kBatterSeasonAtBats = 21;
inline constexpr int kBatterOnBase = 22;
inline constexpr int kBatterSlugging = 23;
inline constexpr int kBatterWar = 24;  // FanGraphs
inline constexpr int kUzr = 25;        // FanGraphs
inline constexpr int kPitcherSeasonInnings = 26;  // as written, e.g. "45.2"
inline constexpr int kPitcherWhip = 27;
inline constexpr int kPitcherWalksPerNine = 28;
inline constexpr int kPitcherStrikeoutsPerNine = 29;
inline constexpr int kPitcherFip = 30;             // FanGraphs
inline constexpr int kPitcherWar = 31;             // FanGraphs
inline constexpr int kPitcherAverageAgainst = 32;  // FanGraphs
inline constexpr int kBatterSplitsHomeRuns = 33;
inline constexpr int kBatterSplitsRbi = 34;
inline constexpr int kPitcherSeasonWins = 35;
inline constexpr int kPitcherSeasonLosses = 36;
inline constexpr int kPitcherSeasonEra = 37;
inline constexpr int kBatterSeasonHomeRuns = 38;
inline constexpr int kBatterSeasonRbi = 39;
inline constexpr int kBatterSeasonHits = 40;
inline constexpr int kBatterSeasonAverage = 41;
// FanGraphs batting figures.
inline constexpr int kIso = 42;
inline constexpr int kBabip = 43;
inline constexpr int kWoba = 44;
inline constexpr int kStolenBases = 45;
inline constexpr int kCaughtStealing = 46;
inline constexpr int kFanGraphsAverage = 47;
inline constexpr int kOnBasePercentage = 48;
inline constexpr int kSluggingPercentage = 49;
inline constexpr int kOps = 50;
inline constexpr int kAtBats = 51;
inline constexpr int kHomeRuns = 52;
inline constexpr int kRuns = 53;
inline constexpr int kRunsBattedIn = 54;
inline constexpr int kWalks = 55;
inline constexpr int kStrikeouts = 56;
inline constexpr int kAverageVsLeft = 57;
inline constexpr int kAverageVsRight = 58;
inline constexpr int kCount = 58;
}  // namespace PlayerField

class PlayersTable : public TextTable {
public:
    PlayersTable() : TextTable(PlayerField::kCount, 0) {}
};

}  // namespace quillbat
