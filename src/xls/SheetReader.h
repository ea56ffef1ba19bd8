#pragma once
// Reading one sheet substream into a Sheet.

#include <string>
#include <vector>

#include "xls/Record.h"
#include "xls/Sheet.h"
#include "xls/XlString.h"

namespace quillbat::xls {

// Reads from the BOF at records[start] to its EOF. Returns "" on success, else the reason.
std::string ReadSheet(const std::vector<PlacedRecord>& records, size_t start,
                      const std::vector<XlText>& sst, Sheet& sheet);

// The value an RK number stands for.
double DecodeRk(uint32_t rk);

}  // namespace quillbat::xls
