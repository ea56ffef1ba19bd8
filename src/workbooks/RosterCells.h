#pragma once
// What a column of the rosters sheet shows for one player, which columns rank their leaders,
// and who is qualified to lead a rate column.

#include <string>
#include <vector>

#include "platform/TextTable.h"

namespace quillbat {

// The players-table figure under the column heading (any letter case) for the player in the
// row: batters' headings for position players, pitchers' for pitchers (position "P"); "" for
// a heading that is not the player's.
std::string GetRosterCell(const std::string& heading, const TextTable& players, int row);

// Games played from the record in a title, "Club (85-70)" giving 155; 0 without a record.
int GamesFromTitle(const std::string& title);

struct StatDirection {
    std::string heading;
    char direction;  // 'H': higher is better, 'L': lower is better
};
// The ranked columns.
std::vector<StatDirection> BuildStatDirections();
// The direction of the first entry with exactly this heading; 0 for a column that is not ranked.
char DirectionOf(const std::vector<StatDirection>& directions, const std::string& heading);

// Whether a player may lead the column: counting figures rank everyone; a rate needs 3.1 plate
// appearances (batters) or 1.0 inning (pitchers) per team game, reckoned in single precision.
bool QualifiesToLead(const std::string& heading, bool pitcherColumn, int plateAppearances, float innings,
                     int games);

}  // namespace quillbat
