#include "statsapi/TeamLeaguesReader.h"

namespace quillbat {

std::string ReadTeamLeagues(const Json& response, std::map<std::string, std::string>& leagueOfClub) {
    const Json* teams = Member(response, {"teams"});
    if (!teams || !teams->is_array()) return "no teams in the response";
    for (const Json& team : *teams) {
        std::string id = Text(team, {"id"}), league = Text(team, {"league", "id"});
        if (!IsApiId(id)) continue;
        if (league == "103") leagueOfClub[id] = "AL";
        if (league == "104") leagueOfClub[id] = "NL";
    }
    return "";
}

std::string ReadTeamLeaguesFile(const std::string& path, std::map<std::string, std::string>& leagueOfClub) {
    return ReadJsonFileWith(path,
                            [&](const Json& response) { return ReadTeamLeagues(response, leagueOfClub); });
}

}  // namespace quillbat
