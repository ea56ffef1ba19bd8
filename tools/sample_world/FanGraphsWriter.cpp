// Every FanGraphs page the program asks for: each club's team pages (batters, pitchers,
// fielders in every group and split it requests) and the two leagues' club tables.

#include "FanGraphs.h"
#include "Writers.h"

namespace quillbat::sample {
namespace {

struct Request {
    const char* kind;
    const char* type;
    const char* month;
};

// The team pages: batters' standard figures in full and against left- and right-handed
// pitching, their value and advanced figures; pitchers' five groups; fielders' two.
const Request kTeamRequests[] = {
    {"bat", "0", "0"}, {"bat", "0", "13"}, {"bat", "0", "14"}, {"bat", "1", "0"}, {"bat", "6", "0"},
    {"pit", "0", "0"}, {"pit", "1", "0"}, {"pit", "4", "0"}, {"pit", "5", "0"}, {"pit", "6", "0"},
    {"fld", "0", "0"}, {"fld", "1", "0"}};

// The league pages: batters' and pitchers' standard and advanced tables, pitchers' plate
// discipline.
const Request kLeagueRequests[] = {{"bat", "0", "0"}, {"bat", "1", "0"}, {"pit", "0", "0"}, {"pit", "1", "0"}, {"pit", "5", "0"}};

std::string TeamTarget(const Team& team, const Request& r) {
    return "/winss.aspx?team=" + team.club.teamName + "&pos=all&stats=" + r.kind + "&qual=0&type=" + r.type +
           "&season=" + kSeason + "&month=" + r.month;
}

std::string LeagueTarget(const std::string& league, const Request& r) {
    return "/teams.aspx?pos=all&lg=" + league + "&stats=" + r.kind + "&type=" + r.type + "&season=" + kSeason + "&month=0";
}

}  // namespace

void WriteFanGraphsPages(const World& world, TreeWriter& tree) {
    for (const Team& team : world.teams)
        for (const Request& r : kTeamRequests) {
            std::string target = TeamTarget(team, r);
            tree.Write(kFanGraphsHost, target,
                       FanGraphsPage(team.club.FullName() + " Stats", target.substr(1), TeamTable(team, r.kind, r.type, r.month)));
        }
    for (const char* league : {"al", "nl"}) {
        std::vector<const Team*> clubs;
        for (const Team& team : world.teams)
            if (team.club.league == (league[0] == 'a' ? "AL" : "NL")) clubs.push_back(&team);
        for (const Request& r : kLeagueRequests) {
            std::string target = LeagueTarget(league, r);
            tree.Write(kFanGraphsHost, target, FanGraphsPage("Team Stats", target.substr(1), LeagueTable(clubs, r.kind, r.type)));
        }
    }
}

}  // namespace quillbat::sample
