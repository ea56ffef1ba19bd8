// Any bytes as a workbook: a workbook or an error text; a workbook that was read takes the
// usual changes (delete rows, fill, footer, select A1), writes, and reads back; no input is slow
// or greedy.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzBudget.h"
#include "xls/Fills.h"
#include "xls/PageSetup.h"
#include "xls/RowDeletion.h"
#include "xls/Workbook.h"

using namespace quillbat::xls;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    quillbat::fuzz::FuzzBudget budget;
    Workbook book;
    if (!ReadWorkbook(std::string_view(reinterpret_cast<const char*>(data), size), book).empty()) return 0;
    int sheet = book.FirstWorksheet();
    if (sheet >= 0) {
        DeleteCellsShiftUp(book, sheet, {1, 2, 0, 255});
        SetFillColorIndex(book, sheet, {0, 0, 0, 3}, 16);
        SetCenterFooter(book.sheets[sheet], "Data: fuzz");
        SetFooterMargin(book.sheets[sheet], 0.25);
        SelectA1(book.sheets[sheet]);
    }
    std::string bytes;
    if (!WriteWorkbook(book, bytes).empty()) return 0;
    Workbook again;
    if (!ReadWorkbook(bytes, again).empty()) __builtin_trap();
    return 0;
}
