#include "World.h"

namespace quillbat::sample {

bool BuildWorld(World& world, const std::string& teamsSql, std::uint64_t seed) {
    Random random(seed);
    world.days.clear();
    world.teams.clear();
    world.clubs = LoadClubs(teamsSql);
    if (world.clubs.size() != 30) return false;
    world.teams = MakeTeams(world.clubs, random);
    world.days = MakeSchedule(world.teams, random);
    return true;
}

}  // namespace quillbat::sample
