#include "workbooks/Scorecard.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "gameday/LineupTable.h"
#include "gameday/PlayersTable.h"
#include "platform/FileSystem.h"
#include "platform/ProgramLog.h"
#include "platform/TextFunctions.h"
#include "workbooks/PdfCopy.h"
#include "workbooks/ScorecardText.h"
#include "workbooks/TeamLogo.h"

namespace quillbat {

namespace {

constexpr double kFooterMarginInches = 0.25;

// One team's card.
struct Card {
    std::string side;  // "away" or "home"
    std::string team, opponent, pitcher, pitcherNumber, fileCode;
    std::string output;
};

class CardWriter {
public:
    CardWriter(const ScorecardSources& sources, const std::string& templatePath)
        : s_(sources), templatePath_(templatePath) {}

    std::string Write(ExcelApplication& app, const Card& card, const ScorecardGame& game);

private:
    std::string Fill(ExcelWorksheet& sheet, const Card& card, const ScorecardGame& game);
    std::string CheckNames(const ExcelWorksheet& sheet) const;
    std::string Append(ExcelWorksheet& sheet, const char* name, const std::string& value);
    std::string Put(ExcelWorksheet& sheet, const std::string& name, const std::string& value);
    std::string FillSlot(ExcelWorksheet& sheet, const std::string& side, int slot);
    void AddLogo(ExcelWorksheet& sheet, const std::string& fileCode);
    std::string WriteHeading(ExcelWorksheet& sheet);
    void Print(const ExcelWorksheet& sheet);

