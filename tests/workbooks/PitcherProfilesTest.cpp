// The pitcher profiles made from the program's own template with answered readers: what a
// reader's failure leaves out, the fallback batter list, the cut of a long list, the shading.

#include "workbooks/PitcherProfiles.h"

#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "TempFolder.h"
#include "gameday/PlayersTable.h"
#include "platform/FileSystem.h"

namespace quillbat {
namespace {

StatsRow Row(std::vector<std::pair<const char*, std::string>> cells) {
    StatsRow row;
    for (const auto& [name, value] : cells) row.AddColumn(name), row.AddValue(value);
    return row;
}

// The visitor's pitcher has figures on every site and 40 ESPN batters; the home pitcher has
// no pitch types, no ESPN page and no plate appearances on Baseball-Reference.
ProfileReaders Readers(std::vector<std::string>& asked) {
    const std::string home = "Kyle Kirby";
    return {
        [&asked, home](FanGraphsRequest& r, StatsRow& row) {
            asked.push_back(r.playerName);
            if (r.group == "Pitch Type")
                row = Row({{"FB%", "60.4 %"}, {"FBv", "92.1"}});
            else
                row = Row({{"SwStr%", r.playerName == "Average" ? "9.0" : "11.5"}});
            return std::string(r.playerName == home && r.group == "Pitch Type" ? "Invalid player name" : "");
        },
        [home](const BrcRequest& r, StatsRow& row) {
            row = Row({{"PA", r.rowName == home ? "0" : "700"}, {"Pit", "2800"}, {"Str%", "60.0"}});
            return std::string();
        },
        [home](const EspnRequest& r, BatterVersusPitcher& result) {
            for (int i = 1; i <= 40 && r.pitcherName != home; ++i)
                result.batters.push_back(Row({{"Batter", "Batter " + std::to_string(100 + i).substr(1)},
                                              {"AB", "15"},
                                              {"H", "5"},
                                              {"2B", ""},
                                              {"3B", ""},
                                              {"HR", "1"},
                                              {"RBI", ""},
                                              {"BB", ""},
                                              {"SO", ""},
                                              {"AVG", ".333"}}));
            return std::string(r.pitcherName == home ? "Download error: 404" : "");
        }};
}

TEST(PitcherProfilesTest, EachSideIsFilledAsItsReadersAnswered) {
    testing::TempFolder root;
    Settings settings;
    settings.programLog = root / "Quillbat.log";
    settings.templatesDir = QUILLBAT_TEMPLATES;
    settings.outputDir = root.path();
    PlayersTable players;
    for (auto [side, position, name] : {std::tuple{"away", "P", "Away Pitcher"},
                                        {"away", "LF", "Away Batter"},
                                        {"home", "SS", "Home Batter"}}) {
        int row = players.AddRow();
        players.Set(PlayerField::kSide, row, side);
        players.Set(PlayerField::kPosition, row, position);
        players.Set(PlayerField::kBoxScoreName, row, name);
        players.Set(PlayerField::kBatterSplitsAverage, row, ".350");
        players.Set(PlayerField::kBatterSplitsAtBats, row, "20");
    }
    testing::ScriptedUi ui;
    std::vector<std::string> asked;
    PitcherProfilesSources sources{settings, players, ui, Readers(asked), nullptr};
    ASSERT_EQ(CreatePitcherProfiles(sources, {"Twins (38-47)", "Tigers (47-38)", "Twins", "Tigers", "min",
                                              "det", "AL", "AL", "Hanley, Jacob (3-6, 3.89)",
                                              "Kyle Kirby (6-4, 5.53)", "Comerica Park", "07/04/2014"}),
              "");
    ExcelApplication app;
    ExcelWorkbook* book = nullptr;
    ASSERT_EQ(app.Open(JoinPath(settings.outputDir, kPitcherProfilesOutput), book), "");
    ExcelWorksheet sheet = book->Worksheets(1);
    auto text = [&](int row, int column) { return xls::DisplayText(sheet.Cells(row, column).Value()); };
    auto shaded = [&](int row, int column) { return sheet.Cells(row, column).Color() != 0xFFFFFF; };

    EXPECT_EQ(text(1, 1) + "|" + text(3, 1), "Visitors: Twins (38-47)|Twins: Hanley, Jacob (3-6, 3.89)");
    EXPECT_EQ(asked.front(), "Jacob Hanley");
    EXPECT_EQ(text(5, 2) + "|" + text(5, 3) + "|" + text(23, 2) + "|" + text(23, 3), "60.4 %|92.1|11.5|9");
    EXPECT_EQ(text(5, 11) + "|" + text(5, 12), "Fastball|");
    // Only the visitor's pitcher faced batters, so only his values are held against the marks.
    EXPECT_TRUE(shaded(23, 2) && shaded(26, 2));
    EXPECT_FALSE(shaded(23, 12) || shaded(26, 12) || shaded(26, 13));
    // ESPN's 40 batters are cut to the rows there is room for, and the log says so.
    EXPECT_EQ(text(5, 5) + "|" + text(5, 6) + "|" + text(5, 7) + "|" + text(5, 9), "Batter 01|0.333|15|1");
    EXPECT_EQ(text(kLastBatterRow, 5) + "|" + text(kLastBatterRow + 1, 5), "Batter 38|");
    EXPECT_NE(ReadTextFile(settings.programLog).find("2 of 40 batters"), std::string::npos);
    EXPECT_TRUE(shaded(5, 6));
    // Without ESPN the home side lists the visitors' non-pitchers from the players table.
    EXPECT_EQ(text(5, 15) + "|" + text(6, 15) + "|" + text(4, 18) + "|" + text(4, 19), "Away Batter||HR|RBI");
    EXPECT_TRUE(shaded(5, 16));
}

}  // namespace
}  // namespace quillbat
