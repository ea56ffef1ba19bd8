#pragma once
// Column names made unique the way the flat table names them: a name already taken gets the
// smallest number from 2 that makes it unique ("id", "id2", "id3").

#include <string>
#include <unordered_map>
#include <unordered_set>

namespace quillbat {

class UniqueNames {
public:
    // The name itself when it is free, else the name with the smallest free number appended.
    std::string Take(const std::string& name);
    // How many candidate names Take has tried so far (each call tries at least one).
    std::size_t Tries() const { return tries_; }

private:
    std::unordered_set<std::string> taken_;
    // Per name, the number to try first: every smaller number from 2 is taken already, so
    // n copies of one name cost n tries rather than n * n / 2.
    std::unordered_map<std::string, long> nextNumber_;
    std::size_t tries_ = 0;
};

}  // namespace quillbat
