#pragma once
// The clubs' 40-man rosters: invented players with their handedness, roles and season figures
// (to the sample days), with the splits the gameday files show.

#include <string>
#include <vector>

#include "Clubs.h"
#include "Figures.h"
#include "Names.h"

namespace quillbat::sample {

struct BattingSplits {
    BattingLine season, career, month, home, away, empty, menOn, risp, loaded, vsLeft, vsRight;
};

struct PitchingSplits {
    PitchingLine season, career, month, home, away, empty, menOn, risp, loaded, vsLeft, vsRight;
};

struct Player {
    std::string id;        // gameday id, six digits
    std::string espnId;    // ESPN's own id
    std::string fanGraphsId;
    PersonName name;
    std::string number;    // "" for a player without a uniform number yet
    std::string position;  // "P", "C", "1B", ..., "DH"
    char bats = 'R';
    char throws = 'R';
    std::string dob;       // "MM/DD/YYYY"
    std::string height;    // "6-2"
    int weight = 200;
    std::string status;    // "A" active, "D15", "D60", "MIN"
    bool starter = false;  // pitchers: in the rotation; others: an everyday player
    BattingSplits batting;
    PitchingSplits pitching;
    // Derived figures the statistics sites show.
    double war = 0, uzr = 0, fip = 0, babip = 0, woba = 0;
    int gamesAtPosition = 0;

    bool IsPitcher() const { return position == "P"; }
    std::string PositionGroup() const;  // the roster page's heading
};

struct Team {
    Club club;
    std::vector<Player> players;  // 40, pitchers first
    int wins = 0, losses = 0;

    std::vector<const Player*> Rotation() const;
    // The nine starters in batting order with their fielding positions for the day; without
    // the designated hitter the starting pitcher bats ninth.
    std::vector<std::pair<const Player*, std::string>> Lineup(const Player* startingPitcher,
                                                              bool designatedHitter) const;
    const Player* Find(const std::string& id) const;
};

std::vector<Team> MakeTeams(const std::vector<Club>& clubs, Random& random);

}  // namespace quillbat::sample
