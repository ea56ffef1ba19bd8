#pragma once
// The game list: the day's games as the main window and the command line list them.

#include <string>
#include <vector>

#include "gameday/GameTable.h"

namespace quillbat {

// "Away at Home", with " (1)" or " (2)" for the games of a double-header, in table order.
std::vector<std::string> GameListEntries(const GameTable& games);

// The entry to select first: the first that contains the favourite team's text (case-sensitive),
// else the first entry. 0-based; 0 for an empty list too.
std::size_t PreselectedEntry(const std::vector<std::string>& entries, const std::string& favoriteTeam);

}  // namespace quillbat
