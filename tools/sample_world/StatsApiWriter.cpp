// The Stats API's answers for the sample world, in the shapes the present-day source reads:
// the schedule of each day, box scores, active rosters, each player's figures (one file per
// player; the server joins them for a list request), team statistics and the club list.

#include <cmath>
#include <map>

#include <nlohmann/json.hpp>

#include "Versus.h"
#include "Writers.h"

namespace quillbat::sample {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kApi = "/api/v1";

int Id(const std::string& id) { return std::stoi(id); }
double Ratio(double a, double b) { return b > 0 ? a / b : 0.0; }

Json Link(const std::string& id, const std::string& name, const std::string& kind) {
    return {{"id", Id(id)}, {"name", name}, {"link", std::string(kApi) + "/" + kind + "/" + id}};
}

Json LeagueOf(const Club& club) {
    return Link(club.LeagueId(), club.league == "AL" ? "American League" : "National League", "league");
}

Json TeamOf(const Club& club) {
    Json team = Link(club.mlbTeamId, club.FullName(), "teams");
    team["season"] = std::stoi(kSeason);
    team["venue"] = Link(club.venueId, club.venue, "venues");
    team["teamCode"] = club.gamedayCode;
    team["fileCode"] = club.fileCode;
    team["abbreviation"] = club.abbrev;
    team["teamName"] = club.teamName;
    team["locationName"] = club.cityName;
    team["shortName"] = club.teamCity;
    team["league"] = LeagueOf(club);
    team["sport"] = {{"id", 1}, {"name", "Major League Baseball"}};
    team["active"] = true;
    return team;
}

Json Hand(char code) {
    const char* description = code == 'L' ? "Left" : code == 'S' ? "Switch" : "Right";
    return {{"code", std::string(1, code)}, {"description", description}};
}

Json PositionOf(const std::string& abbreviation) {
    std::string type = abbreviation == "P"                            ? "Pitcher"
                       : abbreviation == "C"                          ? "Catcher"
                       : abbreviation == "DH"                         ? "Hitter"
                       : abbreviation == "PH" || abbreviation == "PR" ? "Hitter"
                       : abbreviation.ends_with("F")                  ? "Outfielder"
                                                                      : "Infielder";
    return {{"abbreviation", abbreviation}, {"type", type}};
}

// "07/21/1988" as the API writes dates, "1988-07-21".
std::string IsoDate(const std::string& usDate) {
    if (usDate.size() != 10) return "";
    return usDate.substr(6, 4) + "-" + usDate.substr(0, 2) + "-" + usDate.substr(3, 2);
}

Json Person(const Team& team, const Player& p) {
    return {{"id", Id(p.id)},
            {"fullName", p.name.Display()},
            {"link", std::string(kApi) + "/people/" + p.id},
            {"firstName", p.name.first},
            {"lastName", p.name.last},
            {"lastFirstName", p.name.last + ", " + p.name.first},
            {"primaryNumber", p.number},
            {"birthDate", IsoDate(p.dob)},
            {"height",
             p.height.substr(0, p.height.find('-')) + "' " + p.height.substr(p.height.find('-') + 1) + "\""},
            {"weight", p.weight},
            {"active", true},
            {"primaryPosition", PositionOf(p.position)},
            {"useName", p.name.first},
            {"useLastName", p.name.last},
            {"boxscoreName", RosterDisplayName(team, p)},
            {"batSide", Hand(p.bats)},
            {"pitchHand", Hand(p.throws)}};
}

Json Hitting(const BattingLine& b) {
    int inPlay = b.ab - b.so - b.hr + b.sf;
    return {{"gamesPlayed", b.pa / 4},
            {"runs", b.r},
            {"doubles", b.d},
            {"triples", b.t},
            {"homeRuns", b.hr},
            {"strikeOuts", b.so},
            {"baseOnBalls", b.bb},
            {"hits", b.h},
            {"hitByPitch", b.hbp},
            {"avg", Rate3(b.Avg())},
            {"atBats", b.ab},
            {"obp", Rate3(b.Obp())},
            {"slg", Rate3(b.Slg())},
            {"ops", Rate3(b.Ops())},
            {"caughtStealing", b.cs},
            {"stolenBases", b.sb},
            {"plateAppearances", b.pa},
            {"totalBases", b.TotalBases()},
            {"rbi", b.rbi},
            {"sacFlies", b.sf},
            {"babip", Rate3(Ratio(b.h - b.hr, inPlay))}};
}

Json Pitching(const PitchingLine& p) {
    double innings = p.outs / 3.0;
    return {{"gamesPlayed", p.g},
            {"gamesStarted", p.gs},
            {"gamesPitched", p.g},
            {"wins", p.w},
            {"losses", p.l},
            {"saves", p.sv},
            {"holds", p.hld},
            {"blownSaves", p.bs},
            {"era", p.outs > 0 ? Fixed(p.Era(), 2) : "-.--"},
            {"inningsPitched", Innings(p.outs)},
            {"battersFaced", p.bf},
            {"hits", p.h},
            {"runs", p.r},
            {"earnedRuns", p.er},
            {"homeRuns", p.hr},
            {"baseOnBalls", p.bb},
            {"hitByPitch", p.hbp},
            {"strikeOuts", p.so},
            {"atBats", p.ab},
            {"avg", Rate3(p.Avg())},
            {"whip", Fixed(p.Whip(), 2)},
            {"strikeoutsPer9Inn", Fixed(Ratio(p.so * 9.0, innings), 2)},
            {"walksPer9Inn", Fixed(Ratio(p.bb * 9.0, innings), 2)},
            {"homeRunsPer9", Fixed(Ratio(p.hr * 9.0, innings), 2)},
            {"strikeoutWalkRatio", Fixed(Ratio(p.so, p.bb), 2)},
            {"numberOfPitches", p.pitches},
            {"strikes", p.strikes}};
}

Json Block(const char* type, const char* group, Json splits) {
    return {{"type", {{"displayName", type}}},
            {"group", {{"displayName", group}}},
            {"splits", std::move(splits)}};
}

Json Split(Json stat) { return {{"season", kSeason}, {"stat", std::move(stat)}}; }

Json SitSplit(const char* code, const char* description, Json stat) {
    Json split = Split(std::move(stat));
    split["split"] = {{"code", code}, {"description", description}};
    return split;
}

// Season, vs left / vs right and sabermetric figures, as the people hydration gives them.
// The sabermetrics are those the sample FanGraphs pages show.
Json PersonStats(const Player& p) {
    if (p.IsPitcher()) {
        const PitchingSplits& s = p.pitching;
        return Json::array({Block("season", "pitching", Json::array({Split(Pitching(s.season))})),
                            Block("statSplits", "pitching",
                                  Json::array({SitSplit("vl", "vs Left", Pitching(s.vsLeft)),
                                               SitSplit("vr", "vs Right", Pitching(s.vsRight))})),
                            Block("sabermetrics", "pitching",
                                  Json::array({Split({{"fip", std::round(p.fip * 100) / 100},
                                                      {"xfip", std::round((p.fip + 0.1) * 100) / 100},
                                                      {"war", std::round(p.war * 10) / 10}})}))});
    }
    const BattingSplits& s = p.batting;
    return Json::array({Block("season", "hitting", Json::array({Split(Hitting(s.season))})),
                        Block("statSplits", "hitting",
                              Json::array({SitSplit("vl", "vs Left", Hitting(s.vsLeft)),
                                           SitSplit("vr", "vs Right", Hitting(s.vsRight))})),
                        Block("sabermetrics", "hitting",
                              Json::array({Split({{"woba", std::round(p.woba * 1000) / 1000},
                                                  {"wRcPlus", std::lround(100 * p.woba / 0.315)},
                                                  {"war", std::round(p.war * 10) / 10}})}))});
}

Json Response(Json body) {
    Json response = {{"copyright", "Quillbat sample world: invented players and games."}};
    response.update(body);
    return response;
}

std::string Text(const Json& json) { return json.dump(2) + "\n"; }

Json ProbablePitcher(const Team& team, const Player& p) {
    Json pitcher = Person(team, p);
    const PitchingLine& s = p.pitching.season;
    pitcher["stats"] =
        Json::array({{{"type", {{"displayName", "statsSingleSeason"}}},
                      {"group", {{"displayName", "pitching"}}},
                      {"stats", {{"wins", s.w}, {"losses", s.l}, {"era", Fixed(s.Era(), 2)}}}}});
    return pitcher;
}

Json GameSide(const Team& team, const Player* starter, int score, bool final) {
    Json side = {{"leagueRecord",
                  {{"wins", team.wins},
                   {"losses", team.losses},
                   {"pct", Rate3(Ratio(team.wins, team.wins + team.losses))}}}};
    if (final) side["score"] = score;
    side["team"] = TeamOf(team.club);
    if (starter) side["probablePitcher"] = ProbablePitcher(team, *starter);
    return side;
}

Json Status(const Game& g) {
    switch (g.state) {
        case GameState::Final:
            return {{"abstractGameState", "Final"}, {"codedGameState", "F"}, {"detailedState", "Final"}};
        case GameState::Postponed:
            return {{"abstractGameState", "Final"},
                    {"codedGameState", "D"},
                    {"detailedState", "Postponed"},
                    {"reason", "Rain"}};
        default:
            return {{"abstractGameState", "Preview"},
                    {"codedGameState", g.warmingUp ? "P" : "S"},
                    {"detailedState", g.warmingUp ? "Pre-Game" : "Scheduled"}};
    }
}

Json ScheduledGame(const Day& day, const Game& g) {
    bool final = g.state == GameState::Final, postponed = g.state == GameState::Postponed;
    const Player* away = postponed ? nullptr : g.awayStarter;
    const Player* home = postponed ? nullptr : g.homeStarter;
    return {{"gamePk", Id(g.gamePk)},
            {"link", std::string(kApi) + ".1/game/" + g.gamePk + "/feed/live"},
            {"gameType", "R"},
            {"season", kSeason},
            {"gameDate", day.Dashed() + "T23:05:00Z"},
            {"officialDate", day.Dashed()},
            {"status", Status(g)},
            {"teams",
             {{"away", GameSide(*g.away, away, g.result.away.runs, final)},
              {"home", GameSide(*g.home, home, g.result.home.runs, final)}}},
            {"venue", Link(g.home->club.venueId, g.home->club.venue, "venues")},
            {"doubleHeader", g.doubleHeader ? "S" : "N"},
            {"gameNumber", g.number},
            {"dayNight", "night"},
            {"scheduledInnings", 9}};
}

Json Schedule(const Day& day) {
    Json games = Json::array();
    for (const Game& g : day.games) games.push_back(ScheduledGame(day, g));
    Json dates = Json::array();
    if (!games.empty())
        dates.push_back({{"date", day.Dashed()}, {"totalGames", games.size()}, {"games", games}});
    return Response({{"totalGames", games.size()}, {"dates", dates}});
}

// A box score player: who he is, his place in the game and his season line.
Json BoxscorePlayer(const Player& p, const std::string& position) {
    Json season = {{"batting", Hitting(p.batting.season)}};
    if (p.IsPitcher()) season["pitching"] = Pitching(p.pitching.season);
    return {
        {"person",
         {{"id", Id(p.id)}, {"fullName", p.name.Display()}, {"link", std::string(kApi) + "/people/" + p.id}}},
        {"jerseyNumber", p.number},
        {"position", PositionOf(position)},
        {"status", {{"code", "A"}, {"description", "Active"}}},
        {"seasonStats", season}};
}

// The side's batters and pitchers of the game; before the first pitch the lineup and the
// starting pitcher, or nobody when the lineups are not posted yet.
SideGame SideOf(const Game& g, bool away) {
    if (g.state == GameState::Final) return away ? g.result.away : g.result.home;
    SideGame side;
    if (g.state != GameState::LineupsPosted) return side;
    const Team& team = away ? *g.away : *g.home;
    const Player* starter = away ? g.awayStarter : g.homeStarter;
    int slot = 1;
    for (const auto& [player, position] : team.Lineup(starter, g.DesignatedHitter()))
        side.batters.push_back({player, position, 100 * slot++, {}, 0});
    side.pitchers.push_back({starter, {}, ""});
    return side;
}

Json BoxscoreTeam(const Team& team, const SideGame& side) {
    Json players = Json::object(), batters = Json::array(), pitchers = Json::array(), order = Json::array();
    // Everyone active is listed; only those in the game have a batting order or a pitching line.
    for (const Player& p : team.players)
        if (p.status == "A") players["ID" + p.id] = BoxscorePlayer(p, p.position);
    for (const BatterGame& b : side.batters) {
        Json& entry = players["ID" + b.player->id] = BoxscorePlayer(*b.player, b.pos);
        if (b.bo > 0) entry["battingOrder"] = std::to_string(b.bo);
        batters.push_back(Id(b.player->id));
        if (b.bo > 0 && b.bo % 100 == 0) order.push_back(Id(b.player->id));
    }
    for (const PitcherGame& p : side.pitchers) {
        Json& entry = players["ID" + p.player->id];
        if (entry.is_null()) entry = BoxscorePlayer(*p.player, "P");
        pitchers.push_back(Id(p.player->id));
    }
    return {{"team", Link(team.club.mlbTeamId, team.club.FullName(), "teams")},
            {"players", players},
            {"batters", batters},
            {"pitchers", pitchers},
            {"battingOrder", order}};
}

Json Boxscore(const Game& g) {
    return Response({{"teams",
                      {{"away", BoxscoreTeam(*g.away, SideOf(g, true))},
                       {"home", BoxscoreTeam(*g.home, SideOf(g, false))}}}});
}

Json Roster(const Team& team, const Day& day) {
    Json entries = Json::array();
    for (const Player& p : team.players) {
        if (p.status != "A") continue;  // the active roster
        entries.push_back({{"person", Person(team, p)},
                           {"jerseyNumber", p.number},
                           {"position", PositionOf(p.position)},
                           {"status", {{"code", "A"}, {"description", "Active"}}},
                           {"parentTeamId", Id(team.club.mlbTeamId)}});
    }
    return Response({{"roster", entries},
                     {"link", std::string(kApi) + "/teams/" + team.club.mlbTeamId + "/roster"},
                     {"teamId", Id(team.club.mlbTeamId)},
                     {"rosterType", "active"},
                     {"date", day.Dashed()}});
}

// Every club's season line of one group: its players' lines added up.
Json TeamStats(const World& world, bool pitching) {
    Json splits = Json::array();
    for (const Team& team : world.teams) {
        BattingLine batting;
        PitchingLine pitched;
        for (const Player& p : team.players) {
            batting.Add(p.batting.season);
            if (p.IsPitcher()) pitched.Add(p.pitching.season);
        }
        Json stat = pitching ? Pitching(pitched) : Hitting(batting);
        stat["gamesPlayed"] = team.wins + team.losses;
        Json split = Split(stat);
        split["team"] = Link(team.club.mlbTeamId, team.club.FullName(), "teams");
        splits.push_back(split);
    }
    return Response({{"stats", Json::array({Block("season", pitching ? "pitching" : "hitting", splits)})}});
}

Json Teams(const World& world) {
    Json teams = Json::array();
    for (const Team& team : world.teams) teams.push_back(TeamOf(team.club));
    return Response({{"teams", teams}});
}

// The career line of each of the other club's batters who has faced the starter, one file per
// batter as the server joins them; a batter who never faced him has no file.
void WriteVersus(TreeWriter& tree, const Team& batters, const Player& pitcher) {
    for (const Player& batter : batters.players) {
        BattingLine career = VersusPitcher(batter, pitcher).Career();
        if (batter.IsPitcher() || batter.status != "A" || career.pa == 0) continue;
        Json person = Person(batters, batter);
        person["stats"] =
            Json::array({Block("vsPlayerTotal", "hitting", Json::array({{{"stat", Hitting(career)}}}))});
        tree.Write(
            kStatsApiHost,
            std::string(kApi) + "/people/" + batter.id + "?hydrate=" + VersusPitcherHydrate(pitcher.id),
            Text(Response({{"people", Json::array({person})}})));
    }
}

}  // namespace

