#include "Figures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>

namespace quillbat::sample {

Outcome DrawOutcome(const BatterTalent& t, Random& random) {
    double u = random.Unit();
    const std::pair<double, Outcome> table[] = {
        {t.walk, Outcome::Walk},       {t.hitByPitch, Outcome::HitByPitch},
        {t.strikeout, Outcome::Strikeout}, {t.homeRun, Outcome::HomeRun},
        {t.triple, Outcome::Triple},   {t.doubleHit, Outcome::Double},
        {t.single, Outcome::Single},   {t.sacFly, Outcome::SacFly}};
    for (const auto& [p, outcome] : table) {
        if (u < p) return outcome;
        u -= p;
    }
    return Outcome::Out;
}

std::vector<Outcome> DrawOutcomes(int plateAppearances, const BatterTalent& talent, Random& random) {
    std::vector<Outcome> outcomes;
    for (int i = 0; i < plateAppearances; ++i) outcomes.push_back(DrawOutcome(talent, random));
    return outcomes;
}

namespace {

bool IsAtBat(Outcome o) { return o != Outcome::Walk && o != Outcome::HitByPitch && o != Outcome::SacFly; }
bool IsHit(Outcome o) {
    return o == Outcome::Single || o == Outcome::Double || o == Outcome::Triple || o == Outcome::HomeRun;
}

// Divides a count drawn around the outcomes (runs, steals) in the same share.
std::pair<int, int> Divide(int count, double share, Random& random) {
    int first = random.Binomial(count, share);
    return {first, count - first};
}

}  // namespace

void OutcomeCounts::CountOutcome(Outcome o) {
    if (IsAtBat(o)) ++ab;
    if (IsHit(o)) ++h;
    if (o == Outcome::Double) ++d;
    if (o == Outcome::Triple) ++t;
    if (o == Outcome::HomeRun) ++hr;
    if (o == Outcome::Walk) ++bb;
    if (o == Outcome::HitByPitch) ++hbp;
    if (o == Outcome::Strikeout) ++so;
    if (o == Outcome::SacFly) ++sf;
}

void OutcomeCounts::AddCounts(const OutcomeCounts& o) {
    ab += o.ab; h += o.h; d += o.d; t += o.t; hr += o.hr; bb += o.bb; hbp += o.hbp; so += o.so; sf += o.sf;
}

void BattingLine::Count(Outcome o) {
    ++pa;
    CountOutcome(o);
}

void BattingLine::Add(const BattingLine& o) {
    AddCounts(o);
    pa += o.pa; r += o.r; rbi += o.rbi; sb += o.sb; cs += o.cs;
}

double BattingLine::Obp() const {
    int denominator = ab + bb + hbp + sf;
    return denominator > 0 ? double(h + bb + hbp) / denominator : 0.0;
}

void PitchingLine::Count(Outcome o) {
    ++bf;
    CountOutcome(o);
    if (o == Outcome::Strikeout || o == Outcome::Out || o == Outcome::SacFly) ++outs;
}

void PitchingLine::Add(const PitchingLine& o) {
    AddCounts(o);
    g += o.g; gs += o.gs; w += o.w; l += o.l; sv += o.sv; hld += o.hld; bs += o.bs;
    outs += o.outs; bf += o.bf; r += o.r; er += o.er; rbi += o.rbi;
    pitches += o.pitches; strikes += o.strikes;
}

BattingLine BattingLineOf(const std::vector<Outcome>& outcomes, Random& random) {
    BattingLine line;
    for (Outcome o : outcomes) line.Count(o);
    int onBase = line.h + line.bb + line.hbp - line.hr;
    line.r = line.hr + random.Binomial(onBase, 0.32);
    line.rbi = line.hr + line.sf + random.Binomial(line.h - line.hr, 0.30);
    line.sb = random.Binomial(line.Singles() + line.bb, 0.06);
    line.cs = random.Binomial(line.sb, 0.25);
    return line;
}

PitchingLine PitchingLineOf(const std::vector<Outcome>& outcomes, Random& random) {
    PitchingLine line;
    for (Outcome o : outcomes) line.Count(o);
    line.r = line.hr + random.Binomial(line.h + line.bb + line.hbp - line.hr, 0.30);
    line.er = line.r - random.Binomial(line.r, 0.08);
    line.rbi = line.r - random.Binomial(line.r, 0.05);
    line.pitches = line.bf * 4 - random.Binomial(line.bf, 0.3);
    line.strikes = static_cast<int>(std::lround(line.pitches * (0.60 + 0.07 * random.Unit())));
    return line;
}

std::pair<BattingLine, BattingLine> SplitBatting(const BattingLine& whole, double share, Random& random) {
    // Rebuild the outcomes from the counts, then deal them out.
    std::vector<Outcome> outcomes;
    auto put = [&](int n, Outcome o) { outcomes.insert(outcomes.end(), n, o); };
    put(whole.Singles(), Outcome::Single); put(whole.d, Outcome::Double); put(whole.t, Outcome::Triple);
    put(whole.hr, Outcome::HomeRun); put(whole.bb, Outcome::Walk); put(whole.hbp, Outcome::HitByPitch);
    put(whole.so, Outcome::Strikeout); put(whole.sf, Outcome::SacFly);
    put(whole.ab - whole.h - whole.so, Outcome::Out);
    BattingLine a, b;
    for (Outcome o : outcomes) (random.Chance(share) ? a : b).Count(o);
    auto [ra, rb] = Divide(whole.r - whole.hr, share, random);
    a.r = a.hr + ra; b.r = b.hr + rb;
    int extraRbi = whole.rbi - whole.hr - whole.sf;
    auto [xa, xb] = Divide(extraRbi, share, random);
    a.rbi = a.hr + a.sf + xa; b.rbi = b.hr + b.sf + xb;
    std::tie(a.sb, b.sb) = Divide(whole.sb, share, random);
    std::tie(a.cs, b.cs) = Divide(whole.cs, share, random);
    return {a, b};
}

std::pair<PitchingLine, PitchingLine> SplitPitching(const PitchingLine& whole, double share, Random& random) {
    std::vector<Outcome> outcomes;
    auto put = [&](int n, Outcome o) { outcomes.insert(outcomes.end(), n, o); };
    put(whole.h - whole.d - whole.t - whole.hr, Outcome::Single); put(whole.d, Outcome::Double);
    put(whole.t, Outcome::Triple); put(whole.hr, Outcome::HomeRun); put(whole.bb, Outcome::Walk);
    put(whole.hbp, Outcome::HitByPitch); put(whole.so, Outcome::Strikeout); put(whole.sf, Outcome::SacFly);
    put(whole.ab - whole.h - whole.so, Outcome::Out);
    PitchingLine a, b;
    for (Outcome o : outcomes) (random.Chance(share) ? a : b).Count(o);
    std::tie(a.r, b.r) = Divide(whole.r, share, random);
    a.er = std::min(a.r, whole.er); b.er = whole.er - a.er;
    if (b.er > b.r) { b.er = b.r; a.er = whole.er - b.er; }
    std::tie(a.rbi, b.rbi) = Divide(whole.rbi, share, random);
    std::tie(a.pitches, b.pitches) = Divide(whole.pitches, share, random);
    a.strikes = std::min(a.pitches, static_cast<int>(std::lround(whole.strikes * share)));
    b.strikes = whole.strikes - a.strikes;
    return {a, b};
}

std::string Rate3(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    std::string s = text;
    return s.rfind("0.", 0) == 0 ? s.substr(1) : s;
}

std::string Fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Innings(int outs) { return std::to_string(outs / 3) + "." + std::to_string(outs % 3); }

std::string Percent(double fraction, bool spaceBeforeSign) {
    return Fixed(fraction * 100.0, 1) + (spaceBeforeSign ? " %" : "%");
}

}  // namespace quillbat::sample
