#pragma once
// A program folder, home and temporary root of a test's own, for start-up and exit.

#include <cstdlib>
#include <filesystem>
#include <map>

#include "ScriptedUi.h"
#include "TempFolder.h"
#include "app/Startup.h"
#include "platform/IniFile.h"

namespace quillbat::testing {

class StartupFixture {
public:
    StartupFixture() {
        std::filesystem::create_directories(root / "prog");
        std::filesystem::create_directories(root / "home");
        std::filesystem::copy_file(QUILLBAT_TEAM_DB, root / "prog/Quillbat.db");
        env["HOME"] = root / "home";
        env["TMPDIR"] = root / "tmp";
    }

    // Points every source at a closed loopback port, which refuses at once, so a test that
    // downloads never reaches the real hosts. A test serving a source itself on this machine
    // never goes through a proxy set in the environment either.
    void CloseSources() const {
        ::setenv("no_proxy", "127.0.0.1,localhost", 1);
        ::setenv("NO_PROXY", "127.0.0.1,localhost", 1);
        for (const char* key : {"GamedayHost", "FanGraphsHost", "BaseballReferenceHost", "ESPNHost",
                                "UpdateHost", "StatsApiHost"})
            WriteIniValue(Ini(), "Sources", key, "http://127.0.0.1:1");
        WriteIniValue(Ini(), "Sources", "TeamSiteDomain", "invalid");
    }

    StartupInputs Inputs(const std::string& commandLine = "") const {
        StartupInputs in;
        in.programFolder = root / "prog";
        in.commandLine = commandLine;
        in.environment = [env = env](const std::string& name) {
            auto it = env.find(name);
            return it == env.end() ? std::string() : it->second;
        };
        in.today = Date{2014, 7, 4};
        return in;
    }

    std::string Ini() const { return root / "prog/Quillbat.ini"; }

    // The three templates in the program folder, as stand-ins that are no workbooks.
    void WriteStandInTemplates() const {
        for (const char* name :
             {"Scorecard Template.xlt", "Rosters Template.xlt", "Starting Pitchers Profiles Template.xlt"})
            root.Write(std::string("prog/Templates/") + name, "t");
    }

    std::string Start(AppContext& ctx, const std::string& commandLine = "") const {
        return Initialize(ctx, Inputs(commandLine));
    }

    TempFolder root;
    std::map<std::string, std::string> env;
    ScriptedUi ui;
};

}  // namespace quillbat::testing
