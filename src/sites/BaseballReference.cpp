#include "sites/BaseballReference.h"

#include <cctype>
#include <map>

#include "platform/FileSystem.h"
#include "platform/TextFunctions.h"
#include "sites/BrcTable.h"
#include "sites/HTMLProcs.h"
#include "sites/PageLines.h"
#include "sites/PlayerRows.h"

namespace quillbat {

namespace {

constexpr const char* kPageKind = "brc";
constexpr NameColumns kBrcColumns{1, 2};

bool IsTeamCode(const std::string& code) {
    if (code.empty() || code.size() > 4) return false;
    for (char c : code)
        if (!std::isalpha(static_cast<unsigned char>(c))) return false;
    return true;
}

std::string Description(const BrcTable& table, int column) {
    return HtmlToText(RemoveTipAttribute(table.header.At(column)));
}

std::string DebugDump(const BrcRequest& request, const BrcTable& table, const StatsRow& row) {
    std::string text = "stattype = " + request.statType + " statname = " + request.statName + "\r\n";
    text += "tot descs = " + std::to_string(row.ColumnCount()) + "\r\n";
    text += "tot stats = " + std::to_string(kPageTableWidth) + "\r\n";
    text += "tot players = " + std::to_string(table.rows.Rows()) + "\r\n";
    for (int i = 1; i <= row.ColumnCount(); ++i)
        text += std::to_string(i) + "\t" + row.ColumnName(i) + "\r\n";
    for (int k = 1; k <= table.rows.Rows(); ++k)
        for (int c = 1; c <= kPageTableWidth; ++c)
            text += std::to_string(k) + "\t" + std::to_string(c) + "\t" + table.rows.At(c, k) + "\r\n";
    return text;
}

}  // namespace

std::string GetBRCTeamCode(const std::string& gamedayCode) {
    static const std::map<std::string, std::string> codes = {{"CWS", "CHW"}, {"KC", "KCR"}, {"ANA", "LAA"},
                                                             {"LA", "LAD"},  {"SD", "SDP"}, {"SF", "SFG"},
                                                             {"TB", "TBR"},  {"WAS", "WSN"}};
    std::string upper = ToUpper(gamedayCode);
    auto it = codes.find(upper);
    return it == codes.end() ? upper : it->second;
}

std::string RemoveTipAttribute(const std::string& markup) {
    std::size_t start = markup.find("tip=\"");
    if (start == std::string::npos) return markup;
    std::size_t close = markup.find('"', start + 5);
    if (close == std::string::npos) return markup;
    return markup.substr(0, start) + markup.substr(close + 1);
}

std::string ScrapeBRC(const NetSession& session, const BrcRequest& request, StatsRow& row) {
    row.Clear();
    if (request.season.empty() || !IsAllDigits(request.season)) return "Invalid season: " + request.season;
    if (!IsTeamCode(request.teamCode)) return "Invalid team code: " + request.teamCode;
    std::string url = session.settings.sources.baseballReferenceHost + "/teams/" + request.teamCode + "/" +
                      request.season + "-pitching.shtml";
    if (std::string error = GetCachedPage(session, url, kPageKind, true); !error.empty())
        return "Download error: " + error;

    std::string text;
    ReadWholeFile(PageFilePath(session.settings, kPageKind), text);
    BrcTable table = ReadBrcTable(std::move(text), request.statName);
    std::string error = table.error;
    if (error.empty()) {
        int found = FindPlayerRow(request.rowName, request.position, kBrcColumns, table.rows);
        if (found == 0) {
            error = "Invalid player name";
            for (int i = 1; i <= table.header.Count(); ++i) row.AddColumn(Description(table, i));
        } else {
            for (int i = 2; i <= table.header.Count(); ++i) {
                row.AddColumn(Description(table, i));
                row.AddValue(RemoveSpaces(table.rows.At(i, found)));
            }
        }
    }
    if (session.settings.debugMode)
        AppendToFile(JoinPath(session.settings.programFolder, "debug_ScrapeBRC.txt"),
                     DebugDump(request, table, row));
    return error;
}

}  // namespace quillbat
