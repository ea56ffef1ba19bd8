// Any bytes as a downloaded XML file: the flat table is built or refused with a reason, a
// table that is built is rectangular and within the cell bound, and no input is slow or greedy.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "FuzzBudget.h"
#include "gameday/FlatTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillbat::fuzz::FuzzBudget budget;
    quillbat::FlatTable table;
    std::string_view xml(reinterpret_cast<const char*>(data), size);
    if (!quillbat::ParseFlatTable(xml, table).empty()) return 0;
    if (table.rows.size() * table.columns.size() > quillbat::kMaxFlatTableCells) std::abort();
    for (const auto& row : table.rows)
        if (row.size() != table.columns.size()) std::abort();
    return 0;
}
