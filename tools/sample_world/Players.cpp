#include "Players.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace quillbat::sample {
namespace {

// The 40 places of a roster in roster order; the first of each position plays every day.
const std::vector<std::string>& RosterPositions() {
    static const std::vector<std::string> positions = [] {
        std::vector<std::string> p(21, "P");
        for (const char* pos : {"C", "1B", "2B", "3B", "SS", "LF", "CF", "RF", "DH", "C", "SS",
                                "CF", "1B", "C", "2B", "3B", "SS", "LF", "RF"})
            p.push_back(pos);
        return p;
    }();
    return positions;
}

constexpr int kPitchers = 21;
constexpr int kRotation = 5;
constexpr int kActivePitchers = 13;
constexpr int kActiveFielders = 12;
constexpr int kEverydayFielders = 9;  // C to DH

BatterTalent HitterTalent(Random& random, bool pitcher) {
    BatterTalent t;
    double skill = random.Unit();
    if (pitcher) {
        t.walk = 0.03; t.strikeout = 0.38; t.homeRun = 0.003; t.doubleHit = 0.02; t.single = 0.10;
        return t;
    }
    t.walk = 0.05 + 0.06 * skill;
    t.strikeout = 0.26 - 0.10 * random.Unit();
    t.homeRun = 0.01 + 0.035 * random.Unit();
    t.doubleHit = 0.035 + 0.02 * skill;
    t.single = 0.13 + 0.04 * skill;
    return t;
}

BatterTalent PitcherAllowed(Random& random) {
    BatterTalent t;
    double skill = random.Unit();
    t.walk = 0.10 - 0.05 * skill;
    t.strikeout = 0.15 + 0.13 * skill;
    t.homeRun = 0.035 - 0.02 * skill;
    t.single = 0.16 - 0.03 * skill;
    return t;
}

// The splits of a season, each a division of its outcomes; vsLeftShare is the share of plate
// appearances against left-handers.
template <typename Splits, typename Line, typename SplitFn>
Splits SplitsOf(const Line& season, const Line& before, double vsLeftShare, Random& random, SplitFn split) {
    Splits s;
    s.season = season;
    s.career = season;
    s.career.Add(before);
    s.month = split(season, 0.12, random).first;
    std::tie(s.home, s.away) = split(season, 0.5, random);
    std::tie(s.empty, s.menOn) = split(season, 0.55, random);
    s.risp = split(s.menOn, 0.6, random).first;
    s.loaded = split(s.risp, 0.15, random).first;
    std::tie(s.vsLeft, s.vsRight) = split(season, vsLeftShare, random);
    return s;
}

BattingSplits BattingSplitsOf(const BattingLine& season, const BattingLine& before, Random& random) {
    return SplitsOf<BattingSplits>(season, before, 0.28, random, SplitBatting);
}

PitchingSplits PitchingSplitsOf(const PitchingLine& season, const PitchingLine& before, Random& random) {
    return SplitsOf<PitchingSplits>(season, before, 0.45, random, SplitPitching);
}

// Active players count for the 25-man roster; of the others two are on the 60-day list (the
// roster page marks them and leaves them out), one on the 15-day list, the rest in the minors.
std::string RosterStatus(int place, bool active) {
    if (active) return "A";
    if (place == kPitchers - 1 || place == 39) return "D60";
    return place == 16 ? "D15" : "MIN";
}

int PlateAppearances(int place, bool active, bool americanLeague, Random& random) {
    if (!active) return place < kPitchers ? 0 : random.Between(0, 20);
    if (place < kRotation) return americanLeague ? random.Between(0, 4) : random.Between(18, 32);
    if (place < kPitchers) return americanLeague ? 0 : random.Between(0, 3);
    if (place < kPitchers + kEverydayFielders) return random.Between(300, 370);
    return random.Between(60, 160);
}

int BattersFaced(int place, bool active, Random& random) {
    if (!active) return 0;
    if (place < kRotation) return random.Between(380, 470);
    return random.Between(90, 170);
}

void DrawDecisions(PitchingLine& line, int place, Random& random) {
    if (line.bf == 0) return;
    if (place < kRotation) {
        line.g = line.gs = random.Between(16, 18);
        line.w = random.Between(3, 11);
        line.l = random.Between(3, 9);
        return;
    }
    line.g = random.Between(28, 42);
    line.w = random.Between(0, 4);
    line.l = random.Between(0, 4);
    line.sv = place == kRotation ? random.Between(15, 26) : random.Between(0, 1);
    line.hld = place == kRotation ? 0 : random.Between(0, 12);
    line.bs = random.Between(0, 3);
}

void DeriveSiteFigures(Player& p, Random& random) {
    const BattingLine& b = p.batting.season;
    int inPlay = b.ab - b.so - b.hr + b.sf;
    p.babip = inPlay > 0 ? double(b.h - b.hr) / inPlay : 0.0;
    int woDenominator = b.ab + b.bb + b.sf + b.hbp;
    p.woba = woDenominator > 0 ? (0.69 * b.bb + 0.72 * b.hbp + 0.89 * b.Singles() + 1.27 * b.d +
                                  1.62 * b.t + 2.10 * b.hr) / woDenominator : 0.0;
    const PitchingLine& pl = p.pitching.season;
    p.fip = pl.outs > 0 ? (13.0 * pl.hr + 3.0 * (pl.bb + pl.hbp) - 2.0 * pl.so) * 3.0 / pl.outs + 3.10 : 0.0;
    p.war = p.IsPitcher() ? (pl.outs / 3.0) * (4.2 - p.fip) / 9.0 * 0.9 + 0.3 * random.Unit()
                          : (p.woba - 0.300) * b.pa / 12.0 + 1.5 * (random.Unit() - 0.3);
    p.uzr = p.IsPitcher() || p.position == "DH" ? 0.0 : 12.0 * (random.Unit() - 0.45);
    p.gamesAtPosition = p.IsPitcher() ? p.pitching.season.g : b.pa / 4;
}

std::string TwoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

std::string UniformNumber(std::vector<bool>& taken, bool active, Random& random) {
    if (!active && random.Chance(0.15)) return "";
    for (;;) {
        int n = random.Between(1, 99);
        if (!taken[n]) {
            taken[n] = true;
            return std::to_string(n);
        }
    }
}

struct Counters {
    int gamedayId = 400000;
    int espnId = 28000;
    int fanGraphsId = 1000;
};

Player MakePlayer(const Club& club, int place, std::size_t teamIndex, NameMaker& names,
                  std::vector<bool>& numbers, Counters& counters, Random& random) {
    Player p;
    p.position = RosterPositions()[place];
    if (p.position == "DH" && club.league == "NL") p.position = "LF";
    counters.gamedayId += random.Between(7, 400);
    counters.espnId += random.Between(3, 90);
    counters.fanGraphsId += random.Between(2, 40);
    p.id = std::to_string(counters.gamedayId);
    p.espnId = std::to_string(counters.espnId);
    p.fanGraphsId = std::to_string(counters.fanGraphsId);
    p.name = names.Next();
    // Each awkward name goes to one club: to a rotation pitcher or to an everyday player.
    const auto& awkward = AwkwardNames();
    if (teamIndex < awkward.size()) {
        int wanted = teamIndex % 2 == 0 ? kPitchers + int(teamIndex / 2) % kEverydayFielders
                                        : int(teamIndex / 2) % kRotation;
        if (place == wanted) p.name = awkward[teamIndex];
    }
    bool pitcher = place < kPitchers;
    bool active = pitcher ? place < kActivePitchers : place < kPitchers + kActiveFielders;
    p.status = RosterStatus(place, active);
    p.starter = pitcher ? place < kRotation : place < kPitchers + kEverydayFielders;
    p.number = UniformNumber(numbers, active, random);
    p.throws = random.Chance(pitcher ? 0.3 : 0.15) ? 'L' : 'R';
    p.bats = random.Chance(0.1) ? 'S' : (random.Chance(0.3) ? 'L' : p.throws);
    p.dob = TwoDigits(random.Between(1, 12)) + "/" + TwoDigits(random.Between(1, 28)) + "/" +
            std::to_string(random.Between(1980, 1993));
    p.height = random.Chance(0.8) ? "6-" + std::to_string(random.Between(0, 5))
                                  : "5-" + std::to_string(random.Between(9, 11));
    p.weight = random.Between(170, 250);

    BatterTalent hitter = HitterTalent(random, pitcher);
    int pa = PlateAppearances(place, active, club.league == "AL", random);
    BattingLine season = BattingLineOf(DrawOutcomes(pa, hitter, random), random);
    BattingLine before = BattingLineOf(DrawOutcomes(pa * random.Between(0, 6), hitter, random), random);
    p.batting = BattingSplitsOf(season, before, random);
    if (pitcher) {
        BatterTalent allowed = PitcherAllowed(random);
        PitchingLine pitched = PitchingLineOf(DrawOutcomes(BattersFaced(place, active, random), allowed, random), random);
        DrawDecisions(pitched, place, random);
        PitchingLine earlier = PitchingLineOf(DrawOutcomes(random.Between(0, 2500), allowed, random), random);
        p.pitching = PitchingSplitsOf(pitched, earlier, random);
    }
    DeriveSiteFigures(p, random);
    return p;
}

}  // namespace

