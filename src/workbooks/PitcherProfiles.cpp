#include "workbooks/PitcherProfiles.h"

#include <array>
#include <utility>

#include "gameday/PlayersTable.h"
#include "platform/FileSystem.h"
#include "platform/NumberFormat.h"
#include "platform/ProgramLog.h"
#include "workbooks/PdfCopy.h"
#include "workbooks/ProfileTables.h"

namespace quillbat {

namespace {

constexpr double kFooterMarginInches = 0.25;
constexpr int kShadeColorIndex = 16;
constexpr int kTitleRow = 3;
constexpr int kFirstPitchTypeRow = 5;
constexpr int kBatterCaptionRow = 4;
constexpr int kFirstBatterRow = 5;
constexpr const char* kBaseballReferenceSiteName = "Baseball-Reference";
constexpr const char* kLeagueAverageRow = "League Average";

// The Baseball-Reference tables, in the order they are read.
constexpr std::array<std::pair<ReferenceSource, const char*>, 3> kBrcTables = {{
    {ReferenceSource::BrcPitches, "Team Pitching Pitches"},
    {ReferenceSource::BrcRatios, "Team Pitching Ratios"},
    {ReferenceSource::BrcBattingAgainst, "Team Batting Against"},
}};

// One pitcher's half of the sheet: a name column, the pitcher's figure (a pitch's share) and
// the league's (a pitch's velocity) beside it, and the opposing batters' five columns one
// column further on.
struct Side {
    const char* label;  // "visiting" or "home", for the status texts
    int firstColumn;  // A or K
    std::string teamName, league, fileCode, opposingFileCode, opposingSide, pitcher;
    std::string lookupName;

    int NameColumn() const { return firstColumn; }
    int ValueColumn() const { return firstColumn + 1; }
    int LeagueColumn() const { return firstColumn + 2; }
    int BatterColumn(int item) const { return firstColumn + 3 + item; }  // item 1 to 5
};

using BatterLine = std::array<std::string, 5>;

class ProfileWriter {
public:
    ProfileWriter(const PitcherProfilesSources& sources, ExcelWorksheet& sheet)
        : s_(sources), sheet_(sheet) {}

    std::string Fill(const PitcherProfilesGame& game);

private:
    void WriteSide(const Side& side);
    void WritePitchTypes(const Side& side);
    void WritePlateDiscipline(const Side& side);
    bool WriteBaseballReference(const Side& side);
    bool ReadBrc(const std::string& teamCode, const std::string& rowName, const char* table, StatsRow& row);
    void WriteValues(ReferenceSource source, const StatsRow& row, int column);
    int WriteBatters(const Side& side);
    std::vector<BatterLine> EspnBatters(const Side& side, bool& found);
    std::vector<BatterLine> PlayersTableBatters(const Side& side);
    void ShadeReferenceValues(const Side& side);
    void ShadeBatters(const Side& side, int count);
    void Status(const Side& side, const std::string& site);

    void Put(int row, int column, const std::string& text);
    std::string CellText(int row, int column) const;
    void Shade(int row, int column);

