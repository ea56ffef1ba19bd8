#include "workbooks/Averages.h"

#include "platform/NumberFormat.h"
#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

// A failed request adds nothing, so its figures read as missing.
void AppendRequest(const AveragesRequest& request, const std::string& league, const std::string& row,
                   const std::string& owner, const std::string& kind, AveragesTable& table) {
    std::vector<StatColumn> columns;
    if (!request || !request(league, row, kind, columns).empty()) return;
    for (const StatColumn& column : columns) {
        int added = table.AddRow();
        table.Set(AverageField::kOwner, added, owner);
        table.Set(AverageField::kKind, added, kind);
        table.Set(AverageField::kStatName, added, column.name);
        table.Set(AverageField::kValue, added, column.value);
    }
}

void AppendBothKinds(const AveragesRequest& request, const std::string& league, const std::string& row,
                     const std::string& owner, AveragesTable& table) {
    AppendRequest(request, league, row, owner, "Batters", table);
    AppendRequest(request, league, row, owner, "Pitchers", table);
}

bool RowFits(const AveragesTable& table, int row, const std::string& upperStat) {
    using namespace AverageField;
    const std::string& name = table.At(kStatName, row);
    if (upperStat == "BA") return name == "AVG" && table.At(kKind, row) == "Batters";
    if (upperStat == "BAA") return name == "AVG" && table.At(kKind, row) == "Pitchers";
    return ToUpper(name) == upperStat;
}

std::string LookUpAverage(const std::string& stat, const std::string& owner, const AveragesTable& table) {
    using namespace AverageField;
    const std::string upperStat = ToUpper(stat);
    std::string value;
    for (int row = 1; row <= table.Rows(); ++row) {
        if (table.At(kOwner, row) == owner && RowFits(table, row, upperStat)) {
            value = table.At(kValue, row);
            break;
        }
    }
    if (value.starts_with("0.")) value.erase(0, 1);
    // A missing rate stays empty rather than reading as a rate of nought.
    if ((stat == "BB/9" || stat == "K/9") && !value.empty())
        value = FormatNumber(LeadingNumber(value), "##0.0");
    return value;
}

}  // namespace

void GetLeagueAvgs(const AveragesRequest& request, const std::string& awayLeague,
                   const std::string& homeLeague, AveragesTable& table) {
    table.Clear();
    AppendBothKinds(request, awayLeague, "Average", awayLeague, table);
    if (homeLeague != awayLeague) AppendBothKinds(request, homeLeague, "Average", homeLeague, table);
}

void GetTeamAvgs(const AveragesRequest& request, const std::string& awayTeam, const std::string& awayLeague,
                 const std::string& homeTeam, const std::string& homeLeague, AveragesTable& table) {
    table.Clear();
    AppendBothKinds(request, awayLeague, awayTeam, awayTeam, table);
    AppendBothKinds(request, homeLeague, homeTeam, homeTeam, table);
}

std::string GetTeamAvg(const std::string& stat, const std::string& team, const AveragesTable& table) {
    return LookUpAverage(stat, team, table);
}

std::string GetLeagueAvg(const std::string& stat, const std::string& league, const AveragesTable& table) {
    return LookUpAverage(stat, league, table);
}

}  // namespace quillbat
