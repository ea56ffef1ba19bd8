#pragma once
// The program-wide settings record: the settings file's values, the folder set, the
// command-line switches and the constants derived at start-up.

#include <string>

namespace quillbat {

// File format code of a normal (pre-2007) workbook, the format every workbook is saved in.
inline constexpr int kXlWorkbookNormal = -4143;

// Which source fills the game, lineup and players tables and the stats rows: the historical
// gameday tree with the statistics pages, or the present-day MLB Stats API.
enum class DataProvider { Gameday, StatsApi };

// Where each data source lives: a scheme and host, optionally with a port.
struct Sources {
    DataProvider provider = DataProvider::StatsApi;
    std::string statsApiHost = "https://statsapi.mlb.com";
    std::string gamedayHost = "http://gd2.mlb.com";
    std::string teamSiteDomain = "mlb.com";
    std::string fanGraphsHost = "http://www.fangraphs.com";
    std::string baseballReferenceHost = "http://www.baseball-reference.com";
    std::string espnHost = "http://espn.go.com";
    std::string updateHost = "https://quillbat.invalid";
    bool sampleData = false;  // the hosts serve the invented sample season
    int maxConnections = 6;  // independent files fetched at once
};

struct Settings {
    std::string programFolder;
    std::string settingsFile;  // programFolder + "/Quillbat.ini"
    std::string programLog;  // programFolder + "/Quillbat.log"

    std::string outputDir;
    std::string logosDir;
    std::string templatesDir;
    std::string tempDirRoot;
    std::string tempFolder;  // tempDirRoot + "/quillbat", unless it already ends so

    std::string autoUpdate;
    std::string defaultDate;
    std::string scorecardPlayerFmt;
    std::string favoriteTeam;

    bool createScorecards = false;
    bool createRosters = false;
    bool createPitcherProfiles = false;
    bool printOutput = false;
    bool savePdf = false;  // a PDF of each workbook's printed pages beside it
    std::string gameDate;

    std::string selectedGameDate;  // "MM/DD/YYYY"
    std::string season;  // year of the last game list fetched

    bool devMode = false;
    bool debugMode = false;

    int spreadsheetVersion = 0;
    int saveFormat = kXlWorkbookNormal;

    Sources sources;
    std::string gamedayBaseUrl;
    std::string dataSourcesLine;
};

}  // namespace quillbat
