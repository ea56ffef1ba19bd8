#pragma once
// Program-wide state, passed by reference to whatever needs it.

#include "app/TeamDatabase.h"
#include "gameday/GameTable.h"
#include "gameday/LineupTable.h"
#include "gameday/PlayersTable.h"
#include "platform/Settings.h"
#include "platform/Ui.h"
#include "workbooks/AveragesTable.h"

namespace quillbat {

struct AppContext {
    explicit AppContext(Ui& userInterface) : ui(userInterface) {}

    Ui& ui;
    Settings settings;
    TeamTables teams;
    GameTable games;  // the games of the date last listed
    LineupTable lineups;  // the starting batters of the last Create
    PlayersTable players;  // both teams' players of the last Create
    AveragesTable leagueAverages, teamAverages;  // the rosters' average rows of the last Create
};

}  // namespace quillbat
