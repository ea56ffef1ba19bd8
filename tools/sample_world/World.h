#pragma once
// The whole sample world: clubs, their players and the sample days, and the writer that puts
// its pages into the sample tree.

#include <cstdint>
#include <string>
#include <vector>

#include "Schedule.h"

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

// Writes files below root/<host folder>/ by request target (see SampleTree.h).
class TreeWriter {
public:
    explicit TreeWriter(std::string root) : root_(std::move(root)) {}
    // False when the file cannot be written.
    bool Write(const std::string& host, const std::string& target, const std::string& content);
    int filesWritten() const { return files_; }
    bool failed() const { return failed_; }

private:
    std::string root_;
    int files_ = 0;
    bool failed_ = false;
};

// Line ends: the text is written with LF; this gives CR LF.
std::string WithCrLf(const std::string& text);

}  // namespace quillbat::sample
