#include "statsapi/BoxscoreReader.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/NumberFormat.h"

namespace quillbat {

namespace {

struct Starter {
    int slot = 0;
    const Json* player = nullptr;
};

// The batting slot (1-9) of a starter; 0 for a substitute or anyone who did not bat.
int StartingSlot(const Json& player) {
    std::string order = Text(player, {"battingOrder"});
    if (order.size() != 3 || !IsApiId(order) || order.substr(1) != "00") return 0;
    return order[0] - '0';
}

std::vector<Starter> StartersOf(const Json& team) {
    std::vector<Starter> starters;
    const Json* players = Member(team, {"players"});
    if (!players || !players->is_object()) return starters;
    for (const Json& player : *players)
        if (int slot = StartingSlot(player); slot > 0) starters.push_back({slot, &player});
    std::stable_sort(starters.begin(), starters.end(),
                     [](const Starter& a, const Starter& b) { return a.slot < b.slot; });
    return starters;
}

void AddStarters(const Json& team, const std::string& side, const std::string& teamName,
                 LineupTable& lineups) {
    using namespace LineupField;
    for (const Starter& s : StartersOf(team)) {
        std::string id = Text(*s.player, {"person", "id"});
        if (!IsApiId(id)) continue;
        int entry = lineups.AddRow();
        lineups.Set(kSide, entry, side);
        lineups.Set(kBattingOrder, entry, std::to_string(s.slot));
        lineups.Set(kBoxScoreName, entry, Text(*s.player, {"person", "fullName"}));
        lineups.Set(kAverage, entry, Text(*s.player, {"seasonStats", "batting", "avg"}));
        lineups.Set(kPosition, entry, Text(*s.player, {"position", "abbreviation"}));
        lineups.Set(kPlayerId, entry, id);
        lineups.Set(kUniformNumber, entry, Text(*s.player, {"jerseyNumber"}));
        lineups.Set(kFanGraphsTeam, entry, teamName);
        lineups.Set(kFanGraphsName, entry, lineups.At(kBoxScoreName, entry));
    }
}

// The side's first pitcher, once the box score lists one.
void TakeStartingPitcher(const Json& team, StartingPitcher& pitcher) {
    const Json& pitchers = Items(team, {"pitchers"});
    if (pitchers.empty()) return;
    std::string id = pitchers.front().is_number_unsigned() ? pitchers.front().dump() : "";
    const Json* player = IsApiId(id) ? Member(team, {"players", ("ID" + id).c_str()}) : nullptr;
    if (!player) return;
    const Json* season = Member(*player, {"seasonStats", "pitching"});
    std::string wins = season ? Text(*season, {"wins"}) : "",
                losses = season ? Text(*season, {"losses"}) : "";
    std::string era = season ? Text(*season, {"era"}) : "";
    pitcher.text = Text(*player, {"person", "fullName"}) + " (" + wins + "-" + losses + ", " +
                   FormatNumber(LeadingNumber(era), "#0.00") + ")";
    pitcher.number = Text(*player, {"jerseyNumber"});
    pitcher.playerId = id;
}

}  // namespace

std::string ReadBoxscore(const Json& boxscore, const LineupRequest& request, LineupTable& lineups,
                         StartingPitcher& away, StartingPitcher& home) {
    lineups = LineupTable{};
    const Json* awayTeam = Member(boxscore, {"teams", "away"});
    const Json* homeTeam = Member(boxscore, {"teams", "home"});
    if (!awayTeam || !homeTeam || !awayTeam->is_object() || !homeTeam->is_object())
        return "no teams in the box score";
    AddStarters(*awayTeam, "away", request.awayTeamName, lineups);
    AddStarters(*homeTeam, "home", request.homeTeamName, lineups);
    TakeStartingPitcher(*awayTeam, away);
    TakeStartingPitcher(*homeTeam, home);
    LookUpLineupFigures(request, lineups);
    return "";
}

std::string ReadBoxscoreFile(const std::string& path, const LineupRequest& request, LineupTable& lineups,
                             StartingPitcher& away, StartingPitcher& home) {
    Json boxscore;
    std::string error = ReadJsonFile(path, boxscore);
    if (!error.empty()) {
        lineups = LineupTable{};
        return error;
    }
    error = ReadBoxscore(boxscore, request, lineups, away, home);
    return error.empty() ? "" : path + ": " + error;
}

}  // namespace quillbat
