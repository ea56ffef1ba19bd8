#pragma once
// The probable pitchers of each game of a master scoreboard, read from the game's own
// home_probable_pitcher and away_probable_pitcher elements. Other elements of a game in
// progress carry the same attribute names (the batter, the pitcher), so the pitchers cannot
// be told apart by column name alone.

#include <string>
#include <string_view>
#include <vector>

namespace quillbat {

struct ProbablePitcher {
    std::string name, number, wins, losses, era;
};

struct GamePitchers {
    std::string gameId;  // the game element's id attribute
    ProbablePitcher home, away;
};

// In the order of the scoreboard's text; games without probable pitchers are left out.
std::vector<GamePitchers> ReadProbablePitchers(std::string_view scoreboardText);
// The pitchers of the game with this id, or nullptr.
const GamePitchers* FindGamePitchers(const std::vector<GamePitchers>& pitchers, const std::string& gameId);

}  // namespace quillbat
