#pragma once
// The check for a newer release: reads the update information file from the update host and
// tells the user when there is one (and, when asked from the menu, when there is none).

#include <string>

#include "platform/Settings.h"
#include "platform/Ui.h"
#include "gameday/Transfer.h"

namespace quillbat {

// What the check and its two dialogs share.
struct UpdateState {
    std::string programName;
    std::string yourVersion;  // the running program's, "1.3.2"
    std::string currentVersion;  // the update file's newest version, "" when it has none
    std::string downloadAnswer;  // "Y" when the user chose to visit the download page
    std::string autoCheckAnswer;  // "Y" when the user asked for automatic checks
};

// The two dialogs of the check, shown modally; the window, the command line and the tests
// each provide them.
class UpdateDialogs {
public:
    virtual ~UpdateDialogs() = default;
    // "A new version ... is available"; sets downloadAnswer to "Y" on Yes.
    virtual void ShowNewVersionAvailable(UpdateState& state) = 0;
    // "No updates are available"; sets autoCheckAnswer to "Y" when its box is ticked on closing.
    virtual void ShowVersionIsCurrent(UpdateState& state) = 0;
};

inline constexpr const char* kNewVersionCaption = "New Version Available";
inline constexpr const char* kVersionIsCurrentCaption = "Version Is Current";
std::string NewVersionAvailableText(const UpdateState& state);
std::string VersionIsCurrentText(const UpdateState& state);

// A short wait for a file of a few lines, since the silent check runs on every activation.
TransferLimits UpdateCheckLimits();

// silent: failures and "no newer version" show nothing. enableAutoCheck becomes true only
// when the up-to-date dialog was shown and its box ticked; a failed fetch leaves it alone.
void CheckForUpdate(const Settings& settings, Ui& ui, UpdateDialogs& dialogs, bool silent,
                    bool& enableAutoCheck, const TransferLimits& limits = UpdateCheckLimits());

// The Help menu's check: not silent; asking for automatic checks writes "Y" to AutoUpdate in
// the settings file, which the running program reads again only at its next start.
void CheckForUpdateFromMenu(const Settings& settings, Ui& ui, UpdateDialogs& dialogs,
                            const TransferLimits& limits = UpdateCheckLimits());

}  // namespace quillbat
