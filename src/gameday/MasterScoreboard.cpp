#include "gameday/MasterScoreboard.h"

#include <array>
#include <set>
#include <unordered_map>
#include <vector>

#include "gameday/FlatTableColumns.h"
#include "gameday/FlatTableFile.h"
#include "gameday/LineEnds.h"
#include "platform/TextFunctions.h"
#include "gameday/XmlScan.h"
#include "platform/FileSystem.h"

namespace quillbat {

namespace {

// Where each field comes from: its flat-table column and, for scanning, the attribute name
// and which of its lines holds the value. The probable pitchers come from their own elements.
struct FieldSource {
    int field;
    const char* column;
    const char* attribute;
    int occurrence;
};

constexpr std::array<FieldSource, 14> kSources = {{
    {GameField::kAwayCity, "away_team_city", "away_team_city", 1},
    {GameField::kHomeCity, "home_team_city", "home_team_city", 1},
    {GameField::kGamedayId, "gameday", "gameday", 1},
    {GameField::kVenue, "venue", "venue", 1},
    {GameField::kAwayWins, "away_win", "away_win", 1},
    {GameField::kAwayLosses, "away_loss", "away_loss", 1},
    {GameField::kHomeWins, "home_win", "home_win", 1},
    {GameField::kHomeLosses, "home_loss", "home_loss", 1},
    {GameField::kAwayFileCode, "away_file_code", "away_file_code", 1},
    {GameField::kHomeFileCode, "home_file_code", "home_file_code", 1},
    {GameField::kAwayTeamName, "away_team_name", "away_team_name", 1},
    {GameField::kHomeTeamName, "home_team_name", "home_team_name", 1},
    {GameField::kAwayLeagueId, "away_league_id", "away_league_id", 1},
    {GameField::kHomeLeagueId, "home_league_id", "home_league_id", 1},
}};

// Column of each field in this table (0 when absent or not read from the table). The records
// are read only when the away_win column is there, as a group; the probable pitchers come
// from their own elements.
std::array<int, GameField::kCount + 1> ColumnsOf(const ColumnNames& names) {
    std::array<int, GameField::kCount + 1> column{};
    for (const auto& s : kSources) column[s.field] = FindColumn(names, s.column);
    column[GameField::kGameId] = FindColumn(names, "id");
    if (column[GameField::kAwayWins] == 0)
        for (const GameSideFields& side : {kAwayFields, kHomeFields})
            column[side.wins] = column[side.losses] = 0;
    return column;
}

void SetPitcher(GameTable& games, int game, const GameSideFields& side, const ProbablePitcher& p) {
    games.Set(side.pitcherName, game, p.name);
    games.Set(side.pitcherNumber, game, p.number);
    games.Set(side.pitcherWins, game, p.wins);
    games.Set(side.pitcherLosses, game, p.losses);
    games.Set(side.pitcherEra, game, p.era);
}

void SetPitchers(GameTable& games, int game, const GamePitchers& pitchers) {
    SetPitcher(games, game, kHomeFields, pitchers.home);
    SetPitcher(games, game, kAwayFields, pitchers.away);
}

}  // namespace

GameTable ReadMasterScoreboard(const std::string& xlsPath) {
    std::string error, xml;
    auto table = OpenFlatTable(xlsPath, error);
    std::string xmlPath = ReplaceAll(xlsPath, ".xls", ".xml");
    if (table && table->LastRow() >= 2) {
        ReadWholeFile(xmlPath, xml);
        return ReadGamesFromTable(*table, ReadProbablePitchers(xml));
    }
    NormalizeLineEnds(xmlPath);
    ReadWholeFile(xmlPath, xml);
    return ReadGameByScanning(xml);
}

GameTable ReadGamesFromTable(const SheetCells& scoreboard, const std::vector<GamePitchers>& pitchers) {
    auto column = ColumnsOf(ReadHeaderRow(scoreboard));
    GameTable games;
    std::set<std::string> seenIds;
    for (int row = 2; row <= scoreboard.LastRow(); ++row) {
        std::string id = column[GameField::kGameId] ? scoreboard.Text(row, column[GameField::kGameId]) : "";
        if (!seenIds.insert(id).second) continue;
        int game = games.AddRow();
        for (int field = 1; field <= GameField::kCount; ++field)
            if (column[field] > 0) games.Set(field, game, scoreboard.Text(row, column[field]));
        if (const GamePitchers* found = FindGamePitchers(pitchers, id)) SetPitchers(games, game, *found);
    }
    MarkDoubleHeaders(games);
    return games;
}

GameTable ReadGameByScanning(std::string_view xml) {
    GameTable games;
    games.AddRow();
    for (const auto& s : kSources) games.Set(s.field, 1, ScanLineAttribute(xml, s.attribute, s.occurrence));
    auto pitchers = ReadProbablePitchers(xml);
    if (!pitchers.empty()) SetPitchers(games, 1, pitchers.front());
    return games;
}

void MarkDoubleHeaders(GameTable& games) {
    using namespace GameField;
    // The next game with the same away city, found for every game in one pass from the end.
    std::vector<int> next(static_cast<std::size_t>(games.Rows()) + 1, 0);
    std::unordered_map<std::string, int> laterGame;
    for (int i = games.Rows(); i >= 1; --i) {
        auto [it, added] = laterGame.try_emplace(games.At(kAwayCity, i), i);
        if (!added) {
            next[static_cast<std::size_t>(i)] = it->second;
            it->second = i;
        }
    }
    for (int i = 1; i <= games.Rows(); ++i) {
        int j = next[static_cast<std::size_t>(i)];
        if (!games.At(kDoubleHeaderGame, i).empty() || j == 0) continue;
        games.Set(kDoubleHeaderGame, j, "2");
        games.Set(kDoubleHeaderGame, i, "1");
    }
}

}  // namespace quillbat
