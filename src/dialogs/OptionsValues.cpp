#include "dialogs/OptionsValues.h"

#include "platform/FileSystem.h"
#include "platform/IniFile.h"
#include "platform/TextFunctions.h"

namespace quillbat {

OptionsValues LoadOptions(const Settings& s) {
    OptionsValues v;
    v.logosDir = s.logosDir;
    v.outputDir = s.outputDir;
    v.templatesDir = s.templatesDir;
    v.tempDirRoot = s.tempDirRoot;
    bool known = s.scorecardPlayerFmt == "BASplits" || s.scorecardPlayerFmt == "BA/WAR";
    v.scorecardPlayerFmt = known ? s.scorecardPlayerFmt : "BAOnly";
    v.autoUpdate = YNToCheckValue(s.autoUpdate) == 1;
    v.favoriteTeam = s.favoriteTeam;
    v.savePdf = s.savePdf;
    return v;
}

std::vector<std::string> FavoriteTeamChoices(const TeamTables& teams) {
    std::vector<std::string> choices{kNoFavorite};
    for (int row = 1; row <= teams.teams.Rows(); ++row)
        choices.push_back(teams.teams.At(TeamField::kTeamCity, row));
    return choices;
}

int FavoriteTeamIndex(const std::vector<std::string>& choices, const std::string& favorite) {
    int index = 0;
    for (std::size_t i = 1; i < choices.size(); ++i)
        if (choices[i] == favorite) index = static_cast<int>(i);
    return index;
}

std::string CheckOptionFolders(const OptionsValues& v) {
    const std::pair<const std::string*, const char*> folders[] = {{&v.logosDir, "Team Logos"},
                                                                  {&v.outputDir, "Output"},
                                                                  {&v.templatesDir, "Templates"},
                                                                  {&v.tempDirRoot, "Temp Storage"}};
    for (const auto& [folder, name] : folders)
        if (!FolderExists(*folder)) return std::string("Invalid folder for ") + name + "!";
    return "";
}

void SaveOptions(Settings& s, const OptionsValues& v) {
    const std::string& ini = s.settingsFile;
    s.logosDir = v.logosDir;
    WriteIniValue(ini, "Config", "LogosDir", s.logosDir);
    s.outputDir = v.outputDir;
    WriteIniValue(ini, "Config", "OutputDir", s.outputDir);
    s.templatesDir = v.templatesDir;
    WriteIniValue(ini, "Config", "TemplatesDir", s.templatesDir);
    WriteIniValue(ini, "Config", "TempDirRoot", v.tempDirRoot);
    s.scorecardPlayerFmt = v.scorecardPlayerFmt;
    WriteIniValue(ini, "Options", "ScorecardPlayerFmt", s.scorecardPlayerFmt);
    s.autoUpdate = CheckValueToYN(v.autoUpdate ? 1 : 0);
    WriteIniValue(ini, "Config", "AutoUpdate", s.autoUpdate);
    s.favoriteTeam = v.favoriteTeam == kNoFavorite ? "" : v.favoriteTeam;
    WriteIniValue(ini, "Options", "FavoriteTeam", s.favoriteTeam);
    s.savePdf = v.savePdf;
    WriteIniValue(ini, "Options", "SavePdf", BoolToYN(s.savePdf));
}

}  // namespace quillbat
