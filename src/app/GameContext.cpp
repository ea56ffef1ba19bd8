#include "app/GameContext.h"

#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

std::string Title(const std::string& fullName, const std::string& wins, const std::string& losses) {
    return IsBlank(wins) ? fullName : fullName + " (" + wins + "-" + losses + ")";
}

std::string Pitcher(const GameTable& g, int game, int nameField) {
    const std::string& name = g.At(nameField, game);
    if (IsBlank(name)) return "";
    // The name is followed by wins, losses and ERA, two fields after the uniform number.
    return name + " (" + g.At(nameField + 2, game) + "-" + g.At(nameField + 3, game) + ", " +
           g.At(nameField + 4, game) + ")";
}

std::string PitcherNumber(const GameTable& g, int game, int nameField) {
    return IsBlank(g.At(nameField, game)) ? "" : g.At(nameField + 1, game);
}

}  // namespace

std::string CombineCityAndName(const std::string& city, const std::string& name) {
    return ContainsNoCase(city, name) ? city : city + " " + name;
}

std::string LeagueName(const std::string& leagueId) {
    if (leagueId == "103") return "AL";
    if (leagueId == "104") return "NL";
    return "";
}

GameContext BuildGameContext(const GameTable& g, int game, const TeamTables& teams,
                             const std::string& gameDate) {
    using namespace GameField;
    GameContext c;
    c.gameNumber = game;
    c.awayFullName = CombineCityAndName(g.At(kAwayCity, game), g.At(kAwayTeamName, game));
    c.homeFullName = CombineCityAndName(g.At(kHomeCity, game), g.At(kHomeTeamName, game));
    c.awayTitle = Title(c.awayFullName, g.At(kAwayWins, game), g.At(kAwayLosses, game));
    c.homeTitle = Title(c.homeFullName, g.At(kHomeWins, game), g.At(kHomeLosses, game));
    c.awayFileCode = g.At(kAwayFileCode, game);
    c.homeFileCode = g.At(kHomeFileCode, game);
    c.awayLeague = LeagueName(g.At(kAwayLeagueId, game));
    c.homeLeague = LeagueName(g.At(kHomeLeagueId, game));
    c.awayTeamName = LookupTeamName(teams, c.awayFileCode);
    c.homeTeamName = LookupTeamName(teams, c.homeFileCode);
    c.awayCityName = LookupCityName(teams, c.awayFileCode);
    c.homeCityName = LookupCityName(teams, c.homeFileCode);
    c.awayPitcher = Pitcher(g, game, kAwayPitcherName);
    c.homePitcher = Pitcher(g, game, kHomePitcherName);
    c.awayPitcherNumber = PitcherNumber(g, game, kAwayPitcherName);
    c.homePitcherNumber = PitcherNumber(g, game, kHomePitcherName);
    c.venue = g.At(kVenue, game);
    c.gameDate = gameDate;
    c.gameFolder = "gid_" + g.At(kGamedayId, game);
    return c;
}

}  // namespace quillbat
