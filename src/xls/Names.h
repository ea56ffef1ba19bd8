#pragma once
// Defined names (NAME records) and the sheet references in their formulas.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "xls/CellRange.h"
#include "xls/Formula.h"
#include "xls/Record.h"

namespace quillbat::xls {

struct DefinedName {
    uint16_t options = 0;
    uint8_t key = 0;
    std::string name;     // UTF-8; a built-in name is its one code character
    uint16_t scope = 0;   // 0 = workbook, else the 1-based sheet it belongs to
    std::string formula;  // the parsed expression tokens
    std::string tail;     // what follows the formula (menu, description, help, status texts)
    std::vector<Record> continues;  // kept as they were; such a name is never rewritten

    bool IsBuiltIn() const { return options & 0x0020; }
};

// One EXTERNSHEET entry: the SUPBOOK it refers to and a span of that book's sheets.
struct ExternSheet {
    uint16_t supBook = 0;
    uint16_t firstSheet = 0;
    uint16_t lastSheet = 0;
};

// Parses a NAME record's data; "" on success, else why it is damaged.
std::string ParseName(std::string_view data, DefinedName& out);
std::string NameRecordData(const DefinedName& name);
std::vector<ExternSheet> ParseExternSheet(std::string_view data);

}  // namespace quillbat::xls
