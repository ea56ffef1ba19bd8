#pragma once
// What the options dialog shows and saves, apart from its controls.

#include <string>
#include <vector>

#include "app/TeamDatabase.h"
#include "platform/Settings.h"

namespace quillbat {

inline constexpr const char* kNoFavorite = "<no favorite>";

struct OptionsValues {
    std::string logosDir;
    std::string outputDir;
    std::string templatesDir;
    std::string tempDirRoot;
    std::string scorecardPlayerFmt;  // "BASplits", "BA/WAR" or "BAOnly"
    bool autoUpdate = false;
    std::string favoriteTeam;  // "" for none
    bool savePdf = false;
};

// The values as the dialog opens with them: any player format but "BASplits" and "BA/WAR"
// shows as "BAOnly"; the update box is ticked when AutoUpdate starts with "Y" or "y".
OptionsValues LoadOptions(const Settings& settings);

// "<no favorite>", then every team city in table order.
std::vector<std::string> FavoriteTeamChoices(const TeamTables& teams);
// The position of the favourite in the choices (the last of equal ones), 0 when it is absent.
int FavoriteTeamIndex(const std::vector<std::string>& choices, const std::string& favorite);

// "" when the four folders exist, else the message for the first that does not, in the order
// Team Logos, Output, Templates, Temp Storage.
std::string CheckOptionFolders(const OptionsValues& values);

// Stores the values in the settings and the settings file. The temporary root is only
// written to the file: the running program keeps its temporary folder until the next start.
void SaveOptions(Settings& settings, const OptionsValues& values);

}  // namespace quillbat
