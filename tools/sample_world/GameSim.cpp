#include "GameSim.h"

#include <array>

namespace quillbat::sample {
namespace {

// A batter's chances, taken from his season and evened out towards the league when the season
// is short.
BatterTalent TalentOf(const Player& p) {
    const BattingLine& s = p.batting.season;
    BatterTalent league;
    double weight = s.pa / (s.pa + 100.0);
    auto blend = [&](int count, double leagueRate) {
        return s.pa > 0 ? weight * count / s.pa + (1 - weight) * leagueRate : leagueRate;
    };
    BatterTalent t;
    t.walk = blend(s.bb, league.walk);
    t.strikeout = blend(s.so, league.strikeout);
    t.homeRun = blend(s.hr, league.homeRun);
    t.triple = blend(s.t, league.triple);
    t.doubleHit = blend(s.d, league.doubleHit);
    t.single = blend(s.Singles(), league.single);
    t.hitByPitch = blend(s.hbp, league.hitByPitch);
    t.sacFly = blend(s.sf, league.sacFly);
    return t;
}

class SidePlayer {
public:
    SidePlayer(const Team& team, const Player* starter, bool dh, SideGame& side)
        : team_(team), side_(side) {
        int slot = 1;
        for (const auto& [player, pos] : team.Lineup(starter, dh))
            side_.batters.push_back({player, pos, 100 * slot++, {}, 0});
        side_.pitchers.push_back({starter, {}, ""});
        for (const Player& p : team.players)
            if (p.IsPitcher() && !p.starter && p.status == "A") relievers_.push_back(&p);
        side_.pitchers.front().line.g = side_.pitchers.front().line.gs = 1;
    }

    // The batting-order slot's current batter (the last entry with that slot).
    BatterGame& Batter(int slot) {
        BatterGame* found = nullptr;
        for (BatterGame& b : side_.batters)
            if (b.bo / 100 == slot + 1) found = &b;
        return *found;
    }
    PitcherGame& Pitcher() { return side_.pitchers.back(); }

    // Before an inning: the starter leaves after about six innings, relievers go one each.
    void ChangePitcherIfTired(int inning, Random& random) {
        const PitchingLine& now = Pitcher().line;
        bool starterDone = side_.pitchers.size() == 1 && (inning > 6 + random.Between(0, 1) || now.bf > 30);
        bool relieverDone = side_.pitchers.size() > 1 && now.outs >= 3;
        if ((starterDone || relieverDone) && next_ < relievers_.size()) {
            side_.pitchers.push_back({relievers_[next_++], {}, ""});
            side_.pitchers.back().line.g = 1;
        }
    }

    // A pinch hitter for the ninth slot late in the game, now and then.
    void MaybePinchHit(int inning, Random& random) {
        if (inning != 8 || pinchHitUsed_ || !random.Chance(0.4)) return;
        for (const Player& p : team_.players) {
            if (p.IsPitcher() || p.starter || p.status != "A") continue;
            side_.batters.push_back({&p, "PH", 901, {}, 0});
            pinchHitUsed_ = true;
            return;
        }
    }

    // Pitchers who came in and never batted are listed after the batters, without a slot.
    void ListPitchersWhoDidNotBat() {
        for (const PitcherGame& pg : side_.pitchers) {
            bool listed = false;
            for (const BatterGame& b : side_.batters) listed = listed || b.player == pg.player;
            if (!listed) side_.batters.push_back({pg.player, "P", 0, {}, 0});
        }
    }

