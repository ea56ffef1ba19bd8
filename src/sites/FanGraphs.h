#pragma once
// FanGraphs statistics: one row of a club's player table (player mode) or of a league's club
// table (league mode, team "AL" or "NL"), or the column averages of the table ("Average").
// Pages are kept in the page cache, one slot per kind of player, mode and group, so many
// players looked up on one page cost one download.

#include <string>

#include "gameday/wininet.h"
#include "sites/StatsRow.h"

namespace quillbat {

inline constexpr const char* kAverageRequest = "Average";

struct FanGraphsRequest {
    std::string season;
    std::string teamOrLeague;  // a team name as FanGraphs writes it, or "AL" / "NL"
    std::string playerName;  // a player's name, a team's name (league mode), or "Average"
    std::string position;  // "" or a position; a fielder's "OF" / "IF" may become his main one
    std::string kind;  // "Batters", "Pitchers" or "Fielders"
    std::string split;  // "Full Season", "vs L" or "vs R"
    std::string group;  // "Standard", "Advanced", "Value", "Pitch Type", ...
};

// Where a request's page comes from and which cache slot holds it.
struct FanGraphsPage {
    std::string mode;  // "league" or "player"
    std::string url;
    std::string pageKind;  // "fangraphs_" kind code "_" mode "_" group
};

// The codes the page address carries; "" for an unknown kind, or for an unknown group of
// batters or pitchers. Fielders know only "Advanced" ("1"); any other group is "0".
std::string FanGraphsKindCode(const std::string& kind);
std::string FanGraphsSplitCode(const std::string& split);
std::string FanGraphsGroupCode(const std::string& kindCode, const std::string& group);

// The page of a request whose codes are known; "" or the reason the request's season or team
// cannot go into an address.
std::string FanGraphsAddress(const Sources& sources, const FanGraphsRequest& request, FanGraphsPage& page);

// Fills row with the table's column names and the values of the request's row (or the
// averages). Returns "" or the error: "Invalid stat type: " / "Invalid stat name: " with the
// text given, "Download error: " with the download's error, or "Invalid player name" (the
// column names are then filled, the values empty). In debug mode the request and its result
// are appended to "_debugScrapeFanGraphs_<mode>.txt" in the program folder.
std::string ScrapeFanGraphs(const NetSession& session, FanGraphsRequest& request, StatsRow& row);

// number formatted with as many decimals as the sample cell shows, with its "%" when it has one.
std::string FormatLikeSample(double number, const std::string& sample);

}  // namespace quillbat
