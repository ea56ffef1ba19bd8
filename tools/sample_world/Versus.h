#pragma once
// A batter's record against one pitcher. Drawn from both players' ids, so the gameday files
// and ESPN's batter-versus-pitcher page tell the same story.

#include <vector>

#include "Players.h"

namespace quillbat::sample {

struct Versus {
    BattingLine thisSeason;  // vs_P
    BattingLine earlier;     // vs_P5: the seasons before
    BattingLine Career() const {
        BattingLine all = thisSeason;
        all.Add(earlier);
        return all;
    }
};

std::vector<Outcome> VersusOutcomes(const Player& batter, const Player& pitcher);
Versus VersusPitcher(const Player& batter, const Player& pitcher);

}  // namespace quillbat::sample
