#include "dialogs/AutoUpdateCheck.h"

#include "dialogs/ProgramIdentity.h"
#include "dialogs/UpdateInfo.h"
#include "gameday/wininet.h"
#include "platform/IniFile.h"

namespace quillbat {

std::string NewVersionAvailableText(const UpdateState& state) {
    return "A new version of " + state.programName + " is available.";
}

std::string VersionIsCurrentText(const UpdateState& state) {
    return "No updates are available -- you have the current version of " + state.programName + "!";
}

TransferLimits UpdateCheckLimits() {
    TransferLimits limits;
    limits.connectTimeoutMs = 10'000;
    limits.stallTimeoutMs = 10'000;
    return limits;
}

void CheckForUpdate(const Settings& settings, Ui& ui, UpdateDialogs& dialogs, bool silent,
                    bool& enableAutoCheck, const TransferLimits& limits) {
    ui.PumpEvents();
    UrlText fetched;
    {
        BusyPointer busy(ui);
        fetched =
            FetchUrlText(NetSession{settings, ui, limits}, settings.sources.updateHost + kUpdateInfoPath);
    }
    if (fetched.errorCode != 0) {
        if (!silent)
            ui.Message(MsgIcon::Critical, "Error",
                       "Check for update failed with error code " + std::to_string(fetched.errorCode) + "!");
        return;
    }

    const ProgramIdentity& program = ThisProgram();
    UpdateLine line = FindUpdateLine(fetched.text, program.title);
    bool newer = line.found && IsNewerVersion(line.version, program.major, program.minor, program.revision);
    UpdateState state{program.title, VersionNumber(program), line.version, "", ""};

    if (newer) {
        dialogs.ShowNewVersionAvailable(state);
        if (state.downloadAnswer == "Y" && ui.OpenDocument(line.downloadPage) != 0)
            ui.Message(MsgIcon::Critical, "Error", "Could not initiate web link!");
    } else if (!silent) {
        dialogs.ShowVersionIsCurrent(state);
        enableAutoCheck = state.autoCheckAnswer == "Y";
    }
}

void CheckForUpdateFromMenu(const Settings& settings, Ui& ui, UpdateDialogs& dialogs,
                            const TransferLimits& limits) {
    bool enableAutoCheck = false;
    CheckForUpdate(settings, ui, dialogs, false, enableAutoCheck, limits);
    if (enableAutoCheck) WriteIniValue(settings.settingsFile, "Config", "AutoUpdate", "Y");
}

}  // namespace quillbat
