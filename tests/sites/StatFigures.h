#pragma once
// A statistics row's named figures as one line, for tests that compare several at once.

#include <string>
#include <vector>

#include "sites/StatsRow.h"

namespace quillbat::testing {

// The named statistics of a row as "PA=664 AVG=.242", so that one comparison checks them all.
inline std::string Figures(const StatsRow& row, const std::vector<std::string>& stats) {
    std::string out;
    for (const std::string& stat : stats) out += (out.empty() ? "" : " ") + stat + "=" + GetStat(stat, row);
    return out;
}

}  // namespace quillbat::testing
