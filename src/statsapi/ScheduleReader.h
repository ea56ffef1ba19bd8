#pragma once
// The day's games from the Stats API's schedule, into the game table the game list and the
// Create run read. The clubs' city texts come from the team database by file code, so the list
// reads as it always has ("NY Yankees at Boston"); a club the database does not know takes its
// short name from the response.

#include <string>

#include "gameday/GameTable.h"
#include "gameday/TeamTables.h"
#include "statsapi/ApiJson.h"

namespace quillbat {

// One row per game in the response's order. Returns "" or why the response is not a schedule
// (the table is then empty); a schedule without games is not an error.
std::string ReadSchedule(const Json& schedule, const TeamTables& teams, GameTable& games);

// The same from the downloaded file.
std::string ReadScheduleFile(const std::string& path, const TeamTables& teams, GameTable& games);

}  // namespace quillbat
