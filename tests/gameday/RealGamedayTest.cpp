// Flat tables of real gameday files, each checked against the file's own structure (read with
// pugixml directly): every copy in the test data (tests/data/README.md says what each shows),
// and, when the build is told where the full captured set lives (QUILLBAT_REALDATA_DIR), every
// file of it.

#include <gtest/gtest.h>

#include <filesystem>
#include <pugixml.hpp>

#include "gameday/FlatTableColumns.h"
#include "gameday/XmlToWorkbook.h"

namespace quillbat::testing {
namespace {

namespace fs = std::filesystem;
using Record = std::vector<std::string>;

FlatTable Read(const std::string& path) {
    FlatTable table;
    EXPECT_EQ(ReadXmlFlatTable(path, table), "");
    return table;
}

pugi::xml_document Load(const std::string& path) {
    pugi::xml_document document;
    EXPECT_TRUE(document.load_file(path.c_str(), pugi::parse_default, pugi::encoding_utf8)) << path;
    return document;
}

// The column the readers take for the second element's copy of a repeated attribute name.
int Repeated(const FlatTable& table, const std::string& name) {
    return FindColumn(table.columns, name + "xx") - 1;
}

bool IsStarter(const std::string& bo) {
    return bo.size() == 3 && bo.substr(1) == "00" && bo[0] >= '1' && bo[0] <= '9';
}

// Every starter (a batter whose bo is a multiple of 100) once, in document order, with his
// side, position, id, name and average in the batting columns; every pitcher with his side,
// id, name and ERA in the pitching columns.
void CheckBoxScore(const std::string& path) {
    SCOPED_TRACE(path);
    FlatTable table = Read(path);
    pugi::xml_document document = Load(path);

    // Files made before 2010 have no name_display_first_last, only name.
    const char* nameAttribute =
        table.IndexOf("name_display_first_last") >= 0 ? "name_display_first_last" : "name";
    int side = Repeated(table, "team_flag"), pos = Repeated(table, "pos"), id = Repeated(table, "id"),
        name = Repeated(table, nameAttribute), avg = Repeated(table, "avg"), bo = table.IndexOf("bo");
    ASSERT_TRUE(side >= 0 && pos >= 0 && id >= 0 && name >= 0 && avg >= 0 && bo >= 0);
    std::vector<Record> expected, actual;
    for (pugi::xml_node batting : document.child("boxscore").children("batting")) {
        for (pugi::xml_node batter : batting.children("batter")) {
            if (!IsStarter(batter.attribute("bo").value())) continue;
            expected.push_back({batting.attribute("team_flag").value(), batter.attribute("bo").value(),
                                batter.attribute("pos").value(), batter.attribute("id").value(),
                                batter.attribute(nameAttribute).value(), batter.attribute("avg").value()});
        }
    }
    for (int r = 0; r < static_cast<int>(table.rows.size()); ++r) {
        if (!IsStarter(table.Cell(r, bo))) continue;
        actual.push_back({table.Cell(r, side), table.Cell(r, bo), table.Cell(r, pos), table.Cell(r, id),
                          table.Cell(r, name), table.Cell(r, avg)});
    }
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(expected.size(), 18u) << "nine starters a side";

    int pitchingSide = table.IndexOf("team_flag"), pitcherId = table.IndexOf("id"),
        pitcherName = table.IndexOf(nameAttribute), era = Repeated(table, "era");
    ASSERT_TRUE(pitchingSide >= 0 && pitcherId >= 0 && pitcherName >= 0 && era >= 0);
    expected.clear(), actual.clear();
    for (pugi::xml_node pitching : document.child("boxscore").children("pitching")) {
        for (pugi::xml_node pitcher : pitching.children("pitcher")) {
            expected.push_back({pitching.attribute("team_flag").value(), pitcher.attribute("id").value(),
                                pitcher.attribute(nameAttribute).value(), pitcher.attribute("era").value()});
        }
    }
    for (int r = 0; r < static_cast<int>(table.rows.size()); ++r) {
        if (table.Cell(r, pitcherId).empty()) continue;
        actual.push_back({table.Cell(r, pitchingSide), table.Cell(r, pitcherId), table.Cell(r, pitcherName),
                          table.Cell(r, era)});
    }
    EXPECT_EQ(actual, expected);
}

// One row per player, in order, with his id in "id2" and his team's type on the row.
void CheckPlayers(const std::string& path) {
    SCOPED_TRACE(path);
    FlatTable table = Read(path);
    pugi::xml_document document = Load(path);  // ids and team types are ASCII in every encoding
    int id = Repeated(table, "id"), type = table.IndexOf("type"), last = table.IndexOf("last");
    ASSERT_TRUE(id >= 0 && type >= 0 && last >= 0);
    EXPECT_EQ(table.columns[static_cast<std::size_t>(id)], "id2");
    std::vector<Record> expected, actual;
    for (pugi::xml_node team : document.child("game").children("team")) {
        for (pugi::xml_node player : team.children("player")) {
            expected.push_back({team.attribute("type").value(), player.attribute("id").value()});
        }
    }
    for (int r = 0; r < static_cast<int>(table.rows.size()); ++r) {
        if (!table.Cell(r, id).empty()) actual.push_back({table.Cell(r, type), table.Cell(r, id)});
    }
    EXPECT_EQ(actual, expected);
    EXPECT_GT(expected.size(), 40u);
}

// Each game's rows together and in order, the first carrying the game's attributes and its
// probable pitchers; counts the games whose probable pitchers were checked.
void CheckScoreboard(const std::string& path, int& gamesWithProbablePitchers) {
    SCOPED_TRACE(path);
    FlatTable table = Read(path);
    pugi::xml_document document = Load(path);
    int gameday = table.IndexOf("gameday");
    ASSERT_GE(gameday, 0);
    int row = 0;
    const int rows = static_cast<int>(table.rows.size());
    for (pugi::xml_node game : document.child("games").children("game")) {
        std::string gid = game.attribute("gameday").value();
        ASSERT_LT(row, rows) << gid;
        ASSERT_EQ(table.Cell(row, gameday), gid) << "games in order, each starting where the last ended";
        for (const char* attribute :
             {"id", "venue", "home_team_name", "away_team_name", "away_code", "home_file_code"}) {
            EXPECT_EQ(table.Cell(row, table.IndexOf(attribute)), game.attribute(attribute).value()) << gid;
        }
        for (const char* pitcher : {"home_probable_pitcher", "away_probable_pitcher"}) {
            pugi::xml_node probable = game.child(pitcher);
            if (!probable) continue;
            std::string suffix = std::string(pitcher) == "home_probable_pitcher" ? "" : "2";
            if (suffix.empty()) ++gamesWithProbablePitchers;
            for (const char* attribute : {"first_name", "last_name", "s_era"})
                EXPECT_EQ(table.Cell(row, table.IndexOf(attribute + suffix)),
                          probable.attribute(attribute).value());
        }
        while (row < rows && table.Cell(row, gameday) == gid) ++row;
    }
    EXPECT_EQ(row, rows) << "no rows beyond the games";
}

struct Checked {
    int boxScores = 0, players = 0, scoreboards = 0, gamesWithProbablePitchers = 0;
};

// Checks every box score, players file and master scoreboard below root.
Checked CheckEveryFile(const std::string& root) {
    std::vector<fs::path> files(fs::recursive_directory_iterator(root), {});
    std::sort(files.begin(), files.end());
    Checked checked;
    for (const fs::path& file : files) {
        if (file.filename() == "boxscore.xml") CheckBoxScore(file), ++checked.boxScores;
        if (file.filename() == "players.xml") CheckPlayers(file), ++checked.players;
        if (file.filename() == "master_scoreboard.xml")
            CheckScoreboard(file, checked.gamesWithProbablePitchers), ++checked.scoreboards;
    }
    return checked;
}

TEST(RealGameday, TestDataFilesGiveEachStarterPlayerAndGameInOrder) {
    Checked checked = CheckEveryFile(std::string(QUILLBAT_TEST_DATA) + "/gameday");
    EXPECT_EQ(checked.boxScores, 5);
    EXPECT_EQ(checked.players, 4);
    EXPECT_EQ(checked.scoreboards, 16);
    EXPECT_EQ(checked.gamesWithProbablePitchers, 3) << "the three 2013 games before their start";
}

TEST(AllRealGameday, EveryBoxScorePlayersFileAndScoreboard) {
    std::string root = QUILLBAT_REALDATA_DIR;
    if (root.empty() || !fs::is_directory(root))
        GTEST_SKIP() << "QUILLBAT_REALDATA_DIR not set or not present";
    Checked checked = CheckEveryFile(root);
    EXPECT_GT(checked.boxScores, 0);
    RecordProperty("boxscores", checked.boxScores);
}

}  // namespace
}  // namespace quillbat::testing
