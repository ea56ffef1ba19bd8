#include "Versus.h"

#include <string>

namespace quillbat::sample {
namespace {

Random PairRandom(const Player& batter, const Player& pitcher, std::uint64_t salt) {
    return Random(std::stoull(batter.id) * 1000003ull + std::stoull(pitcher.id) * 7919ull + salt);
}

}  // namespace

std::vector<Outcome> VersusOutcomes(const Player& batter, const Player& pitcher) {
    Random random = PairRandom(batter, pitcher, 1);
    return DrawOutcomes(random.Between(0, 9), BatterTalent{}, random);
}

Versus VersusPitcher(const Player& batter, const Player& pitcher) {
    Versus v;
    Random random = PairRandom(batter, pitcher, 2);
    v.thisSeason = BattingLineOf(VersusOutcomes(batter, pitcher), random);
    v.earlier = BattingLineOf(DrawOutcomes(random.Between(0, 30), BatterTalent{}, random), random);
    return v;
}

}  // namespace quillbat::sample
