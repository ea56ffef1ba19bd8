#pragma once
// Finding a player's (or a team's) row in a statistics table by the name in one column, the way
// the sites write names: "First Last", "Last, First", with or without "Jr.", initials.

#include <string>

#include "platform/TextTable.h"

namespace quillbat {

// Removes the first " Jr." and then the first "Jr.", ignoring letter case.
std::string DropJr(const std::string& text);
// "Last, First" as " First Last" (the text after the first comma, a space, the text before
// it); a text without a comma unchanged.
std::string SwapCommaName(const std::string& text);

struct PlayerName {
    std::string first;
    std::string last;
};
// The last word is the last name (without "Jr."), the words before it the first name; one
// word is a last name alone; a blank text gives two empty names.
PlayerName SplitPlayerName(const std::string& text);

// Where the names and positions stand in a table; position 0 when it has none.
struct NameColumns {
    int name = 1;
    int position = 0;
};

// The row of the table whose name cell names the player, or 0 when no single row does. In
// turn: the whole name; last name with the first name or the requested position; first
// initial and last word; a growing prefix of the first name among rows with the last name.
// A position "" , "OF" or "IF" asks for no particular position.
int FindPlayerRow(const std::string& name, const std::string& position, NameColumns columns,
                  const TextTable& table);

// For a fielder asked for as "OF" or "IF": the position of his row (first and last names
// equal) with the most games in gamesColumn, a later row winning a tie. The position stays
// as it is when no row names him.
void ResolveFielderPosition(const std::string& name, std::string& position, NameColumns columns,
                            int gamesColumn, const TextTable& table);

}  // namespace quillbat
