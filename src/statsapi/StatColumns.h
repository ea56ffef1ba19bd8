#pragma once
// The Stats API's season figures under the column names the stages ask for ("PA", "AVG", "SV",
// "K/9", ...), the same for players and clubs.

#include "sites/StatsRow.h"
#include "statsapi/ApiJson.h"

namespace quillbat {

// Appends a column and its value.
void PutStat(StatsRow& row, const std::string& name, const std::string& value);

// The hitting figures of a stat object (and "ISO", slugging less average), or the pitching ones.
void PutHittingColumns(StatsRow& row, const Json& stat);
void PutPitchingColumns(StatsRow& row, const Json& stat);

}  // namespace quillbat
