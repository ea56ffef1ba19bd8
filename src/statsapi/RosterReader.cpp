#include "statsapi/RosterReader.h"

namespace quillbat {

namespace {

// The name the player goes by, falling back to his given name.
std::string NameOf(const Json& person, const char* used, const char* given) {
    std::string name = Text(person, {used});
    return name.empty() ? Text(person, {given}) : name;
}

void AddPlayer(const Json& entry, const std::string& side, const std::string& teamName,
               PlayersTable& players) {
    using namespace PlayerField;
    const Json* person = Member(entry, {"person"});
    std::string id = person ? Text(*person, {"id"}) : "";
    if (!IsApiId(id)) return;
    int p = players.AddRow();
    players.Set(kSide, p, side);
    players.Set(kTeamName, p, teamName);
    players.Set(kFirstName, p, NameOf(*person, "useName", "firstName"));
    players.Set(kLastName, p, NameOf(*person, "useLastName", "lastName"));
    players.Set(kUniformNumber, p, Text(entry, {"jerseyNumber"}));
    players.Set(kBoxScoreName, p, Text(*person, {"boxscoreName"}));
    players.Set(kRlValue, p, Text(*person, {"pitchHand", "code"}));
    players.Set(kPosition, p, Text(entry, {"position", "abbreviation"}));
    players.Set(kPlayerId, p, id);
    players.Set(kBats, p, Text(*person, {"batSide", "code"}));
    players.Set(kThrows, p, Text(*person, {"pitchHand", "code"}));
}

}  // namespace

std::string ReadRoster(const Json& roster, const std::string& side, const std::string& teamName,
                       PlayersTable& players) {
    const Json* entries = Member(roster, {"roster"});
    if (!entries || !entries->is_array()) return "no roster in the response";
    for (const Json& entry : *entries)
        if (Text(entry, {"status", "code"}) == "A") AddPlayer(entry, side, teamName, players);
    return "";
}

std::string ReadRosterFile(const std::string& path, const std::string& side, const std::string& teamName,
                           PlayersTable& players) {
    return ReadJsonFileWith(
        path, [&](const Json& response) { return ReadRoster(response, side, teamName, players); });
}

}  // namespace quillbat
