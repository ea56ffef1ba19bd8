#include "statsapi/TeamStatsReader.h"

#include <algorithm>

#include "platform/NumberFormat.h"
#include "sites/FanGraphs.h"
#include "statsapi/StatColumns.h"

namespace quillbat {

namespace {

bool EndsWithName(const std::string& fullName, const std::string& teamName) {
    if (teamName.empty()) return false;
    if (fullName == teamName) return true;
    std::string tail = " " + teamName;
    return fullName.size() > tail.size() &&
           fullName.compare(fullName.size() - tail.size(), tail.size(), tail) == 0;
}

std::vector<const ClubStats*> Chosen(const std::vector<ClubStats>& clubs,
                                     const std::vector<std::string>& ids) {
    std::vector<const ClubStats*> chosen;
    for (const ClubStats& club : clubs)
        if (ids.empty() || std::find(ids.begin(), ids.end(), club.teamId) != ids.end())
            chosen.push_back(&club);
    return chosen;
}

// The mean of a column's values, written as its first value is (".268" stays without its 0).
std::string ColumnAverage(const std::vector<const ClubStats*>& clubs, int column) {
    double sum = 0;
    int count = 0;
    std::string sample;
    for (const ClubStats* club : clubs) {
        const std::string& value = club->row.Value(column);
        if (value.empty() || value.find_first_of("0123456789") == std::string::npos) continue;
        if (sample.empty()) sample = value;
        sum += LeadingNumber(value);
        ++count;
    }
    if (count == 0) return "";
    std::string average = FormatLikeSample(sum / count, sample);
    if (sample.front() == '.' && average.rfind("0.", 0) == 0) average.erase(0, 1);
    return average;
}

}  // namespace

std::string ReadTeamStats(const Json& response, std::vector<ClubStats>& clubs) {
    clubs.clear();
    const Json* blocks = Member(response, {"stats"});
    if (!blocks || !blocks->is_array()) return "no stats in the response";
    for (const Json& block : *blocks) {
        bool pitching = Text(block, {"group", "displayName"}) == "pitching";
        for (const Json& split : Items(block, {"splits"})) {
            const Json* stat = Member(split, {"stat"});
            std::string id = Text(split, {"team", "id"});
            if (!stat || !IsApiId(id)) continue;
            ClubStats club{id, Text(split, {"team", "name"}), {}};
            if (pitching)
                PutPitchingColumns(club.row, *stat);
            else
                PutHittingColumns(club.row, *stat);
            clubs.push_back(std::move(club));
        }
    }
    return "";
}

std::string ReadTeamStatsFile(const std::string& path, std::vector<ClubStats>& clubs) {
    std::string error =
        ReadJsonFileWith(path, [&](const Json& response) { return ReadTeamStats(response, clubs); });
    if (!error.empty()) clubs.clear();
    return error;
}

const StatsRow* ClubRow(const std::vector<ClubStats>& clubs, const std::string& teamName) {
    for (const ClubStats& club : clubs)
        if (EndsWithName(club.teamName, teamName)) return &club.row;
    return nullptr;
}

StatsRow AverageRow(const std::vector<ClubStats>& clubs, const std::vector<std::string>& clubIds) {
    StatsRow average;
    std::vector<const ClubStats*> chosen = Chosen(clubs, clubIds);
    if (chosen.empty()) return average;
    const StatsRow& first = chosen.front()->row;
    for (int column = 1; column <= first.ColumnCount(); ++column)
        PutStat(average, first.ColumnName(column), ColumnAverage(chosen, column));
    return average;
}

}  // namespace quillbat
