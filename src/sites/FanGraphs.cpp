#include "sites/FanGraphs.h"

#include <cctype>
#include <map>

#include "platform/FileSystem.h"
#include "platform/NumberFormat.h"
#include "platform/TextFunctions.h"
#include "sites/FanGraphsTable.h"
#include "sites/HTMLProcs.h"
#include "sites/PlayerRows.h"

namespace quillbat {

namespace {

std::string Lookup(const std::map<std::string, std::string>& codes, const std::string& text) {
    auto it = codes.find(text);
    return it == codes.end() ? "" : it->second;
}

// Club names are words of letters and digits with spaces, dots, hyphens and apostrophes
// ("Red Sox", "D-backs"); nothing that could change the address's query.
bool IsPlainTeamName(const std::string& team) {
    for (char c : team)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != ' ' && c != '.' && c != '-' && c != '\'')
            return false;
    return true;
}

bool IsLeague(const std::string& team) {
    std::string upper = ToUpper(team);
    return upper == "AL" || upper == "NL";
}

struct TableColumns {
    NameColumns names;
    int games = 0;
};

// The name column is the last "Name" or "Team", the position column the last "Pos".
TableColumns FindColumns(const std::vector<std::string>& columnNames) {
    TableColumns columns{{0, 0}, 0};
    for (int k = 1; k <= static_cast<int>(columnNames.size()); ++k) {
        const std::string& name = columnNames[k - 1];
        if (name == "Name" || name == "Team") columns.names.name = k;
        if (name == "Pos") columns.names.position = k;
        if (name == "G" && columns.games == 0) columns.games = k;
    }
    return columns;
}

void SetPlayerValues(const TextTable& rows, int row, int count, StatsRow& stats) {
    for (int k = 1; k <= count; ++k) stats.AddValue(ReplaceNbsp(RemoveSpaces(rows.At(k, row))));
}

// Each column's mean over all rows, written like the column's first cell; text counts 0.
void SetAverages(const TextTable& rows, int count, StatsRow& stats) {
    for (int k = 1; k <= count; ++k) {
        if (rows.Rows() == 0) {
            stats.AddValue("");
            continue;
        }
        double sum = 0;
        for (int row = 1; row <= rows.Rows(); ++row) sum += LeadingNumber(KeepNumericChars(rows.At(k, row)));
        stats.AddValue(FormatLikeSample(sum / rows.Rows(), rows.At(k, 1)));
    }
}

std::string DebugDump(const FanGraphsRequest& request, const FanGraphsPage& page, const std::string& error,
                      const StatsRow& stats, const TextTable& rows) {
    std::string text = "parms = " + request.season + " " + request.teamOrLeague + " " + request.playerName +
                       " " + request.position + " " + request.kind + " " + request.group + "\r\n";
    text += "url = " + page.url + "\r\nerror = " + error + "\r\nstatsdesc:\r\n";
    for (int k = 1; k <= stats.ColumnCount(); ++k)
        text += std::to_string(k) + "\t" + stats.ColumnName(k) + "\r\n";
    text += "stats:\r\n";
    for (int k = 1; k <= stats.ColumnCount(); ++k)
        text += std::to_string(k) + "\t" + stats.Value(k) + "\t" + stats.ColumnName(k) + "\r\n";
    text += "allstats:\r\n";
    for (int row = 1; row <= rows.Rows(); ++row) {
        text += std::to_string(row);
        for (int k = 1; k <= 5; ++k) text += "\t" + rows.At(k, row);
        text += "\r\n";
    }
    return text + std::string(21, '=') + "\r\n";
}

}  // namespace

std::string FanGraphsKindCode(const std::string& kind) {
    static const std::map<std::string, std::string> codes = {
        {"Batters", "bat"}, {"Pitchers", "pit"}, {"Fielders", "fld"}};
    return Lookup(codes, kind);
}

std::string FanGraphsSplitCode(const std::string& split) {
    if (split == "vs L") return "13";
    if (split == "vs R") return "14";
    return "0";
}

