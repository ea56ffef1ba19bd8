#include "statsapi/ScheduleReader.h"

#include <cctype>

namespace quillbat {

namespace {

// A file code names a logo file: lower-case letters and digits only.
bool IsFileCode(const std::string& code) {
    if (code.empty() || code.size() > 8) return false;
    for (char c : code)
        if (!std::islower(static_cast<unsigned char>(c)) && !std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// The pitcher's season line among the hydrated stats.
const Json* SeasonPitching(const Json& pitcher) {
    for (const Json& block : Items(pitcher, {"stats"})) {
        if (Text(block, {"type", "displayName"}) == "statsSingleSeason" &&
            Text(block, {"group", "displayName"}) == "pitching")
            return Member(block, {"stats"});
    }
    return nullptr;
}

void ReadPitcher(const Json& side, const GameSideFields& f, int row, GameTable& games) {
    const Json* pitcher = Member(side, {"probablePitcher"});
    if (!pitcher) return;
    games.Set(f.pitcherName, row, Text(*pitcher, {"fullName"}));
    games.Set(f.pitcherNumber, row, Text(*pitcher, {"primaryNumber"}));
    std::string id = Text(*pitcher, {"id"});
    games.Set(f.pitcherId, row, IsApiId(id) ? id : "");
    if (const Json* season = SeasonPitching(*pitcher)) {
        games.Set(f.pitcherWins, row, Text(*season, {"wins"}));
        games.Set(f.pitcherLosses, row, Text(*season, {"losses"}));
        games.Set(f.pitcherEra, row, Text(*season, {"era"}));
    }
}

void ReadSide(const Json& side, const GameSideFields& f, const TeamTables& teams, int row, GameTable& games) {
    const Json* team = Member(side, {"team"});
    if (!team) return;
    std::string fileCode = Text(*team, {"fileCode"});
    if (!IsFileCode(fileCode)) fileCode.clear();
    std::string city = fileCode.empty() ? "" : LookupTeamCity(teams, fileCode);
    if (city.empty()) city = Text(*team, {"shortName"});
    if (city.empty()) city = Text(*team, {"name"});
    std::string teamId = Text(*team, {"id"});
    games.Set(f.city, row, city);
    games.Set(f.teamName, row, Text(*team, {"teamName"}));
    games.Set(f.fileCode, row, fileCode);
    games.Set(f.leagueId, row, Text(*team, {"league", "id"}));
    games.Set(f.teamId, row, IsApiId(teamId) ? teamId : "");
    games.Set(f.wins, row, Text(side, {"leagueRecord", "wins"}));
    games.Set(f.losses, row, Text(side, {"leagueRecord", "losses"}));
    ReadPitcher(side, f, row, games);
}

void ReadGame(const Json& game, const TeamTables& teams, GameTable& games) {
    int row = games.AddRow();
    std::string gamePk = Text(game, {"gamePk"});
    games.Set(GameField::kGameId, row, IsApiId(gamePk) ? gamePk : "");
    games.Set(GameField::kVenue, row, Text(game, {"venue", "name"}));
    std::string doubleHeader = Text(game, {"doubleHeader"});
    if (doubleHeader == "Y" || doubleHeader == "S")
        games.Set(GameField::kDoubleHeaderGame, row, Text(game, {"gameNumber"}));
    if (const Json* away = Member(game, {"teams", "away"})) ReadSide(*away, kAwayFields, teams, row, games);
    if (const Json* home = Member(game, {"teams", "home"})) ReadSide(*home, kHomeFields, teams, row, games);
}

}  // namespace

std::string ReadSchedule(const Json& schedule, const TeamTables& teams, GameTable& games) {
    games = GameTable{};
    const Json* dates = Member(schedule, {"dates"});
    if (!dates || !dates->is_array()) return "no dates in the schedule";
    for (const Json& date : *dates)
        for (const Json& game : Items(date, {"games"}))
            if (game.is_object()) ReadGame(game, teams, games);
    return "";
}

std::string ReadScheduleFile(const std::string& path, const TeamTables& teams, GameTable& games) {
    std::string error =
        ReadJsonFileWith(path, [&](const Json& response) { return ReadSchedule(response, teams, games); });
    if (!error.empty()) games = GameTable{};
    return error;
}

}  // namespace quillbat
