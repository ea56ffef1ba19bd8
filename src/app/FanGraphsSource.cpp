#include "app/FanGraphsSource.h"

#include "sites/FanGraphs.h"

namespace quillbat {

FanGraphsLookup FanGraphsFor(AppContext& ctx) {
    return [&ctx](const FanGraphsQuery& query, const std::string& team, const std::string& player,
                  const std::string& position,
                  const std::vector<std::string>& statistics) -> std::optional<std::vector<std::string>> {
        FanGraphsRequest request{ctx.settings.season, team,        player,     position,
                                 query.kind,          query.split, query.group};
        StatsRow row;
        if (!ScrapeFanGraphs(NetSession{ctx.settings, ctx.ui}, request, row).empty()) return std::nullopt;
        std::vector<std::string> values;
        for (const std::string& statistic : statistics) values.push_back(GetStat(statistic, row));
        return values;
    };
}

}  // namespace quillbat
