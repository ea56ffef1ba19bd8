#include "workbooks/RosterCells.h"

#include <charconv>
#include <map>

#include "gameday/PlayersTable.h"
#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

using namespace PlayerField;

const std::map<std::string, int>& BatterFields() {
    static const std::map<std::string, int> fields = {{"bats", kBats},
                                                      {"pa", kBatterPlateAppearances},
                                                      {"ab", kAtBats},
                                                      {"hr", kHomeRuns},
                                                      {"rbi", kRunsBattedIn},
                                                      {"ba", kFanGraphsAverage},
                                                      {"obp", kOnBasePercentage},
                                                      {"slg", kSluggingPercentage},
                                                      {"ops", kOps},
                                                      {"iso", kIso},
                                                      {"babip", kBabip},
                                                      {"woba", kWoba},
                                                      {"vs l", kAverageVsLeft},
                                                      {"vs r", kAverageVsRight},
                                                      {"sb", kStolenBases},
                                                      {"cs", kCaughtStealing},
                                                      {"war", kBatterWar},
                                                      {"uzr", kUzr}};
    return fields;
}

const std::map<std::string, int>& PitcherFields() {
    static const std::map<std::string, int> fields = {{"r/l", kThrows},
                                                      {"sv", kPitcherSaves},
                                                      {"ip", kPitcherSeasonInnings},
                                                      {"era", kPitcherSeasonEra},
                                                      {"whip", kPitcherWhip},
                                                      {"bb/9", kPitcherWalksPerNine},
                                                      {"k/9", kPitcherStrikeoutsPerNine},
                                                      {"fip", kPitcherFip},
                                                      {"war", kPitcherWar},
                                                      {"baa", kPitcherAverageAgainst}};
    return fields;
}

std::string BatterCell(const std::string& heading, const TextTable& players, int row) {
    if (heading == "pos") {
        const std::string& position = players.At(kPosition, row);
        return position == "D" ? "DH" : position;
    }
    if (heading == "vs. opp pitcher")
        return players.At(kBatterSplitsAverage, row) + ", " + players.At(kBatterSplitsAtBats, row) + " AB";
    auto field = BatterFields().find(heading);
    return field == BatterFields().end() ? "" : players.At(field->second, row);
}

std::string PitcherCell(const std::string& heading, const TextTable& players, int row) {
    if (heading == "w-l")
        return players.At(kPitcherSeasonWins, row) + "-" + players.At(kPitcherSeasonLosses, row);
    auto field = PitcherFields().find(heading);
    return field == PitcherFields().end() ? "" : players.At(field->second, row);
}

// The whole number at the start of the text; 0 without one.
int WholeNumber(std::string_view text) {
    text = text.substr(0, text.find_last_not_of(' ') + 1);
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

std::string GetRosterCell(const std::string& heading, const TextTable& players, int row) {
    std::string lower = ToLower(heading);
    return players.At(kPosition, row) == "P" ? PitcherCell(lower, players, row)
                                             : BatterCell(lower, players, row);
}

int GamesFromTitle(const std::string& title) {
    std::size_t open = title.find('(');
    if (open == std::string::npos) return 0;
    std::size_t close = title.find(')', open);
    std::size_t dash = title.find('-', open);
    if (close == std::string::npos || dash == std::string::npos || dash > close) return 0;
    std::string_view text(title);
    return WholeNumber(text.substr(open + 1, dash - open - 1)) +
           WholeNumber(text.substr(dash + 1, close - dash - 1));
}

std::vector<StatDirection> BuildStatDirections() {
    return {{"HR", 'H'},  {"RBI", 'H'},  {"BA", 'H'},  {"OBP", 'H'},   {"SLG", 'H'},  {"OPS", 'H'},
            {"WAR", 'H'}, {"UZR", 'H'},  {"BAA", 'L'}, {"ERA", 'L'},   {"FIP", 'L'},  {"WHIP", 'L'},
            {"K/9", 'H'}, {"BB/9", 'L'}, {"WAR", 'H'}, {"BABIP", 'H'}, {"wOBA", 'H'}, {"ISO", 'H'},
            {"SB", 'H'},  {"vs L", 'H'}, {"vs R", 'H'}};
}

char DirectionOf(const std::vector<StatDirection>& directions, const std::string& heading) {
    for (const StatDirection& entry : directions)
        if (entry.heading == heading) return entry.direction;
    return 0;
}

bool QualifiesToLead(const std::string& heading, bool pitcherColumn, int plateAppearances, float innings,
                     int games) {
    for (const char* counting : {"WAR", "UZR", "HR", "RBI", "SB"})
        if (heading == counting) return true;
    if (pitcherColumn) return innings >= 1.0f * static_cast<float>(games);
    return static_cast<float>(plateAppearances) >= 3.1f * static_cast<float>(games);
}

}  // namespace quillbat
