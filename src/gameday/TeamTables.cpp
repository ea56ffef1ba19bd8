#include "gameday/TeamTables.h"

namespace quillbat {

namespace {

const std::string& Lookup(const TeamTables& tables, const std::string& fileCode, int field) {
    static const std::string kNone;
    for (int row = 1; row <= tables.teams.Rows(); ++row)
        if (tables.teams.At(TeamField::kFileCode, row) == fileCode) return tables.teams.At(field, row);
    return kNone;
}

}  // namespace

std::string LookupTeamName(const TeamTables& tables, const std::string& fileCode) {
    return Lookup(tables, fileCode, TeamField::kTeamName);
}

std::string LookupCityName(const TeamTables& tables, const std::string& fileCode) {
    return Lookup(tables, fileCode, TeamField::kCityName);
}

std::string LookupTeamCity(const TeamTables& tables, const std::string& fileCode) {
    return Lookup(tables, fileCode, TeamField::kTeamCity);
}

}  // namespace quillbat
