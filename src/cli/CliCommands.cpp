#include "cli/CliCommands.h"

#include <functional>
#include <map>

#include "app/GameList.h"
#include "app/Startup.h"
#include "cli/CliUi.h"
#include "gameday/GamedayAddresses.h"
#include "gameday/XmlToWorkbook.h"
#include "platform/DateEntry.h"
#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

const char* const kUsage =
    "usage: quillbat-cli [--verbose] COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  games DATE   list the games of DATE (for example 07/04/2014 or 070414); the game the\n"
    "               window would pick first is marked with \"* \"\n"
    "  flatten FILE.xml\n"
    "               write the XML file's flat table beside it, as FILE.xls\n"
    "  settings     start up as the window does, then show the folders and data sources in use\n"
    "  help         show this text\n"
    "\n"
    "Messages go to standard error, one line each; --verbose adds the status texts.\n"
    "The switches -dev and -debug work as for the window.\n";

bool IsSwitch(const std::string& word) {
    std::string lower = ToLower(word);
    return lower.rfind("-dev", 0) == 0 || lower.rfind("-debug", 0) == 0;
}

// The command line without the options every command shares.
struct Parsed {
    bool verbose = false;
    std::vector<std::string> words;
};

Parsed Parse(const std::vector<std::string>& args) {
    Parsed p;
    for (const auto& a : args) {
        if (a == "--verbose") p.verbose = true;
        else if (!IsSwitch(a)) p.words.push_back(a);
    }
    return p;
}

std::string JoinArgs(const std::vector<std::string>& args) {
    std::string line;
    for (const auto& a : args) line += (line.empty() ? "" : " ") + a;
    return line;
}

// One command's run, between start-up and exit.
struct Run {
    AppContext& ctx;
    const std::vector<std::string>& words;
    std::ostream& out;
    std::ostream& err;
};

struct Command {
    std::size_t arguments;
    std::function<int(Run&)> body;
};

int PrintSettings(Run& run) {
    const Settings& s = run.ctx.settings;
    run.out << "Program folder:   " << s.programFolder << '\n'
            << "Settings file:    " << s.settingsFile << '\n'
            << "Program log:      " << s.programLog << '\n'
            << "Output folder:    " << s.outputDir << '\n'
            << "Templates folder: " << s.templatesDir << '\n'
            << "Logos folder:     " << s.logosDir << '\n'
            << "Temporary folder: " << s.tempFolder << '\n'
            << "Gameday data:     " << s.gamedayBaseUrl << '\n'
            << s.dataSourcesLine << '\n';
    return kExitSuccess;
}

int ListGames(Run& run) {
    std::string date = run.words[1];
    if (ValidateDateEntry(date, true, true, Today(), run.ctx.ui) || IsBlank(date)) {
        if (IsBlank(date)) run.ctx.ui.Message(MsgIcon::None, "", "Invalid date!");
        return kExitUsage;
    }
    run.ctx.settings.selectedGameDate = date;
    GameListOutcome outcome = GetGames(run.ctx, date);
    for (std::size_t i = 0; i < outcome.entries.size(); ++i)
        run.out << (i == outcome.selected ? "* " : "  ") << outcome.entries[i] << '\n';
    return outcome.status == GameListStatus::Listed ? kExitSuccess : kExitFailure;
}

int Flatten(Run& run) {
    const std::string& xml = run.words[1];
    if (std::string error = ConvertXmlToWorkbook(run.ctx.settings, xml); !error.empty()) {
        run.ctx.ui.Message(MsgIcon::Exclamation, "Error", error);
        return kExitFailure;
    }
    run.out << FlatTablePath(xml) << '\n';
    return kExitSuccess;
}

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands = {
        {"flatten", {1, Flatten}},
        {"games", {1, ListGames}},
        {"settings", {0, PrintSettings}},
    };
    return commands;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, const std::string& programFolder,
           const EnvironmentLookup& environment, std::ostream& out, std::ostream& err) {
    Parsed parsed = Parse(args);
    if (parsed.words.empty() || parsed.words[0] == "help" || parsed.words[0] == "--help") {
        (parsed.words.empty() ? err : out) << kUsage;
        return parsed.words.empty() ? kExitUsage : kExitSuccess;
    }
    auto command = Commands().find(parsed.words[0]);
    if (command == Commands().end() || parsed.words.size() != command->second.arguments + 1) {
        err << "quillbat-cli: unknown command or arguments: " << JoinArgs(parsed.words) << "\n\n" << kUsage;
        return kExitUsage;
    }

    CliUi ui(err, parsed.verbose);
    AppContext ctx(ui);
    StartupInputs inputs;
    inputs.programFolder = programFolder;
    inputs.commandLine = JoinArgs(args);
    inputs.environment = environment;
    inputs.today = Today();
    if (auto error = Initialize(ctx, inputs); !error.empty()) {
        ui.Message(MsgIcon::Critical, "Error", error);
        return kExitFailure;
    }
    Run run{ctx, parsed.words, out, err};
    int status = command->second.body(run);
    SaveSettingsOnExit(ctx.settings);
    return status;
}

}  // namespace quillbat
