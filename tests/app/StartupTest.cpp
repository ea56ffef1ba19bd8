#include "app/Startup.h"
#include "app/SpreadsheetCheck.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "StartupFixture.h"
#include "platform/FileSystem.h"
#include "platform/IniFile.h"

namespace quillbat {
namespace {

using testing::ReadFile;
using testing::StartupFixture;

// Starts the program on the fixture's folders and hands back its settings.
Settings Started(StartupFixture& f, const std::string& commandLine = "") {
    AppContext ctx(f.ui);
    EXPECT_EQ(f.Start(ctx, commandLine), "");
    return ctx.settings;
}

TEST(StartupTest, FirstStartWithEmptyHome) {
    StartupFixture f;
    AppContext ctx(f.ui);
    ASSERT_EQ(f.Start(ctx), "");
    const Settings& s = ctx.settings;
    EXPECT_EQ(s.outputDir, f.root / "prog/Output");
    EXPECT_TRUE(FolderExists(s.outputDir));
    EXPECT_EQ(s.logosDir, f.root / "prog/Logos");
    EXPECT_EQ(s.templatesDir, f.root / "prog/Templates");
    EXPECT_FALSE(FolderExists(s.logosDir));  // neither created nor checked
    EXPECT_EQ(s.tempDirRoot, f.root / "tmp");
    EXPECT_EQ(s.tempFolder, f.root / "tmp/quillbat");
    EXPECT_TRUE(FolderExists(s.tempFolder));
    EXPECT_EQ(s.selectedGameDate, "07/04/2014");
    EXPECT_EQ(s.gamedayBaseUrl, "http://gd2.mlb.com/components/game/mlb");
    EXPECT_EQ(s.dataSourcesLine,
              "Data Sources: statsapi.mlb.com, www.fangraphs.com, www.baseball-reference.com");
    EXPECT_EQ(s.saveFormat, -4143);
    EXPECT_EQ(ctx.teams.teams.Rows(), 30);

    EXPECT_EQ(ReadFile(f.Ini()), "[Config]\nOutputDir=" + s.outputDir + "\nLogosDir=" + s.logosDir +
                                     "\nTemplatesDir=" + s.templatesDir + "\nTempDirRoot=" + s.tempDirRoot +
                                     "\n");

    SaveSettingsOnExit(s);
    for (const char* key : {"CreateScorecards", "CreateRosters", "CreatePitcherProfiles", "PrintOutput"})
        EXPECT_EQ(ReadIniValue(f.Ini(), "LastRun", key), "N") << key;
}

TEST(StartupTest, OutputFolderFallsBackThroughHomeFolders) {
    StartupFixture f;
    std::filesystem::create_directories(f.root / "home/Documents");
    EXPECT_EQ(Started(f).outputDir, f.root / "home/Documents");

    std::filesystem::create_directories(f.root / "home/My Documents");
    WriteIniValue(f.Ini(), "Config", "OutputDir", "");
    EXPECT_EQ(Started(f).outputDir, f.root / "home/My Documents");
}

TEST(StartupTest, ConfiguredFoldersAreKeptAndOutputCreated) {
    StartupFixture f;
    f.root.Write("prog/Quillbat.ini", "[Config]\nTempDir=/obsolete\nOutputDir=" + (f.root / "deep/new/out") +
                                          "\nTempDirRoot=" + (f.root / "t/QUILLBAT") + "\nAutoUpdate=Y\n");
    const Settings s = Started(f);
    EXPECT_EQ(s.outputDir, f.root / "deep/new/out");
    EXPECT_TRUE(FolderExists(s.outputDir));
    EXPECT_EQ(s.tempFolder, f.root / "t/QUILLBAT");
    EXPECT_TRUE(FolderExists(s.tempFolder));
    EXPECT_EQ(s.autoUpdate, "Y");
    EXPECT_EQ(ReadFile(f.Ini()).find("TempDir="), std::string::npos);
    EXPECT_EQ(ReadIniValue(f.Ini(), "Config", "AutoUpdate"), "Y");
}

TEST(StartupTest, TemporaryRootFromEnvironment) {
    struct Case {
        const char* tmpdir;
        const char* temp;
        std::string expected;
    };
    StartupFixture f;
    const Case cases[] = {
        {"", "", "/tmp/quillbat"},
        {"", "TEMPVAR", "TEMPVAR/quillbat"},
        {"TMPVAR/", "TEMPVAR", "TMPVAR/quillbat"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        WriteIniValue(f.Ini(), "Config", "TempDirRoot", "");
        auto rooted = [&](const char* v) { return *v ? f.root / v : std::string(); };
        f.env["TMPDIR"] = rooted(c.tmpdir);
        f.env["TEMP"] = rooted(c.temp);
        std::string want = c.expected[0] == '/' ? c.expected : f.root / c.expected;
        EXPECT_EQ(Started(f).tempFolder, want);
    }
}

TEST(StartupTest, OptionsAndLastRunFlags) {
    StartupFixture f;
    f.root.Write("prog/Quillbat.ini",
                 "[Options]\nScorecardPlayerFmt=BASplits\nFavoriteTeam=St. Louis\n"
                 "[LastRun]\nCreateScorecards=Y\nCreateRosters=y\nCreatePitcherProfiles=Yes\n"
                 "PrintOutput=Y\nGameDate=7/1/2014\n");
    const Settings s = Started(f);
    EXPECT_EQ(s.scorecardPlayerFmt, "BASplits");
    EXPECT_EQ(s.favoriteTeam, "St. Louis");
    EXPECT_TRUE(s.createScorecards);
    EXPECT_FALSE(s.createRosters);  // only "Y" is true
    EXPECT_FALSE(s.createPitcherProfiles);
    EXPECT_TRUE(s.printOutput);
    EXPECT_EQ(s.gameDate, "7/1/2014");
    // The flags written on exit are checked through the window (MainWindowTest.cpp).
    SaveSettingsOnExit(s);
    EXPECT_EQ(ReadIniValue(f.Ini(), "LastRun", "GameDate"), "7/1/2014");
}

TEST(StartupTest, DatesForTheDateBox) {
    struct Case {
        const char* defaultDate;
        const char* gameDate;
        const char* selected;
        const char* box;
    } cases[] = {
        {"", "", "07/04/2014", "07/04/2014"},
        {"4/5/2014", "", "04/05/2014", "04/05/2014"},
        {"4/5/2014", "6/1/14", "04/05/2014", "06/01/2014"},
        {"not a date", "", "07/04/2014", "07/04/2014"},
        {"", "31/31/2014", "07/04/2014", "07/04/2014"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.defaultDate) + " / " + c.gameDate);
        StartupFixture f;
        WriteIniValue(f.Ini(), "Config", "DefaultDate", c.defaultDate);
        WriteIniValue(f.Ini(), "LastRun", "GameDate", c.gameDate);
        const Settings s = Started(f);
        EXPECT_EQ(s.selectedGameDate, c.selected);
        EXPECT_EQ(InitialDateBoxText(s, Date{2014, 7, 4}), c.box);
    }
}

TEST(StartupTest, SwitchesAndTidying) {
    struct Case {
        const char* commandLine;
        bool dev, debug, tempEmptied, dumpsDeleted;
    } cases[] = {
        {"", false, false, true, false},          {"some words -DEBUG more", false, true, false, true},
        {"-dev", true, false, false, false},      {"-devmode", true, false, false, false},
        {"-dev -debug", true, true, false, true}, {"dev debug", false, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.commandLine);
        StartupFixture f;
        f.root.Write("tmp/quillbat/scoreboard.xml", "x");
        f.root.Write("tmp/quillbat/.hidden", "h");
        f.root.Write("tmp/quillbat/sub/kept.xml", "k");
        f.root.Write("prog/_debug_game.txt", "d");
        f.root.Write("prog/keep_debug.txt", "d");
        const Settings s = Started(f, c.commandLine);
        EXPECT_EQ(s.devMode, c.dev);
        EXPECT_EQ(s.debugMode, c.debug);
        EXPECT_EQ(FileExists(f.root / "tmp/quillbat/scoreboard.xml"), !c.tempEmptied);
        EXPECT_TRUE(FileExists(f.root / "tmp/quillbat/.hidden"));
        EXPECT_TRUE(FileExists(f.root / "tmp/quillbat/sub/kept.xml"));
        EXPECT_EQ(FileExists(f.root / "prog/_debug_game.txt"), !c.dumpsDeleted);
        EXPECT_TRUE(FileExists(f.root / "prog/keep_debug.txt"));

        f.root.Write("tmp/quillbat/later.xml", "x");
        SaveSettingsOnExit(s);
        EXPECT_EQ(FileExists(f.root / "tmp/quillbat/later.xml"), c.dev || c.debug);
    }
}

TEST(StartupTest, SourcesFromSettings) {
    StartupFixture f;
    f.root.Write("prog/Quillbat.ini",
                 "[Sources]\nGamedayHost=http://gd2.localhost:8080/\nFanGraphsHost=  \n"
                 "ESPNHost=https://espn.localhost:8443\nBaseballReferenceHost=http://[::1]:9000\n"
                 "StatsApiHost=http://statsapi.localhost:8080/\nProvider=gameday\n");
    const Settings s = Started(f);
    EXPECT_EQ(s.gamedayBaseUrl, "http://gd2.localhost:8080/components/game/mlb");
    EXPECT_EQ(s.sources.fanGraphsHost, "http://www.fangraphs.com");
    EXPECT_EQ(s.sources.statsApiHost, "http://statsapi.localhost:8080");
    EXPECT_EQ(s.dataSourcesLine, "Data Sources: gd2.localhost, www.fangraphs.com, espn.localhost, [::1]");
}

TEST(StartupTest, ProviderFromSettings) {
    struct Case {
        const char* ini;
        DataProvider provider;
    } cases[] = {{"", DataProvider::StatsApi},
                 {"[Sources]\nProvider=GAMEDAY\n", DataProvider::Gameday},
                 {"[Sources]\nProvider=statsapi\n", DataProvider::StatsApi},
                 {"[Sources]\nProvider=espn\n", DataProvider::StatsApi}};
    for (const Case& c : cases) {
        StartupFixture f;
        f.root.Write("prog/Quillbat.ini", c.ini);
        const Sources sources = Started(f).sources;
        EXPECT_EQ(sources.provider, c.provider) << c.ini;
        EXPECT_EQ(sources.statsApiHost, "https://statsapi.mlb.com");
    }
}

TEST(SpreadsheetCheckTest, EngineVersionAndFailures) {
    testing::StartupFixture f;
    AppContext ctx(f.ui);
    ASSERT_EQ(f.Start(ctx, "-debug"), "");
    EXPECT_TRUE(CheckSpreadsheet(ctx));
    EXPECT_EQ(ctx.settings.spreadsheetVersion, 11);
    EXPECT_NE(testing::ReadFile(f.root / "prog/Quillbat.log").find(" prog start: excel ver = 11\r\n"),
              std::string::npos);
    EXPECT_TRUE(f.ui.messages.empty());

    EXPECT_FALSE(CheckSpreadsheet(ctx, "", 10));
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].title, "Critical Error");
    EXPECT_EQ(f.ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(f.ui.messages[0].text,
              "CRITICAL ERROR: You must have Office 2003 or higher installed in order to run this program!");

    EXPECT_FALSE(CheckSpreadsheet(ctx, "The workbook engine cannot start: no memory.", 11));
    EXPECT_EQ(f.ui.messages.back().text, "The workbook engine cannot start: no memory.");
}

}  // namespace
}  // namespace quillbat
