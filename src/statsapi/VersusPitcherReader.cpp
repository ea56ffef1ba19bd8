#include "statsapi/VersusPitcherReader.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace quillbat {

namespace {

using Column = std::pair<const char*, const char*>;  // ESPN's heading, the API's key

const Column kColumns[] = {{"AB", "atBats"},      {"H", "hits"},  {"2B", "doubles"},
                           {"3B", "triples"},     {"HR", "homeRuns"}, {"RBI", "rbi"},
                           {"BB", "baseOnBalls"}, {"SO", "strikeOuts"}, {"AVG", "avg"},
                           {"OBP", "obp"},        {"SLG", "slg"},   {"OPS", "ops"}};

// The person's career line against the pitcher; nullptr when he has never faced him.
const Json* CareerLine(const Json& person) {
    for (const Json& block : Items(person, {"stats"})) {
        if (Text(block, {"type", "displayName"}) != "vsPlayerTotal" ||
            Text(block, {"group", "displayName"}) != "hitting")
            continue;
        for (const Json& split : Items(block, {"splits"})) {
            const Json* stat = Member(split, {"stat"});
            if (stat && Text(*stat, {"plateAppearances"}) != "0" && !Text(*stat, {"plateAppearances"}).empty())
                return stat;
        }
    }
    return nullptr;
}

std::string LastFirst(const Json& person) {
    std::string name = Text(person, {"lastFirstName"});
    if (!name.empty()) return name;
    std::string last = Text(person, {"lastName"}), first = Text(person, {"firstName"});
    return last.empty() || first.empty() ? Text(person, {"fullName"}) : last + ", " + first;
}

}  // namespace

std::string ReadVersusPitcher(const Json& response, BatterVersusPitcher& result) {
    const Json* people = Member(response, {"people"});
    if (!people || !people->is_array()) return "no people in the response";
    result.columns.Clear();
    result.batters.clear();
    result.columns.AddColumn("Batter");
    for (const auto& [heading, key] : kColumns) result.columns.AddColumn(heading);
    for (const Json& person : *people) {
        const Json* line = CareerLine(person);
        if (!line) continue;
        StatsRow row = result.columns;
        row.AddValue(LastFirst(person));
        for (const auto& [heading, key] : kColumns) row.AddValue(Text(*line, {key}));
        result.batters.push_back(std::move(row));
    }
    std::stable_sort(result.batters.begin(), result.batters.end(),
                     [](const StatsRow& a, const StatsRow& b) { return a.Value(1) < b.Value(1); });
    return "";
}

std::string ReadVersusPitcherFile(const std::string& path, BatterVersusPitcher& result) {
    Json response;
    std::string error = ReadJsonFile(path, response);
    if (error.empty()) error = ReadVersusPitcher(response, result);
    return error.empty() || error.find(path) != std::string::npos ? error : path + ": " + error;
}

}  // namespace quillbat
