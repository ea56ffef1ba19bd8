// Any bytes as a downloaded XML file: the flat table is built or refused with a reason, and a
// table that is built is rectangular.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "gameday/FlatTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillbat::FlatTable table;
    std::string_view xml(reinterpret_cast<const char*>(data), size);
    if (!quillbat::ParseFlatTable(xml, table).empty()) return 0;
    for (const auto& row : table.rows)
        if (row.size() != table.columns.size()) std::abort();
    return 0;
}
