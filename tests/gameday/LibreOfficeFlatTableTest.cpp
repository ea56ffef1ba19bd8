// LibreOffice reads the flat tables we write of real gameday files: one headless run converts
// them all to CSV, and every header and cell is the one the converter produced.

#include <gtest/gtest.h>

#include <filesystem>

#include "LibreOfficeRun.h"
#include "NetTestSession.h"
#include "gameday/GamedayAddresses.h"
#include "gameday/XmlToWorkbook.h"

namespace quillbat::testing {
namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::vector<std::string>>;

// CSV as LibreOffice writes it: fields quoted when they hold a comma, quote or line break.
Rows ParseCsv(const std::string& text) {
    Rows rows(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += '"', ++i;
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().push_back(field), field.clear();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            rows.back().push_back(field), field.clear();
            rows.emplace_back();
        } else {
            field += c;
        }
    }
    if (!field.empty() || !rows.back().empty()) rows.back().push_back(field);
    if (rows.back().empty()) rows.pop_back();
    return rows;
}

std::vector<std::string> Padded(std::vector<std::string> cells, std::size_t width) {
    cells.resize(width);
    return cells;
}

TEST(LibreOfficeFlatTable, ReadsTheTablesOfRealBoxScoresAndPlayersFiles) {
    if (!HasLibreOffice()) GTEST_SKIP() << "LibreOffice is not installed";
    NetTestSession net;
    std::vector<std::string> xlsFiles;
    std::vector<FlatTable> expected;
    int n = 0;
    for (const auto& entry : fs::recursive_directory_iterator(std::string(QUILLBAT_TEST_DATA) + "/gameday")) {
        std::string name = entry.path().filename().string();
        if (name != "boxscore.xml" && name != "players.xml") continue;
        std::string xml = net.folder / (std::to_string(++n) + "_" + name);
        ASSERT_TRUE(CopyFile(entry.path().string(), xml, false));
        ASSERT_EQ(ConvertXmlToWorkbook(net.settings, xml), "") << entry.path();
        expected.emplace_back();
        ASSERT_EQ(ReadXmlFlatTable(xml, expected.back()), "");
        xlsFiles.push_back(FlatTablePath(xml));
    }
    ASSERT_GE(xlsFiles.size(), 9u);

    ASSERT_TRUE(ConvertWithLibreOffice(net.folder, "csv:Text - txt - csv (StarCalc):44,34,76", xlsFiles))
        << "LibreOffice could not convert the tables";

    for (std::size_t i = 0; i < xlsFiles.size(); ++i) {
        SCOPED_TRACE(xlsFiles[i]);
        std::string csv = net.folder / ("out/" + fs::path(xlsFiles[i]).stem().string() + ".csv");
        Rows rows = ParseCsv(ReadFile(csv));
        const FlatTable& table = expected[i];
        ASSERT_EQ(rows.size(), table.rows.size() + 1);
        std::size_t width = table.columns.size();
        EXPECT_EQ(Padded(rows[0], width), table.columns);
        int mismatched = 0;
        for (std::size_t r = 0; r < table.rows.size(); ++r)
            mismatched += Padded(rows[r + 1], width) != table.rows[r];
        EXPECT_EQ(mismatched, 0);
    }
}

}  // namespace
}  // namespace quillbat::testing
