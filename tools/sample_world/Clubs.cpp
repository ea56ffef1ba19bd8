#include "Clubs.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>

namespace quillbat::sample {
namespace {

struct GamedayFacts {
    const char* gamedayCode;
    const char* abbrev;
    const char* mlbTeamId;
    const char* league;
    const char* division;
    const char* venue;
    const char* venueId;
};

const std::map<std::string, GamedayFacts>& FactsByFileCode() {
    static const std::map<std::string, GamedayFacts> facts = {
        {"ari", {"ari", "ARI", "109", "NL", "W", "Chase Field", "15"}},
        {"atl", {"atl", "ATL", "144", "NL", "E", "Turner Field", "16"}},
        {"bal", {"bal", "BAL", "110", "AL", "E", "Oriole Park at Camden Yards", "2"}},
        {"bos", {"bos", "BOS", "111", "AL", "E", "Fenway Park", "3"}},
        {"chc", {"chn", "CHC", "112", "NL", "C", "Wrigley Field", "17"}},
        {"cws", {"cha", "CWS", "145", "AL", "C", "U.S. Cellular Field", "4"}},
        {"cin", {"cin", "CIN", "113", "NL", "C", "Great American Ball Park", "2602"}},
        {"cle", {"cle", "CLE", "114", "AL", "C", "Progressive Field", "5"}},
        {"col", {"col", "COL", "115", "NL", "W", "Coors Field", "19"}},
        {"det", {"det", "DET", "116", "AL", "C", "Comerica Park", "2394"}},
        {"hou", {"hou", "HOU", "117", "AL", "W", "Minute Maid Park", "2392"}},
        {"kc", {"kca", "KC", "118", "AL", "C", "Kauffman Stadium", "7"}},
        {"ana", {"ana", "LAA", "108", "AL", "W", "Angel Stadium of Anaheim", "1"}},
        {"la", {"lan", "LAD", "119", "NL", "W", "Dodger Stadium", "22"}},
        {"mia", {"mia", "MIA", "146", "NL", "E", "Marlins Park", "4169"}},
        {"mil", {"mil", "MIL", "158", "NL", "C", "Miller Park", "32"}},
        {"min", {"min", "MIN", "142", "AL", "C", "Target Field", "3312"}},
        {"nym", {"nyn", "NYM", "121", "NL", "E", "Citi Field", "3289"}},
        {"nyy", {"nya", "NYY", "147", "AL", "E", "Yankee Stadium", "3313"}},
        {"oak", {"oak", "OAK", "133", "AL", "W", "O.co Coliseum", "10"}},
        {"phi", {"phi", "PHI", "143", "NL", "E", "Citizens Bank Park", "2681"}},
        {"pit", {"pit", "PIT", "134", "NL", "C", "PNC Park", "31"}},
        {"sd", {"sdn", "SD", "135", "NL", "W", "Petco Park", "2680"}},
        {"sf", {"sfn", "SF", "137", "NL", "W", "AT&T Park", "2395"}},
        {"sea", {"sea", "SEA", "136", "AL", "W", "Safeco Field", "680"}},
        {"stl", {"sln", "STL", "138", "NL", "C", "Busch Stadium", "2889"}},
        {"tb", {"tba", "TB", "139", "AL", "E", "Tropicana Field", "12"}},
        {"tex", {"tex", "TEX", "140", "AL", "W", "Globe Life Park in Arlington", "13"}},
        {"tor", {"tor", "TOR", "141", "AL", "E", "Rogers Centre", "14"}},
        {"was", {"was", "WSH", "120", "NL", "E", "Nationals Park", "3309"}},
    };
    return facts;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Without(std::string text, const std::string& chars) {
    std::erase_if(text, [&](char c) { return chars.find(c) != std::string::npos; });
    return text;
}

// The quoted values of one "('a', 'b', ...)" row of the SQL text.
std::vector<std::string> QuotedValues(const std::string& line) {
    std::vector<std::string> values;
    std::size_t pos = 0;
    while ((pos = line.find('\'', pos)) != std::string::npos) {
        std::size_t end = line.find('\'', pos + 1);
        if (end == std::string::npos) break;
        values.push_back(line.substr(pos + 1, end - pos - 1));
        pos = end + 1;
    }
    return values;
}

}  // namespace

std::string Club::FullName() const { return cityName + " " + teamName; }

std::string Club::RosterSubHost() const {
    return Lower(Without(cityName, " .")) + "." + Lower(Without(teamName, " "));
}

std::string Club::BaseballReferenceCode() const {
    static const std::map<std::string, std::string> differing = {
        {"CWS", "CHW"}, {"KC", "KCR"}, {"ANA", "LAA"}, {"LA", "LAD"},
        {"SD", "SDP"}, {"SF", "SFG"}, {"TB", "TBR"}, {"WAS", "WSN"}};
    std::string upper = fileCode;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    auto found = differing.find(upper);
    return found == differing.end() ? upper : found->second;
}

std::vector<Club> LoadClubs(const std::string& teamsSql) {
    std::vector<Club> clubs;
    std::istringstream lines(teamsSql);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.find("--") == 0 || line.find("('") == std::string::npos) continue;
        auto v = QuotedValues(line);
        if (v.size() != 6) continue;
        auto facts = FactsByFileCode().find(v[0]);
        if (facts == FactsByFileCode().end()) continue;
        const GamedayFacts& f = facts->second;
        clubs.push_back({v[0], v[1], v[2], v[3], v[4], v[5], f.gamedayCode, f.abbrev, f.mlbTeamId,
                         f.league, f.division, f.venue, f.venueId});
    }
    return clubs;
}

}  // namespace quillbat::sample
