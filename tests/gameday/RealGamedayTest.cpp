// Flat tables of real gameday files: the copies in the test data, and, when the build is told
// where the full captured set lives (QUILLBAT_REALDATA_DIR), every file of it.

#include <gtest/gtest.h>

#include <filesystem>

#include "RealGamedayFiles.h"
#include "gameday/XmlToWorkbook.h"

namespace quillbat::testing {
namespace {

namespace fs = std::filesystem;

std::string Data(const std::string& path) { return std::string(QUILLBAT_TEST_DATA) + "/gameday/" + path; }

const char* const kBoxScores[] = {
    "year_2017/month_04/day_07/gid_2017_04_07_bosmlb_detmlb_1/boxscore.xml",  // pretty layout
    "year_2011/month_07/day_04/gid_2011_07_04_tormlb_bosmlb_1/boxscore.xml",  // compact, doubled blanks
    "year_2009/month_09/day_15/gid_2009_09_15_kcamlb_detmlb_1/boxscore.xml",  // tabs, final LF
    "year_2009/month_05/day_07/gid_2009_05_07_milmlb_cinmlb_1/boxscore.xml",  // explicit end tags
    "year_2017/month_04/day_03/gid_2017_04_03_detmlb_chamlb_1/boxscore.xml",  // postponed game
};
const char* const kPlayers[] = {
    "year_2017/month_04/day_07/gid_2017_04_07_bosmlb_detmlb_1/players.xml",
    "year_2017/month_04/day_01/gid_2017_04_01_pitmlb_tormlb_1/players.xml",  // Latin-1 bytes
    "year_2014/month_06/day_18/gid_2014_06_18_colmlb_lanmlb_1/players.xml",  // UTF-8 accents
    "year_2008/month_05/day_10/gid_2008_05_10_cinmlb_nynmlb_1/players.xml",
};
const char* const kScoreboards[] = {
    "year_2017/month_04/day_07/master_scoreboard.xml",
    "year_2013/month_04/day_22/master_scoreboard.xml",  // probable pitchers
};

TEST(RealGameday, BoxScoresGiveEachStarterOnceInOrder) {
    for (const char* path : kBoxScores) CheckBoxScore(Data(path));
}

TEST(RealGameday, PlayersFilesGiveOneRowPerPlayer) {
    for (const char* path : kPlayers) CheckPlayers(Data(path));
}

TEST(RealGameday, ScoreboardsGiveAFirstRowPerGameWithItsAttributes) {
    int withProbablePitchers = 0;
    for (const char* path : kScoreboards) CheckScoreboard(Data(path), &withProbablePitchers);
    EXPECT_EQ(withProbablePitchers, 3) << "the three 2013 games before their start";
}

TEST(RealGameday, Latin1PlayersFileReadsAsUtf8) {
    FlatTable table;
    ASSERT_EQ(ReadXmlFlatTable(Data(kPlayers[1]), table), "");
    int id = table.IndexOf("id2"), boxname = table.IndexOf("boxname");
    int row = 0;
    while (row < static_cast<int>(table.rows.size()) && table.Cell(row, id) != "553869") ++row;
    EXPECT_EQ(table.Cell(row, boxname),
              "D\xC3\xAD"
              "az, E");
}

// The whole captured set, when the build knows where it is.
std::vector<std::string> RealFiles(const std::string& name) {
    std::vector<std::string> files;
    std::string root = QUILLBAT_REALDATA_DIR;
    if (root.empty() || !fs::is_directory(root)) return files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.path().filename() == name) files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(AllRealGameday, EveryBoxScorePlayersFileAndScoreboard) {
    std::vector<std::string> boxScores = RealFiles("boxscore.xml");
    if (boxScores.empty()) GTEST_SKIP() << "QUILLBAT_REALDATA_DIR not set or not present";
    for (const std::string& path : boxScores) CheckBoxScore(path);
    for (const std::string& path : RealFiles("players.xml")) CheckPlayers(path);
    for (const std::string& path : RealFiles("master_scoreboard.xml")) CheckScoreboard(path);
    RecordProperty("boxscores", static_cast<int>(boxScores.size()));
}

}  // namespace
}  // namespace quillbat::testing
