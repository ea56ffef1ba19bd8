#include "sites/ESPN.h"

#include <algorithm>
#include <cctype>

#include "platform/FileSystem.h"
#include "platform/ProgramLog.h"
#include "platform/TextFunctions.h"
#include "sites/EspnPages.h"
#include "sites/HTMLProcs.h"
#include "sites/PlayerRows.h"

namespace quillbat {

namespace {

constexpr const char* kRosterPage = "espnroster";
constexpr const char* kVersusPage = "espnbvsp";

const std::string& LookupEspnTeam(const TeamTables& tables, const std::string& fileCode, int field) {
    static const std::string kNone;
    for (int row = 1; row <= tables.espnTeams.Rows(); ++row)
        if (EqualsNoCase(tables.espnTeams.At(EspnTeamField::kFileCode, row), fileCode))
            return tables.espnTeams.At(field, row);
    return kNone;
}

bool IsAlphanumeric(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

bool IsNumber(const std::string& text) { return !text.empty() && IsAllDigits(text); }

std::string RosterDump(const TextTable& players) {
    std::string text = "tot players = " + std::to_string(players.Rows()) + "\r\n";
    for (int row = 1; row <= players.Rows(); ++row)
        text += std::to_string(row) + "\t" + players.At(EspnRosterField::kName, row) + "\t" +
                players.At(EspnRosterField::kPosition, row) + "\t" +
                players.At(EspnRosterField::kPlayerId, row) + "\r\n";
    return text;
}

std::string VersusDump(const EspnBatterTable& table) {
    std::string text = "tot stats = " + std::to_string(table.columnNames.size()) + "\r\n";
    for (std::size_t i = 0; i < table.columnNames.size(); ++i)
        text += std::to_string(i + 1) + "\t" + table.columnNames[i] + "\r\n";
    text += "tot players = " + std::to_string(table.batters.Rows()) + "\r\n";
    for (int row = 1; row <= table.batters.Rows(); ++row)
        for (int column = 1; column <= table.batters.Fields(); ++column)
            text += std::to_string(row) + "\t" + std::to_string(column) + "\t" +
                    table.batters.At(column, row) + "\r\n";
    return text;
}

void SortByName(TextTable& batters) {
    std::vector<std::vector<std::string>> rows;
    for (int row = 1; row <= batters.Rows(); ++row) {
        std::vector<std::string> cells;
        for (int column = 1; column <= batters.Fields(); ++column) cells.push_back(batters.At(column, row));
        rows.push_back(std::move(cells));
    }
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a[0] < b[0]; });
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (std::size_t column = 0; column < rows[row].size(); ++column)
            batters.Set(static_cast<int>(column + 1), static_cast<int>(row + 1), rows[row][column]);
}

void FillResult(const EspnBatterTable& table, BatterVersusPitcher& result) {
    for (const std::string& name : table.columnNames) result.columns.AddColumn(name);
    for (int row = 1; row <= table.batters.Rows(); ++row) {
        StatsRow batter = result.columns;
        for (int column = 1; column <= table.batters.Fields(); ++column)
            batter.AddValue(table.batters.At(column, row));
        result.batters.push_back(std::move(batter));
    }
}

}  // namespace

std::string GetESPNTeamCode(const TeamTables& tables, const std::string& fileCode) {
    return LookupEspnTeam(tables, fileCode, EspnTeamField::kEspnFileCode);
}

std::string GetESPNTeamID(const TeamTables& tables, const std::string& fileCode) {
    return LookupEspnTeam(tables, fileCode, EspnTeamField::kEspnTeamId);
}

std::string FormatLastFirst(const std::string& name) {
    std::size_t space = name.find(' ');
    return space == std::string::npos ? name : name.substr(space + 1) + ", " + name.substr(0, space);
}

std::string GetESPNPlayerID(const NetSession& session, const TeamTables& tables, const std::string& teamCode,
                            const std::string& playerName, const std::string& position) {
    std::string code = ToLower(GetESPNTeamCode(tables, teamCode));
    if (!IsAlphanumeric(code)) return "";
    std::string url = session.settings.sources.espnHost + "/mlb/teams/roster?team=" + code;
    if (!GetCachedPage(session, url, kRosterPage, true).empty()) return "";

    std::string text;
    ReadWholeFile(PageFilePath(session.settings, kRosterPage), text);
    EspnRoster roster = ReadEspnRoster(std::move(text));
    if (roster.skipped > 0)
        WriteLog(session.settings, "  " + url + ": " + std::to_string(roster.skipped) +
                                       " player links without a numeric id skipped");
    if (session.settings.debugMode)
        WriteFileAtomically(JoinPath(session.settings.programFolder, "debug_GetESPNPlayerID.txt"),
                            RosterDump(roster.players));
    int row = FindPlayerRow(playerName, position, {EspnRosterField::kName, EspnRosterField::kPosition},
                            roster.players);
    return row > 0 ? roster.players.At(EspnRosterField::kPlayerId, row) : "";
}

std::string ScrapeESPN(const NetSession& session, const TeamTables& tables, const EspnRequest& request,
                       BatterVersusPitcher& result) {
    result = {};
    std::string error;
    EspnBatterTable table;
    std::string pitcherId =
        GetESPNPlayerID(session, tables, request.pitcherTeamCode, request.pitcherName, request.position);
    std::string teamId = GetESPNTeamID(tables, request.opposingTeamCode);
    if (!IsNumber(pitcherId)) {
        error = "No ESPN player id for " + request.pitcherName;
    } else if (!IsNumber(teamId)) {
        error = "No ESPN team id for " + request.opposingTeamCode;
    } else {
        std::string url = session.settings.sources.espnHost + "/mlb/player/batvspitch/_/id/" + pitcherId +
                          "/teamId/" + teamId;
        error = GetCachedPage(session, url, kVersusPage, true);
    }
    if (error.empty()) {
        std::string text;
        ReadWholeFile(PageFilePath(session.settings, kVersusPage), text);
        table = ReadEspnBatterTable(std::move(text));
        for (int row = 1; row <= table.batters.Rows(); ++row)
            table.batters.Set(1, row, FormatLastFirst(table.batters.At(1, row)));
        SortByName(table.batters);
        FillResult(table, result);
    }
    if (session.settings.debugMode)
        WriteFileAtomically(JoinPath(session.settings.programFolder, "debug_ScrapeESPN.txt"),
                            VersusDump(table));
    return error;
}

}  // namespace quillbat
