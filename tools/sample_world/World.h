#pragma once
// The whole sample world: clubs, their players and the sample days.

#include <cstdint>
#include <string>
#include <vector>

#include "Schedule.h"
#include "TreeWriter.h"

namespace quillbat::sample {

struct World {
    std::vector<Club> clubs;
    std::vector<Team> teams;
    std::vector<Day> days;
};

// teamsSql is the text of the team database source. The teams must not move afterwards:
// the days point into them. False (and no players or days) when the text does not hold the
// 30 clubs.
bool BuildWorld(World& world, const std::string& teamsSql, std::uint64_t seed);

}  // namespace quillbat::sample
