#pragma once
// Addresses of the Stats API requests and the local names of their responses. An id that is
// not an API id gives "" instead of an address or a file name.

#include <string>
#include <string_view>
#include <vector>

namespace quillbat {

// "YYYY-MM-DD" for a "mm/dd/yyyy" date; "" when the date cannot be read.
std::string ApiDate(std::string_view date);

// The day's games with their teams, venues and probable pitchers with their season figures.
std::string ScheduleUrl(std::string_view host, std::string_view date);
// The game's box score: batting orders, positions, numbers and season figures of everyone.
std::string BoxscoreUrl(std::string_view host, std::string_view gamePk);
// The club's active roster on the date, each entry with the whole person record (bats, throws).
std::string RosterUrl(std::string_view host, std::string_view teamId, std::string_view date);
// The season, split (vs left / vs right) and sabermetric figures of the players, hitting and
// pitching, in one request. Ids that are not API ids are left out; "" when none is left or the
// season is not a year.
std::string PeopleStatsUrl(std::string_view host, const std::vector<std::string>& playerIds,
                           std::string_view season);
// The batters' career lines against one pitcher (ids that are not API ids are left out); ""
// when no batter is left or the pitcher's id is not an API id.
std::string VersusPitcherUrl(std::string_view host, const std::vector<std::string>& batterIds,
                             std::string_view pitcherId);
// Every club's season figures of one group ("hitting" or "pitching").
std::string TeamStatsUrl(std::string_view host, std::string_view season, std::string_view group);
// The clubs of the season with their leagues.
std::string TeamsUrl(std::string_view host, std::string_view season);

std::string ScheduleFile(std::string_view tempFolder);
std::string BoxscoreFile(std::string_view tempFolder, std::string_view gamePk);
std::string RosterFile(std::string_view tempFolder, std::string_view teamId);
// which: "lineups" or "players".
std::string PeopleStatsFile(std::string_view tempFolder, std::string_view which);
std::string TeamStatsFile(std::string_view tempFolder, std::string_view group);
std::string TeamsFile(std::string_view tempFolder);
std::string VersusPitcherFile(std::string_view tempFolder, std::string_view pitcherId);

}  // namespace quillbat
