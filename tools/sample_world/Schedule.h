#pragma once
// The sample days: which clubs meet, in which state each game is, who starts.

#include <string>
#include <vector>

#include "GameSim.h"
#include "Players.h"

namespace quillbat::sample {

enum class GameState { Final, LineupsPosted, Preview, Postponed };

struct Game {
    const Team* away = nullptr;
    const Team* home = nullptr;
    int number = 1;             // 2 for the second game of a doubleheader
    bool doubleHeader = false;
    GameState state = GameState::Preview;
    bool warmingUp = false;     // lineups posted and the scoreboard already says "Pre-Game"
    const Player* awayStarter = nullptr;
    const Player* homeStarter = nullptr;
    std::string gamePk;
    std::string localTime;      // "7:05"
    GameResult result;          // final games only

    bool DesignatedHitter() const { return home->club.league == "AL"; }
    std::string GamedayId(const std::string& date) const;  // "2014_07_04_nyamlb_balmlb_1"
};

struct Day {
    int year = 2014, month = 7, day = 1;
    std::string weekday;  // "FRI"
    std::vector<Game> games;

    std::string Path() const;     // "year_2014/month_07/day_04"
    std::string Underscored() const;  // "2014_07_04"
    std::string Slashed() const;  // "2014/07/04"
    std::string Dashed() const;   // "2014-07-04"
    std::string UsDate() const;   // "07/04/2014"
};

// Wednesday 2 July (finals, one game postponed), Thursday 3 July (finals with the postponed
// game made up in a doubleheader), Friday 4 July (lineups posted for most games, the last of
// them about to start, probable pitchers only for the last three), Saturday 5 July (probable pitchers only) and Monday 7 July
// (no games).
std::vector<Day> MakeSchedule(const std::vector<Team>& teams, Random& random);

// The day the lineups are posted: the day the program starts on.
inline constexpr const char* kLineupsDay = "07/04/2014";

}  // namespace quillbat::sample
