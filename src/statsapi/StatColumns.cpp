#include "statsapi/StatColumns.h"

#include <utility>

#include "platform/NumberFormat.h"

namespace quillbat {

namespace {

using Columns = std::initializer_list<std::pair<const char*, const char*>>;  // our name, the API's

const Columns kHitting = {{"G", "gamesPlayed"},     {"PA", "plateAppearances"},
                          {"AB", "atBats"},         {"H", "hits"},
                          {"2B", "doubles"},        {"3B", "triples"},
                          {"HR", "homeRuns"},       {"R", "runs"},
                          {"RBI", "rbi"},           {"BB", "baseOnBalls"},
                          {"SO", "strikeOuts"},     {"SB", "stolenBases"},
                          {"CS", "caughtStealing"}, {"AVG", "avg"},
                          {"OBP", "obp"},           {"SLG", "slg"},
                          {"OPS", "ops"},           {"BABIP", "babip"}};
const Columns kPitching = {{"W", "wins"},
                           {"L", "losses"},
                           {"ERA", "era"},
                           {"G", "gamesPitched"},
                           {"GS", "gamesStarted"},
                           {"SV", "saves"},
                           {"HLD", "holds"},
                           {"IP", "inningsPitched"},
                           {"H", "hits"},
                           {"R", "runs"},
                           {"ER", "earnedRuns"},
                           {"HR", "homeRuns"},
                           {"BB", "baseOnBalls"},
                           {"SO", "strikeOuts"},
                           {"WHIP", "whip"},
                           {"K/9", "strikeoutsPer9Inn"},
                           {"BB/9", "walksPer9Inn"},
                           {"HR/9", "homeRunsPer9"},
                           {"AVG", "avg"},
                           {"K/BB", "strikeoutWalkRatio"}};

void PutColumns(StatsRow& row, const Json& stat, const Columns& columns) {
    for (const auto& [name, key] : columns) PutStat(row, name, Text(stat, {key}));
}

// Slugging less average; the API's season line has no isolated power of its own.
std::string IsolatedPower(const Json& stat) {
    std::string slg = Text(stat, {"slg"}), avg = Text(stat, {"avg"});
    if (slg.empty() || avg.empty()) return "";
    return FormatNumber(LeadingNumber(slg) - LeadingNumber(avg), "#.000");
}

}  // namespace

void PutStat(StatsRow& row, const std::string& name, const std::string& value) {
    row.AddColumn(name);
    row.AddValue(value);
}

void PutHittingColumns(StatsRow& row, const Json& stat) {
    PutColumns(row, stat, kHitting);
    PutStat(row, "ISO", IsolatedPower(stat));
}

void PutPitchingColumns(StatsRow& row, const Json& stat) { PutColumns(row, stat, kPitching); }

}  // namespace quillbat
