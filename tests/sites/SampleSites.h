#pragma once
// The sample world's FanGraphs, Baseball-Reference and ESPN pages, written once per test
// program and served by an in-process sample server on 127.0.0.1.

#include <stdexcept>
#include <string>

#include "NetTestSession.h"
#include "SampleWorld.h"
#include "World.h"
#include "gameday/TeamTables.h"

namespace quillbat::testing {

// The hosts of the running sample server.
Sources SampleSources();
// The ESPN team table of the sample clubs.
TeamTables SampleTeamTables();

const sample::Team& SampleTeam(const std::string& fileCode);
// The team's first player for whom the predicate holds.
template <class Predicate>
const sample::Player& FirstPlayer(const sample::Team& team, Predicate predicate) {
    for (const sample::Player& p : team.players)
        if (predicate(p)) return p;
    throw std::runtime_error("no such player on " + team.club.fileCode);
}

// A download session pointed at the sample hosts.
struct SampleSession : NetTestSession {
    SampleSession() { settings.sources = SampleSources(); }
};

}  // namespace quillbat::testing
