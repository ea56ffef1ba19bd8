#pragma once
// A club's players from the Stats API's roster with each person's record, into the players
// table: who they are, their numbers, positions and handedness.

#include <string>

#include "gameday/PlayersTable.h"
#include "statsapi/ApiJson.h"

namespace quillbat {

// Appends the roster's active players ("A") in the response's order, each with the side
// ("away" or "home") and team name given. Entries without a usable id are left out. Returns ""
// or why the response is not a roster (nothing is appended then).
std::string ReadRoster(const Json& roster, const std::string& side, const std::string& teamName,
                       PlayersTable& players);

// The same from the downloaded file.
std::string ReadRosterFile(const std::string& path, const std::string& side, const std::string& teamName,
                           PlayersTable& players);

}  // namespace quillbat
