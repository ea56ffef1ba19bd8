#pragma once
// Batting and pitching lines built from plate-appearance outcomes, so that every split of a
// line is a partition of the same outcomes and splits always add up to the whole.

#include <string>
#include <utility>
#include <vector>

#include "Random.h"

namespace quillbat::sample {

enum class Outcome { Single, Double, Triple, HomeRun, Walk, HitByPitch, Strikeout, SacFly, Out };

struct BatterTalent {
    double walk = 0.08, strikeout = 0.20, homeRun = 0.025, triple = 0.004, doubleHit = 0.045,
           single = 0.15, sacFly = 0.008, hitByPitch = 0.008;
};

Outcome DrawOutcome(const BatterTalent& talent, Random& random);
std::vector<Outcome> DrawOutcomes(int plateAppearances, const BatterTalent& talent, Random& random);

// What batters and pitchers both count of each plate appearance.
struct OutcomeCounts {
    int ab = 0, h = 0, d = 0, t = 0, hr = 0, bb = 0, hbp = 0, so = 0, sf = 0;

    void CountOutcome(Outcome outcome);
    void AddCounts(const OutcomeCounts& other);
};

struct BattingLine : OutcomeCounts {
    int pa = 0, r = 0, rbi = 0, sb = 0, cs = 0;

    void Count(Outcome outcome);
    void Add(const BattingLine& other);
    int Singles() const { return h - d - t - hr; }
    int TotalBases() const { return Singles() + 2 * d + 3 * t + 4 * hr; }
    double Avg() const { return ab > 0 ? double(h) / ab : 0.0; }
    double Obp() const;
    double Slg() const { return ab > 0 ? double(TotalBases()) / ab : 0.0; }
    double Ops() const { return Obp() + Slg(); }
};

struct PitchingLine : OutcomeCounts {
    int g = 0, gs = 0, w = 0, l = 0, sv = 0, hld = 0, bs = 0;
    int outs = 0, bf = 0;
    int r = 0, er = 0, rbi = 0, pitches = 0, strikes = 0;

    void Count(Outcome outcome);
    void Add(const PitchingLine& other);
    double Era() const { return outs > 0 ? er * 27.0 / outs : 0.0; }
    double Whip() const { return outs > 0 ? (h + bb) * 3.0 / outs : 0.0; }
    double Avg() const { return ab > 0 ? double(h) / ab : 0.0; }
};

// The line of a list of outcomes; runs, runs batted in and steals are drawn around them.
BattingLine BattingLineOf(const std::vector<Outcome>& outcomes, Random& random);
PitchingLine PitchingLineOf(const std::vector<Outcome>& outcomes, Random& random);

// Splits a line in two whose counts add up to it: each outcome goes to the first part with
// probability share; the drawn counts (runs, steals, decisions) are divided the same way.
std::pair<BattingLine, BattingLine> SplitBatting(const BattingLine& whole, double share, Random& random);
std::pair<PitchingLine, PitchingLine> SplitPitching(const PitchingLine& whole, double share, Random& random);

// Text forms as the sources print them.
std::string Rate3(double value);      // ".250", "1.000"
std::string Fixed(double value, int decimals);  // "3.50"
std::string Innings(int outs);        // "45.2"
std::string Percent(double fraction, bool spaceBeforeSign);  // "45.2 %" or "45.2%"

}  // namespace quillbat::sample
