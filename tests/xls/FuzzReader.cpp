// libFuzzer entry point: any bytes must give a workbook or an error text, and a workbook that
// was read must write and read back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "xls/Workbook.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    quillbat::xls::Workbook book;
    std::string error = quillbat::xls::ReadWorkbook(std::string_view(reinterpret_cast<const char*>(data), size), book);
    if (!error.empty()) return 0;
    std::string bytes;
    if (!quillbat::xls::WriteWorkbook(book, bytes).empty()) return 0;
    quillbat::xls::Workbook again;
    if (!quillbat::xls::ReadWorkbook(bytes, again).empty()) __builtin_trap();
    return 0;
}
