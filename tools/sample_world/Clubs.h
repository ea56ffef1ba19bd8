#pragma once
// The 30 clubs of the sample season: the team database's codes and names, plus the facts the
// gameday files carry that the team database does not (gameday code, abbreviation, league).

#include <string>
#include <vector>

namespace quillbat::sample {

struct Club {
    // From the team database.
    std::string fileCode;      // "nyy": file names, away_file_code
    std::string teamCity;      // "NY Yankees": the scoreboard's city text
    std::string teamName;      // "Yankees": FanGraphs' team name
    std::string cityName;      // "New York": the team-site host is built from it
    std::string espnCode;      // "nyy"
    std::string espnTeamId;    // "10"
    // Gameday facts.
    std::string gamedayCode;   // "nya": in gameday ids ("nyamlb")
    std::string abbrev;        // "NYY"
    std::string mlbTeamId;     // "147"
    std::string league;        // "AL" or "NL"
    std::string division;      // "E", "C" or "W"
    std::string venue;
    std::string venueId;

    std::string LeagueId() const { return league == "AL" ? "103" : "104"; }
    std::string FullName() const;      // "New York Yankees"
    std::string RosterSubHost() const; // "newyork.yankees"
    std::string BaseballReferenceCode() const;  // "NYY", "CHW", "LAD"
};

// Reads the clubs from the team database source (the SQL text of data/teams.sql) and joins
// them with the gameday facts. Empty when the text holds no known club.
std::vector<Club> LoadClubs(const std::string& teamsSql);

}  // namespace quillbat::sample
