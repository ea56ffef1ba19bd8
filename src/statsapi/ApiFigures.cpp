#include "statsapi/ApiFigures.h"

#include <algorithm>

namespace quillbat {

namespace {

void SetFigures(PlayersTable& players, int p, const StatsRow& row,
                std::initializer_list<std::pair<int, const char*>> fields) {
    for (const auto& [field, statistic] : fields) players.Set(field, p, GetStat(statistic, row));
}

}  // namespace

void ApiFigures::AddPlayer(const std::string& team, const std::string& name, const std::string& playerId) {
    if (std::find(ids_.begin(), ids_.end(), playerId) == ids_.end()) ids_.push_back(playerId);
    names_.emplace_back(team + "|" + name, playerId);
}

const StatsRow* ApiFigures::RowFor(const FanGraphsQuery& query, const std::string& team,
                                   const std::string& name) const {
    auto named = std::find_if(names_.begin(), names_.end(),
                              [&](const auto& entry) { return entry.first == team + "|" + name; });
    if (named == names_.end()) return nullptr;
    auto found = stats_.find(named->second);
    if (found == stats_.end()) return nullptr;
    const PlayerStatLines& lines = found->second;
    static const StatsRow kNone;
    if (query.kind == "Pitchers") return query.split == "Full Season" ? &lines.pitching : &kNone;
    if (query.kind != "Batters") return &kNone;
    if (query.split == "vs L") return &lines.battingVsLeft;
    if (query.split == "vs R") return &lines.battingVsRight;
    return &lines.batting;
}

FanGraphsLookup ApiFigures::Lookup() const {
    return [this](const FanGraphsQuery& query, const std::string& team, const std::string& player,
                  const std::string&,
                  const std::vector<std::string>& statistics) -> std::optional<std::vector<std::string>> {
        const StatsRow* row = RowFor(query, team, player);
        if (!row) return std::nullopt;
        std::vector<std::string> values;
        for (const std::string& statistic : statistics) values.push_back(GetStat(statistic, *row));
        return values;
    };
}

void ApiFigures::FillSeasonFields(PlayersTable& players) const {
    using namespace PlayerField;
    for (int p = 1; p <= players.Rows(); ++p) {
        auto found = stats_.find(players.At(kPlayerId, p));
        if (found == stats_.end()) continue;
        if (players.At(kPosition, p) == "P") {
            SetFigures(players, p, found->second.pitching,
                       {{kPitcherWins, "W"},
                        {kPitcherLosses, "L"},
                        {kPitcherEra, "ERA"},
                        {kPitcherSeasonWins, "W"},
                        {kPitcherSeasonLosses, "L"},
                        {kPitcherSeasonEra, "ERA"},
                        {kPitcherSeasonInnings, "IP"},
                        {kPitcherWhip, "WHIP"},
                        {kPitcherWalksPerNine, "BB/9"},
                        {kPitcherStrikeoutsPerNine, "K/9"}});
            continue;
        }
        SetFigures(players, p, found->second.batting,
                   {{kBatterAverage, "AVG"},
                    {kBatterHomeRuns, "HR"},
                    {kBatterRbi, "RBI"},
                    {kBatterSeasonAtBats, "AB"},
                    {kBatterOnBase, "OBP"},
                    {kBatterSlugging, "SLG"},
                    {kBatterSeasonHomeRuns, "HR"},
                    {kBatterSeasonRbi, "RBI"},
                    {kBatterSeasonHits, "H"},
                    {kBatterSeasonAverage, "AVG"},
                    {kBatterOps, "OPS"}});
    }
}

}  // namespace quillbat
