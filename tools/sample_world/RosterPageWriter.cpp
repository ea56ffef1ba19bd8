// The clubs' 40-man roster pages on their team sites (<city>.<club>.<domain>), one table per
// position group. Players on the 60-day list are marked with an asterisk entity and do not
// count; lines before the roster table carry player links too (the "featured" box).

#include "Writers.h"
#include "XmlText.h"

namespace quillbat::sample {
namespace {

// Entities as the team sites wrote them.
std::string HtmlName(const std::string& name) {
    std::string out;
    for (char c : name) out += c == '\'' ? std::string("&#039;") : std::string(1, c);
    return out;
}

std::string PlayerRows(const Player& p) {
    bool marked = p.status == "D60";
    std::string number = p.number.empty() ? "&nbsp;" : p.number;
    return "<tr>\n"
           "<td class=\"dg-jersey_number\">" + number + "</td>\n"
           "<td class=\"dg-name_display_first_last\"><a href=\"/team/player.jsp?player_id=" + p.id + "\">" +
           HtmlName(p.name.Display()) + "</a></td>\n"
           "<td class=\"dg-status\">\n" +
           (marked ? "<span class=\"sixty\">&#042;</span>" : std::string("&nbsp;")) + "\n"
           "</td>\n"
           "<td class=\"dg-height\">" + p.height + "</td>\n"
           "<td class=\"dg-weight\">" + std::to_string(p.weight) + "</td>\n"
           "<td class=\"dg-date_of_birth\">" + p.dob + "</td>\n"
           "<td class=\"dg-bats_throws\">" + std::string(1, p.bats) + "-" + std::string(1, p.throws) + "</td>\n"
           "</tr>\n";
}

std::string GroupTable(const Team& team, const std::string& group) {
    std::string rows;
    for (const Player& p : team.players)
        if (p.PositionGroup() == group) rows += PlayerRows(p);
    if (rows.empty()) return "";
    return "<table class=\"data roster_table\">\n<thead>\n<tr>\n<th class=\"dg-jersey_number\">#</th>\n"
           "<th class=\"playernameHead\">" + group + "</th>\n<th>&nbsp;</th>\n<th>Ht</th>\n<th>Wt</th>\n"
           "<th>DOB</th>\n<th>B/T</th>\n</tr>\n</thead>\n<tbody>\n" + rows + "</tbody>\n</table>\n";
}

std::string RosterPage(const Team& team) {
    const Club& c = team.club;
    const Player& featured = team.players.front();
    std::string text = "<!DOCTYPE html>\n<html>\n<head>\n<title>" + c.FullName() +
                       " 40-Man Roster | Sample team site</title>\n</head>\n<body>\n"
                       "<div id=\"featured\">Player of the week: <a href=\"/team/player.jsp?player_id=" + featured.id +
                       "\">" + HtmlName(featured.name.Display()) + "</a></div>\n"
                       "<p>Sample data: invented players &amp; figures, not the real " + c.FullName() + ".</p>\n"
                       "<div id=\"team_table_results\" class=\"roster\">\n";
    for (const char* group : {"Pitchers", "Catchers", "Infielders", "Outfielders", "Designated Hitter"})
        text += GroupTable(team, group);
    return text + "<p class=\"legend\">&#042; 60-day disabled list</p>\n</div>\n</body>\n</html>\n";
}

}  // namespace

void WriteRosterPages(const World& world, TreeWriter& tree) {
    for (const Team& team : world.teams)
        tree.Write(team.club.RosterSubHost(), "/team/roster_40man.jsp?c_id=" + team.club.fileCode, RosterPage(team));
}

}  // namespace quillbat::sample
