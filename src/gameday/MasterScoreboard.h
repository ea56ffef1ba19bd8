#pragma once
// The day's games from the master scoreboard.

#include <string>
#include <string_view>

#include "gameday/GameTable.h"
#include "gameday/ProbablePitchers.h"
#include "gameday/SheetCells.h"

namespace quillbat {

// The games of the scoreboard's flat table (the ".xls" beside the downloaded ".xml"); a table
// without data rows falls back to scanning the XML file for one game.
GameTable ReadMasterScoreboard(const std::string& xlsPath);

// One game per game id, in the order of the table's rows (the flat table repeats a game's
// attributes on each of its rows), with its probable pitchers and the double-header marks.
GameTable ReadGamesFromTable(const SheetCells& scoreboard, const std::vector<GamePitchers>& pitchers);

// The single game that scanning the XML text's lines finds, for a flat table without data
// rows; its fields are empty where the text lacks them. Its probable pitchers are the first
// game's of the text.
GameTable ReadGameByScanning(std::string_view xml);

// For each game, the next game with the same away city makes the pair games "1" and "2".
void MarkDoubleHeaders(GameTable& games);

}  // namespace quillbat
