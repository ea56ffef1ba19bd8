// The per-player files: each game's batters/<id>.xml and pitchers/<id>.xml (one line, splits
// in the server's order, vs_P and vs_P5 last) and the season files year_2014/batters|pitchers.

#include "Versus.h"
#include "Writers.h"
#include "XmlText.h"

namespace quillbat::sample {
namespace {

std::string N(int n) { return std::to_string(n); }

Attributes BattingFigures(const BattingLine& b) {
    return {{"avg", Rate3(b.Avg())}, {"ab", N(b.ab)}, {"h", N(b.h)}, {"bb", N(b.bb)}, {"so", N(b.so)},
            {"r", N(b.r)}, {"sb", N(b.sb)}, {"cs", N(b.cs)}, {"hr", N(b.hr)}, {"rbi", N(b.rbi)},
            {"ops", Rate3(b.Ops())}};
}

Attributes PitchingFigures(const PitchingLine& p, bool decisions) {
    Attributes a = {{"avg", Rate3(p.Avg())}, {"ab", N(p.ab)}, {"h", N(p.h)}, {"rbi", N(p.rbi)},
                    {"hr", N(p.hr)}, {"bb", N(p.bb)}, {"so", N(p.so)}};
    if (decisions) a.insert(a.end(), {{"w", N(p.w)}, {"l", N(p.l)}, {"sv", N(p.sv)}});
    bool none = p.outs == 0;
    a.insert(a.end(), {{"ip", Innings(p.outs)}, {"whip", none ? (p.h + p.bb ? "-.--" : "-") : Fixed(p.Whip(), 2)},
                       {"era", none ? (p.er ? "-.--" : "-") : Fixed(p.Era(), 2)}});
    return a;
}

Attributes With(Attributes first, const Attributes& rest) {
    first.insert(first.end(), rest.begin(), rest.end());
    return first;
}

Attributes PlayerAttributes(const Team& team, const Player& p, const char* type) {
    Attributes a = {{"team", team.club.fileCode}, {"id", p.id}, {"pos", p.position}};
    if (!p.IsPitcher()) a.push_back({"current_position", p.position});
    a.insert(a.end(), {{"type", type}, {"first_name", p.name.first}, {"last_name", p.name.last},
                       {"jersey_number", p.number}, {"height", p.height}, {"weight", N(p.weight)},
                       {"bats", std::string(1, p.bats)}, {"throws", std::string(1, p.throws)}, {"dob", p.dob}});
    return a;
}

std::string VersusName(const Player& p) { return p.name.last + ", " + Initial(p.name.first); }

std::string BatterFile(const Team& team, const Player& p, bool home, const Player& opposingStarter) {
    const BattingSplits& s = p.batting;
    std::string text = GamedayNotice() + CompactTag("Player", PlayerAttributes(team, p, "batter"), true);
    text += CompactTag("season", BattingFigures(s.season)) + CompactTag("career", BattingFigures(s.career));
    text += CompactTag("month", With({{"des", "July"}}, BattingFigures(s.month)));
    text += CompactTag("Team", With({{"des", home ? "Home" : "Away"}}, BattingFigures(home ? s.home : s.away)));
    text += CompactTag("Empty", BattingFigures(s.empty)) + CompactTag("Men_On", BattingFigures(s.menOn));
    text += CompactTag("RISP", BattingFigures(s.risp)) + CompactTag("Loaded", BattingFigures(s.loaded));
    text += CompactTag("vs_LHP", BattingFigures(s.vsLeft)) + CompactTag("vs_RHP", BattingFigures(s.vsRight));
    Versus versus = VersusPitcher(p, opposingStarter);
    text += CompactTag("vs_P", With({{"des", VersusName(opposingStarter)}}, BattingFigures(versus.thisSeason)));
    text += CompactTag("vs_P5", With({{"des", VersusName(opposingStarter)}}, BattingFigures(versus.earlier)));
    text += CompactTag("Pitch", {{"loves", "FF"}, {"hates", "SL"}});
    return text + "</Player>";
}

std::string PitcherFile(const Team& team, const Player& p, bool home, const Player& firstOpposingBatter) {
    const PitchingSplits& s = p.pitching;
    std::string text = GamedayNotice() + CompactTag("Player", PlayerAttributes(team, p, "pitcher"), true);
    text += CompactTag("season", PitchingFigures(s.season, true)) + CompactTag("career", PitchingFigures(s.career, true));
    text += CompactTag("Month", With({{"des", "July"}}, PitchingFigures(s.month, false)));
    text += CompactTag("Team", With({{"des", home ? "Home" : "Away"}}, PitchingFigures(home ? s.home : s.away, false)));
    text += CompactTag("Empty", PitchingFigures(s.empty, false)) + CompactTag("Men_On", PitchingFigures(s.menOn, false));
    text += CompactTag("RISP", PitchingFigures(s.risp, false)) + CompactTag("Loaded", PitchingFigures(s.loaded, false));
    text += CompactTag("vs_LHB", PitchingFigures(s.vsLeft, false)) + CompactTag("vs_RHB", PitchingFigures(s.vsRight, false));
    PitchingLine versus;
    for (Outcome o : VersusOutcomes(firstOpposingBatter, p)) versus.Count(o);
    text += CompactTag("vs_B", With({{"des", VersusName(firstOpposingBatter)}}, PitchingFigures(versus, false)));
    text += CompactTag("vs_B5", With({{"des", VersusName(firstOpposingBatter)}}, PitchingFigures(PitchingLine{}, false)));
    text += CompactTag("Pitch", {{"out", p.throws == 'L' ? "CU" : "SI"}});
    return text + "</Player>";
}

void WriteTeamFiles(TreeWriter& tree, const std::string& gameUrl, const Team& team, bool home,
                    const Player& opposingStarter, const Player& firstOpposingBatter) {
    for (const Player& p : team.players) {
        if (p.IsPitcher())
            tree.Write(kGamedayHost, gameUrl + "/pitchers/" + p.id + ".xml", PitcherFile(team, p, home, firstOpposingBatter));
        else
            tree.Write(kGamedayHost, gameUrl + "/batters/" + p.id + ".xml", BatterFile(team, p, home, opposingStarter));
    }
}

std::string BattingSeason(const Player& p) {
    const BattingLine& b = p.batting.season;
    return GamedayNotice() + "\n" +
           PrettyTag(0, "batting", {{"id", p.id}, {"team_file_code", ""}, {"season", kSeason}, {"avg", Rate3(b.Avg())},
                                    {"s_g", N(b.pa / 4)}, {"s_ab", N(b.ab)}, {"s_r", N(b.r)}, {"s_h", N(b.h)},
                                    {"s_single", N(b.Singles())}, {"s_double", N(b.d)}, {"s_triple", N(b.t)},
                                    {"s_hr", N(b.hr)}, {"s_rbi", N(b.rbi)}, {"s_bb", N(b.bb)}, {"s_so", N(b.so)},
                                    {"s_sb", N(b.sb)}, {"s_cs", N(b.cs)}, {"s_hbp", N(b.hbp)}, {"s_sf", N(b.sf)},
                                    {"obp", Rate3(b.Obp())}, {"slg", Rate3(b.Slg())}}) + "\n";
}

std::string PitchingSeason(const Player& p) {
    const PitchingLine& s = p.pitching.season;
    return GamedayNotice() + "\n" +
           PrettyTag(0, "pitching", {{"id", p.id}, {"season", kSeason}, {"w", N(s.w)}, {"l", N(s.l)},
                                     {"sv", N(s.sv)}, {"era", s.outs ? Fixed(s.Era(), 2) : "0.00"}, {"s_g", N(s.g)},
                                     {"s_gs", N(s.gs)}, {"s_ip", Innings(s.outs)}, {"s_h", N(s.h)}, {"s_r", N(s.r)},
                                     {"s_er", N(s.er)}, {"s_hr", N(s.hr)}, {"s_bb", N(s.bb)}, {"s_k", N(s.so)},
                                     {"whip", s.outs ? Fixed(s.Whip(), 2) : "0.00"}}) + "\n";
}

}  // namespace

void WritePlayerGameFiles(const World& world, TreeWriter& tree) {
    for (const Day& day : world.days)
        for (const Game& g : day.games) {
            if (g.state != GameState::Final && g.state != GameState::LineupsPosted) continue;
            std::string gameUrl = std::string(kGamedayBase) + "/" + day.Path() + "/gid_" + g.GamedayId(day.Underscored());
            const Player& awayLeadOff = *g.away->Lineup(g.awayStarter, g.DesignatedHitter()).front().first;
            const Player& homeLeadOff = *g.home->Lineup(g.homeStarter, g.DesignatedHitter()).front().first;
            WriteTeamFiles(tree, gameUrl, *g.away, false, *g.homeStarter, homeLeadOff);
            WriteTeamFiles(tree, gameUrl, *g.home, true, *g.awayStarter, awayLeadOff);
        }
}

void WriteSeasonFiles(const World& world, TreeWriter& tree) {
    const std::string base = std::string(kGamedayBase) + "/year_" + kSeason;
    for (const Team& team : world.teams)
        for (const Player& p : team.players) {
            if (p.IsPitcher()) tree.Write(kGamedayHost, base + "/pitchers/" + p.id + ".xml", PitchingSeason(p));
            else tree.Write(kGamedayHost, base + "/batters/" + p.id + ".xml", BattingSeason(p));
        }
}

}  // namespace quillbat::sample
