// players.xml of every game whose box score exists: both clubs' players with their statuses,
// the lineup marked by bat_order and game_position, the coaches and the four umpires.

#include "Writers.h"
#include "XmlText.h"

namespace quillbat::sample {
namespace {

std::string N(int n) { return std::to_string(n); }

using Lineup = std::vector<std::pair<const Player*, std::string>>;

// The player's batting-order slot (0 when he is not in the lineup) and his position today.
int LineupSlot(const Lineup& lineup, const Player& p, std::string& position) {
    for (std::size_t i = 0; i < lineup.size(); ++i)
        if (lineup[i].first == &p) {
            position = lineup[i].second;
            return int(i) + 1;
        }
    return 0;
}

std::string PlayerLine(const Team& team, const Player& p, const Lineup& lineup, const Player* starter) {
    const Club& c = team.club;
    const BattingLine& b = p.batting.season;
    Attributes a = {{"id", p.id}, {"first", p.name.first}, {"last", p.name.last}, {"num", p.number},
                    {"boxname", RosterDisplayName(team, p)}, {"rl", std::string(1, p.throws)},
                    {"bats", std::string(1, p.bats)}, {"position", p.position},
                    {"status", p.status}, {"team_abbrev", c.abbrev}, {"team_id", c.mlbTeamId},
                    {"parent_team_abbrev", c.abbrev}, {"parent_team_id", c.mlbTeamId},
                    {"avg", Rate3(b.Avg())}, {"hr", N(b.hr)}, {"rbi", N(b.rbi)}};
    std::string today;
    if (int slot = LineupSlot(lineup, p, today)) {
        a.insert(a.end(), {{"bat_order", N(slot)}, {"current_position", today}, {"game_position", today}});
    } else if (&p == starter) {
        // An American League starter pitches without batting.
        a.insert(a.end(), {{"bat_order", "0"}, {"current_position", "P"}, {"game_position", "P"}});
    }
    if (p.IsPitcher()) {
        const PitchingLine& s = p.pitching.season;
        a.insert(a.end(), {{"wins", N(s.w)}, {"losses", N(s.l)}, {"era", Fixed(s.Era(), 2)}});
    }
    return "\t\t" + CompactTag("player", a) + "\n";
}

std::string Coaches(const Team& team) {
    const Club& c = team.club;
    int id = 100000 + std::stoi(c.mlbTeamId) * 10;
    std::string line = "\t\t";
    const char* jobs[] = {"manager", "hitting_coach", "pitching_coach", "first_base_coach", "third_base_coach", "bullpen_coach"};
    const char* last[] = {"Haskins", "Pruett", "Delgado", "Marrow", "Kittle", "Ferro"};
    for (int i = 0; i < 6; ++i)
        line += CompactTag("coach", {{"position", jobs[i]}, {"first", "Coach"}, {"last", std::string(last[i]) + " " + c.abbrev},
                                     {"id", N(id + i)}, {"num", i == 0 ? "" : N(50 + i)}});
    return line + "\n";
}

std::string TeamBlock(const char* type, const Game& g, const Team& team, const Player* starter) {
    auto lineup = team.Lineup(starter, g.DesignatedHitter());
    std::string text = "\t" + CompactTag("team", {{"type", type}, {"id", team.club.abbrev}, {"name", team.club.FullName()}}, true) + "\n";
    for (const Player& p : team.players) text += PlayerLine(team, p, lineup, starter);
    return text + Coaches(team) + "\t</team>\n";
}

std::string Umpires(const Game& g) {
    const char* bases[] = {"home", "first", "second", "third"};
    const char* names[] = {"Doug Wexler", "Ángel Cordero", "Tom Bramlett", "Jim Reyes"};
    int shift = std::stoi(g.gamePk) % 4;
    std::string line = "\t<umpires>";
    for (int i = 0; i < 4; ++i) {
        std::string name = names[(i + shift) % 4];
        std::size_t space = name.find(' ');
        line += CompactTag("umpire", {{"position", bases[i]}, {"name", name}, {"id", N(427000 + (i + shift) % 4)},
                                      {"first", name.substr(0, space)}, {"last", name.substr(space + 1)}});
    }
    return line + "</umpires>\n";
}

std::string PlayersFile(const Day& day, const Game& g) {
    const char* months[] = {"", "January", "February", "March", "April", "May", "June", "July"};
    std::string text = GamedayNotice() + CompactTag("game", {{"venue", g.home->club.venue},
                                                             {"date", std::string(months[day.month]) + " " + N(day.day) + ", 2014"}}, true) + "\n";
    text += TeamBlock("away", g, *g.away, g.awayStarter) + TeamBlock("home", g, *g.home, g.homeStarter);
    return text + Umpires(g) + "</game>";
}

}  // namespace

void WritePlayersFiles(const World& world, TreeWriter& tree) {
    for (const Day& day : world.days)
        for (const Game& g : day.games) {
            if (g.state != GameState::Final && g.state != GameState::LineupsPosted) continue;
            tree.Write(kGamedayHost, std::string(kGamedayBase) + "/" + day.Path() + "/gid_" +
                                         g.GamedayId(day.Underscored()) + "/players.xml",
                       PlayersFile(day, g));
        }
}

}  // namespace quillbat::sample
