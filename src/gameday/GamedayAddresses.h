#pragma once
// Addresses in the gameday data tree and the local names the downloaded files take.
// Ids that come from downloaded data are checked before they become part of a path: a
// function given an unusable id returns "" instead of an address.

#include <string>
#include <string_view>

#include "platform/Settings.h"

namespace quillbat {

// The gameday site as status texts name it.
inline constexpr const char* kGamedaySiteName = "MLB Gameday";

// "year_YYYY/month_MM/day_DD" for a "mm/dd/yyyy" date; "" when the date cannot be read.
std::string GamedayDatePath(std::string_view date);
// gameday base + "/" + day path.
std::string DayUrl(const Settings& settings, std::string_view date);

// True for a gameday game id such as "2013_04_22_oakmlb_bosmlb_1": letters, digits, "_", "-".
bool IsGamedayId(std::string_view gamedayId);
// True for a player id: one or more digits.
bool IsPlayerId(std::string_view playerId);
// IsPlayerId, and a program-log line naming the id when it is refused.
bool CheckPlayerId(const Settings& settings, std::string_view playerId);

// IsGamedayId, and a program-log line naming the id when it is refused.
bool CheckGamedayId(const Settings& settings, std::string_view gamedayId);

// "gid_" + the game's gameday id; "" when the id is unusable.
std::string GameFolder(std::string_view gamedayId);
// day URL + "/" + game folder; "" when either is "" (so are the file addresses below it).
std::string GameUrl(std::string_view dayUrl, std::string_view gameFolder);

std::string MasterScoreboardUrl(std::string_view dayUrl);
std::string BoxScoreUrl(std::string_view gameUrl);
std::string PlayersUrl(std::string_view gameUrl);
// game URL + "/pitchers/" or "/batters/" + id + ".xml".
std::string PlayerGameUrl(std::string_view gameUrl, std::string_view playerId, bool isPitcher);
// gameday base + "/year_" + season + "/pitchers/" or "/batters/" + id + ".xml".
std::string PlayerSeasonUrl(std::string_view gamedayBase, std::string_view season, std::string_view playerId,
                            bool isPitcher);
// The season of a "mm/dd/yyyy" game date: its last four characters.
std::string SeasonOfDate(std::string_view date);

std::string ScoreboardFile(std::string_view tempFolder);
std::string BoxScoreFile(std::string_view tempFolder);
std::string PlayersFile(std::string_view tempFolder);
std::string PlayerGameFile(std::string_view tempFolder, std::string_view playerId);
std::string PlayerSeasonFile(std::string_view tempFolder, std::string_view playerId);
std::string RosterPageFile(std::string_view tempFolder);

// The flat table's path: the first ".xml" (any case) replaced by ".xls"; "" when there is none.
std::string FlatTablePath(std::string_view xmlPath);

}  // namespace quillbat