std::string FanGraphsGroupCode(const std::string& kindCode, const std::string& group) {
    static const std::map<std::string, std::string> codes = {
        {"Standard", "0"},   {"Advanced", "1"},         {"Batted Ball", "2"}, {"Win Probability", "3"},
        {"Pitch Type", "4"}, {"Plate Discipline", "5"}, {"Value", "6"},       {"Pitch Value", "7"}};
    if (kindCode == "fld") return group == "Advanced" ? "1" : "0";
    return Lookup(codes, group);
}

std::string FanGraphsAddress(const Sources& sources, const FanGraphsRequest& request, FanGraphsPage& page) {
    if (request.season.empty() || !IsAllDigits(request.season)) return "Invalid season: " + request.season;
    if (!IsPlainTeamName(request.teamOrLeague)) return "Invalid team name: " + request.teamOrLeague;
    std::string kind = FanGraphsKindCode(request.kind);
    std::string group = FanGraphsGroupCode(kind, request.group);
    if (IsLeague(request.teamOrLeague)) {
        page.mode = "league";
        page.url = sources.fanGraphsHost + "/teams.aspx?pos=all&lg=" + ToLower(request.teamOrLeague) +
                   "&stats=" + kind + "&type=" + group + "&season=" + request.season + "&month=0";
    } else {
        page.mode = "player";
        page.url = sources.fanGraphsHost + "/winss.aspx?team=" + request.teamOrLeague +
                   "&pos=all&stats=" + kind + "&qual=0&type=" + group + "&season=" + request.season +
                   "&month=" + FanGraphsSplitCode(request.split);
    }
    page.pageKind = "fangraphs_" + kind + "_" + page.mode + "_" + request.group;
    return "";
}

std::string ScrapeFanGraphs(const NetSession& session, FanGraphsRequest& request, StatsRow& row) {
    row.Clear();
    std::string kind = FanGraphsKindCode(request.kind);
    if (kind.empty()) return "Invalid stat type: " + request.kind;
    if (FanGraphsGroupCode(kind, request.group).empty()) return "Invalid stat name: " + request.group;
    FanGraphsPage page;
    if (std::string error = FanGraphsAddress(session.settings.sources, request, page); !error.empty())
        return error;
    if (std::string error = GetCachedPage(session, page.url, page.pageKind, false); !error.empty())
        return "Download error: " + error;

    std::string text;
    ReadWholeFile(PageFilePath(session.settings, page.pageKind), text);
    FanGraphsTable table =
        ReadFanGraphsTable(std::move(text), page.mode == "league" ? kTeamRowKey : kPlayerRowKey);
    for (const std::string& name : table.columnNames) row.AddColumn(name);
    TableColumns columns = FindColumns(table.columnNames);

    std::string error;
    if (request.playerName == kAverageRequest) {
        SetAverages(table.rows, row.ColumnCount(), row);
    } else {
        if ((request.position == "OF" || request.position == "IF") && kind == "fld" &&
            columns.names.position != 0)
            ResolveFielderPosition(request.playerName, request.position, columns.names, columns.games,
                                   table.rows);
        int found = FindPlayerRow(request.playerName, request.position, columns.names, table.rows);
        if (found == 0)
            error = "Invalid player name";
        else
            SetPlayerValues(table.rows, found, row.ColumnCount(), row);
    }
    if (session.settings.debugMode)
        AppendToFile(JoinPath(session.settings.programFolder, "_debugScrapeFanGraphs_" + page.mode + ".txt"),
                     DebugDump(request, page, error, row, table.rows));
    return error;
}

std::string FormatLikeSample(double number, const std::string& sample) {
    std::string digits = KeepNumericChars(sample);
    std::string format = "####0";
    if (std::size_t point = digits.find('.'); point != std::string::npos)
        format += "." + std::string(digits.size() - point - 1, '0');
    std::string trimmed = TrimBlanks(sample);
    return FormatNumber(number, format) + (!trimmed.empty() && trimmed.back() == '%' ? "%" : "");
}

}  // namespace quillbat
