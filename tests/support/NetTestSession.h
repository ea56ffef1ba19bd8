#pragma once
// Settings and a session for download tests: temporary and program folders inside one
// test folder, short timeouts.

#include <cstdlib>
#include <string>

#include "ScriptedUi.h"
#include "TempFolder.h"
#include "gameday/wininet.h"
#include "platform/FileSystem.h"

namespace quillbat::testing {

struct NetTestSession {
    NetTestSession() {
        // The test server is on this machine: never go through a proxy set in the environment.
        ::setenv("no_proxy", "127.0.0.1,localhost", 1);
        ::setenv("NO_PROXY", "127.0.0.1,localhost", 1);
        settings.tempFolder = folder / "temp";
        settings.programFolder = folder / "program";
        settings.programLog = settings.programFolder + "/Quillbat.log";
        CreateFolderPath(settings.tempFolder);
        CreateFolderPath(settings.programFolder);
        session.limits.connectTimeoutMs = 2000;
        session.limits.stallTimeoutMs = 300;
        session.limits.pollIntervalMs = 10;
    }

    std::string History() const { return ReadFile(settings.tempFolder + "/history.tmp"); }
    std::string ErrorLog() const { return ReadFile(settings.programFolder + "/errors.log"); }

    TempFolder folder;
    Settings settings;
    ScriptedUi ui;
    NetSession session{settings, ui};
};

}  // namespace quillbat::testing
