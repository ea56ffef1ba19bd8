#pragma once
// The sample world of the tests: built once per test program from the team database source
// (QUILLBAT_TEAMS_SQL), with each layout written on first use into one temporary folder.

#include <gtest/gtest.h>

#include <string>
#include <sys/types.h>
#include <vector>

#include "TempFolder.h"
#include "Writers.h"

namespace quillbat::testing {

using Writer = void (*)(const sample::World&, sample::TreeWriter&);

inline const sample::World& TheWorld() {
    static const sample::World* world = [] {
        auto* w = new sample::World;
        if (!sample::BuildWorld(*w, ReadFile(QUILLBAT_TEAMS_SQL), 2014))
            ADD_FAILURE() << "the sample world could not be built from " << QUILLBAT_TEAMS_SQL;
        return w;
    }();
    return *world;
}

// Writes the layout (once) and returns the folder holding the world.
const std::string& WrittenWith(Writer writer);

// The file of a request on a sample host, "" when it does not exist.
std::string SampleFile(const std::string& host, const std::string& target);

// Starts a program with its standard output on the descriptor `out` (/dev/null when -1) and
// its standard error on /dev/null; the process id, or -1 when it could not be started.
pid_t Spawn(std::vector<std::string> argv, int out = -1);
// The exit status of the process, or -1 when it did not end normally within `ms` (it is then
// killed).
int WaitForExit(pid_t pid, int ms);

}  // namespace quillbat::testing
