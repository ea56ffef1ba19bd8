#include "statsapi/PlayerStatsReader.h"

#include <string_view>
#include <utility>

#include "platform/NumberFormat.h"
#include "statsapi/StatColumns.h"

namespace quillbat {

namespace {

// A figure as FanGraphs writes it, in the given number format; "" when the response has none.
std::string Rate(const Json& stat, const char* key, std::string_view format) {
    const Json* value = Member(stat, {key});
    return value && value->is_number() ? FormatNumber(value->get<double>(), format) : "";
}

void PutSabermetrics(StatsRow& row, const Json& stat, bool pitching) {
    PutStat(row, "WAR", Rate(stat, "war", "#0.0"));
    if (pitching) {
        PutStat(row, "FIP", Rate(stat, "fip", "0.00"));
        PutStat(row, "xFIP", Rate(stat, "xfip", "0.00"));
        return;
    }
    PutStat(row, "wOBA", Rate(stat, "woba", "#.000"));
    PutStat(row, "wRC+", Rate(stat, "wRcPlus", "##0"));
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
            if (pitching)
                PutPitchingColumns(season, *stat);
            else
                PutHittingColumns(season, *stat);
        }
    } else if (type == "sabermetrics") {
        if (const Json* stat = SeasonSplit(block)) PutSabermetrics(season, *stat, pitching);
    } else if (type == "statSplits" && !pitching) {
        if (const Json* left = SeasonSplit(block, "vl")) PutHittingColumns(lines.battingVsLeft, *left);
        if (const Json* right = SeasonSplit(block, "vr")) PutHittingColumns(lines.battingVsRight, *right);
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
    return ReadJsonFileWith(path, [&](const Json& response) { return ReadPlayerStats(response, stats); });
}

}  // namespace quillbat
