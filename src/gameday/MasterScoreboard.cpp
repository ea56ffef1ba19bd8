#include "gameday/MasterScoreboard.h"

#include <array>
#include <set>

#include "gameday/FlatTableColumns.h"
#include "gameday/XmlAttributeScan.h"

namespace quillbat {

namespace {

// Where each field comes from: its flat-table column and, for scanning, the attribute name
// and which of its lines holds the value (the away pitcher's attributes come second).
struct FieldSource {
    int field;
    const char* column;
    const char* attribute;
    int occurrence;
};

constexpr std::array<FieldSource, 24> kSources = {{
    {GameField::kAwayCity, "away_team_city", "away_team_city", 1},
    {GameField::kHomeCity, "home_team_city", "home_team_city", 1},
    {GameField::kGamedayId, "gameday", "gameday", 1},
    {GameField::kVenue, "venue", "venue", 1},
    {GameField::kAwayWins, "away_win", "away_win", 1},
    {GameField::kAwayLosses, "away_loss", "away_loss", 1},
    {GameField::kHomeWins, "home_win", "home_win", 1},
    {GameField::kHomeLosses, "home_loss", "home_loss", 1},
    {GameField::kAwayPitcherName, "name_display_rosterxx", "name_display_roster", 2},
    {GameField::kAwayPitcherNumber, "numberxx", "number", 2},
    {GameField::kAwayPitcherWins, "winsxx", "wins", 2},
    {GameField::kAwayPitcherLosses, "lossesxx", "losses", 2},
    {GameField::kAwayPitcherEra, "eraxx", "era", 2},
    {GameField::kHomePitcherName, "name_display_roster", "name_display_roster", 1},
    {GameField::kHomePitcherNumber, "number", "number", 1},
    {GameField::kHomePitcherWins, "wins", "wins", 1},
    {GameField::kHomePitcherLosses, "losses", "losses", 1},
    {GameField::kHomePitcherEra, "era", "era", 1},
    {GameField::kAwayFileCode, "away_file_code", "away_file_code", 1},
    {GameField::kHomeFileCode, "home_file_code", "home_file_code", 1},
    {GameField::kAwayTeamName, "away_team_name", "away_team_name", 1},
    {GameField::kHomeTeamName, "home_team_name", "home_team_name", 1},
    {GameField::kAwayLeagueId, "away_league_id", "away_league_id", 1},
    {GameField::kHomeLeagueId, "home_league_id", "home_league_id", 1},
}};

bool IsRecordField(int field) { return field >= GameField::kAwayWins && field <= GameField::kHomeLosses; }
bool IsPitcherField(int field) {
    return field >= GameField::kAwayPitcherName && field <= GameField::kHomePitcherEra;
}

// Column of each field in this table (0 when absent). The records and the probable pitchers
// are read only when their first column is there, as a group.
std::array<int, GameField::kCount + 1> ColumnsOf(const ColumnNames& names) {
    std::array<int, GameField::kCount + 1> column{};
    for (const auto& s : kSources) column[s.field] = FindColumn(names, s.column);
    column[GameField::kGameId] = FindColumn(names, "id");
    bool records = column[GameField::kAwayWins] > 0;
    bool pitchers = column[GameField::kAwayPitcherName] > 0;
    for (int field = 1; field <= GameField::kCount; ++field) {
        if ((IsRecordField(field) && !records) || (IsPitcherField(field) && !pitchers)) column[field] = 0;
    }
    return column;
}

}  // namespace

GameTable ReadGamesFromTable(const SheetCells& scoreboard) {
    auto column = ColumnsOf(ReadHeaderRow(scoreboard));
    GameTable games;
    std::set<std::string> seenIds;
    for (int row = 2; row <= scoreboard.LastRow(); ++row) {
        std::string id = column[GameField::kGameId] ? scoreboard.Text(row, column[GameField::kGameId]) : "";
        if (!seenIds.insert(id).second) continue;
        int game = games.AddRow();
        for (int field = 1; field <= GameField::kCount; ++field)
            if (column[field] > 0) games.Set(field, game, scoreboard.Text(row, column[field]));
    }
    MarkDoubleHeaders(games);
    return games;
}

GameTable ReadGameByScanning(const std::string& xmlPath) {
    GameTable games;
    games.AddRow();
    for (const auto& s : kSources) games.Set(s.field, 1, ScanXmlFileAttribute(xmlPath, s.attribute, s.occurrence));
    return games;
}

void MarkDoubleHeaders(GameTable& games) {
    using namespace GameField;
    for (int i = 1; i <= games.Rows(); ++i) {
        if (!games.At(kDoubleHeaderGame, i).empty()) continue;
        for (int j = i + 1; j <= games.Rows(); ++j) {
            if (games.At(kAwayCity, j) == games.At(kAwayCity, i)) {
                games.Set(kDoubleHeaderGame, j, "2");
                games.Set(kDoubleHeaderGame, i, "1");
                break;
            }
        }
    }
}

}  // namespace quillbat
