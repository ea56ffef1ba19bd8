// boxscore.xml of every final game and of every game whose lineups are posted.

#include "Writers.h"
#include "XmlText.h"

namespace quillbat::sample {
namespace {

const char* kMonths[] = {"", "January", "February", "March", "April", "May", "June", "July",
                         "August", "September", "October", "November", "December"};

std::string LongDate(const Day& day) {
    return std::string(kMonths[day.month]) + " " + std::to_string(day.day) + ", " + std::to_string(day.year);
}

std::string N(int n) { return std::to_string(n); }

// Element layout: pretty for final games, one element per line with explicit end tags for
// the pre-game files (both occur on the gameday server).
struct Layout {
    bool pretty;
    std::string Empty(int indent, const std::string& name, const Attributes& attributes) const {
        if (pretty) return PrettyTag(indent, name, attributes) + "\n";
        return std::string(indent, ' ') + CompactTag(name, attributes, true) + "</" + name + ">\n";
    }
    std::string Open(int indent, const std::string& name, const Attributes& attributes) const {
        return (pretty ? PrettyTag(indent, name, attributes, true) : std::string(indent, ' ') + CompactTag(name, attributes, true)) + "\n";
    }
};

Attributes PitcherAttributes(const PitcherGame& pg, const Team& team) {
    const Player& p = *pg.player;
    const PitchingLine& g = pg.line;
    const PitchingLine& s = p.pitching.season;
    Attributes a = {{"id", p.id}, {"name", RosterDisplayName(team, p)}, {"name_display_first_last", p.name.Display()},
                    {"pos", "P"}, {"out", N(g.outs)}, {"bf", N(g.bf)}, {"er", N(g.er)}, {"r", N(g.r)},
                    {"h", N(g.h)}, {"so", N(g.so)}, {"hr", N(g.hr)}, {"bb", N(g.bb)}, {"np", N(g.pitches)},
                    {"s", N(g.strikes)}, {"w", N(s.w)}, {"l", N(s.l)}, {"sv", N(s.sv)}, {"bs", N(s.bs)},
                    {"hld", N(s.hld)}, {"s_ip", Innings(s.outs)}, {"s_h", N(s.h)}, {"s_r", N(s.r)},
                    {"s_er", N(s.er)}, {"s_bb", N(s.bb)}, {"s_so", N(s.so)},
                    {"era", s.outs > 0 ? Fixed(s.Era(), 2) : "-.--"}};
    if (pg.decision == "W") a.push_back({"win", "true"});
    if (pg.decision == "L") a.push_back({"loss", "true"});
    if (pg.decision == "S") a.push_back({"save", "true"});
    if (!pg.decision.empty())
        a.push_back({"note", "(" + pg.decision + ", " + N(pg.decision == "W" ? s.w : pg.decision == "L" ? s.l : s.sv) + ")"});
    return a;
}

Attributes BatterAttributes(const BatterGame& bg, const Team& team) {
    const Player& p = *bg.player;
    const BattingLine& g = bg.line;
    const BattingLine& s = p.batting.season;
    Attributes a = {{"id", p.id}, {"name", RosterDisplayName(team, p)}, {"name_display_first_last", p.name.Display()},
                    {"pos", bg.pos}};
    if (bg.bo > 0) a.push_back({"bo", N(bg.bo)});  // pitchers who did not bat have no slot
    // Fielding is not played out: put-outs and assists are nominal figures.
    a.insert(a.end(), {{"ab", N(g.ab)}, {"po", N(g.ab / 2)}, {"r", N(g.r)}, {"a", N(g.ab / 3)}, {"bb", N(g.bb)},
                       {"sac", "0"}, {"t", N(g.t)}, {"sf", N(g.sf)}, {"h", N(g.h)}, {"e", "0"}, {"d", N(g.d)},
                       {"hbp", N(g.hbp)}, {"so", N(g.so)}, {"hr", N(g.hr)}, {"rbi", N(g.rbi)}, {"lob", N(bg.lob)},
                       {"fldg", "1.000"}, {"sb", "0"}, {"cs", "0"}, {"s_hr", N(s.hr)}, {"s_rbi", N(s.rbi)},
                       {"s_h", N(s.h)}, {"s_bb", N(s.bb)}, {"s_r", N(s.r)}, {"s_so", N(s.so)},
                       {"avg", Rate3(s.Avg())}, {"obp", Rate3(s.Obp())}, {"slg", Rate3(s.Slg())},
                       {"ops", Rate3(s.Ops())}, {"ao", N(g.ab - g.h - g.so)}});
    return a;
}

std::string PitchingBlock(const Layout& layout, const char* flag, const SideGame& side, const Team& team) {
    PitchingLine total;
    for (const PitcherGame& p : side.pitchers) total.Add(p.line);
    std::string text = layout.Open(2, "pitching", {{"team_flag", flag}, {"out", N(total.outs)}, {"h", N(total.h)},
                                                   {"r", N(total.r)}, {"er", N(total.er)}, {"bb", N(total.bb)},
                                                   {"so", N(total.so)}, {"hr", N(total.hr)}, {"bf", N(total.bf)},
                                                   {"era", total.outs > 0 ? Fixed(total.Era(), 2) : "0.00"}});
    for (const PitcherGame& p : side.pitchers) text += layout.Empty(4, "pitcher", PitcherAttributes(p, team));
    return text + "  </pitching>\n";
}

std::string BattingBlock(const Layout& layout, const char* flag, const SideGame& side, const Team& team) {
    BattingLine total;
    int lob = 0;
    for (const BatterGame& b : side.batters) {
        total.Add(b.line);
        lob += b.lob;
    }
    std::string text = layout.Open(2, "batting", {{"team_flag", flag}, {"ab", N(total.ab)}, {"r", N(total.r)},
                                                  {"h", N(total.h)}, {"d", N(total.d)}, {"t", N(total.t)},
                                                  {"hr", N(total.hr)}, {"rbi", N(total.rbi)}, {"bb", N(total.bb)},
                                                  {"po", N(total.ab / 2)}, {"da", N(total.ab / 3)}, {"so", N(total.so)},
                                                  {"lob", N(lob)}, {"avg", Rate3(total.Avg())}});
    for (const BatterGame& b : side.batters) text += layout.Empty(4, "batter", BatterAttributes(b, team));
    text += "    <text_data><![CDATA[<b>BATTING</b><br/><b>Team RISP</b>: " + N(total.h / 3) + "-for-" +
            N(total.ab / 4) + ".<br/>]]></text_data>\n";
    return text + "  </batting>\n";
}

// Before the game the box score lists the lineups with empty game figures and the two
// starting pitchers.
GameResult PreGameResult(const Game& g) {
    GameResult r;
    auto fill = [&](SideGame& side, const Team& team, const Player* starter) {
        int slot = 1;
        for (const auto& [player, pos] : team.Lineup(starter, g.DesignatedHitter()))
            side.batters.push_back({player, pos, 100 * slot++, {}, 0});
        side.pitchers.push_back({starter, {}, ""});
    };
    fill(r.away, *g.away, g.awayStarter);
    fill(r.home, *g.home, g.homeStarter);
    return r;
}

std::string Boxscore(const Day& day, const Game& g) {
    bool final = g.state == GameState::Final;
    Layout layout{final};
    GameResult r = final ? g.result : PreGameResult(g);
    const Club& a = g.away->club;
    const Club& h = g.home->club;
    std::string text = (final ? "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + GamedayNotice() + "\n" : GamedayNotice());
    text += layout.Open(0, "boxscore", {{"game_id", day.Slashed() + "/" + a.gamedayCode + "mlb-" + h.gamedayCode + "mlb-" + N(g.number)},
                                        {"game_pk", g.gamePk}, {"venue_id", h.venueId}, {"venue_name", h.venue},
                                        {"home_sport_code", "mlb"}, {"away_team_code", a.gamedayCode},
                                        {"home_team_code", h.gamedayCode}, {"away_id", a.mlbTeamId}, {"home_id", h.mlbTeamId},
                                        {"away_fname", a.FullName()}, {"home_fname", h.FullName()},
                                        {"away_sname", a.teamCity}, {"home_sname", h.teamCity}, {"date", LongDate(day)},
                                        {"away_wins", N(g.away->wins)}, {"away_loss", N(g.away->losses)},
                                        {"home_wins", N(g.home->wins)}, {"home_loss", N(g.home->losses)},
                                        {"status_ind", final ? "F" : "P"}});
    text += layout.Open(2, "linescore", {{"away_team_runs", N(r.away.runs)}, {"home_team_runs", N(r.home.runs)},
                                         {"away_team_hits", N(r.away.hits)}, {"home_team_hits", N(r.home.hits)},
                                         {"away_team_errors", "0"}, {"home_team_errors", "0"}});
    if (final) {
        for (std::size_t i = 0; i < r.innings.size(); ++i)
            text += layout.Empty(4, "inning_line_score", {{"away", r.innings[i].first}, {"home", r.innings[i].second}, {"inning", N(int(i) + 1)}});
    } else {
        text += layout.Empty(4, "inning_line_score", {{"away", ""}, {"inning", "1"}});
    }
    text += "  </linescore>\n";
    text += PitchingBlock(layout, "away", r.away, *g.away) + BattingBlock(layout, "home", r.home, *g.home);
    text += PitchingBlock(layout, "home", r.home, *g.home) + BattingBlock(layout, "away", r.away, *g.away);
    text += "  <game_info><![CDATA[<b>Venue</b>: " + XmlEscape(h.venue) + ".<br/><b>Weather</b>: 78 degrees, partly cloudy.<br/>]]></game_info>\n";
    return text + "</boxscore>";
}

}  // namespace

void WriteBoxscores(const World& world, TreeWriter& tree) {
    for (const Day& day : world.days)
        for (const Game& g : day.games) {
            if (g.state != GameState::Final && g.state != GameState::LineupsPosted) continue;
            tree.Write(kGamedayHost, std::string(kGamedayBase) + "/" + day.Path() + "/gid_" +
                                         g.GamedayId(day.Underscored()) + "/boxscore.xml",
                       Boxscore(day, g));
        }
}

}  // namespace quillbat::sample
