#include "workbooks/TeamRosters.h"

#include <charconv>
#include <cctype>
#include <map>

#include "gameday/PlayersTable.h"
#include "platform/FileSystem.h"
#include "platform/NumberFormat.h"
#include "platform/ProgramLog.h"
#include "platform/TextFunctions.h"
#include "sites/PlayerRows.h"
#include "workbooks/Averages.h"
#include "workbooks/PdfCopy.h"
#include "workbooks/RosterCells.h"

namespace quillbat {

namespace {

constexpr double kFooterMarginInches = 0.25;
constexpr int kShade = 16;  // palette colour of the team rows and the leaders
constexpr int kHeadingRow = 3;
constexpr int kFirstRow = 4;

// The template's columns and its last row for the first page.
struct Layout {
    std::vector<std::string> headings;  // row 3 from column 1; [0] unused
    int lastColumn = 0;  // the last used column
    int pitchers = 0;  // the first pitchers' column, one past the blank heading
    int lastRow = 0;  // the row named "lastrow"

    const std::string& Heading(int column) const { return headings[column]; }
    int Blank() const { return pitchers - 1; }
};

struct Team {
    std::string title, name, league, side;
    int games = 0;
};

// A cell's value and fill, carried from the first page to the second.
struct CarriedCell {
    xls::CellValue value;
    long color = 0;
};

bool IsNumberText(const std::string& text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) return false;
    if (text[i] == '-' || text[i] == '+') ++i;
    if (i < text.size() && text[i] == '.') ++i;
    return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
}

bool IsOneOf(const std::string& heading, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (EqualsNoCase(heading, name)) return true;
    return false;
}

std::string ShortFloat(float value) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

class RostersWriter {
public:
    RostersWriter(const RostersSources& sources, const RostersGame& game)
        : s_(sources),
          game_(game),
          templatePath_(JoinPath(sources.settings.templatesDir, kRostersTemplate)) {}

    std::string Make(ExcelApplication& app);
    void AppendDebugDump() const;

private:
    std::string OpenTemplate(ExcelApplication& app, ExcelWorkbook*& book, ExcelWorksheet& sheet);
    std::string ReadLayout(const ExcelWorksheet& sheet);
    std::string TemplateError(const std::string& what) const {
        return "The rosters template " + templatePath_ + " " + what;
    }
    int WriteTeam(ExcelWorksheet& sheet, const Team& team, int firstRow);
    void WritePitcher(ExcelWorksheet& sheet, int player, int row);
    void WriteBatter(ExcelWorksheet& sheet, int player, int row);
    void ShadeLeaders(ExcelWorksheet& sheet, const Team& team, int firstRow, int lastRow);
    void ShadeColumn(ExcelWorksheet& sheet, int column, char direction, const Team& team, int firstRow,
                     int lastRow);
    bool Qualifies(int column, int row, const Team& team) const;
    using AverageLookup = std::string (*)(const std::string&, const std::string&, const AveragesTable&);
    void WriteAverageRow(ExcelWorksheet& sheet, int row, const std::string& label, AverageLookup average,
                         const std::string& owner, const AveragesTable& table);
    void Put(ExcelWorksheet& sheet, int row, int column, const std::string& text);
    void Keep(std::string& error) {
        if (error_.empty()) error_ = error;
    }
    std::vector<CarriedCell> TakeOverflow(ExcelWorksheet& sheet, int lastUsedRow);
    std::string MakeSecondPage(ExcelApplication& app, const std::vector<CarriedCell>& overflow);
    std::string Finish(ExcelApplication& app, ExcelWorkbook* book, ExcelWorksheet& sheet,
                       const std::string& fileName);
    void Print(const ExcelWorksheet& sheet);

