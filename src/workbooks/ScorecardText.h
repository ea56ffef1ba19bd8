#pragma once
// What a scorecard shows of a batter and a pitcher, read from the lineup and players tables.

#include <string>

#include "platform/TextTable.h"

namespace quillbat {

// The player-format setting's column heading: "Player (BA L/R splits)", "Player (BA / WAR)"
// or "Player (BA)" for any other value.
std::string PlayerHeading(const std::string& playerFormat);
// A batter's line of the card in that format: name and average, with the WAR or the averages
// against left- and right-handed pitchers; a blank split shows as "-".
std::string PlayerText(const std::string& playerFormat, const TextTable& lineups, int row);

// The first lineup row of the side ("away" or "home") batting in the slot ("1".."9"); 0 if none.
int FindLineupRow(const TextTable& lineups, const std::string& side, int slot);

// The throwing hand of the first player of the side (letter case ignored) wearing the number
// (compared exactly); "" when nobody does.
std::string GetPitcherThrows(const TextTable& players, const std::string& side, const std::string& number);
// The field of the first player with this player id; "" when there is none.
std::string LookupPlayerField(const TextTable& players, const std::string& playerId, int field);

// "$B$10" as "B" and "10"; both empty when the text has no second "$".
void SplitCellAddress(const std::string& address, std::string& column, std::string& row);

}  // namespace quillbat
