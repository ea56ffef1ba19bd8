#include "gameday/BoxscoreLineups.h"

#include <cmath>

#include "gameday/FlatTableColumns.h"
#include "gameday/FlatTableFile.h"
#include "platform/NumberFormat.h"

namespace quillbat {

namespace {

// The box score's columns: the batting side's through the "xx" patterns, the pitching side's
// by their plain names (the pitching blocks come first in the file, so they own them).
struct BoxScoreColumns {
    int side, name, position, battingOrder, average, id;
    int pitchingSide, pitcherPosition, pitcherId, pitcherName, wins, losses, era;

    explicit BoxScoreColumns(const ColumnNames& n)
        : side(FindColumn(n, "team_flagxx")),
          name(FindColumn(n, "name_display_first_lastxx")),
          position(FindColumn(n, "posxx")),
          battingOrder(FindColumn(n, "bo")),
          average(FindColumn(n, "avgxx")),
          id(FindColumn(n, "idxx")),
          pitchingSide(FindColumn(n, "team_flag")),
          pitcherPosition(FindColumn(n, "pos")),
          pitcherId(FindColumn(n, "id")),
          pitcherName(FindColumn(n, "name_display_first_last")),
          wins(FindColumn(n, "w")),
          losses(FindColumn(n, "l")),
          era(FindColumn(n, "eraxx")) {}
};

bool IsStarter(const std::string& battingOrder) {
    double bo = LeadingNumber(battingOrder);
    return bo != 0 && std::fmod(std::trunc(bo), 100.0) == 0;
}

void AddStarter(const SheetCells& box, int row, const BoxScoreColumns& c, const LineupRequest& request,
                LineupTable& lineups) {
    using namespace LineupField;
    int entry = lineups.AddRow();
    std::string side = CellText(box, row, c.side);
    lineups.Set(kSide, entry, side);
    lineups.Set(kBattingOrder, entry, CellText(box, row, c.battingOrder).substr(0, 1));
    lineups.Set(kBoxScoreName, entry, CellText(box, row, c.name));
    lineups.Set(kAverage, entry, CellText(box, row, c.average));
    lineups.Set(kPosition, entry, CellText(box, row, c.position));
    lineups.Set(kPlayerId, entry, CellText(box, row, c.id));
    lineups.Set(kFanGraphsTeam, entry, side == "home" ? request.homeTeamName : request.awayTeamName);
    lineups.Set(kFanGraphsName, entry, FirstNameFirst(lineups.At(kBoxScoreName, entry)));
}

struct PitcherSeen {
    bool away = false, home = false;
};

void TakeStartingPitcher(const SheetCells& box, int row, const BoxScoreColumns& c, PitcherSeen& seen,
                         StartingPitcher& away, StartingPitcher& home) {
    std::string side = CellText(box, row, c.pitchingSide);
    if (CellText(box, row, c.pitcherPosition) != "P" || (side != "away" && side != "home")) return;
    bool isHome = side == "home";
    bool& taken = isHome ? seen.home : seen.away;
    if (taken) return;
    taken = true;
    StartingPitcher& pitcher = isHome ? home : away;
    pitcher.text = CellText(box, row, c.pitcherName) + " (" + CellText(box, row, c.wins) + "-" +
                   CellText(box, row, c.losses) + ", " +
                   FormatNumber(LeadingNumber(CellText(box, row, c.era)), "#0.00") + ")";
    pitcher.number = "";
    pitcher.playerId = CellText(box, row, c.pitcherId);
}

void LookUpFigure(const LineupRequest& request, LineupTable& lineups, int entry, const char* split,
                  const char* group, const char* stat, int field) {
    if (!request.fanGraphs) return;
    auto values = request.fanGraphs({group, split, "Batters"}, lineups.At(LineupField::kFanGraphsTeam, entry),
                                    lineups.At(LineupField::kFanGraphsName, entry), "", {stat});
    if (values && !values->empty()) lineups.Set(field, entry, values->front());
}

void ReadUniformNumbers(const SheetCells& players, LineupTable& lineups, StartingPitcher& away,
                        StartingPitcher& home) {
    ColumnNames names = ReadHeaderRow(players);
    int idColumn = FindColumn(names, "idxx"), numberColumn = FindColumn(names, "num");
    for (int row = 2; row <= players.LastRow(); ++row) {
        std::string id = CellText(players, row, idColumn), number = CellText(players, row, numberColumn);
        for (int entry = 1; entry <= lineups.Rows(); ++entry) {
            if (lineups.At(LineupField::kPlayerId, entry) == id) {
                lineups.Set(LineupField::kUniformNumber, entry, number);
            } else if (!id.empty() && id == away.playerId) {
                away.number = number;
            } else if (!id.empty() && id == home.playerId) {
                home.number = number;
            }
        }
    }
}

}  // namespace

std::string FirstNameFirst(const std::string& name) {
    std::size_t comma = name.find(',');
    if (comma == std::string::npos) return name;
    std::string first = comma + 2 <= name.size() ? name.substr(comma + 2) : "";
    return first + " " + name.substr(0, comma);
}

void ReadLineupsFromTables(const SheetCells& box, const SheetCells* players, const LineupRequest& request,
                           LineupTable& lineups, StartingPitcher& away, StartingPitcher& home) {
    BoxScoreColumns columns(ReadHeaderRow(box));
    lineups = LineupTable{};
    PitcherSeen seen;
    for (int row = 2; row <= box.LastRow(); ++row) {
        if (!IsStarter(CellText(box, row, columns.battingOrder))) {
            TakeStartingPitcher(box, row, columns, seen, away, home);
            continue;
        }
        AddStarter(box, row, columns, request, lineups);
        TakeStartingPitcher(box, row, columns, seen, away, home);
    }
    LookUpLineupFigures(request, lineups);
    if (players) ReadUniformNumbers(*players, lineups, away, home);
}

void LookUpLineupFigures(const LineupRequest& request, LineupTable& lineups) {
    for (int entry = 1; entry <= lineups.Rows(); ++entry)
        LookUpFigure(request, lineups, entry, "Full Season", "Value", "WAR", LineupField::kWar);
    if (request.battingSplits) {
        for (int entry = 1; entry <= lineups.Rows(); ++entry)
            LookUpFigure(request, lineups, entry, "vs L", "Standard", "AVG", LineupField::kAverageVsLeft);
        for (int entry = 1; entry <= lineups.Rows(); ++entry)
            LookUpFigure(request, lineups, entry, "vs R", "Standard", "AVG", LineupField::kAverageVsRight);
    }
}

std::string ReadBoxscoreLineups(const std::string& boxScoreTable, const std::string& playersTable,
                                const LineupRequest& request, LineupTable& lineups, StartingPitcher& away,
                                StartingPitcher& home) {
    lineups = LineupTable{};
    std::string error;
    auto box = OpenFlatTable(boxScoreTable, error);
    if (!box) return error;
    std::unique_ptr<SheetCells> players;
    if (!playersTable.empty()) players = OpenFlatTable(playersTable, error);
    ReadLineupsFromTables(*box, players.get(), request, lineups, away, home);
    return "";
}

}  // namespace quillbat
