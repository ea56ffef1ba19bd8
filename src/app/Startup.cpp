#include "app/Startup.h"

#include "app/TempFolderLock.h"
#include "gameday/SiteRefusals.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/IniFile.h"
#include "platform/ProgramLog.h"
#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

constexpr const char* kConfig = "Config";
constexpr const char* kOptions = "Options";
constexpr const char* kLastRun = "LastRun";
constexpr const char* kSourcesSection = "Sources";

std::string Read(const Settings& s, const char* section, const char* key) {
    return TrimBlanks(ReadIniValue(s.settingsFile, section, key));
}

// Writes one setting; a file the user may not write is left alone and the program log says so.
void Store(const Settings& s, const char* section, const char* key, const std::string& value) {
    if (!WriteIniValue(s.settingsFile, section, key, value))
        WriteLog(s, std::string("could not write ") + section + "/" + key + " to " + s.settingsFile);
}

std::string TempFromEnvironment(const StartupInputs& in) {
    for (const char* name : {"TMPDIR", "TEMP"})
        if (auto value = in.environment(name); !IsBlank(value)) return value;
    return "/tmp";
}

std::string DefaultOutputDir(const StartupInputs& in) {
    std::string home = in.environment("HOME");
    if (!IsBlank(home)) {
        for (const char* docs : {"My Documents", "Documents"})
            if (FolderExists(JoinPath(home, docs))) return JoinPath(home, docs);
    }
    return JoinPath(in.programFolder, "Output");
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string TempFolderFor(const std::string& root) {
    std::string r = WithoutTrailingSlash(root);
    return EndsWithNoCase(r, "/quillbat") ? r : JoinPath(r, "quillbat");
}

void ReadFolders(Settings& s, const StartupInputs& in) {
    s.outputDir = Read(s, kConfig, "OutputDir");
    s.logosDir = Read(s, kConfig, "LogosDir");
    s.templatesDir = Read(s, kConfig, "TemplatesDir");
    s.tempDirRoot = Read(s, kConfig, "TempDirRoot");
    s.autoUpdate = Read(s, kConfig, "AutoUpdate");

    if (s.outputDir.empty()) s.outputDir = DefaultOutputDir(in);
    if (!FolderExists(s.outputDir)) CreateFolderPath(s.outputDir);
    if (s.logosDir.empty()) s.logosDir = JoinPath(in.programFolder, "Logos");
    if (s.templatesDir.empty()) s.templatesDir = JoinPath(in.programFolder, "Templates");
    if (s.tempDirRoot.empty()) s.tempDirRoot = TempFromEnvironment(in);

    Store(s, kConfig, "OutputDir", s.outputDir);
    Store(s, kConfig, "LogosDir", s.logosDir);
    Store(s, kConfig, "TemplatesDir", s.templatesDir);
    DeleteIniKey(s.settingsFile, kConfig, "TempDir");
    Store(s, kConfig, "TempDirRoot", s.tempDirRoot);

    s.tempFolder = TempFolderFor(s.tempDirRoot);
    if (!FolderExists(s.tempFolder)) CreateFolderPath(s.tempFolder);
}

void ReadChoices(Settings& s, const Date& today) {
    s.defaultDate = Read(s, kConfig, "DefaultDate");
    auto date = ParseDate(s.defaultDate, today);
    s.selectedGameDate = FormatDate(date.value_or(today));

    s.scorecardPlayerFmt = Read(s, kOptions, "ScorecardPlayerFmt");
    s.favoriteTeam = Read(s, kOptions, "FavoriteTeam");
    s.savePdf = YNToBool(Read(s, kOptions, "SavePdf"));
    s.createScorecards = YNToBool(Read(s, kLastRun, "CreateScorecards"));
    s.createRosters = YNToBool(Read(s, kLastRun, "CreateRosters"));
    s.createPitcherProfiles = YNToBool(Read(s, kLastRun, "CreatePitcherProfiles"));
    s.printOutput = YNToBool(Read(s, kLastRun, "PrintOutput"));
    s.gameDate = Read(s, kLastRun, "GameDate");
}

// A count from 1 to 32; anything else takes the default.
int ConnectionCount(const std::string& text, int fallback) {
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos)
        return fallback;
    int count = std::stoi(text);
    return count >= 1 && count <= 32 ? count : fallback;
}

// "gameday" or "statsapi", letter case ignored; blank takes the default, and so does any other
// value, with a program-log line naming it.
DataProvider ReadProvider(const Settings& s, DataProvider fallback) {
    std::string name = ToLower(Read(s, kSourcesSection, "Provider"));
    if (name == "gameday") return DataProvider::Gameday;
    if (name == "statsapi") return DataProvider::StatsApi;
    if (!name.empty())
        WriteLog(s, "Sources/Provider \"" + name + "\" is not gameday or statsapi; using the default");
    return fallback;
}

