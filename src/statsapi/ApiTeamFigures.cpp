#include "statsapi/ApiTeamFigures.h"

#include "statsapi/ApiAddresses.h"
#include "statsapi/ApiSession.h"
#include "statsapi/TeamLeaguesReader.h"

namespace quillbat {

const std::vector<ClubStats>* ApiTeamFigures::Clubs(bool pitching) {
    std::optional<std::vector<ClubStats>>& clubs = pitching ? pitching_ : hitting_;
    if (!clubs) {
        clubs.emplace();
        const char* group = pitching ? "pitching" : "hitting";
        const std::string& host = session_.settings.sources.statsApiHost;
        error_ = FetchAndRead(session_, TeamStatsUrl(host, season_, group),
                              TeamStatsFile(session_.settings.tempFolder, group),
                              [&](const std::string& path) { return ReadTeamStatsFile(path, *clubs); });
    }
    return clubs->empty() ? nullptr : &*clubs;
}

std::vector<std::string> ApiTeamFigures::ClubsOfLeague(const std::string& league) {
    if (!leagues_) {
        leagues_.emplace();
        const std::string& host = session_.settings.sources.statsApiHost;
        FetchAndRead(session_, TeamsUrl(host, season_), TeamsFile(session_.settings.tempFolder),
                     [&](const std::string& path) { return ReadTeamLeaguesFile(path, *leagues_); });
    }
    std::vector<std::string> ids;
    for (const auto& [id, clubLeague] : *leagues_)
        if (clubLeague == league) ids.push_back(id);
    return ids;
}

std::string ApiTeamFigures::Answer(const FanGraphsRequest& request, StatsRow& row) {
    row.Clear();
    if (request.kind != "Batters" && request.kind != "Pitchers") return "Invalid stat type: " + request.kind;
    const std::vector<ClubStats>* clubs = Clubs(request.kind == "Pitchers");
    if (!clubs) return "Download error: " + error_;
    if (request.playerName == kAverageRequest) {
        std::vector<std::string> ids = ClubsOfLeague(request.teamOrLeague);
        if (ids.empty()) return "Download error: no clubs of the league " + request.teamOrLeague;
        row = AverageRow(*clubs, ids);
        return "";
    }
    const StatsRow* club = ClubRow(*clubs, request.playerName);
    if (!club) return "Invalid player name";
    row = *club;
    return "";
}

}  // namespace quillbat
