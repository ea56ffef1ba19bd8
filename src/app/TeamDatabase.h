#pragma once
// The team database file: read once at start-up into the team tables held in memory.

#include <string>

#include "gameday/TeamTables.h"

namespace quillbat {

inline constexpr const char* kTeamDatabaseName = "Quillbat.db";
inline constexpr const char* kTeamQuery = "SELECT * FROM [Teams] ORDER BY [Team_City]";

// Fills both tables in query order; "" on success, else what went wrong.
std::string LoadTeamDatabase(const std::string& databasePath, TeamTables& tables);

}  // namespace quillbat
