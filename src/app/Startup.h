#pragma once
// Start-up and exit: the settings file, the folder set, the switches, tidying, the team
// database, and writing the last-run choices back.

#include <functional>
#include <string>

#include "app/AppContext.h"
#include "platform/Dates.h"

namespace quillbat {

// What start-up learns from outside the settings file. Tests supply their own.
struct StartupInputs {
    std::string programFolder;
    std::string commandLine;  // the whole command line as one text
    std::function<std::string(const std::string&)> environment;
    Date today;

    // The running program's folder, command line, environment and date.
    static StartupInputs FromProcess(int argc, char** argv);
};

// The host name of a source address: no scheme, no port, no path.
std::string HostName(const std::string& address);
std::string BuildDataSourcesLine(const Sources& sources);

// Reads the settings and settles everything. Returns "" on success, else a message for the
// user naming what could not be read (start-up cannot go on without the team database).
std::string Initialize(AppContext& ctx, const StartupInputs& inputs);

// The text the date box starts with: GameDate when set, else the selected game date, as
// "MM/DD/YYYY"; a value that is not a date gives today.
std::string InitialDateBoxText(const Settings& settings, const Date& today);

void SaveSettingsOnExit(const Settings& settings);
// Deletes the plain files directly in the temporary folder; failures are ignored.
void CleanTempFolder(const Settings& settings);

}  // namespace quillbat
