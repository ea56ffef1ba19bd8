// ESPN pages: each club's roster page (/mlb/teams/roster?team=<code>), whose player links
// carry ESPN's own ids, and the batter-versus-pitcher page of every sample game's starting
// pitcher against the other club (/mlb/player/batvspitch/_/id/<id>/teamId/<team id>).

#include <cctype>

#include "Versus.h"
#include "Writers.h"

namespace quillbat::sample {
namespace {

std::string N(int n) { return std::to_string(n); }

std::string Slug(const PersonName& name) {
    std::string slug;
    for (char c : name.Display()) {
        unsigned char u = static_cast<unsigned char>(c);
        if (std::isalnum(u)) slug += static_cast<char>(std::tolower(u));
        else if (c == ' ' && !slug.empty() && slug.back() != '-') slug += '-';
    }
    return slug;
}

std::string PlayerLink(const Player& p) {
    return "<a href=\"http://espn.go.com/mlb/player/_/id/" + p.espnId + "/" + Slug(p.name) + "\">" + p.name.Display() + "</a>";
}

// A group's rows all on one line, as ESPN wrote its tables.
std::string RosterGroup(const Team& team, const std::string& group, bool pitchers) {
    std::string line = "<tr class=\"stathead\"><td colspan=\"8\">" + group + "</td></tr><tr class=\"colhead\"><td>NO</td>"
                       "<td>NAME</td><td>POS</td><td>BAT</td><td>THW</td><td>AGE</td><td>HT</td><td>WT</td></tr>";
    int row = 0;
    for (const Player& p : team.players) {
        if (p.IsPitcher() != pitchers || p.status != "A") continue;
        line += std::string("<tr class=\"") + (row++ % 2 ? "evenrow" : "oddrow") + " player-10-" + p.espnId + "\"><td>" +
                p.number + "</td><td>" + PlayerLink(p) + "</td><td>" + (pitchers ? (p.starter ? "SP" : "RP") : p.position) +
                "</td><td>" + p.bats + "</td><td>" + p.throws + "</td><td>" + N(2014 - std::stoi(p.dob.substr(6))) +
                "</td><td>" + p.height + "</td><td>" + N(p.weight) + "</td></tr>";
    }
    return line + "\n";
}

std::string RosterPage(const Team& team) {
    return "<!DOCTYPE html>\n<html>\n<head><title>" + team.club.FullName() + " Roster - Sample ESPN</title></head>\n<body>\n"
           "<p>Sample data: an invented roster.</p>\n<div class=\"mod-container mod-table\">\n<table class=\"tablehead\">\n" +
           RosterGroup(team, "Pitchers", true) + RosterGroup(team, "Position Players", false) + "</table>\n</div>\n</body>\n</html>\n";
}

std::string VersusRow(const Player& batter, const Player& pitcher, int row) {
    BattingLine v = VersusPitcher(batter, pitcher).Career();
    std::string text = std::string("<tr class=\"") + (row % 2 ? "evenrow" : "oddrow") + "\"><td>" + PlayerLink(batter) +
                       "</td><td>" + N(v.ab) + "</td>\n";
    for (const std::string& cell : {N(v.h), N(v.d), N(v.t), N(v.hr), N(v.rbi), N(v.bb), N(v.so),
                                    Rate3(v.Avg()), Rate3(v.Obp()), Rate3(v.Slg()), Rate3(v.Ops())})
        text += "<td>" + cell + "</td>\n";
    return text + "</tr>\n";
}

std::string VersusPage(const Player& pitcher, const Team& opponents) {
    std::string text = "<!DOCTYPE html>\n<html>\n<head><title>" + pitcher.name.Display() +
                       " Batter vs. Pitcher - Sample ESPN</title></head>\n<body>\n"
                       "<p>Sample data: invented career figures.</p>\n<div class=\"mod-content\">\n<table class=\"tablehead\">\n"
                       "<tr class=\"stathead\"><td colspan=\"13\">Career Batting vs. " + pitcher.name.Display() + "</td></tr>\n"
                       "<tr class=\"colhead\"><td>BATTER</td><td>AB</td><td onmouseover=\"if (n > 0) tip('Hits')\">H</td><td>2B</td><td>3B</td><td>HR</td><td>RBI</td>"
                       "<td>BB</td><td>SO</td><td>AVG</td><td>OBP</td><td>SLG</td><td>OPS</td></tr>";
    // The first batter's row starts on the header's line.
    int row = 0;
    for (const Player& batter : opponents.players) {
        if (batter.IsPitcher() || batter.status != "A") continue;
        if (VersusPitcher(batter, pitcher).Career().pa == 0) continue;
        text += VersusRow(batter, pitcher, row++);
    }
    if (row == 0) text += "\n";
    text += "<tr class=\"total\"><td>Totals</td>\n<td>&nbsp;</td>\n</tr>\n";
    return text + "</table>\n</div>\n</body>\n</html>\n";
}

void WriteVersus(TreeWriter& tree, const Player& pitcher, const Team& opponents) {
    tree.Write(kEspnHost, "/mlb/player/batvspitch/_/id/" + pitcher.espnId + "/teamId/" + opponents.club.espnTeamId,
               VersusPage(pitcher, opponents));
}

}  // namespace

void WriteEspnPages(const World& world, TreeWriter& tree) {
    for (const Team& team : world.teams)
        tree.Write(kEspnHost, "/mlb/teams/roster?team=" + team.club.espnCode, RosterPage(team));
    for (const Day& day : world.days)
        for (const Game& g : day.games) {
            WriteVersus(tree, *g.awayStarter, *g.home);
            WriteVersus(tree, *g.homeStarter, *g.away);
        }
}

}  // namespace quillbat::sample