void ReadSources(Settings& s) {
    Sources defaults;
    auto source = [&](const char* key, const std::string& fallback) {
        std::string value = Read(s, kSourcesSection, key);
        return value.empty() ? fallback : WithoutTrailingSlash(value);
    };
    s.sources.gamedayHost = source("GamedayHost", defaults.gamedayHost);
    s.sources.teamSiteDomain = source("TeamSiteDomain", defaults.teamSiteDomain);
    s.sources.fanGraphsHost = source("FanGraphsHost", defaults.fanGraphsHost);
    s.sources.baseballReferenceHost = source("BaseballReferenceHost", defaults.baseballReferenceHost);
    s.sources.espnHost = source("ESPNHost", defaults.espnHost);
    s.sources.updateHost = source("UpdateHost", defaults.updateHost);
    s.sources.sampleData = YNToBool(Read(s, kSourcesSection, "SampleData"));
    s.sources.maxConnections =
        ConnectionCount(Read(s, kSourcesSection, "MaxConnections"), defaults.maxConnections);
    s.sources.statsApiHost = source("StatsApiHost", defaults.statsApiHost);
    s.sources.provider = ReadProvider(s, defaults.provider);
}

void Tidy(const Settings& s) {
    if (!s.devMode && !s.debugMode) CleanTempFolder(s);
    if (s.debugMode) DeleteMatchingFiles(JoinPath(s.programFolder, "_debug*.*"));
}

}  // namespace

StartupInputs StartupInputs::FromProcess(int argc, char** argv) {
    StartupInputs in;
    in.programFolder = ExecutableFolder();
    for (int i = 1; i < argc; ++i) in.commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
    in.environment = EnvironmentValue;
    in.today = Today();
    return in;
}

std::string HostName(const std::string& address) {
    std::string host = UrlHost(address);
    if (!host.empty() && host.front() == '[') return host.substr(0, host.find(']') + 1);
    return host.substr(0, host.find(':'));
}

// The first host is the game data's: the gameday site's, or the Stats API's when that is the
// source (which also gives the batters' lines ESPN gives on the gameday path).
std::string BuildDataSourcesLine(const Sources& sources) {
    if (sources.provider == DataProvider::StatsApi)
        return "Data Sources: " + HostName(sources.statsApiHost) + ", " + HostName(sources.fanGraphsHost) +
               ", " + HostName(sources.baseballReferenceHost);
    return "Data Sources: " + HostName(sources.gamedayHost) + ", " + HostName(sources.fanGraphsHost) + ", " +
           HostName(sources.espnHost) + ", " + HostName(sources.baseballReferenceHost);
}

std::string Initialize(AppContext& ctx, const StartupInputs& in) {
    Settings& s = ctx.settings;
    s.programFolder = in.programFolder;
    s.settingsFile = JoinPath(in.programFolder, "Quillbat.ini");
    s.programLog = JoinPath(in.programFolder, "Quillbat.log");
    ReadSources(s);
    s.gamedayBaseUrl = s.sources.gamedayHost + "/components/game/mlb";
    ReadFolders(s, in);
    ReadChoices(s, in.today);

    std::string database = JoinPath(in.programFolder, kTeamDatabaseName);
    if (auto error = LoadTeamDatabase(database, ctx.teams); !error.empty())
        return "Could not read the team database " + database + ": " + error;

    s.dataSourcesLine = BuildDataSourcesLine(s.sources);
    s.saveFormat = kXlWorkbookNormal;
    std::string commandLine = ToLower(in.commandLine);
    s.devMode = commandLine.find("-dev") != std::string::npos;
    s.debugMode = commandLine.find("-debug") != std::string::npos;
    if (!FolderExists(s.tempFolder)) CreateFolderPath(s.tempFolder);
    Tidy(s);
    return "";
}

std::string InitialDateBoxText(const Settings& settings, const Date& today) {
    const std::string& text = IsBlank(settings.gameDate) ? settings.selectedGameDate : settings.gameDate;
    return FormatDate(ParseDate(text, today).value_or(today));
}

void SaveSettingsOnExit(const Settings& s) {
    Store(s, kLastRun, "CreateScorecards", BoolToYN(s.createScorecards));
    Store(s, kLastRun, "CreateRosters", BoolToYN(s.createRosters));
    Store(s, kLastRun, "CreatePitcherProfiles", BoolToYN(s.createPitcherProfiles));
    Store(s, kLastRun, "PrintOutput", BoolToYN(s.printOutput));
    if (!s.devMode && !s.debugMode) CleanTempFolder(s);
}

void CleanTempFolder(const Settings& settings) {
    // Another copy at work in the folder keeps its files.
    FileLock lock = TryTempFolderLock(settings);
    if (lock.Held() || !lock.HeldElsewhere()) DeleteMatchingFiles(JoinPath(settings.tempFolder, "*.*"));
}

}  // namespace quillbat
