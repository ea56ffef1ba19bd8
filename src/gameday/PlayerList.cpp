// Who plays: the players file's active players, or the roster pages' players sorted by name.

#include "gameday/FlatTableColumns.h"
#include "gameday/PlayerData.h"
#include "gameday/RosterPage.h"
#include "platform/NumberFormat.h"

namespace quillbat {

namespace {

// The players file's columns the list takes, by players-table field.
struct PlayerColumns {
    int side, teamName, first, last, number, boxName, rl, status, position, average, homeRuns, rbi, wins,
        losses, era, id;

    explicit PlayerColumns(const ColumnNames& n)
        : side(FindColumn(n, "type")),
          teamName(FindColumn(n, "name")),
          first(FindColumn(n, "first")),
          last(FindColumn(n, "last")),
          number(FindColumn(n, "num")),
          boxName(FindColumn(n, "boxname")),
          rl(FindColumn(n, "rl")),
          status(FindColumn(n, "status")),
          position(FindColumn(n, "position")),
          average(FindColumn(n, "avg")),
          homeRuns(FindColumn(n, "hr")),
          rbi(FindColumn(n, "rbi")),
          wins(FindColumn(n, "wins")),
          losses(FindColumn(n, "losses")),
          era(FindColumn(n, "era")),
          id(FindColumn(n, "idxx")) {}
};

void AddFromTable(const SheetCells& sheet, int row, const PlayerColumns& c, PlayersTable& players) {
    using namespace PlayerField;
    int p = players.AddRow();
    auto set = [&](int field, int column) { players.Set(field, p, CellText(sheet, row, column)); };
    set(kSide, c.side);
    set(kTeamName, c.teamName);
    set(kFirstName, c.first);
    set(kLastName, c.last);
    set(kUniformNumber, c.number);
    set(kBoxScoreName, c.boxName);
    set(kRlValue, c.rl);
    set(kPosition, c.position);
    set(kPlayerId, c.id);
    if (players.At(kPosition, p) != "P") {
        set(kBatterAverage, c.average);
        set(kBatterHomeRuns, c.homeRuns);
        set(kBatterRbi, c.rbi);
        return;
    }
    set(kPitcherWins, c.wins);
    set(kPitcherLosses, c.losses);
    players.Set(kPitcherEra, p, FormatNumber(LeadingNumber(CellText(sheet, row, c.era)), "##0.00"));
}

void AddFromRoster(const std::string& side, const std::vector<RosterEntry>& roster, PlayersTable& players) {
    using namespace PlayerField;
    for (const RosterEntry& e : roster) {
        int p = players.AddRow();
        players.Set(kSide, p, side);
        players.Set(kFirstName, p, e.firstName);
        players.Set(kLastName, p, e.lastName);
        players.Set(kUniformNumber, p, e.number);
        players.Set(kPosition, p, e.positionGroup);
        players.Set(kPlayerId, p, e.playerId);
        players.Set(kBats, p, e.bats);
        players.Set(kThrows, p, e.throws);
    }
}

void SwapPlayers(PlayersTable& players, int a, int b) {
    for (int field = 1; field <= players.Fields(); ++field) {
        std::string held = players.At(field, a);
        players.Set(field, a, players.At(field, b));
        players.Set(field, b, held);
    }
}

}  // namespace

// An exchange sort, so that players with equal names keep the order they have always had.
void SortPlayersByName(PlayersTable& players) {
    auto key = [&](int p) {
        return players.At(PlayerField::kLastName, p) + players.At(PlayerField::kFirstName, p);
    };
    for (int i = 1; i <= players.Rows(); ++i)
        for (int j = i + 1; j <= players.Rows(); ++j)
            if (key(i) > key(j)) SwapPlayers(players, i, j);
}

PlayersTable PlayersFromTable(const SheetCells& sheet) {
    PlayerColumns columns(ReadHeaderRow(sheet));
    PlayersTable players;
    for (int row = 2; row <= sheet.LastRow(); ++row)
        if (CellText(sheet, row, columns.status) == "A") AddFromTable(sheet, row, columns, players);
    return players;
}

PlayersTable PlayersFromRosterPages(const NetSession& session, const PlayerDataSide& away,
                                    const PlayerDataSide& home) {
    PlayersTable players;
    AddFromRoster("away", ReadRosterPage(session, away.cityName, away.teamName, away.fileCode), players);
    AddFromRoster("home", ReadRosterPage(session, home.cityName, home.teamName, home.fileCode), players);
    SortPlayersByName(players);
    return players;
}

bool IsInLineup(const LineupTable& lineups, const std::string& playerId) {
    for (int entry = 1; entry <= lineups.Rows(); ++entry)
        if (lineups.At(LineupField::kPlayerId, entry) == playerId) return true;
    return false;
}

}  // namespace quillbat