    const PitcherProfilesSources& s_;
    ExcelWorksheet& sheet_;
    std::string error_;  // the first spreadsheet failure; nothing more is written after it
};

std::string ProfileWriter::Fill(const PitcherProfilesGame& game) {
    // The template's names were checked before anything was written.
    error_ = WriteGameHeading(sheet_, game, [](const std::string& name) { return "no cell named " + name; });
    WriteSide({"visiting", 1, game.awayTeamName, game.awayLeague, game.awayFileCode, game.homeFileCode,
               "home", game.awayPitcher, ProfileLookupName(game.awayPitcher)});
    WriteSide({"home", 11, game.homeTeamName, game.homeLeague, game.homeFileCode, game.awayFileCode, "away",
               game.homePitcher, ProfileLookupName(game.homePitcher)});
    if (error_.empty()) error_ = sheet_.SetCenterFooter(s_.settings.dataSourcesLine);
    sheet_.SetFooterMargin(kFooterMarginInches);
    sheet_.SelectA1();
    return error_;
}

void ProfileWriter::WriteSide(const Side& side) {
    Status(side, "FanGraphs");
    Put(kTitleRow, side.NameColumn(), side.teamName + ": " + side.pitcher);
    WritePitchTypes(side);
    WritePlateDiscipline(side);
    Status(side, kBaseballReferenceSiteName);
    bool pitcherHasFigures = WriteBaseballReference(side);
    Status(side, "ESPN");
    int batters = WriteBatters(side);
    if (pitcherHasFigures) ShadeReferenceValues(side);
    ShadeBatters(side, batters);
}

void ProfileWriter::Status(const Side& side, const std::string& site) {
    s_.ui.ShowStatus("Downloading " + std::string(side.label) + " pitcher stats from " + site + "...");
}

// A failed read leaves the share and velocity cells empty; the pitch names are always shown.
void ProfileWriter::WritePitchTypes(const Side& side) {
    FanGraphsRequest request{s_.settings.season, side.teamName, side.lookupName, "",
                             "Pitchers",         "Full Season", "Pitch Type"};
    StatsRow row;
    bool found = s_.readers.fanGraphs(request, row).empty();
    int sheetRow = kFirstPitchTypeRow;
    for (const PitchType& type : PitchTypes()) {
        Put(sheetRow, side.NameColumn(), type.name);
        if (found) {
            Put(sheetRow, side.ValueColumn(), GetStat(std::string(type.code) + "%", row));
            Put(sheetRow, side.LeagueColumn(), GetStat(std::string(type.code) + "v", row));
        }
        ++sheetRow;
    }
}

void ProfileWriter::WritePlateDiscipline(const Side& side) {
    FanGraphsRequest pitcher{s_.settings.season, side.teamName, side.lookupName,   "",
                             "Pitchers",         "Full Season", "Plate Discipline"};
    StatsRow row;
    if (s_.readers.fanGraphs(pitcher, row).empty()) {
        for (const ReferenceRow& ref : ReferenceRows()) {
            if (ref.source == ReferenceSource::PlateDiscipline)
                Put(ref.sheetRow, side.NameColumn(), ref.description);
        }
        WriteValues(ReferenceSource::PlateDiscipline, row, side.ValueColumn());
    }
    FanGraphsRequest league{s_.settings.season, side.league,   kAverageRequest,   "",
                            "Pitchers",         "Full Season", "Plate Discipline"};
    if (!s_.readers.fanGraphs(league, row).empty()) return;
    for (const ReferenceRow& ref : ReferenceRows()) {
        if (ref.source == ReferenceSource::PlateDiscipline &&
            CellText(ref.sheetRow, side.NameColumn()).empty())
            Put(ref.sheetRow, side.NameColumn(), ref.description);
    }
    WriteValues(ReferenceSource::PlateDiscipline, row, side.LeagueColumn());
}

// The pitcher's three tables, then the league's. True when the pitcher's pitches table gave
// positive plate appearances and pitches: only then are his values compared with the marks.
bool ProfileWriter::WriteBaseballReference(const Side& side) {
    const std::string teamCode = GetBRCTeamCode(side.fileCode);
    double plateAppearances = 0, pitches = 0;
    for (auto [source, table] : kBrcTables) {
        StatsRow row;
        bool found = ReadBrc(teamCode, side.lookupName, table, row);
        for (const ReferenceRow& ref : ReferenceRows()) {
            if (ref.source == source) Put(ref.sheetRow, side.NameColumn(), ref.description);
        }
        if (!found) continue;
        WriteValues(source, row, side.ValueColumn());
        if (source == ReferenceSource::BrcPitches) {
            plateAppearances = LeadingNumber(GetStat("PA", row));
            pitches = LeadingNumber(GetStat("Pit", row));
        }
    }
    for (auto [source, table] : kBrcTables) {
        StatsRow row;
        if (ReadBrc(teamCode, kLeagueAverageRow, table, row)) WriteValues(source, row, side.LeagueColumn());
    }
    return plateAppearances >= 1 && pitches >= 1;
}

bool ProfileWriter::ReadBrc(const std::string& teamCode, const std::string& rowName, const char* table,
                            StatsRow& row) {
    BrcRequest request{s_.settings.season, teamCode, rowName, "", "Pitching", table};
    return s_.readers.baseballReference(request, row).empty();
}

void ProfileWriter::WriteValues(ReferenceSource source, const StatsRow& row, int column) {
    for (const ReferenceRow& ref : ReferenceRows()) {
        if (ref.source == source) Put(ref.sheetRow, column, GetStat(ref.statName, row));
    }
}

// ESPN's list, or the opposing side's non-pitchers from the players table when ESPN fails.
// Returns the number of batter rows written.
int ProfileWriter::WriteBatters(const Side& side) {
    bool fromEspn = false;
    std::vector<BatterLine> lines = EspnBatters(side, fromEspn);
    if (!fromEspn) {
        lines = PlayersTableBatters(side);
        // The players table has home runs and runs batted in where ESPN has hits and home runs.
        Put(kBatterCaptionRow, side.BatterColumn(4), "HR");
        Put(kBatterCaptionRow, side.BatterColumn(5), "RBI");
    }
    const size_t room = kLastBatterRow - kFirstBatterRow + 1;
    if (lines.size() > room) {
        WriteLog(s_.settings, "Starting pitcher profiles: " + std::to_string(lines.size() - room) + " of " +
                                  std::to_string(lines.size()) + " batters facing " + side.pitcher +
                                  " did not fit on the sheet and were left out");
        lines.resize(room);
    }
    int sheetRow = kFirstBatterRow;
    for (const BatterLine& line : lines) {
        for (int item = 1; item <= 5; ++item) Put(sheetRow, side.BatterColumn(item), line[item - 1]);
        ++sheetRow;
    }
    return static_cast<int>(lines.size());
}

// Name, average, at-bats, hits and home runs; a table laid out with fewer columns gives what
// it has and leaves the rest empty.
std::vector<BatterLine> ProfileWriter::EspnBatters(const Side& side, bool& found) {
    BatterVersusPitcher table;
    found = s_.readers.espn({side.fileCode, side.lookupName, "", side.opposingFileCode}, table).empty();
    std::vector<BatterLine> lines;
    for (const StatsRow& batter : table.batters)
        lines.push_back(
            {batter.Value(1), batter.Value(10), batter.Value(2), batter.Value(3), batter.Value(6)});
    return lines;
}

std::vector<BatterLine> ProfileWriter::PlayersTableBatters(const Side& side) {
    using namespace PlayerField;
    std::vector<BatterLine> lines;
    for (int row : OpposingBatterRows(s_.players, side.opposingSide)) {
        const TextTable& p = s_.players;
        lines.push_back({p.At(kBoxScoreName, row), p.At(kBatterSplitsAverage, row),
                         p.At(kBatterSplitsAtBats, row), p.At(kBatterSplitsHomeRuns, row),
                         p.At(kBatterSplitsRbi, row)});
    }
    return lines;
}

void ProfileWriter::ShadeReferenceValues(const Side& side) {
    for (const ReferenceRow& ref : ReferenceRows()) {
        if (IsBeyondMarks(ref, CellText(ref.sheetRow, side.ValueColumn())))
            Shade(ref.sheetRow, side.ValueColumn());
    }
}

void ProfileWriter::ShadeBatters(const Side& side, int count) {
    for (int sheetRow = kFirstBatterRow; sheetRow < kFirstBatterRow + count; ++sheetRow) {
        if (IsNotableBatterAverage(CellText(sheetRow, side.BatterColumn(3)),
                                   CellText(sheetRow, side.BatterColumn(2))))
            Shade(sheetRow, side.BatterColumn(2));
    }
}

void ProfileWriter::Put(int row, int column, const std::string& text) {
    if (error_.empty()) error_ = sheet_.Cells(row, column).SetValue(std::string_view(text));
}

std::string ProfileWriter::CellText(int row, int column) const {
    return xls::DisplayText(sheet_.Cells(row, column).Value());
}

void ProfileWriter::Shade(int row, int column) {
    if (error_.empty()) error_ = sheet_.Cells(row, column).SetColorIndex(kShadeColorIndex);
}

std::string CheckNames(const ExcelWorksheet& sheet, const std::string& templatePath) {
    for (const std::string& name : PitcherProfilesTemplateNames()) {
        if (!sheet.Range(name).IsValid())
            return "The pitcher profiles template " + templatePath + " has no cell named \"" + name + "\".";
    }
    return "";
}

}  // namespace

std::vector<std::string> PitcherProfilesTemplateNames() { return {"visitor", "home", "stadium", "date"}; }

std::string CreatePitcherProfiles(const PitcherProfilesSources& sources, const PitcherProfilesGame& game) {
    const Settings& settings = sources.settings;
    const std::string templatePath = JoinPath(settings.templatesDir, kPitcherProfilesTemplate);
    const std::string output = JoinPath(settings.outputDir, kPitcherProfilesOutput);
    DeleteWorkbookAndPdfCopy(output);

    ExcelApplication app;
    std::string error = app.Start();
    ExcelWorkbook* book = nullptr;
    if (error.empty()) error = app.Open(templatePath, book);
    if (error.empty()) {
        ExcelWorksheet sheet = book->Worksheets(1);
        error = CheckNames(sheet, templatePath);
        if (error.empty()) error = ProfileWriter(sources, sheet).Fill(game);
        if (error.empty()) {
            bool printerFailed = false;
            PrintStageSheet(settings, sources.ui, sources.print, sheet, "pitcher profiles", printerFailed);
            error = book->SaveAs(output, settings.saveFormat);
        }
        if (error.empty()) SavePdfCopy(settings, sheet, output);
    }
    app.Quit();
    return error;
}

}  // namespace quillbat