    const RostersSources& s_;
    const RostersGame& game_;
    std::string templatePath_;
    Layout layout_;
    std::vector<StatDirection> directions_ = BuildStatDirections();
    std::vector<int> plateAppearances_;  // by sheet row, any length
    std::vector<float> innings_;
    std::map<std::pair<int, int>, std::string> written_;  // (row, column) -> the text written there
    std::string error_;
    bool printerFailed_ = false;
};

std::string RostersWriter::Make(ExcelApplication& app) {
    ExcelWorkbook* book = nullptr;
    ExcelWorksheet sheet;
    std::string error = OpenTemplate(app, book, sheet);
    if (!error.empty()) return error;
    Team away{game_.awayTitle, game_.awayTeamName, game_.awayLeague, "away", GamesFromTitle(game_.awayTitle)};
    Team home{game_.homeTitle, game_.homeTeamName, game_.homeLeague, "home", GamesFromTitle(game_.homeTitle)};
    int awayEnd = WriteTeam(sheet, away, kFirstRow);
    int lastUsedRow = WriteTeam(sheet, home, awayEnd + 2);
    if (!error_.empty()) return error_;

    const int firstPageRows = layout_.lastRow;
    if (lastUsedRow <= firstPageRows) return Finish(app, book, sheet, kRostersOutput);
    std::vector<CarriedCell> overflow = TakeOverflow(sheet, lastUsedRow);
    if (error_.empty()) error_ = Finish(app, book, sheet, kRostersPage1);
    if (!error_.empty()) return error_;
    return MakeSecondPage(app, overflow);
}

// Opens the template, reads its columns and appends the game to the header cells.
std::string RostersWriter::OpenTemplate(ExcelApplication& app, ExcelWorkbook*& book, ExcelWorksheet& sheet) {
    std::string error = app.Open(templatePath_, book);
    if (!error.empty()) return error;  // it names the file
    sheet = book->Worksheets(1);
    error = ReadLayout(sheet);
    if (error.empty())
        error = WriteGameHeading(sheet, game_, [this](const std::string& name) {
            return TemplateError("has no cell named \"" + name + "\".");
        });
    return error;
}

std::string RostersWriter::ReadLayout(const ExcelWorksheet& sheet) {
    ExcelRange lastRow = sheet.Range("lastrow");
    if (!lastRow.IsValid()) return TemplateError("has no cell named \"lastrow\".");
    Layout layout;
    layout.lastRow = lastRow.Row();
    int lastUsedRow = 0;
    FindLastRowAndColumn(sheet, lastUsedRow, layout.lastColumn);
    layout.headings.assign(layout.lastColumn + 1, "");
    for (int column = 1; column <= layout.lastColumn; ++column) {
        layout.headings[column] = xls::DisplayText(sheet.Cells(kHeadingRow, column).Value());
        if (layout.pitchers == 0 && IsBlank(layout.headings[column])) layout.pitchers = column + 1;
    }
    // Both blocks need their number and name columns.
    if (layout.pitchers < 4 || layout.pitchers + 1 > layout.lastColumn)
        return TemplateError(
            "has no blank heading in row 3 between the position players' and the "
            "pitchers' columns.");
    layout_ = layout;
    return "";
}

// Writes one team from firstRow on and returns the row of its league averages.
int RostersWriter::WriteTeam(ExcelWorksheet& sheet, const Team& team, int firstRow) {
    const int D = layout_.pitchers;
    std::string name = TrimBlanks(RemoveParenthesized(team.title));
    Put(sheet, firstRow, 2, name);
    Put(sheet, firstRow, D + 1, name);
    std::string error = sheet
                            .Range("A" + std::to_string(firstRow) + ":" + ColumnLetter(layout_.lastColumn) +
                                   std::to_string(firstRow))
                            .SetColorIndex(kShade);
    Keep(error);

    int pitcherRow = firstRow, batterRow = firstRow;
    for (int player = 1; player <= s_.players.Rows(); ++player) {
        if (s_.players.At(PlayerField::kSide, player) != team.side) continue;
        if (s_.players.At(PlayerField::kPosition, player) == "P")
            WritePitcher(sheet, player, ++pitcherRow);
        else
            WriteBatter(sheet, player, ++batterRow);
    }
    int lastRow = std::max(pitcherRow, batterRow);
    ShadeLeaders(sheet, team, firstRow, lastRow);
    WriteAverageRow(sheet, lastRow + 2, "Team Avg", GetTeamAvg, team.name, s_.teamAverages);
    std::string league = team.league.empty() ? "League Avg" : team.league + " League Avg";
    WriteAverageRow(sheet, lastRow + 3, league, GetLeagueAvg, team.league, s_.leagueAverages);
    return lastRow + 3;
}

std::string PlayerName(const TextTable& players, int player) {
    return DropJr(players.At(PlayerField::kLastName, player)) + ", " +
           players.At(PlayerField::kFirstName, player);
}

template <typename T>
void KeepAt(std::vector<T>& byRow, int row, T value) {
    if (static_cast<int>(byRow.size()) <= row) byRow.resize(row + 1);
    byRow[row] = value;
}

template <typename T>
T ValueAt(const std::vector<T>& byRow, int row) {
    return row < static_cast<int>(byRow.size()) ? byRow[row] : T{};
}

// A pitcher without an inning shows only his record, throwing hand, saves and innings.
void RostersWriter::WritePitcher(ExcelWorksheet& sheet, int player, int row) {
    const int D = layout_.pitchers;
    Put(sheet, row, D, s_.players.At(PlayerField::kUniformNumber, player));
    Put(sheet, row, D + 1, PlayerName(s_.players, player));
    float innings = static_cast<float>(LeadingNumber(GetRosterCell("IP", s_.players, player)));
    KeepAt(innings_, row, innings);
    for (int column = D; column <= layout_.lastColumn; ++column) {
        const std::string& heading = layout_.Heading(column);
        std::string value = GetRosterCell(heading, s_.players, player);
        if (innings == 0 && !IsOneOf(heading, {"W-L", "R/L", "SV", "IP"})) value.clear();
        Put(sheet, row, column, value);
    }
}

// A position player without a plate appearance shows only how he bats, his position, PA and AB.
void RostersWriter::WriteBatter(ExcelWorksheet& sheet, int player, int row) {
    Put(sheet, row, 1, s_.players.At(PlayerField::kUniformNumber, player));
    Put(sheet, row, 2, PlayerName(s_.players, player));
    int plateAppearances = static_cast<int>(LeadingNumber(GetRosterCell("PA", s_.players, player)));
    KeepAt(plateAppearances_, row, plateAppearances);
    for (int column = 1; column < layout_.Blank(); ++column) {
        const std::string& heading = layout_.Heading(column);
        std::string value = GetRosterCell(heading, s_.players, player);
        if (plateAppearances == 0 && !IsOneOf(heading, {"Bats", "Pos", "PA", "AB"})) value.clear();
        Put(sheet, row, column, value);
    }
}

void RostersWriter::ShadeLeaders(ExcelWorksheet& sheet, const Team& team, int firstRow, int lastRow) {
    for (int column = 1; column <= layout_.lastColumn; ++column) {
        char direction = DirectionOf(directions_, layout_.Heading(column));
        if (direction != 0) ShadeColumn(sheet, column, direction, team, firstRow, lastRow);
    }
}

// Every qualified cell holding the column's best value is shaded, ties included. Only numbers
// take part, so a "-" for a missing figure never leads.
void RostersWriter::ShadeColumn(ExcelWorksheet& sheet, int column, char direction, const Team& team,
                                int firstRow, int lastRow) {
    bool found = false;
    double best = 0;
    auto numberAt = [&](int row, double& value) {
        auto cell = written_.find({row, column});
        if (cell == written_.end() || !IsNumberText(cell->second) || !Qualifies(column, row, team))
            return false;
        value = LeadingNumber(cell->second);
        return true;
    };
    for (int row = firstRow + 1; row <= lastRow; ++row) {
        double value = 0;
        if (!numberAt(row, value)) continue;
        if (!found || (direction == 'H' ? value > best : value < best)) best = value;
        found = true;
    }
    for (int row = firstRow + 1; row <= lastRow && found; ++row) {
        double value = 0;
        if (!numberAt(row, value) || value != best) continue;
        std::string error = sheet.Cells(row, column).SetColorIndex(kShade);
        Keep(error);
    }
}

bool RostersWriter::Qualifies(int column, int row, const Team& team) const {
    return QualifiesToLead(layout_.Heading(column), column >= layout_.pitchers,
                           ValueAt(plateAppearances_, row), ValueAt(innings_, row), team.games);
}

// The label in both name columns and the owner's figure under every heading; the number and
// name columns keep only the label.
void RostersWriter::WriteAverageRow(ExcelWorksheet& sheet, int row, const std::string& label,
                                    AverageLookup average, const std::string& owner,
                                    const AveragesTable& table) {
    const int D = layout_.pitchers;
    for (int column = 3; column <= layout_.lastColumn; ++column) {
        const std::string& heading = layout_.Heading(column);
        if (column == D || column == D + 1 || IsBlank(heading)) continue;
        Put(sheet, row, column, average(heading, owner, table));
    }
    Put(sheet, row, 2, label);
    Put(sheet, row, D + 1, label);
}

void RostersWriter::Put(ExcelWorksheet& sheet, int row, int column, const std::string& text) {
    if (text.empty()) return;
    written_[{row, column}] = text;
    std::string error = sheet.Cells(row, column).SetValue(std::string_view(text));
    Keep(error);
}

// The rows past "lastrow", taken off the first page with their fills.
std::vector<CarriedCell> RostersWriter::TakeOverflow(ExcelWorksheet& sheet, int lastUsedRow) {
    std::vector<CarriedCell> cells;
    for (int row = layout_.lastRow + 1; row <= lastUsedRow; ++row) {
        for (int column = 1; column <= layout_.lastColumn; ++column) {
            ExcelRange cell = sheet.Cells(row, column);
            cells.push_back({cell.Value(), cell.Color()});
        }
    }
    std::string error = sheet
                            .Range("A" + std::to_string(layout_.lastRow + 1) + ":" +
                                   ColumnLetter(layout_.lastColumn) + std::to_string(lastUsedRow))
                            .Delete();
    Keep(error);
    return cells;
}

// The overflow from row 4 of a fresh copy of the template; blank cells do not carry their fill.
std::string RostersWriter::MakeSecondPage(ExcelApplication& app, const std::vector<CarriedCell>& overflow) {
    ExcelWorkbook* book = nullptr;
    ExcelWorksheet sheet;
    const int columns = layout_.lastColumn;
    std::string error = OpenTemplate(app, book, sheet);
    if (!error.empty()) return error;
    for (std::size_t i = 0; i < overflow.size() && error.empty(); ++i) {
        ExcelRange cell =
            sheet.Cells(kFirstRow + static_cast<int>(i) / columns, 1 + static_cast<int>(i) % columns);
        error = cell.SetValue(overflow[i].value);
        if (error.empty() && !overflow[i].value.IsBlank()) error = cell.SetColor(overflow[i].color);
    }
    if (error.empty()) return Finish(app, book, sheet, kRostersPage2);
    app.Close(book);
    return error;
}

// Footer, printing and saving; the workbook is closed either way.
std::string RostersWriter::Finish(ExcelApplication& app, ExcelWorkbook* book, ExcelWorksheet& sheet,
                                  const std::string& fileName) {
    std::string error = sheet.SetCenterFooter(s_.settings.dataSourcesLine);
    sheet.SetFooterMargin(kFooterMarginInches);
    sheet.SelectA1();
    const std::string output = JoinPath(s_.settings.outputDir, fileName);
    if (error.empty()) {
        Print(sheet);
        error = book->SaveAs(output, s_.settings.saveFormat);
    }
    if (error.empty()) SavePdfCopy(s_.settings, sheet, output);
    app.Close(book);
    return error;
}

// A printer failure is told once and the pages are still saved.
void RostersWriter::Print(const ExcelWorksheet& sheet) {
    PrintStageSheet(s_.settings, s_.ui, s_.print, sheet, "team rosters", printerFailed_);
}

// Appends the plate appearances and innings kept for sheet rows 1 to 50 to
// "_debugCreateTeamRosters.txt" in the program folder.
void RostersWriter::AppendDebugDump() const {
    std::string text;
    for (int row = 1; row <= 50; ++row) {
        text += std::to_string(row) + "\t" + std::to_string(ValueAt(plateAppearances_, row)) + "\t" +
                ShortFloat(ValueAt(innings_, row)) + "\r\n";
    }
    AppendToFile(JoinPath(s_.settings.programFolder, "_debugCreateTeamRosters.txt"), text);
}

// Writes fields 1 to 41 of every player to "players.txt" in the program folder, one line per
// field: " row  field text".
void WritePlayersDump(const Settings& settings, const TextTable& players) {
    std::string text;
    for (int row = 1; row <= players.Rows(); ++row) {
        for (int field = 1; field <= 41; ++field) {
            text += " " + std::to_string(row) + "  " + std::to_string(field) + " " + players.At(field, row) +
                    "\r\n";
        }
    }
    ReplaceFileContents(JoinPath(settings.programFolder, "players.txt"), text);
}

}  // namespace

std::string CreateTeamRosters(const RostersSources& sources, const RostersGame& game) {
    const Settings& settings = sources.settings;
    if (settings.devMode) WritePlayersDump(settings, sources.players);
    for (const char* name : {kRostersOutput, kRostersPage1, kRostersPage2})
        DeleteWorkbookAndPdfCopy(JoinPath(settings.outputDir, name));
    ExcelApplication app;
    std::string error = app.Start();
    sources.ui.ShowStatus("Creating team roster sheets...");
    RostersWriter writer(sources, game);
    if (error.empty()) error = writer.Make(app);
    app.Quit();
    if (settings.debugMode) writer.AppendDebugDump();
    return error;
}

}  // namespace quillbat