    int nextSlot = 0;

private:
    const Team& team_;
    SideGame& side_;
    std::vector<const Player*> relievers_;
    std::size_t next_ = 0;
    bool pinchHitUsed_ = false;
};

// Moves the runners for one outcome; returns the batters who scored.
std::vector<BatterGame*> Advance(std::array<BatterGame*, 3>& bases, BatterGame* batter, Outcome o, int outs) {
    std::vector<BatterGame*> scored;
    auto push = [&](int steps) {
        for (int s = 0; s < steps; ++s) {
            if (bases[2]) scored.push_back(bases[2]);
            bases = {nullptr, bases[0], bases[1]};
        }
    };
    switch (o) {
        case Outcome::HomeRun: push(4); scored.push_back(batter); break;
        case Outcome::Triple: push(3); bases[2] = batter; break;
        case Outcome::Double: push(2); bases[1] = batter; break;
        case Outcome::Single: push(1); bases[0] = batter; break;
        case Outcome::Walk:
        case Outcome::HitByPitch:
            if (bases[0] && bases[1] && bases[2]) scored.push_back(bases[2]);
            if (bases[0] && bases[1]) bases[2] = bases[2] ? bases[2] : bases[1];
            if (bases[0]) bases[1] = bases[1] ? bases[1] : bases[0];
            bases[0] = batter;
            break;
        case Outcome::SacFly:
            if (bases[2] && outs < 2) { scored.push_back(bases[2]); bases[2] = nullptr; }
            break;
        default: break;
    }
    return scored;
}

// One half inning; returns the runs. Ends early when a home side takes the lead in the ninth
// or later (walk-off).
int PlayHalf(SidePlayer& batting, SidePlayer& fielding, int inning, bool walkOffPossible,
             int deficit, Random& random) {
    fielding.ChangePitcherIfTired(inning, random);
    batting.MaybePinchHit(inning, random);
    std::array<BatterGame*, 3> bases{nullptr, nullptr, nullptr};
    int outs = 0, runs = 0;
    while (outs < 3 && !(walkOffPossible && runs > deficit)) {
        BatterGame& batter = batting.Batter(batting.nextSlot);
        batting.nextSlot = (batting.nextSlot + 1) % 9;
        Outcome o = DrawOutcome(TalentOf(*batter.player), random);
        PitcherGame& pitcher = fielding.Pitcher();
        batter.line.Count(o);
        pitcher.line.Count(o);
        pitcher.line.pitches += random.Between(2, 6);
        auto scored = Advance(bases, &batter, o, outs);
        if (o == Outcome::Strikeout || o == Outcome::Out || o == Outcome::SacFly) ++outs;
        for (BatterGame* runner : scored) {
            ++runner->line.r;
            ++pitcher.line.r;
            ++pitcher.line.er;
            ++pitcher.line.rbi;
            ++batter.line.rbi;
        }
        runs += int(scored.size());
        if (outs == 3) batter.lob += (bases[0] != nullptr) + (bases[1] != nullptr) + (bases[2] != nullptr);
    }
    return runs;
}

void DecideGame(SideGame& winner, SideGame& loser) {
    auto& wins = winner.pitchers;
    PitcherGame& w = wins.front().line.outs >= 15 || wins.size() == 1 ? wins.front() : wins[1];
    w.decision = "W";
    ++w.line.w;
    loser.pitchers.front().decision = "L";
    ++loser.pitchers.front().line.l;
    PitcherGame& last = wins.back();
    if (&last != &w && winner.runs - loser.runs <= 3) {
        last.decision = "S";
        ++last.line.sv;
    }
}

void Total(SideGame& side) {
    for (const BatterGame& b : side.batters) {
        side.runs += b.line.r;
        side.hits += b.line.h;
    }
    for (PitcherGame& p : side.pitchers)
        p.line.strikes = p.line.pitches * 62 / 100;
}

}  // namespace

GameResult PlayGame(const Team& away, const Team& home, const Player* awayStarter,
                    const Player* homeStarter, bool designatedHitter, Random& random) {
    GameResult result;
    SidePlayer awaySide(away, awayStarter, designatedHitter, result.away);
    SidePlayer homeSide(home, homeStarter, designatedHitter, result.home);
    int awayRuns = 0, homeRuns = 0;
    for (int inning = 1; inning <= 30; ++inning) {
        int top = PlayHalf(awaySide, homeSide, inning, false, 0, random);
        awayRuns += top;
        if (inning >= 9 && homeRuns > awayRuns) {
            result.innings.push_back({std::to_string(top), "x"});
            break;
        }
        int bottom = PlayHalf(homeSide, awaySide, inning, inning >= 9, awayRuns - homeRuns, random);
        homeRuns += bottom;
        result.innings.push_back({std::to_string(top), std::to_string(bottom)});
        if (inning >= 9 && homeRuns != awayRuns) break;
    }
    awaySide.ListPitchersWhoDidNotBat();
    homeSide.ListPitchersWhoDidNotBat();
    Total(result.away);
    Total(result.home);
    if (result.home.runs > result.away.runs) DecideGame(result.home, result.away);
    else DecideGame(result.away, result.home);
    return result;
}

}  // namespace quillbat::sample
