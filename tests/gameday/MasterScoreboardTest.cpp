#include "gameday/MasterScoreboard.h"

#include <gtest/gtest.h>

#include "GridSheet.h"
#include "TempFolder.h"
#include "gameday/FlatTableColumns.h"
#include "gameday/XmlText.h"
#include "gameday/XmlAttributeScan.h"

namespace quillbat {
namespace {

using testing::GridSheet;
using testing::TempFolder;
using namespace GameField;

const std::string kData = QUILLBAT_TEST_DATA "/gameday";

TEST(FindColumnTest, NamesAndPatterns) {
    ColumnNames names = {"id", "venue", " Away_Team_City ", "era", "wins", "x", "era2", "eraxx", "wins2"};
    struct Case {
        const char* name;
        int column;
    } cases[] = {
        {"era", 4},   {"eraxx", 7},  {"ERAXX", 7}, {"winsxx", 9},  {"away_team_city", 3},
        {" venue ", 2}, {"missing", 0}, {"missingxx", 0}, {"xx", 1}, {"ixx", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindColumn(names, c.name), c.column);
    }
    // The pattern's own prefix is not trimmed: " eraxx" looks for names beginning with " era".
    EXPECT_EQ(FindColumn(names, " eraxx"), 0);
    EXPECT_EQ(FindColumn({}, "id"), 0);
}

TEST(FindColumnTest, HeaderRowIsRowOneToLastColumn) {
    GridSheet sheet({{"a", "b"}, {"1", "2", "3"}});
    EXPECT_EQ(ReadHeaderRow(sheet), (ColumnNames{"a", "b", ""}));
}

TEST(ScanXmlFileAttributeTest, LinesAndOccurrences) {
    TempFolder dir;
    std::string file = dir.Write("s.xml",
                                 "<game VENUE=\"Park\" venue=\"Other\"\n"
                                 "  s_era=\"9.99\" xera=\"8.88\"\n"
                                 "  era=\"1.00\" era=\"2.00\"\n"
                                 "  era=\"3.00\"\n"
                                 "  era=broken\n"
                                 "  wins=\"unclosed\n");
    EXPECT_EQ(ScanXmlFileAttribute(file, "venue", 1), "Park");
    EXPECT_EQ(ScanXmlFileAttribute(file, "venue", 2), "");  // a line counts once
    EXPECT_EQ(ScanXmlFileAttribute(file, "era", 1), "1.00");
    EXPECT_EQ(ScanXmlFileAttribute(file, "era", 2), "3.00");
    EXPECT_EQ(ScanXmlFileAttribute(file, "wins", 1), "");
    EXPECT_EQ(ScanXmlFileAttribute(dir / "missing.xml", "era", 1), "");
}

TEST(ReadGameByScanningTest, OneRealPreviewGame) {
    GameTable games = ReadGameByScanning(kData + "/single/scoreboard_one_game.xml");
    ASSERT_EQ(games.Rows(), 1);
    EXPECT_EQ(games.At(kAwayCity, 1), "Texas");
    EXPECT_EQ(games.At(kHomeCity, 1), "LA Angels");
    EXPECT_EQ(games.At(kGamedayId, 1), "2013_04_22_texmlb_anamlb_1");
    EXPECT_EQ(games.At(kVenue, 1), "Angel Stadium of Anaheim");
    EXPECT_EQ(games.At(kHomePitcherName, 1), "Blanton");
    EXPECT_EQ(games.At(kHomePitcherEra, 1), "8.59");
    EXPECT_EQ(games.At(kAwayPitcherName, 1), "Holland, D");
    EXPECT_EQ(games.At(kAwayPitcherNumber, 1), "45");
    EXPECT_EQ(games.At(kAwayPitcherEra, 1), "1.64");
    EXPECT_EQ(games.At(kAwayFileCode, 1), "tex");
    EXPECT_EQ(games.At(kHomeFileCode, 1), "ana");
    EXPECT_EQ(games.At(kAwayLeagueId, 1), "103");
    EXPECT_EQ(games.At(kGameId, 1), "");
    EXPECT_EQ(games.At(kDoubleHeaderGame, 1), "");
}

TEST(ReadGameByScanningTest, FileWithoutGamesGivesOneEmptyGame) {
    TempFolder dir;
    GameTable games = ReadGameByScanning(dir.Write("empty.xml", "<games/>\n"));
    ASSERT_EQ(games.Rows(), 1);
    EXPECT_EQ(games.At(kAwayCity, 1), "");
}

const std::vector<std::string> kHeader = {
    "id", "venue", "away_team_city", "home_team_city", "gameday", "away_win", "away_loss",
    "home_win", "home_loss", "away_file_code", "home_file_code", "away_team_name", "home_team_name",
    "away_league_id", "home_league_id", "name_display_roster", "number", "wins", "losses", "era",
    "name_display_roster2", "number2", "wins2", "losses2", "era2", "inning"};

std::vector<std::string> GameRow(const std::string& id, const std::string& away, const std::string& inning) {
    return {id, "Park " + id, away, "Home", "gd_" + id, "10", "5", "6", "9", "aw", "hm", "Aways",
            "Homes", "103", "104", "HomeP", "55", "1", "2", "3.00", "AwayP", "45", "4", "0", "1.50", inning};
}

TEST(ReadGamesFromTableTest, OneGamePerIdWithEveryField) {
    GridSheet sheet({kHeader, GameRow("g1", "Boston", "1"), GameRow("g1", "Boston", "2"),
                     GameRow("g2", "Texas", "1")});
    std::vector<GamePitchers> pitchers = {{"g1", {"HomeP", "55", "1", "2", "3.00"}, {"AwayP", "45", "4", "0", "1.50"}}};
    GameTable games = ReadGamesFromTable(sheet, pitchers);
    ASSERT_EQ(games.Rows(), 2);
    EXPECT_EQ(games.At(kAwayCity, 1), "Boston");
    EXPECT_EQ(games.At(kVenue, 1), "Park g1");
    EXPECT_EQ(games.At(kGamedayId, 1), "gd_g1");
    EXPECT_EQ(games.At(kAwayWins, 1), "10");
    EXPECT_EQ(games.At(kHomeLosses, 1), "9");
    EXPECT_EQ(games.At(kAwayPitcherName, 1), "AwayP");
    EXPECT_EQ(games.At(kAwayPitcherEra, 1), "1.50");
    EXPECT_EQ(games.At(kHomePitcherName, 1), "HomeP");
    EXPECT_EQ(games.At(kHomePitcherEra, 1), "3.00");
    EXPECT_EQ(games.At(kGameId, 1), "g1");
    EXPECT_EQ(games.At(kHomeLeagueId, 1), "104");
    EXPECT_EQ(games.At(kAwayCity, 2), "Texas");
    EXPECT_EQ(games.At(kDoubleHeaderGame, 2), "");
    // The table's own name_display_roster columns belong to other elements (a game in
    // progress has a batter and a pitcher): without probable pitchers the fields stay empty.
    EXPECT_EQ(games.At(kHomePitcherName, 2), "");
    EXPECT_EQ(games.At(kAwayPitcherEra, 2), "");
}

TEST(ReadGamesFromTableTest, MissingRecordOrPitcherColumnsLeaveFieldsEmpty) {
    std::vector<std::string> header = {"id", "away_team_city", "home_team_city", "away_loss", "era"};
    GridSheet sheet({header, {"g1", "Boston", "Home", "5", "3.00"}});
    GameTable games = ReadGamesFromTable(sheet, {});
    ASSERT_EQ(games.Rows(), 1);
    EXPECT_EQ(games.At(kAwayCity, 1), "Boston");
    EXPECT_EQ(games.At(kAwayLosses, 1), "");  // records only with an away_win column
    EXPECT_EQ(games.At(kHomePitcherEra, 1), "");
    EXPECT_EQ(games.At(kVenue, 1), "");
}

TEST(ReadGamesFromTableTest, DoubleHeaders) {
    GridSheet sheet({kHeader, GameRow("a", "Boston", "1"), GameRow("b", "Texas", "1"),
                     GameRow("c", "Boston", "1"), GameRow("d", "Boston", "1"), GameRow("e", "Texas", "1")});
    GameTable games = ReadGamesFromTable(sheet, {});
    ASSERT_EQ(games.Rows(), 5);
    std::vector<std::string> marks;
    for (int g = 1; g <= 5; ++g) marks.push_back(games.At(kDoubleHeaderGame, g));
    EXPECT_EQ(marks, (std::vector<std::string>{"1", "1", "2", "", "2"}));
}

TEST(ReadGamesFromTableTest, HeaderOnlyGivesNoGames) {
    GridSheet sheet({kHeader});
    EXPECT_EQ(ReadGamesFromTable(sheet, {}).Rows(), 0);
}

TEST(ProbablePitchersTest, OnlyTheGamesOwnElementsOnARealMixedDay) {
    auto pitchers = ReadProbablePitchers(kData + "/year_2013/month_04/day_22/master_scoreboard.xml");
    std::vector<std::string> ids;
    for (const auto& g : pitchers) ids.push_back(g.gameId);
    EXPECT_EQ(ids, (std::vector<std::string>{"2013/04/22/texmlb-anamlb-1", "2013/04/22/milmlb-sdnmlb-1",
                                             "2013/04/22/arimlb-sfnmlb-1"}));
    const GamePitchers* tex = FindGamePitchers(pitchers, "2013/04/22/texmlb-anamlb-1");
    ASSERT_NE(tex, nullptr);
    EXPECT_EQ(tex->home.name, "Blanton");
    EXPECT_EQ(tex->home.number, "55");
    EXPECT_EQ(tex->home.wins, "0");
    EXPECT_EQ(tex->home.losses, "3");
    EXPECT_EQ(tex->home.era, "8.59");  // not s_era
    EXPECT_EQ(tex->away.name, "Holland, D");
    EXPECT_EQ(tex->away.era, "1.64");
    EXPECT_EQ(FindGamePitchers(pitchers, "2013/04/22/oakmlb-bosmlb-1"), nullptr);  // in progress
}

TEST(ProbablePitchersTest, OddMarkup) {
    TempFolder dir;
    std::string file = dir.Write("s.xml",
        "<games><game id=\"a\"><home_probable_pitcher_note era=\"9\"/>"
        "<home_probable_pitcher\tname_display_roster=\"O&apos;Day &amp; Co\"\nxera=\"1\" era=\"2.50\"/>"
        "</game><game id=\"b\"><away_probable_pitcher name_display_roster=\"Pe&#241;a\" era=\"1.00"
        "</game><gameday id=\"c\"/></games>");
    auto pitchers = ReadProbablePitchers(file);
    ASSERT_EQ(pitchers.size(), 2u);
    EXPECT_EQ(pitchers[0].home.name, "O'Day & Co");
    EXPECT_EQ(pitchers[0].home.era, "2.50");
    EXPECT_EQ(pitchers[0].away.name, "");
    EXPECT_EQ(pitchers[1].away.name, "Pe\xC3\xB1""a");
    EXPECT_EQ(pitchers[1].away.era, "");  // no closing quote
    EXPECT_TRUE(ReadProbablePitchers(dir / "missing.xml").empty());
}

TEST(DecodeXmlTextTest, References) {
    EXPECT_EQ(DecodeXmlText("a &lt;b&gt; &quot;c&quot; &apos;d&apos; &amp;amp;"), "a <b> \"c\" 'd' &amp;");
    EXPECT_EQ(DecodeXmlText("&#233;&#xE9;&#x1F600;"), "\xC3\xA9\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(DecodeXmlText("&nbsp; &#; &#xZZ; & alone &#0;"), "&nbsp; &#; &#xZZ; & alone &#0;");
}

}  // namespace
}  // namespace quillbat
