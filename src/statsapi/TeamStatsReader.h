#pragma once
// Every club's season figures from the Stats API's team statistics
// (`/api/v1/teams/stats?sportId=1&stats=season&season=YYYY&group=hitting` or `group=pitching`), as
// stats rows with the column names the stages ask for, and league rows as the clubs' averages.

#include <string>
#include <vector>

#include "sites/StatsRow.h"
#include "statsapi/ApiJson.h"

namespace quillbat {

struct ClubStats {
    std::string teamId, teamName;  // the API's id and full name ("New York Yankees")
    StatsRow row;
};

// In the response's order. Returns "" or why the response is not team statistics.
std::string ReadTeamStats(const Json& response, std::vector<ClubStats>& clubs);
std::string ReadTeamStatsFile(const std::string& path, std::vector<ClubStats>& clubs);

// The row of the club whose full name is teamName or ends in " " + teamName ("Yankees" finds
// "New York Yankees"); nullptr when none does.
const StatsRow* ClubRow(const std::vector<ClubStats>& clubs, const std::string& teamName);

// The column averages of the clubs with the given ids (all clubs when none is given), each
// written with as many decimals as the first club's value: a league's row, as the "Average"
// requests give it. A column without numbers is empty.
StatsRow AverageRow(const std::vector<ClubStats>& clubs, const std::vector<std::string>& clubIds = {});

}  // namespace quillbat
