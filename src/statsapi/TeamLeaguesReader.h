#pragma once
// Which league each club plays in, from the Stats API's club list
// (`/api/v1/teams?sportId=1&season=YYYY`), so league rows can average the right clubs.

#include <map>
#include <string>

#include "statsapi/ApiJson.h"

namespace quillbat {

// Club id to "AL" (league 103) or "NL" (104); clubs of other leagues are left out. Returns "" or
// why the response is not a club list.
std::string ReadTeamLeagues(const Json& response, std::map<std::string, std::string>& leagueOfClub);
std::string ReadTeamLeaguesFile(const std::string& path, std::map<std::string, std::string>& leagueOfClub);

}  // namespace quillbat
