#include "statsapi/VersusPitcherReader.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace quillbat {

namespace {

using Column = std::pair<const char*, const char*>;  // ESPN's heading, the API's key

const Column kColumns[] = {{"AB", "atBats"},   {"H", "hits"},  {"2B", "doubles"},     {"3B", "triples"},
                           {"HR", "homeRuns"}, {"RBI", "rbi"}, {"BB", "baseOnBalls"}, {"SO", "strikeOuts"},
                           {"AVG", "avg"},     {"OBP", "obp"}, {"SLG", "slg"},        {"OPS", "ops"}};

// The person's career line against the pitcher; nullptr when he has never faced him.
const Json* CareerLine(const Json& person) {
    for (const Json& block : Items(person, {"stats"})) {
        if (Text(block, {"type", "displayName"}) != "vsPlayerTotal" ||
            Text(block, {"group", "displayName"}) != "hitting")
            continue;
        for (const Json& split : Items(block, {"splits"})) {
            const Json* stat = Member(split, {"stat"});
            if (stat && Text(*stat, {"plateAppearances"}) != "0" &&
                !Text(*stat, {"plateAppearances"}).empty())
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

std::string ReadVersusPitcher(const Json& response, VersusPitcherLines& lines) {
    const Json* people = Member(response, {"people"});
    if (!people || !people->is_array()) return "no people in the response";
    BatterVersusPitcher& table = lines.table;
    table.columns.Clear();
    table.columns.AddColumn("Batter");
    for (const auto& [heading, key] : kColumns) table.columns.AddColumn(heading);
    std::vector<std::pair<StatsRow, std::string>> rows;  // with each batter's id
    for (const Json& person : *people) {
        const Json* line = CareerLine(person);
        if (!line) continue;
        StatsRow row = table.columns;
        row.AddValue(LastFirst(person));
        for (const auto& [heading, key] : kColumns) row.AddValue(Text(*line, {key}));
        rows.emplace_back(std::move(row), Text(person, {"id"}));
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.first.Value(1) < b.first.Value(1); });
    table.batters.clear();
    lines.playerIds.clear();
    for (auto& [row, id] : rows) {
        table.batters.push_back(std::move(row));
        lines.playerIds.push_back(std::move(id));
    }
    return "";
}

std::string ReadVersusPitcherFile(const std::string& path, VersusPitcherLines& lines) {
    return ReadJsonFileWith(path, [&](const Json& response) { return ReadVersusPitcher(response, lines); });
}

}  // namespace quillbat
