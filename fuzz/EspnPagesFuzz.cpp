// Any bytes as an ESPN roster or batter-versus-pitcher page: the scans never crash, every
// roster id is a number, and no batter row is wider than the header.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/TextFunctions.h"
#include "sites/EspnPages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillbat;
    std::string page(reinterpret_cast<const char*>(data), size);
    EspnRoster roster = ReadEspnRoster(page);
    for (int row = 1; row <= roster.players.Rows(); ++row) {
        const std::string& id = roster.players.At(EspnRosterField::kPlayerId, row);
        if (id.empty() || !IsAllDigits(id)) std::abort();
    }
    EspnBatterTable table = ReadEspnBatterTable(page);
    if (table.columnNames.size() > kEspnMaxColumns) std::abort();
    if (table.batters.Rows() > 0 && table.batters.Fields() != static_cast<int>(table.columnNames.size()))
        std::abort();
    return 0;
}