std::string VersusPitcherHydrate(const std::string& pitcherId) {
    return "stats(group=[hitting],type=[vsPlayerTotal],opposingPlayerId=" + pitcherId + ")";
}

std::string PersonStatsHydrate(const std::string& season) {
    return "stats(group=[hitting,pitching],type=[season,statSplits,sabermetrics],sitCodes=[vl,vr],season=" +
           season + ")";
}

void WriteStatsApi(const World& world, TreeWriter& tree) {
    const std::string api = kApi;
    for (const Day& day : world.days) {
        tree.Write(kStatsApiHost,
                   api + "/schedule?sportId=1&date=" + day.Dashed() + "&hydrate=team,probablePitcher,stats",
                   Text(Schedule(day)));
        for (const Game& g : day.games) {
            WriteVersus(tree, *g.home, *g.awayStarter);
            WriteVersus(tree, *g.away, *g.homeStarter);
            if (g.state != GameState::Postponed)
                tree.Write(kStatsApiHost, api + "/game/" + g.gamePk + "/boxscore", Text(Boxscore(g)));
        }
        for (const Team& team : world.teams)
            tree.Write(kStatsApiHost,
                       api + "/teams/" + team.club.mlbTeamId +
                           "/roster?rosterType=active&date=" + day.Dashed() + "&hydrate=person",
                       Text(Roster(team, day)));
    }
    for (const Team& team : world.teams)
        for (const Player& p : team.players) {
            Json person = Person(team, p);
            person["stats"] = PersonStats(p);
            tree.Write(kStatsApiHost, api + "/people/" + p.id + "?hydrate=" + PersonStatsHydrate(kSeason),
                       Text(Response({{"people", Json::array({person})}})));
        }
    const std::string teamStats = api + "/teams/stats?sportId=1&stats=season&season=" + kSeason + "&group=";
    tree.Write(kStatsApiHost, teamStats + "hitting", Text(TeamStats(world, false)));
    tree.Write(kStatsApiHost, teamStats + "pitching", Text(TeamStats(world, true)));
    tree.Write(kStatsApiHost, api + "/teams?sportId=1&season=" + kSeason, Text(Teams(world)));
}

}  // namespace quillbat::sample