    const ScorecardSources& s_;
    std::string templatePath_;
    bool printerFailed_ = false;
};

std::string CardWriter::Write(ExcelApplication& app, const Card& card, const ScorecardGame& game) {
    ExcelWorkbook* book = nullptr;
    std::string error = app.Open(templatePath_, book);
    if (!error.empty()) return error;  // it names the file
    ExcelWorksheet sheet = book->Worksheets(1);
    error = Fill(sheet, card, game);
    if (error.empty()) {
        Print(sheet);
        error = book->SaveAs(card.output, s_.settings.saveFormat);
    }
    if (error.empty()) SavePdfCopy(s_.settings, sheet, card.output);
    app.Close(book);
    return error;
}

std::string CardWriter::Fill(ExcelWorksheet& sheet, const Card& card, const ScorecardGame& game) {
    std::string error = CheckNames(sheet);
    for (auto [name, value] : {std::pair{"team", &card.team},
                               {"opponent", &card.opponent},
                               {"stadium", &game.venue},
                               {"date", &game.gameDate}}) {
        if (error.empty()) error = Append(sheet, name, *value);
    }
    if (error.empty()) error = Put(sheet, "pitcher", card.pitcher);
    if (error.empty()) error = Put(sheet, "pitchernumber", card.pitcherNumber);
    if (error.empty())
        error = Put(sheet, "pitcherthrows", GetPitcherThrows(s_.players, card.side, card.pitcherNumber));
    for (int slot = 1; slot <= 9 && error.empty(); ++slot) error = FillSlot(sheet, card.side, slot);
    if (!error.empty()) return error;
    AddLogo(sheet, card.fileCode);
    error = WriteHeading(sheet);
    if (error.empty()) error = sheet.SetCenterFooter(s_.settings.dataSourcesLine);
    sheet.SetFooterMargin(kFooterMarginInches);
    sheet.SelectA1();
    return error;
}

std::string CardWriter::CheckNames(const ExcelWorksheet& sheet) const {
    for (const std::string& name : ScorecardTemplateNames()) {
        if (!sheet.Range(name).IsValid())
            return "The scorecard template " + templatePath_ + " has no cell named \"" + name + "\".";
    }
    return "";
}

std::string CardWriter::Append(ExcelWorksheet& sheet, const char* name, const std::string& value) {
    ExcelRange cell = sheet.Range(name);
    return cell.SetValue(std::string_view(xls::DisplayText(cell.Value()) + " " + value));
}

std::string CardWriter::Put(ExcelWorksheet& sheet, const std::string& name, const std::string& value) {
    return sheet.Range(name).SetValue(std::string_view(value));
}

// A slot without a starter keeps the template's cells.
std::string CardWriter::FillSlot(ExcelWorksheet& sheet, const std::string& side, int slot) {
    int row = FindLineupRow(s_.lineups, side, slot);
    if (row == 0) return "";
    using namespace LineupField;
    const std::string digit = std::to_string(slot);
    std::string error =
        Put(sheet, "player" + digit, PlayerText(s_.settings.scorecardPlayerFmt, s_.lineups, row));
    if (error.empty()) error = Put(sheet, "position" + digit, s_.lineups.At(kPosition, row));
    if (error.empty())
        error = Put(sheet, "bats" + digit,
                    LookupPlayerField(s_.players, s_.lineups.At(kPlayerId, row), PlayerField::kBats));
    if (error.empty()) error = Put(sheet, "number" + digit, s_.lineups.At(kUniformNumber, row));
    return error;
}

// A missing, unreadable or oversized logo leaves the card without one.
void CardWriter::AddLogo(ExcelWorksheet& sheet, const std::string& fileCode) {
    bool usableCode = !fileCode.empty() && std::all_of(fileCode.begin(), fileCode.end(),
                                                       [](unsigned char c) { return std::isalnum(c); });
    if (!usableCode) {
        if (!fileCode.empty()) WriteLog(s_.settings, "No logo for the club code \"" + fileCode + "\"");
        return;
    }
    std::string path = JoinPath(s_.settings.logosDir, fileCode + ".gif");
    if (!FileExists(path)) return;
    std::string error = InsertTeamLogo(sheet, path);
    if (!error.empty()) WriteLog(s_.settings, "The logo was left out: " + error);
}

// The player format's heading goes into the cell directly above "player1".
std::string CardWriter::WriteHeading(ExcelWorksheet& sheet) {
    std::string column, rowText;
    SplitCellAddress(sheet.Range("player1").Address(), column, rowText);
    int row = 0;
    std::from_chars(rowText.data(), rowText.data() + rowText.size(), row);
    ExcelRange above;
    if (row < 2 || !sheet.Range("$" + column + "$" + std::to_string(row - 1), above).empty())
        return "The scorecard template " + templatePath_ + " has no cell above \"player1\" for its heading.";
    return above.SetValue(std::string_view(PlayerHeading(s_.settings.scorecardPlayerFmt)));
}

// A printer failure is told once and the cards are still saved.
void CardWriter::Print(const ExcelWorksheet& sheet) {
    PrintStageSheet(s_.settings, s_.ui, s_.print, sheet, "scorecards", printerFailed_);
}

// Appends the lineup table to "debugPlayerList.txt" in the program folder: one line per
// field, " row  field text", a dashed line after each row and a line of "=" at the end.
void AppendLineupDump(const Settings& settings, const TextTable& lineups) {
    std::string text;
    for (int row = 1; row <= lineups.Rows(); ++row) {
        for (int field = 1; field <= lineups.Fields(); ++field) {
            text += " " + std::to_string(row) + "  " + std::to_string(field) + " " + lineups.At(field, row) +
                    "\r\n";
        }
        text += "-----\r\n";
    }
    text += "======================\r\n";
    AppendToFile(JoinPath(settings.programFolder, "debugPlayerList.txt"), text);
}

}  // namespace

std::vector<std::string> ScorecardTemplateNames() {
    std::vector<std::string> names = {"team",    "opponent",      "stadium",       "date",
                                      "pitcher", "pitchernumber", "pitcherthrows", "TeamLogo"};
    for (const char* slotName : {"player", "position", "bats", "number"}) {
        for (int slot = 1; slot <= 9; ++slot) names.push_back(slotName + std::to_string(slot));
    }
    return names;
}

std::string CreateScorecard(const ScorecardSources& sources, const ScorecardGame& game) {
    const Settings& settings = sources.settings;
    if (settings.devMode) AppendLineupDump(settings, sources.lineups);
    const std::string awayOutput = JoinPath(settings.outputDir, kScorecardAway);
    const std::string homeOutput = JoinPath(settings.outputDir, kScorecardHome);
    DeleteWorkbookAndPdfCopy(homeOutput);
    DeleteWorkbookAndPdfCopy(awayOutput);

    const Card cards[] = {
        {"away", game.awayTitle, game.homeTitle, game.awayPitcher, game.awayPitcherNumber, game.awayFileCode,
         awayOutput},
        {"home", game.homeTitle, game.awayTitle, game.homePitcher, game.homePitcherNumber, game.homeFileCode,
         homeOutput},
    };
    ExcelApplication app;
    CardWriter writer(sources, JoinPath(settings.templatesDir, kScorecardTemplate));
    std::string error = app.Start();
    for (const Card& card : cards) {
        if (error.empty()) error = writer.Write(app, card, game);
    }
    app.Quit();
    return error;
}

}  // namespace quillbat
