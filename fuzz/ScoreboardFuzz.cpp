// Any bytes as a downloaded master scoreboard, read the way the game list reads it: through its
// flat table, and by scanning the text when the table has no data row. Nothing may crash, every
// game has its 26 fields, and double-header marks come in pairs.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "FuzzBudget.h"
#include "gameday/FlatTable.h"
#include "gameday/MasterScoreboard.h"

namespace {

// The flat table as the readers see a worksheet: row 1 the names, rows from 2 the data.
class TableCells : public quillbat::SheetCells {
public:
    explicit TableCells(const quillbat::FlatTable& table) : table_(table) {}
    int LastRow() const override { return static_cast<int>(table_.rows.size()) + 1; }
    int LastColumn() const override { return static_cast<int>(table_.columns.size()); }
    std::string Text(int row, int column) const override {
        if (row == 1) return column >= 1 && column <= LastColumn() ? table_.columns[column - 1] : "";
        return table_.Cell(row - 2, column - 1);
    }

private:
    const quillbat::FlatTable& table_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillbat::fuzz::FuzzBudget budget;
    std::string_view xml(reinterpret_cast<const char*>(data), size);
    quillbat::FlatTable table;
    quillbat::GameTable games;
    if (quillbat::ParseFlatTable(xml, table).empty() && !table.rows.empty()) {
        games = quillbat::ReadGamesFromTable(TableCells(table), quillbat::ReadProbablePitchers(xml));
    } else {
        games = quillbat::ReadGameByScanning(xml);
    }
    int firsts = 0, seconds = 0;
    for (int game = 1; game <= games.Rows(); ++game) {
        const std::string& mark = games.At(quillbat::GameField::kDoubleHeaderGame, game);
        firsts += mark == "1";
        seconds += mark == "2";
    }
    if (games.Fields() != quillbat::GameField::kCount || firsts != seconds) std::abort();
    return 0;
}
