#include "cli/CliCommands.h"

#include <algorithm>
#include <functional>
#include <map>

#include "app/CreatePipeline.h"
#include "app/GameList.h"
#include "app/SpreadsheetCheck.h"
#include "app/Startup.h"
#include "cli/CliUi.h"
#include "dialogs/AutoUpdateCheck.h"
#include "gameday/GamedayAddresses.h"
#include "gameday/XmlToWorkbook.h"
#include "platform/DateEntry.h"
#include "platform/TextFunctions.h"
#include "workbooks/ExcelProcs.h"
#include "workbooks/WorksheetPrinting.h"
#include "xls/PageOutput.h"

namespace quillbat {

namespace {

const char* const kUsage =
    "usage: quillbat-cli [--verbose] COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  games DATE   list the games of DATE (for example 07/04/2014 or 070414); the game the\n"
    "               window would pick first is marked with \"* \"\n"
    "  create DATE GAME [--scorecards] [--rosters] [--profiles] [--print] [--pdf]\n"
    "                   [--proceed-without-lineups]\n"
    "               make the ticked outputs for game number GAME (its place in the games list,\n"
    "               from 1); --pdf also saves a PDF beside each workbook; without\n"
    "               --proceed-without-lineups a game whose lineups are not posted yet is not made\n"
    "  flatten FILE.xml\n"
    "               write the XML file's flat table beside it, as FILE.xls\n"
    "  pdf FILE.xls OUT.pdf\n"
    "               write the printed pages of the workbook's first worksheet as a PDF file\n"
    "  print FILE.xls\n"
    "               print the workbook's first worksheet on the default printer\n"
    "  settings     start up as the window does, then show the folders and data sources in use\n"
    "  update-check look for a newer release, as the Help menu does; its questions are answered No\n"
    "  help         show this text\n"
    "\n"
    "Messages go to standard error, one line each; --verbose adds the status texts.\n"
    "The switches -dev and -debug work as for the window.\n";

bool IsSwitch(const std::string& word) {
    std::string lower = ToLower(word);
    return lower.rfind("-dev", 0) == 0 || lower.rfind("-debug", 0) == 0;
}

bool IsOption(const std::string& word) { return word.rfind("--", 0) == 0; }

// The command line: its plain words (the command and its arguments) and its "--" options,
// without the switches every command shares.
struct Parsed {
    bool verbose = false;
    std::vector<std::string> words;
    std::vector<std::string> options;
};

Parsed Parse(const std::vector<std::string>& args) {
    Parsed p;
    for (const auto& a : args) {
        if (a == "--verbose")
            p.verbose = true;
        else if (IsSwitch(a))
            continue;
        else if (IsOption(a) && a != "--help")
            p.options.push_back(a);
        else
            p.words.push_back(a);
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
    const std::vector<std::string>& options;
    std::ostream& out;
    std::ostream& err;
};

struct Command {
    std::size_t arguments;  // words after the command's name, options excluded
    std::vector<std::string> options;  // the "--" options it takes
    std::function<int(Run&)> body;
};

bool HasOption(const Run& run, const char* option) {
    return std::find(run.options.begin(), run.options.end(), option) != run.options.end();
}

// The date as the date box would take it; false (after saying why) when it is not a date.
bool ReadDate(Run& run, std::string& date) {
    date = run.words[1];
    if (ValidateDateEntry(date, true, true, Today(), run.ctx.ui)) return false;
    if (IsBlank(date)) {
        run.ctx.ui.Message(MsgIcon::None, "", "Invalid date!");
        return false;
    }
    return true;
}

int PrintSettings(Run& run) {
    const Settings& s = run.ctx.settings;
    run.out << "Program folder:   " << s.programFolder << '\n'
            << "Settings file:    " << s.settingsFile << '\n'
            << "Program log:      " << s.programLog << '\n'
            << "Output folder:    " << s.outputDir << '\n'
            << "Templates folder: " << s.templatesDir << '\n'
            << "Logos folder:     " << s.logosDir << '\n'
            << "Temporary folder: " << s.tempFolder << '\n';
    if (s.sources.provider == DataProvider::StatsApi)
        run.out << "Stats API data:   " << s.sources.statsApiHost << '\n';
    else
        run.out << "Gameday data:     " << s.gamedayBaseUrl << '\n';
    run.out << s.dataSourcesLine << '\n';
    if (s.sources.sampleData) run.out << "Sample data: an invented 2014 season, not real games\n";
    return kExitSuccess;
}

int ListGames(Run& run) {
    std::string date;
    if (!ReadDate(run, date)) return kExitUsage;
    run.ctx.settings.selectedGameDate = date;
    GameListOutcome outcome = GetGames(run.ctx, date);
    for (std::size_t i = 0; i < outcome.entries.size(); ++i)
        run.out << (i == outcome.selected ? "* " : "  ") << outcome.entries[i] << '\n';
    return outcome.status == GameListStatus::Listed ? kExitSuccess : kExitFailure;
}

// The run's outputs come from the options; the window's last-run choices are kept, except
// that an output the run had to turn off (its template is missing) is written off too.
int Create(Run& run) {
    std::string date;
    if (!ReadDate(run, date)) return kExitUsage;
    const std::string& gameText = run.words[2];
    Settings& s = run.ctx.settings;
    s.selectedGameDate = date;
    GameListOutcome games = GetGames(run.ctx, date);
    int game = IsAllDigits(gameText) && gameText.size() < 4 ? std::stoi(gameText) : 0;
    if (games.status == GameListStatus::Listed &&
        (game < 1 || game > static_cast<int>(games.entries.size()))) {
        run.err << "quillbat-cli: GAME must be a number from 1 to " << games.entries.size() << '\n';
        return kExitUsage;
    }
    if (games.status == GameListStatus::DownloadFailed) return kExitFailure;

    Settings lastRun = s;
    bool* flags[] = {&s.createScorecards, &s.createRosters, &s.createPitcherProfiles, &s.printOutput};
    bool* kept[] = {&lastRun.createScorecards, &lastRun.createRosters, &lastRun.createPitcherProfiles,
                    &lastRun.printOutput};
    const char* options[] = {"--scorecards", "--rosters", "--profiles", "--print"};
    for (int i = 0; i < 4; ++i) *flags[i] = HasOption(run, options[i]);
    if (HasOption(run, "--pdf")) s.savePdf = true;  // for this run only; the options keep theirs
    if (HasOption(run, "--proceed-without-lineups"))
        static_cast<CliUi&>(run.ctx.ui).SetAnswer("Lineups Not Available", MsgAnswer::Yes);

    bool listed = games.status == GameListStatus::Listed;
    CreateOutcome outcome = RunCreate(run.ctx, CreateStages::Available(), listed, game);
    for (int i = 0; i < 3; ++i)
        if (HasOption(run, options[i]) && !*flags[i]) *kept[i] = false;
    for (int i = 0; i < 4; ++i) *flags[i] = *kept[i];
    return outcome == CreateOutcome::Success ? kExitSuccess : kExitFailure;
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

// The first worksheet of a workbook file, or a message box saying why there is none.
bool OpenFirstWorksheet(Run& run, ExcelApplication& app, ExcelWorksheet& sheet) {
    ExcelWorkbook* book = nullptr;
    std::string error = app.Open(run.words[1], book);
    if (error.empty() && book->WorksheetCount() == 0)
        error = run.words[1] + ": the workbook has no worksheet.";
    if (!error.empty()) {
        run.ctx.ui.Message(MsgIcon::Exclamation, "Error", error);
        return false;
    }
    sheet = book->Worksheets(1);
    return true;
}

int WritePdf(Run& run) {
    ExcelApplication app;
    ExcelWorksheet sheet;
    if (!OpenFirstWorksheet(run, app, sheet)) return kExitFailure;
    const std::string& pdf = run.words[2];
    std::string error = SaveAsPdf(sheet, pdf);
    if (!error.empty()) {
        run.ctx.ui.Message(MsgIcon::Exclamation, "Error", error);
        return kExitFailure;
    }
    run.out << pdf << '\n';
    return kExitSuccess;
}

int Print(Run& run) {
    ExcelApplication app;
    ExcelWorksheet sheet;
    if (!OpenFirstWorksheet(run, app, sheet)) return kExitFailure;
    xls::PrintResult result = PrintOut(sheet);
    if (result.status == xls::PrintStatus::Printed) return kExitSuccess;
    run.ctx.ui.Message(MsgIcon::Exclamation, "Print", result.message);
    return kExitFailure;
}

// The update check's dialogs as message lines; the download question is answered No, and
// automatic checks are not asked for.
class CliUpdateDialogs : public UpdateDialogs {
public:
    explicit CliUpdateDialogs(Ui& ui) : ui_(ui) {}

    void ShowNewVersionAvailable(UpdateState& state) override {
        shown = state;
        newVersion = true;
        ui_.Message(MsgIcon::Question, kNewVersionCaption,
                    NewVersionAvailableText(state) + "\r\nYour version is: " + state.yourVersion +
                        "\r\nCurrent version is: " + state.currentVersion +
                        "\r\nWould you like to visit the website now to download it?",
                    MsgButtons::YesNo);
    }
    void ShowVersionIsCurrent(UpdateState& state) override {
        shown = state;
        ui_.Message(MsgIcon::Information, kVersionIsCurrentCaption, VersionIsCurrentText(state));
    }

    UpdateState shown;  // the state of the dialog shown; no program name when none was
    bool newVersion = false;  // the dialog shown was the new-version one

private:
    Ui& ui_;
};

// Standard output says what was found: the newer version, or that this one is current.
int UpdateCheck(Run& run) {
    CliUpdateDialogs dialogs(run.ctx.ui);
    CheckForUpdateFromMenu(run.ctx.settings, run.ctx.ui, dialogs);
    const UpdateState& found = dialogs.shown;
    if (found.programName.empty()) return kExitFailure;  // the check failed and said why
    if (dialogs.newVersion)
        run.out << "newer version available: " << found.currentVersion << " (this is " << found.yourVersion
                << ")\n";
    else
        run.out << "up to date: " << found.yourVersion << '\n';
    return kExitSuccess;
}

// The right number of plain words, and only options the command takes.
bool FitsCommand(const Command& command, const Parsed& parsed) {
    for (const auto& option : parsed.options)
        if (std::find(command.options.begin(), command.options.end(), option) == command.options.end())
            return false;
    return parsed.words.size() == command.arguments + 1;
}

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands = {
        {"create",
         {2,
          {"--scorecards", "--rosters", "--profiles", "--print", "--pdf", "--proceed-without-lineups"},
          Create}},
        {"flatten", {1, {}, Flatten}},
        {"games", {1, {}, ListGames}},
        {"pdf", {2, {}, WritePdf}},
        {"print", {1, {}, Print}},
        {"settings", {0, {}, PrintSettings}},
        {"update-check", {0, {}, UpdateCheck}},
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
    if (command == Commands().end() || !FitsCommand(command->second, parsed)) {
        err << "quillbat-cli: unknown command or arguments: " << JoinArgs(args) << "\n\n" << kUsage;
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
    if (!CheckSpreadsheet(ctx)) return kExitFailure;
    Run run{ctx, parsed.words, parsed.options, out, err};
    int status = command->second.body(run);
    SaveSettingsOnExit(ctx.settings);
    return status;
}

}  // namespace quillbat
