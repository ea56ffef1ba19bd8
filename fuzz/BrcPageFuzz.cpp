// Any bytes as a Baseball-Reference page: the table scan never crashes, keeps the header and
// rows within the page table's width, and names its error only when it read no header.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "sites/BrcTable.h"
#include "sites/PageLines.h"
#include "sites/PlayerRows.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillbat;
    std::string page(reinterpret_cast<const char*>(data), size);
    BrcTable table = ReadBrcTable(page, "Team Pitching");
    if (table.header.Count() > kPageTableWidth || table.rows.Fields() != kPageTableWidth) std::abort();
    if (table.error.empty() != (table.header.Count() > 0)) std::abort();
    int row = FindPlayerRow("League Average", "", {1, 2}, table.rows);
    if (row < 0 || row > table.rows.Rows()) std::abort();
    return 0;
}
