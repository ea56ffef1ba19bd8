// The FanGraphs figures of every player, request by request.

#include <array>

#include "gameday/PlayerData.h"

namespace quillbat {

namespace {

using namespace PlayerField;

struct MergeRequest {
    FanGraphsQuery request;
    std::vector<std::pair<std::string, int>> figures;  // statistic and the field it fills
};

// In this order: each request asks one page per team, which the page cache then serves to
// every player of that team in turn.
const std::array<MergeRequest, 9>& MergeTable() {
    static const std::array<MergeRequest, 9> table = {{
        {{"Standard", "Full Season", "Batters"},
         {{"PA", kBatterPlateAppearances},
          {"SB", kStolenBases},
          {"CS", kCaughtStealing},
          {"AB", kAtBats},
          {"HR", kHomeRuns},
          {"R", kRuns},
          {"RBI", kRunsBattedIn},
          {"BB", kWalks},
          {"SO", kStrikeouts}}},
        {{"Value", "Full Season", "Batters"}, {{"WAR", kBatterWar}}},
        {{"Advanced", "Full Season", "Batters"},
         {{"ISO", kIso},
          {"BABIP", kBabip},
          {"wOBA", kWoba},
          {"AVG", kFanGraphsAverage},
          {"OBP", kOnBasePercentage},
          {"SLG", kSluggingPercentage},
          {"OPS", kOps}}},
        {{"Standard", "vs L", "Batters"}, {{"AVG", kAverageVsLeft}}},
        {{"Standard", "vs R", "Batters"}, {{"AVG", kAverageVsRight}}},
        {{"Advanced", "Full Season", "Pitchers"}, {{"FIP", kPitcherFip}, {"AVG", kPitcherAverageAgainst}}},
        {{"Value", "Full Season", "Pitchers"}, {{"WAR", kPitcherWar}}},
        {{"Standard", "Full Season", "Pitchers"}, {{"SV", kPitcherSaves}}},
        {{"Advanced", "Full Season", "Fielders"}, {{"UZR", kUzr}}},
    }};
    return table;
}

void MergeSide(const FanGraphsLookup& lookup, const MergeRequest& merge, const std::string& side,
               const std::string& teamName, PlayersTable& players) {
    std::vector<std::string> statistics;
    for (const auto& [statistic, field] : merge.figures) statistics.push_back(statistic);
    bool fielders = merge.request.kind == "Fielders";
    for (int p = 1; p <= players.Rows(); ++p) {
        if (players.At(kSide, p) != side) continue;
        std::string name = players.At(kFirstName, p) + " " + players.At(kLastName, p);
        auto values =
            lookup(merge.request, teamName, name, fielders ? players.At(kPosition, p) : "", statistics);
        if (!values) continue;
        for (std::size_t i = 0; i < merge.figures.size() && i < values->size(); ++i)
            players.Set(merge.figures[i].second, p, (*values)[i]);
    }
}

}  // namespace

void MergeFanGraphsFigures(const FanGraphsLookup& lookup, const PlayerDataSide& away,
                           const PlayerDataSide& home, PlayersTable& players) {
    if (!lookup) return;
    for (const MergeRequest& merge : MergeTable()) {
        MergeSide(lookup, merge, "away", away.teamName, players);
        MergeSide(lookup, merge, "home", home.teamName, players);
    }
}

}  // namespace quillbat
