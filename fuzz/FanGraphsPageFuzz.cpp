// Any bytes as a FanGraphs page: the table scan and the name matching on its rows never crash,
// keep rows and header within the page table's width, and find no row that is not there.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "sites/FanGraphsTable.h"
#include "sites/PageLines.h"
#include "sites/PlayerRows.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillbat;
    std::string page(reinterpret_cast<const char*>(data), size);
    for (const char* key : {kPlayerRowKey, kTeamRowKey}) {
        FanGraphsTable table = ReadFanGraphsTable(page, key);
        if (table.columnNames.size() > kPageTableWidth || table.rows.Fields() != kPageTableWidth)
            std::abort();
        std::string position = "OF";
        ResolveFielderPosition("Jo Smith", position, {1, 2}, 3, table.rows);
        int row = FindPlayerRow("Smith, Jo", position, {1, 2}, table.rows);
        if (row < 0 || row > table.rows.Rows()) std::abort();
    }
    return 0;
}
