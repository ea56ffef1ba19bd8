#include "app/GameContext.h"

#include "gameday/GamedayAddresses.h"
#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

std::string Title(const std::string& fullName, const std::string& wins, const std::string& losses) {
    return IsBlank(wins) ? fullName : fullName + " (" + wins + "-" + losses + ")";
}

std::string Pitcher(const GameTable& g, int game, const GameSideFields& f) {
    const std::string& name = g.At(f.pitcherName, game);
    if (IsBlank(name)) return "";
    return name + " (" + g.At(f.pitcherWins, game) + "-" + g.At(f.pitcherLosses, game) + ", " +
           g.At(f.pitcherEra, game) + ")";
}

TeamSide BuildSide(const GameTable& g, int game, const GameSideFields& f, const TeamTables& teams) {
    TeamSide side;
    side.fullName = CombineCityAndName(g.At(f.city, game), g.At(f.teamName, game));
    side.title = Title(side.fullName, g.At(f.wins, game), g.At(f.losses, game));
    side.fileCode = g.At(f.fileCode, game);
    side.league = LeagueName(g.At(f.leagueId, game));
    side.teamName = LookupTeamName(teams, side.fileCode);
    side.cityName = LookupCityName(teams, side.fileCode);
    side.pitcher = Pitcher(g, game, f);
    side.pitcherNumber = side.pitcher.empty() ? "" : g.At(f.pitcherNumber, game);
    side.teamId = g.At(f.teamId, game);
    side.pitcherId = side.pitcher.empty() ? "" : g.At(f.pitcherId, game);
    return side;
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
    GameContext c;
    c.gameNumber = game;
    c.away = BuildSide(g, game, kAwayFields, teams);
    c.home = BuildSide(g, game, kHomeFields, teams);
    c.venue = g.At(GameField::kVenue, game);
    c.gameDate = gameDate;
    c.gameFolder = GameFolder(g.At(GameField::kGamedayId, game));
    c.gameId = g.At(GameField::kGameId, game);
    return c;
}

WorkbookGame WorkbookGameOf(const GameContext& game) {
    return {game.away.title,    game.home.title,    game.away.teamName, game.home.teamName,
            game.away.fileCode, game.home.fileCode, game.away.league,   game.home.league,
            game.away.pitcher,  game.home.pitcher,  game.venue,         game.gameDate};
}

}  // namespace quillbat
