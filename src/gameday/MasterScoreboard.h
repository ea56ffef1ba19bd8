#pragma once
// The day's games from the master scoreboard.

#include <string>

#include "gameday/GameTable.h"
#include "gameday/SheetCells.h"

namespace quillbat {

// One game per game id, in the order of the table's rows (the flat table repeats a game's
// attributes on each of its rows), with the double-header marks set.
GameTable ReadGamesFromTable(const SheetCells& scoreboard);

// The single game that scanning the XML file's lines finds, for a flat table without data
// rows; its fields are empty where the file lacks them.
GameTable ReadGameByScanning(const std::string& xmlPath);

// For each game, the next game with the same away city makes the pair games "1" and "2".
void MarkDoubleHeaders(GameTable& games);

}  // namespace quillbat
