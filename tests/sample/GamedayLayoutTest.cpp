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
#include "NetTestSession.h"
#include "Versus.h"
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

// The program's player-file readers, given a game's files as a run leaves them in the
// temporary folder, find each starter's handedness, his record against the day's pitcher
// (this season and before) and the pitchers' decisions; season files give the season's figures.
TEST(SamplePlayerFiles, ReadersFindSplitsDecisionsAndSeasons) {
    WrittenWith(sample::WritePlayerGameFiles);
    WrittenWith(sample::WriteSeasonFiles);
    const Day& day = DayOf(sample::kLineupsDay);
    const Game& g = day.games.front();
    NetTestSession net;
    PlayersTable players;
    for (const auto& [batter, position] : g.away->Lineup(g.awayStarter, g.DesignatedHitter())) {
        const sample::Player* p = batter;
        if (p->IsPitcher()) continue;
        int row = players.AddRow();
        players.Set(PlayerField::kPlayerId, row, p->id);
        net.folder.Write("temp/" + p->id + "_game.xml", GameFile(day, g, "batters/" + p->id + ".xml"));
        net.folder.Write("temp/" + p->id + "_season.xml",
                         SampleFile("gd2", kBase + "year_2014/batters/" + p->id + ".xml"));
    }
    int pitcherRow = players.AddRow();
    players.Set(PlayerField::kPlayerId, pitcherRow, g.homeStarter->id);
    players.Set(PlayerField::kPosition, pitcherRow, "P");
    net.folder.Write("temp/" + g.homeStarter->id + "_game.xml",
                     GameFile(day, g, "pitchers/" + g.homeStarter->id + ".xml"));
    net.settings.gamedayBaseUrl = "http://127.0.0.1:1";  // nothing answers: the files on disk count
    ReadPlayerGameFiles(net.session, "http://127.0.0.1:1/g", players,
                        [](const std::string&) { return false; });
    ReadPlayerSeasonFiles(net.session, "2014", players);
    for (int row = 1; row < pitcherRow; ++row) {
        const sample::Player* p = g.away->Find(players.At(PlayerField::kPlayerId, row));
        sample::BattingLine versus = sample::VersusPitcher(*p, *g.homeStarter).Career();
        EXPECT_EQ(players.At(PlayerField::kBats, row), std::string(1, p->bats));
        EXPECT_EQ(players.At(PlayerField::kBatterSplitsAtBats, row),
                  versus.ab > 0 ? std::to_string(versus.ab) : "-");
        EXPECT_EQ(players.At(PlayerField::kBatterSeasonAtBats, row), std::to_string(p->batting.season.ab));
        EXPECT_EQ(players.At(PlayerField::kBatterSeasonAverage, row), sample::Rate3(p->batting.season.Avg()));
    }
    const auto& season = g.homeStarter->pitching.season;
    EXPECT_EQ(players.At(PlayerField::kThrows, pitcherRow), std::string(1, g.homeStarter->throws));
    EXPECT_EQ(players.At(PlayerField::kPitcherGameWins, pitcherRow) + "-" +
                  players.At(PlayerField::kPitcherGameLosses, pitcherRow),
              std::to_string(season.w) + "-" + std::to_string(season.l));
}

}  // namespace
}  // namespace quillbat::testing
