#include "app/TeamDatabase.h"

#include <sqlite3.h>

#include <array>
#include <memory>

#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

struct DbCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StmtFinalizer {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using DbHandle = std::unique_ptr<sqlite3, DbCloser>;
using StmtHandle = std::unique_ptr<sqlite3_stmt, StmtFinalizer>;

constexpr std::array<const char*, 6> kColumns = {"file_code",  "espn_file_code", "espn_team_id",
                                                 "team_city", "team_name",      "city_name"};

// Result-column index of each wanted column, matched without regard to case.
std::string MapColumns(sqlite3_stmt* stmt, std::array<int, kColumns.size()>& index) {
    int count = sqlite3_column_count(stmt);
    for (std::size_t k = 0; k < kColumns.size(); ++k) {
        index[k] = -1;
        for (int c = 0; c < count && index[k] < 0; ++c)
            if (EqualsNoCase(sqlite3_column_name(stmt, c), kColumns[k])) index[k] = c;
        if (index[k] < 0) return std::string("the Teams table has no column ") + kColumns[k];
    }
    return "";
}

std::string Text(sqlite3_stmt* stmt, int column) {
    auto* text = sqlite3_column_text(stmt, column);
    return text ? reinterpret_cast<const char*>(text) : "";
}

}  // namespace

std::string LoadTeamDatabase(const std::string& databasePath, TeamTables& tables) {
    tables = TeamTables{};
    sqlite3* raw = nullptr;
    int rc = sqlite3_open_v2(databasePath.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    DbHandle db(raw);
    if (rc != SQLITE_OK) return raw ? sqlite3_errmsg(raw) : "cannot open the file";

    sqlite3_stmt* rawStmt = nullptr;
    if (sqlite3_prepare_v2(db.get(), kTeamQuery, -1, &rawStmt, nullptr) != SQLITE_OK)
        return sqlite3_errmsg(db.get());
    StmtHandle stmt(rawStmt);
    std::array<int, kColumns.size()> col{};
    if (auto error = MapColumns(stmt.get(), col); !error.empty()) return error;

    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        int row = tables.teams.AddRow();
        tables.espnTeams.AddRow();
        std::string fileCode = Text(stmt.get(), col[0]);
        tables.espnTeams.Set(EspnTeamField::kFileCode, row, fileCode);
        tables.espnTeams.Set(EspnTeamField::kEspnFileCode, row, Text(stmt.get(), col[1]));
        tables.espnTeams.Set(EspnTeamField::kEspnTeamId, row, Text(stmt.get(), col[2]));
        tables.teams.Set(TeamField::kFileCode, row, fileCode);
        tables.teams.Set(TeamField::kTeamCity, row, Text(stmt.get(), col[3]));
        tables.teams.Set(TeamField::kTeamName, row, Text(stmt.get(), col[4]));
        tables.teams.Set(TeamField::kCityName, row, Text(stmt.get(), col[5]));
    }
    if (rc != SQLITE_DONE) {
        std::string error = sqlite3_errmsg(db.get());
        tables = TeamTables{};
        return error;
    }
    return "";
}

}  // namespace quillbat
