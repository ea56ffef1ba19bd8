#include "RealGamedayFiles.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "gameday/XmlToWorkbook.h"

namespace quillbat::testing {

namespace {

// The first column whose name begins with the given one and is longer: how the readers find
// the second element's copy of a repeated attribute name.
int FindLonger(const FlatTable& table, const std::string& name) {
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        const std::string& column = table.columns[i];
        if (column.size() > name.size() && column.compare(0, name.size(), name) == 0) return static_cast<int>(i);
    }
    return -1;
}

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

using Record = std::vector<std::string>;

bool IsStarter(const std::string& bo) { return bo.size() == 3 && bo.substr(1) == "00" && bo[0] >= '1' && bo[0] <= '9'; }

}  // namespace

void CheckBoxScore(const std::string& path) {
    SCOPED_TRACE(path);
    FlatTable table = Read(path);
    pugi::xml_document document = Load(path);

    // Files made before 2010 have no name_display_first_last, only name.
    const char* nameAttribute = table.IndexOf("name_display_first_last") >= 0 ? "name_display_first_last" : "name";
    int side = FindLonger(table, "team_flag"), pos = FindLonger(table, "pos"), id = FindLonger(table, "id"),
        name = FindLonger(table, nameAttribute), avg = FindLonger(table, "avg"), bo = table.IndexOf("bo");
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
        pitcherName = table.IndexOf(nameAttribute), era = FindLonger(table, "era");
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

void CheckPlayers(const std::string& path) {
    SCOPED_TRACE(path);
    FlatTable table = Read(path);
    pugi::xml_document document = Load(path);  // ids and team types are ASCII in every encoding
    int id = FindLonger(table, "id"), type = table.IndexOf("type"), last = table.IndexOf("last");
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

void CheckScoreboard(const std::string& path, int* gamesWithProbablePitchers) {
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
        for (const char* attribute : {"id", "venue", "home_team_name", "away_team_name", "away_code", "home_file_code"}) {
            EXPECT_EQ(table.Cell(row, table.IndexOf(attribute)), game.attribute(attribute).value()) << gid;
        }
        for (const char* pitcher : {"home_probable_pitcher", "away_probable_pitcher"}) {
            pugi::xml_node probable = game.child(pitcher);
            if (!probable) continue;
            std::string suffix = std::string(pitcher) == "home_probable_pitcher" ? "" : "2";
            if (gamesWithProbablePitchers && suffix.empty()) ++*gamesWithProbablePitchers;
            EXPECT_EQ(table.Cell(row, table.IndexOf("first_name" + suffix)), probable.attribute("first_name").value());
            EXPECT_EQ(table.Cell(row, table.IndexOf("last_name" + suffix)), probable.attribute("last_name").value());
            EXPECT_EQ(table.Cell(row, table.IndexOf("s_era" + suffix)), probable.attribute("s_era").value());
        }
        while (row < rows && table.Cell(row, gameday) == gid) ++row;
    }
    EXPECT_EQ(row, rows) << "no rows beyond the games";
}

}  // namespace quillbat::testing
