#pragma once
// The players' figures the Stats API gave, put where the stages read them: answered through the
// same lookup the FanGraphs pages answer (by team, player name, kind of player and split), and
// written into the players table's season fields.

#include <string>
#include <vector>

#include "gameday/FanGraphsLookup.h"
#include "gameday/PlayersTable.h"
#include "statsapi/PlayerStatsReader.h"

namespace quillbat {

class ApiFigures {
public:
    // Makes the player known to the lookup by the team and name the readers will ask for.
    void AddPlayer(const std::string& team, const std::string& name, const std::string& playerId);
    // The ids made known, in order, without repeats.
    const std::vector<std::string>& PlayerIds() const { return ids_; }

    PlayerStatsById& Stats() { return stats_; }

    // Batters' "Full Season", "vs L" and "vs R" rows and pitchers' "Full Season" row; any other
    // table (fielders' UZR) answers with empty values. A player not made known, or without
    // figures, is a failed lookup. Valid while this object lives.
    FanGraphsLookup Lookup() const;

    // The season fields of every player of the table that has figures: the players file's
    // average, home runs and runs batted in (wins, losses and ERA for pitchers), and the season
    // file's.
    void FillSeasonFields(PlayersTable& players) const;

private:
    const StatsRow* RowFor(const FanGraphsQuery& query, const std::string& team,
                           const std::string& name) const;

    std::vector<std::string> ids_;
    std::vector<std::pair<std::string, std::string>> names_;  // team + "|" + name, id
    PlayerStatsById stats_;
};

}  // namespace quillbat
