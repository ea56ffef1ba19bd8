#pragma once
// Club and league rows from the Stats API, answering the league-mode requests the roster and
// profile stages make of FanGraphs: a club's row by its name, or a league's "Average". The
// figures are fetched once per run, when first asked for: every club's hitting, every club's
// pitching and the club list (which league each club is in).

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "gameday/wininet.h"
#include "sites/FanGraphs.h"
#include "statsapi/TeamStatsReader.h"

namespace quillbat {

class ApiTeamFigures {
public:
    // session must outlive this object.
    ApiTeamFigures(const NetSession& session, std::string season)
        : session_(session), season_(std::move(season)) {}

    // The same contract as ScrapeFanGraphs for a league-mode request: teamOrLeague "AL" or "NL",
    // playerName a club's name ("Yankees") or "Average"; kind "Batters" or "Pitchers" (any group
    // and split: the season's figures). Fills row and returns "", or returns why not.
    std::string Answer(const FanGraphsRequest& request, StatsRow& row);

private:
    const std::vector<ClubStats>* Clubs(bool pitching);
    std::vector<std::string> ClubsOfLeague(const std::string& league);

    const NetSession& session_;
    std::string season_;
    std::optional<std::vector<ClubStats>> hitting_, pitching_;
    std::optional<std::map<std::string, std::string>> leagues_;
    std::string error_;  // the last failure, for the answer
};

}  // namespace quillbat
