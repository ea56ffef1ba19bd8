#include "statsapi/PlayerStatsReader.h"

#include <cstdio>
#include <utility>

#include "platform/NumberFormat.h"

namespace quillbat {

namespace {

using Columns = std::initializer_list<std::pair<const char*, const char*>>;  // our name, the API's

const Columns kBatting = {{"G", "gamesPlayed"},     {"PA", "plateAppearances"},
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

void Put(StatsRow& row, const std::string& name, const std::string& value) {
    row.AddColumn(name);
    row.AddValue(value);
}

void PutColumns(StatsRow& row, const Json& stat, const Columns& columns) {
    for (const auto& [name, key] : columns) Put(row, name, Text(stat, {key}));
}

// A rate as FanGraphs writes it: ".345" below one, else with the given decimals.
std::string Rate(const Json& stat, const char* key, int decimals) {
    const Json* value = Member(stat, {key});
    if (!value || !value->is_number()) return "";
    double number = value->get<double>();
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, number);
    std::string formatted = text;
    if (decimals == 3 && formatted.rfind("0.", 0) == 0) formatted.erase(0, 1);
    return formatted;
}

void PutSabermetrics(StatsRow& row, const Json& stat, bool pitching) {
    Put(row, "WAR", Rate(stat, "war", 1));
    if (pitching) {
        Put(row, "FIP", Rate(stat, "fip", 2));
        Put(row, "xFIP", Rate(stat, "xfip", 2));
        return;
    }
    Put(row, "wOBA", Rate(stat, "woba", 3));
    Put(row, "wRC+", Rate(stat, "wRcPlus", 0));
}

// Slugging less average, when the response has no isolated power of its own.
std::string IsolatedPower(const Json& stat) {
    std::string slg = Text(stat, {"slg"}), avg = Text(stat, {"avg"});
    if (slg.empty() || avg.empty()) return "";
    return FormatNumber(LeadingNumber(slg) - LeadingNumber(avg), "#.000");
}

// The split for all the player's clubs (no team named), else the first; nullptr when none.
const Json* SeasonSplit(const Json& block, const std::string& code = "") {
    const Json* first = nullptr;
    for (const Json& split : Items(block, {"splits"})) {
        if (!code.empty() && Text(split, {"split", "code"}) != code) continue;
        if (!Member(split, {"team"})) return Member(split, {"stat"});
        if (!first) first = Member(split, {"stat"});
    }
    return first;
}

void ReadBlock(const Json& block, PlayerStatLines& lines) {
    std::string type = Text(block, {"type", "displayName"}), group = Text(block, {"group", "displayName"});
    bool pitching = group == "pitching";
    if (group != "hitting" && !pitching) return;
    StatsRow& season = pitching ? lines.pitching : lines.batting;
    if (type == "season") {
        if (const Json* stat = SeasonSplit(block)) {
            PutColumns(season, *stat, pitching ? kPitching : kBatting);
            if (!pitching) Put(season, "ISO", IsolatedPower(*stat));
        }
    } else if (type == "sabermetrics") {
        if (const Json* stat = SeasonSplit(block)) PutSabermetrics(season, *stat, pitching);
    } else if (type == "statSplits" && !pitching) {
        if (const Json* left = SeasonSplit(block, "vl")) PutColumns(lines.battingVsLeft, *left, kBatting);
        if (const Json* right = SeasonSplit(block, "vr")) PutColumns(lines.battingVsRight, *right, kBatting);
    }
}

}  // namespace

void ReadStatBlocks(const Json& blocks, PlayerStatLines& lines) {
    if (!blocks.is_array()) return;
    for (const Json& block : blocks)
        if (block.is_object()) ReadBlock(block, lines);
}

std::string ReadPlayerStats(const Json& response, PlayerStatsById& stats) {
    const Json* people = Member(response, {"people"});
    if (!people || !people->is_array()) return "no people in the response";
    for (const Json& person : *people) {
        std::string id = Text(person, {"id"});
        if (!IsApiId(id)) continue;
        if (const Json* blocks = Member(person, {"stats"})) ReadStatBlocks(*blocks, stats[id]);
    }
    return "";
}

std::string ReadPlayerStatsFile(const std::string& path, PlayerStatsById& stats) {
    Json response;
    std::string error = ReadJsonFile(path, response);
    if (error.empty()) error = ReadPlayerStats(response, stats);
    return error.empty() || error.find(path) != std::string::npos ? error : path + ": " + error;
}

}  // namespace quillbat
