// The gameday files of the sample world carry what the game list, the box score reader and
// the player data collection read.

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <algorithm>
#include <map>
#include <set>

#include "GridSheet.h"
#include "SampleWorld.h"
#include "gameday/BoxscoreLineups.h"
#include "gameday/FlatTable.h"
#include "gameday/PlayerData.h"

namespace quillbat::testing {
namespace {

using sample::Day;
using sample::Game;
using sample::GameState;

const std::string kBase = "/components/game/mlb/";

pugi::xml_document Parse(const std::string& text) {
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_string(text.c_str())) << text.substr(0, 200);
    return doc;
}

std::string Scoreboard(const Day& day) {
    WrittenWith(sample::WriteScoreboards);
    return SampleFile("gd2", kBase + day.Path() + "/master_scoreboard.xml");
}

std::string GameFile(const Day& day, const Game& g, const std::string& name) {
    return SampleFile("gd2", kBase + day.Path() + "/gid_" + g.GamedayId(day.Underscored()) + "/" + name);
}

const Day& DayOf(const std::string& usDate) {
    for (const Day& d : TheWorld().days)
        if (d.UsDate() == usDate) return d;
    throw std::runtime_error("no sample day " + usDate);
}

TEST(SampleScoreboard, GamesCarryTheAttributesTheGameListReads) {
    const char* read[] = {"venue",          "id",
                          "away_team_city", "home_team_city",
                          "gameday",        "away_win",
                          "away_loss",      "home_win",
                          "home_loss",      "away_file_code",
                          "home_file_code", "away_team_name",
                          "home_team_name", "away_league_id",
                          "home_league_id"};
    for (const Day& day : TheWorld().days) {
        auto doc = Parse(Scoreboard(day));
        ASSERT_TRUE(doc.child("games")) << day.UsDate();
        std::size_t games = 0;
        for (pugi::xml_node game : doc.child("games").children("game")) {
            ++games;
            for (const char* name : read) EXPECT_TRUE(game.attribute(name)) << name << " on " << day.UsDate();
            std::string league = game.attribute("away_league_id").value();
            EXPECT_TRUE(league == "103" || league == "104");
            EXPECT_EQ(std::string(game.attribute("game_data_directory").value()),
                      kBase.substr(0, kBase.size() - 1) + "/" + day.Path() + "/gid_" +
                          game.attribute("gameday").value());
        }
        EXPECT_EQ(games, day.games.size());
    }
}

TEST(SampleScoreboard, DaysCoverEveryGameState) {
    std::map<std::string, std::set<GameState>> states;
    for (const Day& day : TheWorld().days)
        for (const Game& g : day.games) states[day.UsDate()].insert(g.state);
    EXPECT_TRUE(states["07/02/2014"].count(GameState::Postponed));
    EXPECT_TRUE(states["07/03/2014"].count(GameState::Final));
    EXPECT_TRUE(states["07/04/2014"].count(GameState::LineupsPosted));
    EXPECT_TRUE(states["07/04/2014"].count(GameState::Preview));
    EXPECT_EQ(states["07/05/2014"], std::set<GameState>{GameState::Preview});
    EXPECT_TRUE(states["07/07/2014"].empty());
    EXPECT_EQ(std::string(sample::kLineupsDay), "07/04/2014");
}

TEST(SampleScoreboard, DoubleheaderHasTheSameAwayCityTwice) {
    auto doc = Parse(Scoreboard(DayOf("07/03/2014")));
    std::map<std::string, std::vector<pugi::xml_node>> byAwayCity;
    for (pugi::xml_node game : doc.child("games").children("game"))
        byAwayCity[game.attribute("away_team_city").value()].push_back(game);
    int doubleheaders = 0;
    for (const auto& [city, games] : byAwayCity) {
        if (games.size() < 2) continue;
        ++doubleheaders;
        ASSERT_EQ(games.size(), 2u) << city;
        EXPECT_EQ(std::string(games[0].attribute("gameday").value()).back(), '1');
        EXPECT_EQ(std::string(games[1].attribute("gameday").value()).back(), '2');
        EXPECT_STREQ(games[0].attribute("home_team_city").value(),
                     games[1].attribute("home_team_city").value());
        EXPECT_STRNE(games[0].attribute("id").value(), games[1].attribute("id").value());
    }
    EXPECT_EQ(doubleheaders, 1);
}

TEST(SampleScoreboard, PreviewGamesNameProbablePitchersHomeFirst) {
    for (const char* date : {"07/04/2014", "07/05/2014"}) {
        auto doc = Parse(Scoreboard(DayOf(date)));
        for (pugi::xml_node game : doc.child("games").children("game")) {
            pugi::xml_node home = game.child("home_probable_pitcher");
            pugi::xml_node away = game.child("away_probable_pitcher");
            ASSERT_TRUE(home && away) << date;
            EXPECT_EQ(home.next_sibling(), away);
            for (const char* name : {"name_display_roster", "number", "wins", "losses", "era"}) {
                EXPECT_TRUE(home.attribute(name)) << name;
                EXPECT_TRUE(away.attribute(name)) << name;
            }
        }
    }
}

// One game with posted lineups is about to start: its live elements come first, so the first
// game of the day to name probable pitchers is an earlier one.
TEST(SampleScoreboard, LineupsDayHasOnePreGameGameAfterPreviews) {
    auto doc = Parse(Scoreboard(DayOf(sample::kLineupsDay)));
    std::vector<std::string> statuses;
    for (pugi::xml_node game : doc.child("games").children("game"))
        statuses.push_back(game.child("status").attribute("status").value());
    ASSERT_EQ(std::count(statuses.begin(), statuses.end(), "Pre-Game"), 1);
    auto preGame = std::find(statuses.begin(), statuses.end(), "Pre-Game");
    EXPECT_GT(preGame - statuses.begin(), 0);
    EXPECT_EQ(statuses.front(), "Preview");
    pugi::xml_node game = doc.child("games").child("game");
    for (long i = 0; i < preGame - statuses.begin(); ++i) game = game.next_sibling("game");
    std::vector<std::string> children;
    for (pugi::xml_node child : game.children()) children.push_back(child.name());
    auto at = [&](const char* name) {
        return std::find(children.begin(), children.end(), name) - children.begin();
    };
    EXPECT_LT(at("linescore"), at("home_probable_pitcher"));
    EXPECT_LT(at("opposing_pitcher"), at("home_probable_pitcher"));
    EXPECT_EQ(at("home_probable_pitcher") + 1, at("away_probable_pitcher"));
}

TEST(SampleBoxscore, FilesExistExactlyWhereLineupsArePosted) {
    WrittenWith(sample::WriteBoxscores);
    WrittenWith(sample::WritePlayersFiles);
    for (const Day& day : TheWorld().days)
        for (const Game& g : day.games) {
            bool expected = g.state == GameState::Final || g.state == GameState::LineupsPosted;
            EXPECT_EQ(!GameFile(day, g, "boxscore.xml").empty(), expected) << g.GamedayId(day.Underscored());
            EXPECT_EQ(!GameFile(day, g, "players.xml").empty(), expected) << g.GamedayId(day.Underscored());
        }
}

// A flat table as the readers take it.
GridSheet SheetOf(const std::string& xml) {
    FlatTable table;
    EXPECT_EQ(ParseFlatTable(xml, table), "");
    std::vector<std::vector<std::string>> rows = {table.columns};
    rows.insert(rows.end(), table.rows.begin(), table.rows.end());
    return GridSheet(rows);
}

// The program's readers find each posted game's nine starters per side in batting order, the
// starting pitchers with their numbers, and every active player.
TEST(SampleGameFiles, ReadersFindLineupsStartersAndPlayers) {
    WrittenWith(sample::WriteBoxscores);
    WrittenWith(sample::WritePlayersFiles);
    const Day& day = DayOf(sample::kLineupsDay);
    for (const Game& g : day.games) {
        if (g.state != GameState::LineupsPosted) continue;
        GridSheet box = SheetOf(GameFile(day, g, "boxscore.xml")),
                  players = SheetOf(GameFile(day, g, "players.xml"));
        LineupTable lineups;
        StartingPitcher away, home;
        ReadLineupsFromTables(box, &players, {}, lineups, away, home);
        std::string expected, found;
        for (const sample::Team* team : {g.home, g.away})
            for (const auto& [player, position] :
                 team->Lineup(team == g.home ? g.homeStarter : g.awayStarter, g.DesignatedHitter()))
                expected += player->id + "/" + position + "/" + player->number + " ";
        for (int e = 1; e <= lineups.Rows(); ++e)
            found += lineups.At(LineupField::kPlayerId, e) + "/" + lineups.At(LineupField::kPosition, e) +
                     "/" + lineups.At(LineupField::kUniformNumber, e) + " ";
        EXPECT_EQ(found, expected) << g.GamedayId(day.Underscored());
        EXPECT_EQ(away.playerId + " " + away.number, g.awayStarter->id + " " + g.awayStarter->number);
        EXPECT_EQ(home.playerId, g.homeStarter->id);
        int active = 0;
        for (const sample::Team* team : {g.away, g.home})
            for (const sample::Player& p : team->players) active += p.status == "A";
        EXPECT_EQ(PlayersFromTable(players).Rows(), active);
    }
}

// The n-th value of name= anywhere in the text, as the player data collection takes it.
std::string NthValue(const std::string& text, const std::string& name, int n) {
    std::size_t at = 0;
    for (int i = 0; i < n; ++i) {
        at = text.find(name + "=\"", i == 0 ? 0 : at + 1);
        if (at == std::string::npos) return "";
    }
    at += name.size() + 2;
    return text.substr(at, text.find('"', at) - at);
}

TEST(SamplePlayerFiles, BatterSplitsElevenAndTwelveAreVersusThePitcher) {
    WrittenWith(sample::WritePlayerGameFiles);
    const Day& day = DayOf(sample::kLineupsDay);
    const Game& g = day.games.front();
    for (const auto& [batter, pos] : g.away->Lineup(g.awayStarter, g.DesignatedHitter())) {
        if (batter->IsPitcher()) continue;
        std::string text = GameFile(day, g, "batters/" + batter->id + ".xml");
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(Count(text, "avg="), 12);
        EXPECT_EQ(Count(text, "\n"), 0);
        std::size_t vsP = text.find("<vs_P "), vsP5 = text.find("<vs_P5 ");
        ASSERT_NE(vsP, std::string::npos);
        ASSERT_NE(vsP5, std::string::npos);
        EXPECT_EQ(Count(text.substr(0, vsP), "avg="), 10);
        EXPECT_EQ(Count(text.substr(0, vsP5), "avg="), 11);
        EXPECT_EQ(Attribute(text, "des", vsP),
                  g.homeStarter->name.last + ", " + sample::Initial(g.homeStarter->name.first));
        EXPECT_EQ(NthValue(text, "ops", 1), Attribute(text, "ops", text.find("<season")));
        EXPECT_EQ(NthValue(text, "bats", 1), std::string(1, batter->bats));
    }
}

TEST(SamplePlayerFiles, PitcherFileGivesSeasonDecisionsFirst) {
    WrittenWith(sample::WritePlayerGameFiles);
    const Day& day = DayOf(sample::kLineupsDay);
    const Game& g = day.games.front();
    std::string text = GameFile(day, g, "pitchers/" + g.homeStarter->id + ".xml");
    const auto& s = g.homeStarter->pitching.season;
    EXPECT_EQ(NthValue(text, "w", 1), std::to_string(s.w));
    EXPECT_EQ(NthValue(text, "l", 1), std::to_string(s.l));
    EXPECT_EQ(NthValue(text, "sv", 1), std::to_string(s.sv));
    EXPECT_EQ(NthValue(text, "throws", 1), std::string(1, g.homeStarter->throws));
    EXPECT_EQ(Count(text, "avg="), 12);
    EXPECT_LT(text.find("<vs_B "), text.find("<vs_B5 "));
}

TEST(SampleSeasonFiles, FiguresMatchTheGameFilesSeason) {
    WrittenWith(sample::WriteSeasonFiles);
    const sample::Team& team = TheWorld().teams.front();
    for (const sample::Player& p : team.players) {
        std::string kind = p.IsPitcher() ? "pitchers/" : "batters/";
        std::string text = SampleFile("gd2", kBase + "year_2014/" + kind + p.id + ".xml");
        ASSERT_FALSE(text.empty()) << p.id;
        if (p.IsPitcher()) {
            EXPECT_EQ(NthValue(text, "s_ip", 1), sample::Innings(p.pitching.season.outs));
            EXPECT_EQ(NthValue(text, "s_k", 1), std::to_string(p.pitching.season.so));
            EXPECT_EQ(NthValue(text, "era", 1),
                      p.pitching.season.outs ? sample::Fixed(p.pitching.season.Era(), 2) : "0.00");
            EXPECT_EQ(NthValue(text, "w", 1), std::to_string(p.pitching.season.w));
            continue;
        }
        auto n = [&](const char* name) { return std::stoi(NthValue(text, name, 1)); };
        EXPECT_EQ(n("s_single") + n("s_double") + n("s_triple") + n("s_hr"), n("s_h"));
        EXPECT_EQ(n("s_ab"), p.batting.season.ab);
        EXPECT_EQ(n("s_rbi"), p.batting.season.rbi);
    }
}

}  // namespace
}  // namespace quillbat::testing
