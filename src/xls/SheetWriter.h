#pragma once
// Writing one sheet substream.

#include <cstdint>
#include <string>
#include <vector>

#include "xls/Record.h"
#include "xls/Sheet.h"

namespace quillbat::xls {

// Appends the sheet. Text cells take their string table entries from stringIndexes, starting
// at nextString (advanced past the sheet's text cells). The active sheet is the one selected.
void AppendSheet(std::string& stream, const Sheet& sheet, bool active,
                 const std::vector<uint32_t>& stringIndexes, size_t& nextString);

// Appends a kept record; data past the size limit goes on in CONTINUE records.
void AppendRawRecord(std::string& stream, const Record& record);

}  // namespace quillbat::xls
