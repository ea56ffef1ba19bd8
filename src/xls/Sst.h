#pragma once
// The shared string table (SST with its CONTINUE records) and its index EXTSST.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "xls/XlString.h"

namespace quillbat::xls {

// Reads the strings of an SST record's data followed by its CONTINUE records' data.
// Returns "" on success, else why the table is damaged.
std::string ReadSst(const std::vector<std::string_view>& segments, std::vector<XlText>& out);

// Appends SST (split into CONTINUE records as needed) and EXTSST to a workbook stream, whose
// current size is the absolute position the SST record starts at.
void AppendSstAndExtSst(std::string& stream, const std::vector<XlText>& strings,
                        uint32_t totalReferences);

// Strings per EXTSST bucket for a table of that many strings.
uint16_t ExtSstBucketSize(size_t uniqueStrings);

}  // namespace quillbat::xls