std::string Player::PositionGroup() const {
    if (position == "P") return "Pitchers";
    if (position == "C") return "Catchers";
    if (position == "DH") return "Designated Hitter";
    if (position == "LF" || position == "CF" || position == "RF" || position == "OF") return "Outfielders";
    return "Infielders";
}

std::vector<const Player*> Team::Rotation() const {
    std::vector<const Player*> rotation;
    for (const Player& p : players)
        if (p.IsPitcher() && p.starter) rotation.push_back(&p);
    return rotation;
}

std::vector<std::pair<const Player*, std::string>> Team::Lineup(const Player* startingPitcher,
                                                                 bool designatedHitter) const {
    std::vector<const Player*> everyday;
    for (const Player& p : players)
        if (!p.IsPitcher() && p.starter && (designatedHitter || p.position != "DH")) everyday.push_back(&p);
    if (!designatedHitter && everyday.size() > 8) everyday.resize(8);
    std::vector<std::pair<const Player*, std::string>> lineup;
    for (const Player* p : everyday) lineup.push_back({p, lineup.size() == 8 ? "DH" : p->position});
    // A plain order by OPS puts the best hitters at the top, which is all a scorecard needs.
    std::stable_sort(lineup.begin(), lineup.end(), [](const auto& a, const auto& b) {
        return a.first->batting.season.Ops() > b.first->batting.season.Ops();
    });
    if (!designatedHitter) lineup.push_back({startingPitcher, "P"});
    return lineup;
}

const Player* Team::Find(const std::string& id) const {
    for (const Player& p : players)
        if (p.id == id) return &p;
    return nullptr;
}

std::vector<Team> MakeTeams(const std::vector<Club>& clubs, Random& random) {
    std::vector<Team> teams;
    NameMaker names(random);
    Counters counters;
    for (std::size_t t = 0; t < clubs.size(); ++t) {
        Team team{clubs[t], {}, 0, 0};
        std::vector<bool> numbers(100, false);
        for (int place = 0; place < int(RosterPositions().size()); ++place)
            team.players.push_back(MakePlayer(clubs[t], place, t, names, numbers, counters, random));
        team.wins = random.Between(34, 52);
        team.losses = 85 - team.wins;
        teams.push_back(std::move(team));
    }
    return teams;
}

}  // namespace quillbat::sample
