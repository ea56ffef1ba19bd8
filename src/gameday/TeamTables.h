#pragma once
// The team database in memory: one row per club with its codes on each data source. Loaded
// at start-up by the application; the readers look clubs up here by gameday file code.

#include <string>

#include "platform/TextTable.h"

namespace quillbat {

// Fields of the team table.
namespace TeamField {
inline constexpr int kFileCode = 1;  // gameday file code, the key
inline constexpr int kTeamCity = 2;  // city text as the scoreboard shows it
inline constexpr int kTeamName = 3;
inline constexpr int kCityName = 4;
inline constexpr int kCount = 4;
}  // namespace TeamField

// Fields of the ESPN team table.
namespace EspnTeamField {
inline constexpr int kFileCode = 1;
inline constexpr int kEspnFileCode = 2;
inline constexpr int kEspnTeamId = 3;
inline constexpr int kCount = 3;
}  // namespace EspnTeamField

struct TeamTables {
    TextTable teams{TeamField::kCount, 0};
    TextTable espnTeams{EspnTeamField::kCount, 0};
};

// Exact (case-sensitive) match on the file code; "" when there is none.
std::string LookupTeamName(const TeamTables& tables, const std::string& fileCode);
std::string LookupCityName(const TeamTables& tables, const std::string& fileCode);
std::string LookupTeamCity(const TeamTables& tables, const std::string& fileCode);

}  // namespace quillbat
