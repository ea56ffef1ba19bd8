// The gameday files of the sample world carry what the game list, the box score reader and
// the player data collection read.

#include <gtest/gtest.h>

#include <set>

#include "GridSheet.h"
#include "SampleWorld.h"
#include "gameday/BoxscoreLineups.h"
#include "gameday/FlatTable.h"
#include "gameday/MasterScoreboard.h"
#include "NetTestSession.h"
#include "Versus.h"
#include "gameday/PlayerData.h"

namespace quillbat::testing {
namespace {

using sample::Day;
using sample::Game;
using sample::GameState;

const std::string kBase = "/components/game/mlb/";

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

// A flat table as the readers take it.
GridSheet SheetOf(const std::string& xml) {
    FlatTable table;
    EXPECT_EQ(ParseFlatTable(xml, table), "");
    std::vector<std::vector<std::string>> rows = {table.columns};
    rows.insert(rows.end(), table.rows.begin(), table.rows.end());
    return GridSheet(rows);
}

// The program's scoreboard readers find each day's games as the world scheduled them: cities,
// ids, records, leagues, the doubleheader's marks, and for games not yet played their own
// probable pitchers (a game about to start carries live pitchers before them). The days hold
// every game state.
TEST(SampleScoreboard, ReadersFindEveryDaysGames) {
    std::set<GameState> states;
    int doubleheaders = 0, warmingUp = 0;
    for (const Day& day : TheWorld().days) {
        std::string xml = Scoreboard(day);
        GameTable games = ReadGamesFromTable(SheetOf(xml), ReadProbablePitchers(xml));
        if (day.games.empty()) {  // the game list's test for a day without games
            EXPECT_TRUE(games.Rows() == 0 || games.At(GameField::kAwayCity, 1).empty()) << day.UsDate();
            continue;
        }
        ASSERT_EQ(games.Rows(), static_cast<int>(day.games.size())) << day.UsDate();
        for (int row = 1; row <= games.Rows(); ++row) {
            const Game& g = day.games[static_cast<std::size_t>(row - 1)];
            states.insert(g.state);
            doubleheaders += g.number == 2;
            warmingUp += g.warmingUp && day.UsDate() == sample::kLineupsDay;
            bool pitchers = g.state != GameState::Final && g.state != GameState::Postponed;
            auto pitcher = [&](const sample::Player& p) {
                const auto& s = p.pitching.season;
                return pitchers ? p.number + " " + std::to_string(s.w) + "-" + std::to_string(s.l) : " -";
            };
            std::string expected = g.away->club.teamCity + "|" + g.home->club.teamCity + "|" +
                                   g.GamedayId(day.Underscored()) + "|" + std::to_string(g.away->wins) + "-" +
                                   std::to_string(g.home->losses) + "|" + g.away->club.fileCode + "|" +
                                   g.home->club.LeagueId() + "|" +
                                   (g.doubleHeader ? std::to_string(g.number) : "") + "|" +
                                   pitcher(*g.awayStarter) + "|" + pitcher(*g.homeStarter);
            using namespace GameField;
            auto at = [&](int field) { return games.At(field, row); };
            EXPECT_EQ(at(kAwayCity) + "|" + at(kHomeCity) + "|" + at(kGamedayId) + "|" + at(kAwayWins) + "-" +
                          at(kHomeLosses) + "|" + at(kAwayFileCode) + "|" + at(kHomeLeagueId) + "|" +
                          at(kDoubleHeaderGame) + "|" + at(kAwayPitcherNumber) + " " + at(kAwayPitcherWins) +
                          "-" + at(kAwayPitcherLosses) + "|" + at(kHomePitcherNumber) + " " +
                          at(kHomePitcherWins) + "-" + at(kHomePitcherLosses),
                      expected)
                << day.UsDate();
        }
    }
    EXPECT_EQ(states.size(), 4u);
    EXPECT_EQ(doubleheaders, 1);
    EXPECT_EQ(warmingUp, 1);
}

// Box scores and players files exist exactly where lineups are posted, and the program's readers
// find each posted game's nine starters per side in batting order, the starting pitchers with
// their numbers, and every active player.
TEST(SampleGameFiles, ExistWhereLineupsArePostedAndGiveLineupsStartersAndPlayers) {
    WrittenWith(sample::WriteBoxscores);
    WrittenWith(sample::WritePlayersFiles);
    for (const Day& day : TheWorld().days)
        for (const Game& g : day.games) {
            bool posted = g.state == GameState::Final || g.state == GameState::LineupsPosted;
            EXPECT_EQ(!GameFile(day, g, "boxscore.xml").empty(), posted) << g.GamedayId(day.Underscored());
            EXPECT_EQ(!GameFile(day, g, "players.xml").empty(), posted) << g.GamedayId(day.Underscored());
        }
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
    using namespace PlayerField;
    WrittenWith(sample::WritePlayerGameFiles);
    WrittenWith(sample::WriteSeasonFiles);
    const Day& day = DayOf(sample::kLineupsDay);
    const Game& g = day.games.front();
    NetTestSession net;
    PlayersTable players;
    for (const auto& [p, position] : g.away->Lineup(g.awayStarter, g.DesignatedHitter())) {
        if (p->IsPitcher()) continue;
        int row = players.AddRow();
        players.Set(kPlayerId, row, p->id);
        net.folder.Write("temp/" + p->id + "_game.xml", GameFile(day, g, "batters/" + p->id + ".xml"));
        net.folder.Write("temp/" + p->id + "_season.xml",
                         SampleFile("gd2", kBase + "year_2014/batters/" + p->id + ".xml"));
    }
    int pitcherRow = players.AddRow();
    players.Set(kPlayerId, pitcherRow, g.homeStarter->id);
    players.Set(kPosition, pitcherRow, "P");
    net.folder.Write("temp/" + g.homeStarter->id + "_game.xml",
                     GameFile(day, g, "pitchers/" + g.homeStarter->id + ".xml"));
    net.settings.gamedayBaseUrl = "http://127.0.0.1:1";  // nothing answers: the files on disk count
    ReadPlayerGameFiles(net.session, "http://127.0.0.1:1/g", players,
                        [](const std::string&) { return false; });
    ReadPlayerSeasonFiles(net.session, "2014", players);
    for (int row = 1; row < pitcherRow; ++row) {
        const sample::Player* p = g.away->Find(players.At(kPlayerId, row));
        sample::BattingLine versus = sample::VersusPitcher(*p, *g.homeStarter).Career();
        EXPECT_EQ(players.At(kBats, row), std::string(1, p->bats));
        EXPECT_EQ(players.At(kBatterSplitsAtBats, row), versus.ab > 0 ? std::to_string(versus.ab) : "-");
        EXPECT_EQ(players.At(kBatterSeasonAtBats, row), std::to_string(p->batting.season.ab));
        EXPECT_EQ(players.At(kBatterSeasonAverage, row), sample::Rate3(p->batting.season.Avg()));
    }
    const auto& season = g.homeStarter->pitching.season;
    EXPECT_EQ(players.At(kThrows, pitcherRow), std::string(1, g.homeStarter->throws));
    EXPECT_EQ(players.At(kPitcherGameWins, pitcherRow) + "-" + players.At(kPitcherGameLosses, pitcherRow),
              std::to_string(season.w) + "-" + std::to_string(season.l));
}

}  // namespace
}  // namespace quillbat::testing
