#pragma once
// The stored Stats API responses, the team database's rows and small helpers for the reader tests.

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "StatFigures.h"
#include "TempFolder.h"
#include "gameday/TeamTables.h"
#include "statsapi/ApiJson.h"

namespace quillbat::testing {

inline const std::string kStatsApiData = QUILLBAT_TEST_DATA "/statsapi";

// The clubs of the team database's source (file code, city text, team name, city name).
inline TeamTables TeamDatabaseRows() {
    std::string sql = ReadFile(QUILLBAT_TEAM_SQL);
    TeamTables tables;
    std::regex row(R"(\('(\w+)',\s*'([^']*)',\s*'([^']*)',\s*'([^']*)')");
    for (std::sregex_iterator it(sql.begin(), sql.end(), row), end; it != end; ++it) {
        int r = tables.teams.AddRow();
        for (int field = 1; field <= TeamField::kCount; ++field) tables.teams.Set(field, r, (*it)[field]);
    }
    return tables;
}

// The JSON of a text that must parse.
inline Json Parsed(const std::string& text) {
    Json json;
    EXPECT_EQ(ParseJson(text, json), "") << text;
    return json;
}

}  // namespace quillbat::testing
