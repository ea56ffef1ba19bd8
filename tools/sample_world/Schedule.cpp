#include "Schedule.h"

#include <algorithm>
#include <cstdio>

namespace quillbat::sample {
namespace {

std::string TwoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

// The clubs in pairs (away, home), in a shuffled order.
std::vector<std::pair<int, int>> Pairings(int clubs, Random& random) {
    std::vector<int> order(clubs);
    for (int i = 0; i < clubs; ++i) order[i] = i;
    for (int i = clubs - 1; i > 0; --i) std::swap(order[i], order[random.Between(0, i)]);
    std::vector<std::pair<int, int>> pairs;
    for (int i = 0; i + 1 < clubs; i += 2) pairs.push_back({order[i], order[i + 1]});
    return pairs;
}

const Player* StarterFor(const Team& team, int turn) {
    auto rotation = team.Rotation();
    return rotation[turn % rotation.size()];
}

struct DayMaker {
    const std::vector<Team>& teams;
    Random& random;
    int gamePk = 380000;
    int turn = 0;

    Game MakeGame(std::pair<int, int> pair, GameState state, int number = 1) {
        Game g;
        g.away = &teams[pair.first];
        g.home = &teams[pair.second];
        g.number = number;
        g.state = state;
        g.awayStarter = StarterFor(*g.away, turn + pair.first + number - 1);
        g.homeStarter = StarterFor(*g.home, turn + pair.second + number - 1);
        g.gamePk = std::to_string(++gamePk);
        g.localTime = number == 2 ? "7:05" : (random.Chance(0.3) ? "1:05" : "7:10");
        if (state == GameState::Final)
            g.result = PlayGame(*g.away, *g.home, g.awayStarter, g.homeStarter, g.DesignatedHitter(), random);
        return g;
    }

    Day MakeDay(int day, const char* weekday) {
        ++turn;
        Day d;
        d.day = day;
        d.weekday = weekday;
        return d;
    }
};

constexpr std::size_t kPostponedPair = 5;

}  // namespace

std::string Game::GamedayId(const std::string& date) const {
    return date + "_" + away->club.gamedayCode + "mlb_" + home->club.gamedayCode + "mlb_" + std::to_string(number);
}

std::string Day::Path() const {
    return "year_" + std::to_string(year) + "/month_" + TwoDigits(month) + "/day_" + TwoDigits(day);
}
std::string Day::Underscored() const { return std::to_string(year) + "_" + TwoDigits(month) + "_" + TwoDigits(day); }
std::string Day::Slashed() const { return std::to_string(year) + "/" + TwoDigits(month) + "/" + TwoDigits(day); }
std::string Day::Dashed() const { return std::to_string(year) + "-" + TwoDigits(month) + "-" + TwoDigits(day); }
std::string Day::UsDate() const { return TwoDigits(month) + "/" + TwoDigits(day) + "/" + std::to_string(year); }

std::vector<Day> MakeSchedule(const std::vector<Team>& teams, Random& random) {
    DayMaker maker{teams, random};
    auto series = Pairings(int(teams.size()), random);
    auto weekend = Pairings(int(teams.size()), random);
    std::vector<Day> days;

    Day wednesday = maker.MakeDay(2, "WED");
    for (std::size_t i = 0; i < series.size(); ++i)
        wednesday.games.push_back(maker.MakeGame(series[i], i == kPostponedPair ? GameState::Postponed : GameState::Final));
    days.push_back(std::move(wednesday));

    Day thursday = maker.MakeDay(3, "THU");
    for (std::size_t i = 0; i < series.size(); ++i) {
        thursday.games.push_back(maker.MakeGame(series[i], GameState::Final));
        if (i != kPostponedPair) continue;
        thursday.games.back().doubleHeader = true;
        thursday.games.push_back(maker.MakeGame(series[i], GameState::Final, 2));
        thursday.games.back().doubleHeader = true;
    }
    days.push_back(std::move(thursday));

    Day friday = maker.MakeDay(4, "FRI");
    for (std::size_t i = 0; i < weekend.size(); ++i)
        friday.games.push_back(maker.MakeGame(weekend[i], i + 3 < weekend.size() ? GameState::LineupsPosted : GameState::Preview));
    if (friday.games.size() >= 4) friday.games[friday.games.size() - 4].warmingUp = true;
    days.push_back(std::move(friday));

    Day saturday = maker.MakeDay(5, "SAT");
    for (const auto& pair : weekend) saturday.games.push_back(maker.MakeGame(pair, GameState::Preview));
    days.push_back(std::move(saturday));

    days.push_back(maker.MakeDay(7, "MON"));
    return days;
}

}  // namespace quillbat::sample
