#include "cli/CliCommands.h"

#include "app/Startup.h"
#include "cli/CliUi.h"
#include "platform/Environment.h"
#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

const char* const kUsage =
    "usage: quillbat-cli [--verbose] COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  settings   start up as the window does, then show the folders and data sources in use\n"
    "  help       show this text\n"
    "\n"
    "The switches -dev and -debug work as for the window.\n";

// The command line without the options every command shares.
struct Parsed {
    bool verbose = false;
    std::vector<std::string> words;
};

Parsed Parse(const std::vector<std::string>& args) {
    Parsed p;
    for (const auto& a : args) {
        if (a == "--verbose") p.verbose = true;
        else if (ToLower(a).rfind("-dev", 0) == 0 || ToLower(a).rfind("-debug", 0) == 0) continue;
        else p.words.push_back(a);
    }
    return p;
}

std::string JoinArgs(const std::vector<std::string>& args) {
    std::string line;
    for (const auto& a : args) line += (line.empty() ? "" : " ") + a;
    return line;
}

void PrintSettings(const Settings& s, std::ostream& out) {
    out << "Program folder:   " << s.programFolder << '\n'
        << "Settings file:    " << s.settingsFile << '\n'
        << "Program log:      " << s.programLog << '\n'
        << "Output folder:    " << s.outputDir << '\n'
        << "Templates folder: " << s.templatesDir << '\n'
        << "Logos folder:     " << s.logosDir << '\n'
        << "Temporary folder: " << s.tempFolder << '\n'
        << "Gameday data:     " << s.gamedayBaseUrl << '\n'
        << s.dataSourcesLine << '\n';
}

}  // namespace

int RunCli(const std::vector<std::string>& args, const std::string& programFolder, std::ostream& out,
           std::ostream& err) {
    Parsed parsed = Parse(args);
    if (parsed.words.empty() || parsed.words[0] == "help" || parsed.words[0] == "--help") {
        (parsed.words.empty() ? err : out) << kUsage;
        return parsed.words.empty() ? kExitUsage : kExitSuccess;
    }
    const std::string& command = parsed.words[0];
    if (command != "settings" || parsed.words.size() != 1) {
        err << "quillbat-cli: unknown command or arguments: " << JoinArgs(parsed.words) << "\n\n" << kUsage;
        return kExitUsage;
    }

    CliUi ui(err, parsed.verbose);
    AppContext ctx(ui);
    StartupInputs inputs;
    inputs.programFolder = programFolder;
    inputs.commandLine = JoinArgs(args);
    inputs.environment = EnvironmentValue;
    inputs.today = Today();
    if (auto error = Initialize(ctx, inputs); !error.empty()) {
        ui.Message(MsgIcon::Critical, "Error", error);
        return kExitFailure;
    }
    PrintSettings(ctx.settings, out);
    SaveSettingsOnExit(ctx.settings);
    return kExitSuccess;
}

}  // namespace quillbat
