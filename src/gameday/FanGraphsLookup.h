#pragma once
// How the gameday readers ask FanGraphs for a player's figures. The statistics-site readers
// sit above this layer, so the application hands the lookup down as a function.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillbat {

// Which FanGraphs table: statistic group ("Standard", "Value", "Advanced"), split ("Full Season",
// "vs L", "vs R") and kind of player ("Batters", "Pitchers", "Fielders").
struct FanGraphsQuery {
    std::string group, split, kind;
};

// The named statistics of the player's row of that table for the season (an absent column
// gives ""), or nothing when the lookup failed. Team, player name ("First Last"), position
// ("" but for fielders).
using FanGraphsLookup = std::function<std::optional<std::vector<std::string>>(
    const FanGraphsQuery& request, const std::string& team, const std::string& player,
    const std::string& position, const std::vector<std::string>& statistics)>;

}  // namespace quillbat
