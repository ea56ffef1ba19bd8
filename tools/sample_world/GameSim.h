#pragma once
// Plays a game inning by inning, so that a final box score's runs, hits and outs agree
// everywhere: line score, batters, pitchers and team totals.

#include <string>
#include <vector>

#include "Players.h"

namespace quillbat::sample {

struct BatterGame {
    const Player* player = nullptr;
    std::string pos;   // "SS", "PH", "P"
    int bo = 0;        // 100..900 for starters, 901 for a substitute, 0 for a pitcher who did not bat
    BattingLine line;
    int lob = 0;
};

struct PitcherGame {
    const Player* player = nullptr;
    PitchingLine line;
    std::string decision;  // "W", "L", "S" or ""
};

struct SideGame {
    std::vector<BatterGame> batters;
    std::vector<PitcherGame> pitchers;
    int runs = 0, hits = 0;
};

struct GameResult {
    SideGame away, home;
    std::vector<std::pair<std::string, std::string>> innings;  // away, home ("x" unplayed)
};

GameResult PlayGame(const Team& away, const Team& home, const Player* awayStarter,
                    const Player* homeStarter, bool designatedHitter, Random& random);

}  // namespace quillbat::sample
