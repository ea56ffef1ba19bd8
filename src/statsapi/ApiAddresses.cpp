#include "statsapi/ApiAddresses.h"

#include <cstdio>

#include "platform/Dates.h"
#include "platform/FileSystem.h"
#include "statsapi/ApiJson.h"

namespace quillbat {

std::string ApiDate(std::string_view date) {
    auto parsed = ParseDate(date, Today());
    if (!parsed) return "";
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", parsed->year, parsed->month, parsed->day);
    return text;
}

std::string ScheduleUrl(std::string_view host, std::string_view date) {
    std::string day = ApiDate(date);
    if (day.empty()) return "";
    return std::string(host) + "/api/v1/schedule?sportId=1&date=" + day +
           "&hydrate=team,probablePitcher,stats";
}

std::string BoxscoreUrl(std::string_view host, std::string_view gamePk) {
    if (!IsApiId(gamePk)) return "";
    return std::string(host) + "/api/v1/game/" + std::string(gamePk) + "/boxscore";
}

std::string RosterUrl(std::string_view host, std::string_view teamId, std::string_view date) {
    std::string day = ApiDate(date);
    if (!IsApiId(teamId) || day.empty()) return "";
    return std::string(host) + "/api/v1/teams/" + std::string(teamId) +
           "/roster?rosterType=active&date=" + day + "&hydrate=person";
}

namespace {

// The usable ids, comma-separated.
std::string IdList(const std::vector<std::string>& playerIds) {
    std::string ids;
    for (const std::string& id : playerIds)
        if (IsApiId(id)) ids += (ids.empty() ? "" : ",") + id;
    return ids;
}

}  // namespace

std::string PeopleStatsUrl(std::string_view host, const std::vector<std::string>& playerIds,
                           std::string_view season) {
    std::string ids = IdList(playerIds);
    if (ids.empty() || season.size() != 4 || !IsApiId(season)) return "";  // a year
    return std::string(host) + "/api/v1/people?personIds=" + ids +
           "&hydrate=stats(group=[hitting,pitching],type=[season,statSplits,sabermetrics],sitCodes=[vl,vr],"
           "season=" +
           std::string(season) + ")";
}

std::string VersusPitcherUrl(std::string_view host, const std::vector<std::string>& batterIds,
                             std::string_view pitcherId) {
    std::string ids = IdList(batterIds);
    if (ids.empty() || !IsApiId(pitcherId)) return "";
    return std::string(host) + "/api/v1/people?personIds=" + ids +
           "&hydrate=stats(group=[hitting],type=[vsPlayerTotal],opposingPlayerId=" + std::string(pitcherId) +
           ")";
}

namespace {

bool IsSeason(std::string_view season) { return season.size() == 4 && IsApiId(season); }

}  // namespace

std::string TeamStatsUrl(std::string_view host, std::string_view season, std::string_view group) {
    if (!IsSeason(season) || (group != "hitting" && group != "pitching")) return "";
    return std::string(host) + "/api/v1/teams/stats?sportId=1&stats=season&season=" + std::string(season) +
           "&group=" + std::string(group);
}

std::string TeamsUrl(std::string_view host, std::string_view season) {
    return IsSeason(season) ? std::string(host) + "/api/v1/teams?sportId=1&season=" + std::string(season)
                            : "";
}

std::string TeamStatsFile(std::string_view tempFolder, std::string_view group) {
    return JoinPath(tempFolder, "statsapi_team_stats_" + std::string(group) + ".json");
}

std::string TeamsFile(std::string_view tempFolder) { return JoinPath(tempFolder, "statsapi_teams.json"); }

std::string VersusPitcherFile(std::string_view tempFolder, std::string_view pitcherId) {
    return IsApiId(pitcherId) ? JoinPath(tempFolder, "statsapi_versus_" + std::string(pitcherId) + ".json")
                              : "";
}

std::string PeopleStatsFile(std::string_view tempFolder, std::string_view which) {
    return JoinPath(tempFolder, "statsapi_people_stats_" + std::string(which) + ".json");
}

std::string ScheduleFile(std::string_view tempFolder) {
    return JoinPath(tempFolder, "statsapi_schedule.json");
}

std::string BoxscoreFile(std::string_view tempFolder, std::string_view gamePk) {
    return IsApiId(gamePk) ? JoinPath(tempFolder, "statsapi_boxscore_" + std::string(gamePk) + ".json") : "";
}

std::string RosterFile(std::string_view tempFolder, std::string_view teamId) {
    return IsApiId(teamId) ? JoinPath(tempFolder, "statsapi_roster_" + std::string(teamId) + ".json") : "";
}

}  // namespace quillbat
