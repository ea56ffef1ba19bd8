#include "gameday/GamedayAddresses.h"

#include <cctype>
#include <cstdio>

#include "platform/Dates.h"
#include "platform/FileSystem.h"
#include "platform/ProgramLog.h"
#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

// An address below a base that is itself unusable ("") is unusable too.
std::string Join(std::string_view a, std::string_view b) {
    return a.empty() ? "" : std::string(a).append("/").append(b);
}

std::string PlayerFolder(bool isPitcher) { return isPitcher ? "/pitchers/" : "/batters/"; }

}  // namespace

std::string GamedayDatePath(std::string_view date) {
    auto parsed = ParseDate(date, Today());
    if (!parsed) return "";
    char path[48];
    std::snprintf(path, sizeof path, "year_%04d/month_%02d/day_%02d", parsed->year, parsed->month,
                  parsed->day);
    return path;
}

std::string DayUrl(const Settings& settings, std::string_view date) {
    std::string path = GamedayDatePath(date);
    return path.empty() ? "" : Join(settings.gamedayBaseUrl, path);
}

bool IsGamedayId(std::string_view gamedayId) {
    if (gamedayId.empty()) return false;
    for (char c : gamedayId) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-') return false;
    }
    return true;
}

bool IsPlayerId(std::string_view playerId) { return !playerId.empty() && IsAllDigits(playerId); }

bool CheckPlayerId(const Settings& settings, std::string_view playerId) {
    if (IsPlayerId(playerId)) return true;
    WriteLog(settings, "Skipped player id \"" + std::string(playerId) + "\": not all digits");
    return false;
}

bool CheckGamedayId(const Settings& settings, std::string_view gamedayId) {
    if (IsGamedayId(gamedayId)) return true;
    WriteLog(settings, "Skipped gameday id \"" + std::string(gamedayId) + "\": not a game id");
    return false;
}

std::string GameFolder(std::string_view gamedayId) {
    return IsGamedayId(gamedayId) ? "gid_" + std::string(gamedayId) : "";
}

std::string GameUrl(std::string_view dayUrl, std::string_view gameFolder) {
    return gameFolder.empty() ? "" : Join(dayUrl, gameFolder);
}

std::string MasterScoreboardUrl(std::string_view dayUrl) { return Join(dayUrl, "master_scoreboard.xml"); }
std::string BoxScoreUrl(std::string_view gameUrl) { return Join(gameUrl, "boxscore.xml"); }
std::string PlayersUrl(std::string_view gameUrl) { return Join(gameUrl, "players.xml"); }

std::string PlayerGameUrl(std::string_view gameUrl, std::string_view playerId, bool isPitcher) {
    if (!IsPlayerId(playerId)) return "";
    return std::string(gameUrl) + PlayerFolder(isPitcher) + std::string(playerId) + ".xml";
}

std::string PlayerSeasonUrl(std::string_view gamedayBase, std::string_view season,
                            std::string_view playerId, bool isPitcher) {
    if (!IsPlayerId(playerId)) return "";
    return std::string(gamedayBase) + "/year_" + std::string(season) + PlayerFolder(isPitcher) +
           std::string(playerId) + ".xml";
}

std::string SeasonOfDate(std::string_view date) {
    return std::string(date.size() > 4 ? date.substr(date.size() - 4) : date);
}

std::string ScoreboardFile(std::string_view tempFolder) { return JoinPath(tempFolder, "scoreboard.xml"); }
std::string BoxScoreFile(std::string_view tempFolder) { return JoinPath(tempFolder, "boxscore.xml"); }
std::string PlayersFile(std::string_view tempFolder) { return JoinPath(tempFolder, "players.xml"); }
std::string RosterPageFile(std::string_view tempFolder) { return JoinPath(tempFolder, "roster.htm"); }

std::string PlayerGameFile(std::string_view tempFolder, std::string_view playerId) {
    return IsPlayerId(playerId) ? JoinPath(tempFolder, std::string(playerId) + "_game.xml") : "";
}

std::string PlayerSeasonFile(std::string_view tempFolder, std::string_view playerId) {
    return IsPlayerId(playerId) ? JoinPath(tempFolder, std::string(playerId) + "_season.xml") : "";
}

std::string FlatTablePath(std::string_view xmlPath) {
    auto at = ToLower(xmlPath).find(".xml");
    if (at == std::string::npos) return "";
    return std::string(xmlPath).replace(at, 4, ".xls");
}

}  // namespace quillbat
