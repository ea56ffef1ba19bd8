// master_scoreboard.xml of each sample day, in the gameday server's "pretty" layout.

#include "Writers.h"
#include "XmlText.h"

namespace quillbat::sample {

std::string RosterDisplayName(const Team& team, const Player& player) {
    for (const Player& other : team.players)
        if (&other != &player && other.name.last == player.name.last)
            return player.name.last + ", " + Initial(player.name.first);
    return player.name.last;
}

namespace {

Attributes GameAttributes(const Day& day, const Game& g) {
    const Club& a = g.away->club;
    const Club& h = g.home->club;
    const std::string gid = g.GamedayId(day.Underscored());
    return {
        {"id", day.Slashed() + "/" + a.gamedayCode + "mlb-" + h.gamedayCode + "mlb-" + std::to_string(g.number)},
        {"venue", h.venue}, {"game_pk", g.gamePk}, {"time", g.localTime},
        {"time_date", day.Slashed() + " " + g.localTime}, {"time_zone", "ET"}, {"ampm", "PM"},
        {"first_pitch_et", ""}, {"game_type", "R"}, {"tiebreaker_sw", "N"}, {"resume_date", ""},
        {"original_date", day.Slashed()}, {"venue_id", h.venueId}, {"scheduled_innings", "9"},
        {"description", g.number == 2 ? "Makeup of 07/02 postponement" : ""},
        {"away_name_abbrev", a.abbrev}, {"home_name_abbrev", h.abbrev},
        {"away_code", a.gamedayCode}, {"away_file_code", a.fileCode}, {"away_team_id", a.mlbTeamId},
        {"away_team_city", a.teamCity}, {"away_team_name", a.teamName}, {"away_division", a.division},
        {"away_league_id", a.LeagueId()}, {"away_sport_code", "mlb"},
        {"home_code", h.gamedayCode}, {"home_file_code", h.fileCode}, {"home_team_id", h.mlbTeamId},
        {"home_team_city", h.teamCity}, {"home_team_name", h.teamName}, {"home_division", h.division},
        {"home_league_id", h.LeagueId()}, {"home_sport_code", "mlb"},
        {"day", day.weekday}, {"gameday_sw", "P"}, {"double_header_sw", g.doubleHeader ? "S" : "N"},
        {"game_nbr", std::to_string(g.number)}, {"away_games_back", ""}, {"home_games_back", ""},
        {"gameday", gid},
        {"away_win", std::to_string(g.away->wins)}, {"away_loss", std::to_string(g.away->losses)},
        {"home_win", std::to_string(g.home->wins)}, {"home_loss", std::to_string(g.home->losses)},
        {"game_data_directory", std::string(kGamedayBase) + "/" + day.Path() + "/gid_" + gid},
        {"league", std::string(1, a.league[0]) + h.league[0]}};
}

std::string ProbablePitcher(const char* element, const Team& team, const Player& p) {
    const PitchingLine& s = p.pitching.season;
    return PrettyTag(6, element, {{"id", p.id}, {"first_name", p.name.first}, {"first", p.name.first},
                                  {"last_name", p.name.last}, {"last", p.name.last},
                                  {"name_display_roster", RosterDisplayName(team, p)}, {"number", p.number},
                                  {"wins", std::to_string(s.w)}, {"losses", std::to_string(s.l)},
                                  {"era", Fixed(s.Era(), 2)}, {"s_wins", std::to_string(s.w)},
                                  {"s_losses", std::to_string(s.l)}, {"s_era", Fixed(s.Era(), 2)}}) + "\n";
}

std::string Linescore(const Game& g) {
    std::string text = "      <linescore>\n";
    for (const auto& [away, home] : g.result.innings) {
        text += PrettyTag(9, "inning", {{"away", away}, {"home", home}}) + " \n";
    }
    auto pair = [](const char* name, int away, int home) {
        return PrettyTag(9, name, {{"away", std::to_string(away)}, {"home", std::to_string(home)}}) + "\n";
    };
    text += PrettyTag(9, "r", {{"away", std::to_string(g.result.away.runs)}, {"home", std::to_string(g.result.home.runs)},
                               {"diff", std::to_string(g.result.away.runs - g.result.home.runs)}}) + "\n";
    text += pair("h", g.result.away.hits, g.result.home.hits);
    text += pair("e", 0, 0);
    return text + "      </linescore>\n";
}

const PitcherGame* WithDecision(const GameResult& r, const std::string& decision, const Team*& team,
                                const Game& g) {
    for (const auto* side : {&r.away, &r.home})
        for (const PitcherGame& p : side->pitchers)
            if (p.decision == decision) {
                team = side == &r.away ? g.away : g.home;
                return &p;
            }
    return nullptr;
}

std::string Decisions(const Game& g) {
    std::string text;
    for (const char* decision : {"W", "L", "S"}) {
        const Team* team = nullptr;
        const PitcherGame* pg = WithDecision(g.result, decision, team, g);
        const std::string element = decision[0] == 'W' ? "winning_pitcher" : decision[0] == 'L' ? "losing_pitcher" : "save_pitcher";
        if (!pg) {
            text += PrettyTag(6, element, {{"id", ""}, {"last", ""}, {"first", ""}, {"name_display_roster", ""},
                                           {"number", ""}, {"era", "0"}, {"wins", "0"}, {"losses", "0"}}) + "\n";
            continue;
        }
        const Player& p = *pg->player;
        const PitchingLine& s = p.pitching.season;
        Attributes attrs = {{"id", p.id}, {"last", p.name.last}, {"first", p.name.first}};
        if (element == "save_pitcher") {
            attrs.insert(attrs.end(), {{"number", p.number}, {"name_display_roster", RosterDisplayName(*team, p)},
                                       {"era", Fixed(s.Era(), 2)}, {"wins", std::to_string(s.w)},
                                       {"losses", std::to_string(s.l)}, {"saves", std::to_string(s.sv)},
                                       {"svo", std::to_string(s.sv + s.bs)}});
        } else {
            attrs.insert(attrs.end(), {{"name_display_roster", RosterDisplayName(*team, p)}, {"number", p.number},
                                       {"era", Fixed(s.Era(), 2)}, {"wins", std::to_string(s.w)},
                                       {"losses", std::to_string(s.l)}});
        }
        text += PrettyTag(6, element, attrs) + "\n";
    }
    return text;
}

std::string Media(const Day& day, const Game& g) {
    std::string title = g.away->club.abbrev + " @ " + g.home->club.abbrev;
    return "      <game_media>\n" +
           PrettyTag(9, "media", {{"type", "game"}, {"calendar_event_id", "14-" + g.gamePk + "-" + day.Dashed()},
                                  {"start", day.Dashed() + "T19:05:00-0400"}, {"title", title},
                                  {"has_mlbtv", "true"}, {"free", "NO"}, {"media_state", "media_off"}}) +
           "\n      </game_media>\n";
}

std::string Broadcast(const Game& g) {
    return "      <broadcast>\n        <home>\n            <tv>" + XmlEscape(g.home->club.abbrev) +
           " TV</tv>\n            <radio>WXYZ 1010</radio>\n         </home>\n        <away>\n            <tv>" +
           XmlEscape(g.away->club.abbrev) + " TV</tv>\n            <radio>KABC 790, KWKW 1330 (Spanish)</radio>\n"
           "         </away>\n      </broadcast>\n";
}

// A game about to start: the live elements (an empty line score, the first batters, both
// pitchers) come before the probable pitchers, as on the gameday server.
std::string PreGameElements(const Game& g) {
    auto lineup = g.away->Lineup(g.awayStarter, g.DesignatedHitter());
    auto batter = [&](const char* element, std::size_t slot) {
        const Player& p = *lineup[slot].first;
        const BattingLine& s = p.batting.season;
        return PrettyTag(6, element, {{"id", p.id}, {"last", p.name.last}, {"first", p.name.first},
                                      {"name_display_roster", RosterDisplayName(*g.away, p)}, {"number", p.number},
                                      {"pos", lineup[slot].second}, {"ab", "0"}, {"h", "0"}, {"avg", Rate3(s.Avg())},
                                      {"hr", std::to_string(s.hr)}, {"rbi", std::to_string(s.rbi)}}) + "\n";
    };
    const PitchingLine& home = g.homeStarter->pitching.season;
    const PitchingLine& away = g.awayStarter->pitching.season;
    std::string text = "      <linescore>\n" + PrettyTag(9, "r", {{"away", "0"}, {"home", "0"}, {"diff", "0"}}) + "\n" +
                       PrettyTag(9, "h", {{"away", "0"}, {"home", "0"}}) + "\n" +
                       PrettyTag(9, "e", {{"away", "0"}, {"home", "0"}}) + "\n      </linescore>\n";
    text += batter("batter", 0);
    text += PrettyTag(6, "pitcher", {{"id", g.homeStarter->id}, {"ip", "0"}, {"er", "0"}, {"era", Fixed(home.Era(), 2)},
                                     {"wins", std::to_string(home.w)}, {"losses", std::to_string(home.l)},
                                     {"last", g.homeStarter->name.last}, {"first", g.homeStarter->name.first},
                                     {"name_display_roster", RosterDisplayName(*g.home, *g.homeStarter)},
                                     {"number", g.homeStarter->number}}) + "\n";
    text += PrettyTag(6, "opposing_pitcher", {{"id", g.awayStarter->id}, {"era", Fixed(away.Era(), 2)},
                                              {"wins", std::to_string(away.w)}, {"losses", std::to_string(away.l)},
                                              {"last", g.awayStarter->name.last}, {"first", g.awayStarter->name.first},
                                              {"name_display_roster", RosterDisplayName(*g.away, *g.awayStarter)},
                                              {"number", g.awayStarter->number}}) + "\n";
    text += "      <pbp last=\"\"/>\n" + batter("ondeck", 1) + batter("inhole", 2);
    return text + "      <runners_on_base status=\"0\"/> \n";
}

std::string GameElement(const Day& day, const Game& g) {
    std::string text = PrettyTag(3, "game", GameAttributes(day, g), true) + "\n";
    if (g.state == GameState::Final) {
        text += "      <status status=\"Final\" ind=\"F\" reason=\"\" inning=\"" +
                std::to_string(g.result.innings.size()) + "\" top_inning=\"N\" s=\"0\" b=\"0\" o=\"3\"/>\n";
        text += Linescore(g) + Decisions(g);
    } else if (g.state == GameState::Postponed) {
        text += "      <status status=\"Postponed\" ind=\"DR\" reason=\"Rain\" inning=\"\" top_inning=\"\"/>\n";
    } else if (g.warmingUp) {
        text += "      <status status=\"Pre-Game\" ind=\"P\" inning_state=\"\" inning=\"1\" top_inning=\"Y\"/>\n";
        text += PreGameElements(g);
        text += ProbablePitcher("home_probable_pitcher", *g.home, *g.homeStarter);
        text += ProbablePitcher("away_probable_pitcher", *g.away, *g.awayStarter);
    } else {
        text += "      <status status=\"Preview\" ind=\"S\" inning_state=\"\"/>\n";
        text += ProbablePitcher("home_probable_pitcher", *g.home, *g.homeStarter);
        text += ProbablePitcher("away_probable_pitcher", *g.away, *g.awayStarter);
    }
    if (g.state != GameState::Postponed) {
        std::string link = "/mlb/gameday/index.jsp?gid=" + g.GamedayId(day.Underscored()) + "&mode=preview&c_id=mlb";
        text += PrettyTag(6, "links", {{"wrapup", ""}, {"home_preview", link}, {"away_preview", link}, {"preview", link}}) + "\n";
        text += Broadcast(g);
    }
    return text + Media(day, g) + "   </game>\n";
}

std::string Scoreboard(const Day& day, const Day* next) {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + GamedayNotice() + "\n";
    text += "<games year=\"2014\" month=\"" + day.Dashed().substr(5, 2) + "\" day=\"" + day.Dashed().substr(8, 2) +
            "\" modified_date=\"" + day.Dashed() + "T08:00:11Z\"\n       next_day_date=\"" +
            (next ? next->Dashed() : day.Dashed()) + "\">\n";
    for (const Game& g : day.games) text += GameElement(day, g);
    return text + "</games>";
}

}  // namespace

void WriteScoreboards(const World& world, TreeWriter& tree) {
    for (std::size_t i = 0; i < world.days.size(); ++i) {
        const Day* next = i + 1 < world.days.size() ? &world.days[i + 1] : nullptr;
        tree.Write(kGamedayHost, std::string(kGamedayBase) + "/" + world.days[i].Path() + "/master_scoreboard.xml",
                   Scoreboard(world.days[i], next));
    }
}

}  // namespace quillbat::sample
